#include "controls/FlatBorderColor.h"

#include "controls/FlatUtilitys.h"

TFlatBorderColorControl::TFlatBorderColorControl(TComponent* owner, int advColorBorder, bool skipUnchanged)
    : TCustomControl(owner), FAdvColorBorder(advColorBorder), FSkipUnchanged(skipUnchanged)
{
}

void TFlatBorderColorControl::CalcAdvColors()
{
    if (FUseAdvColors)
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

void TFlatBorderColorControl::SetUseAdvColors(bool value)
{
    if (value == FUseAdvColors)
        return;
    FUseAdvColors = value;
    // Derived colours follow the parent's colour.
    SetParentColor(value);
    CalcAdvColors();
    Invalidate();
}

void TFlatBorderColorControl::SetAdvColorBorder(int percent)
{
    if (!StoreAdvPercent(FAdvColorBorder, percent))
        return;
    CalcAdvColors();
    Invalidate();
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
