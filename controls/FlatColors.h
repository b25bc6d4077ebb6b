// The colour set that the flat buttons and the flat check box share: focused,
// down and border colours, optionally derived from the control's own colour.
#pragma once

#include "controls/AdvColors.h"

template <class TBase>
class TFlatColorControl : public TAdvColorControl<TBase> {
public:
    TFlatColorControl(TComponent* owner, TColor colorFocused);

    TColor ColorFocused() const { return FColorFocused; }
    void SetColorFocused(TColor color);
    TColor ColorDown() const { return FColorDown; }
    void SetColorDown(TColor color);
    TColor ColorBorder() const { return FColorBorder; }
    void SetColorBorder(TColor color);

    // Percentages 0..100; other values are not taken.
    int AdvColorFocused() const { return FAdvColorFocused; }
    void SetAdvColorFocused(int percent);
    int AdvColorDown() const { return FAdvColorDown; }
    void SetAdvColorDown(int percent);
    int AdvColorBorder() const { return FAdvColorBorder; }
    void SetAdvColorBorder(int percent);

    void ColorChanged() override;
    void SysColorChanged() override;

protected:
    // Recomputes the derived colours (when on) and repaints.
    void ColorsChanged();

    TColor FColorFocused;
    TColor FColorDown = RGBColor(0xD9, 0xD6, 0xC5);
    TColor FColorBorder = RGBColor(0xA0, 0x96, 0x83);
    int FAdvColorFocused = 10;
    int FAdvColorDown = 10;
    int FAdvColorBorder = 50;

    // Focused lighter, down and border darker, all from the control's colour.
    void DeriveAdvColors() override;
};

extern template class TFlatColorControl<TCustomControl>;
extern template class TFlatColorControl<TGraphicControl>;
