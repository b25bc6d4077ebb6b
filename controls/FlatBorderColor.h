// A flat windowed control whose border colour can follow its background:
// with UseAdvColors the control takes its parent's colour and the border is
// that colour darkened by AdvColorBorder percent (0..100).
#pragma once

#include "framework/Controls.h"

class TFlatBorderColorControl : public TCustomControl {
public:
    TColor ColorBorder() const { return FColorBorder; }
    void SetColorBorder(TColor color);
    bool UseAdvColors() const { return FUseAdvColors; }
    void SetUseAdvColors(bool value);
    int AdvColorBorder() const { return FAdvColorBorder; }
    void SetAdvColorBorder(int percent);

    void ColorChanged() override;
    void SysColorChanged() override;

protected:
    // skipUnchanged: setting the border colour it has does nothing.
    TFlatBorderColorControl(TComponent* owner, int advColorBorder, bool skipUnchanged);

    // Derives the border from the background when UseAdvColors is on.
    void CalcAdvColors();

    TColor FColorBorder = RGBColor(0xA0, 0x96, 0x83);

private:
    bool FUseAdvColors = false;
    int FAdvColorBorder;
    bool FSkipUnchanged;
};
