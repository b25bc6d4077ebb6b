// Derived colours: with UseAdvColors on, a flat control works some of its
// colours out from a base colour by the percentages of its AdvColor...
// properties (CalcAdvancedColor). What every such control shares lives here:
// the switch, the percentage rule and when to work the colours out again.
#pragma once

#include "controls/FlatUtilitys.h"

template <class TBase>
class TAdvColorControl : public TBase {
public:
    explicit TAdvColorControl(TComponent* owner) : TBase(owner) {}

    bool UseAdvColors() const { return FUseAdvColors; }
    void SetUseAdvColors(bool value)
    {
        if (value == FUseAdvColors)
            return;
        FUseAdvColors = value;
        // The derived colours come from the parent's colour, so follow it.
        if (FollowsParentColor())
            this->SetParentColor(value);
        CalcAdvColors();
        ShowAdvColors();
    }

protected:
    // Works the derived colours out; called only while UseAdvColors is on.
    virtual void DeriveAdvColors() = 0;
    // Shows colours that changed: a repaint unless the control draws otherwise.
    virtual void ShowAdvColors() { this->Invalidate(); }
    // Whether switching UseAdvColors switches ParentColor too (the combo box
    // keeps its own colour and derives from its parent's).
    virtual bool FollowsParentColor() const { return true; }

    void CalcAdvColors()
    {
        if (FUseAdvColors)
            DeriveAdvColors();
    }
    // Every AdvColor... setter: 0..100 is taken, other values are refused.
    void SetAdvPercent(int& field, int percent)
    {
        if (!StoreAdvPercent(field, percent))
            return;
        CalcAdvColors();
        ShowAdvColors();
    }

private:
    bool FUseAdvColors = false;
};
