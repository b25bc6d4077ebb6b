#include "controls/FlatBorderColor.h"

TFlatBorderColorControl::TFlatBorderColorControl(TComponent* owner, int advColorBorder, bool skipUnchanged)
    : TAdvColorControl<TCustomControl>(owner), FAdvColorBorder(advColorBorder), FSkipUnchanged(skipUnchanged)
{
}

void TFlatBorderColorControl::DeriveAdvColors()
{
    FColorBorder = CalcAdvancedColor(FColor, FColorBorder, FAdvColorBorder, darken);
}

void TFlatBorderColorControl::SetColorBorder(TColor color)
{
    if (FSkipUnchanged && color == FColorBorder)
        return;
    FColorBorder = color;
    CalcAdvColors();
    Invalidate();
}

void TFlatBorderColorControl::SetAdvColorBorder(int percent)
{
    SetAdvPercent(FAdvColorBorder, percent);
}

void TFlatBorderColorControl::ColorChanged()
{
    CalcAdvColors();
    TCustomControl::ColorChanged();
}

void TFlatBorderColorControl::SysColorChanged()
{
    CalcAdvColors();
    TCustomControl::SysColorChanged();
}
