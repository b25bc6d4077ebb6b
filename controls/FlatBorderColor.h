// A flat windowed control whose border colour can follow its background:
// with UseAdvColors the control takes its parent's colour and the border is
// that colour darkened by AdvColorBorder percent (0..100).
#pragma once

#include "controls/AdvColors.h"

class TFlatBorderColorControl : public TAdvColorControl<TCustomControl> {
public:
    TColor ColorBorder() const { return FColorBorder; }
    void SetColorBorder(TColor color);
    int AdvColorBorder() const { return FAdvColorBorder; }
    void SetAdvColorBorder(int percent);

    void ColorChanged() override;
    void SysColorChanged() override;

protected:
    // skipUnchanged: setting the border colour it has does nothing.
    TFlatBorderColorControl(TComponent* owner, int advColorBorder, bool skipUnchanged);

    // The border darker than the control's colour.
    void DeriveAdvColors() override;

    TColor FColorBorder = RGBColor(0xA0, 0x96, 0x83);

private:
    int FAdvColorBorder;
    bool FSkipUnchanged;
};
