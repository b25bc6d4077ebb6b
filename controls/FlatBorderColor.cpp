#include "controls/FlatBorderColor.h"

#include "controls/FlatUtilitys.h"

#include <algorithm>

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
    percent = std::clamp(percent, 0, 100);
    if (FSkipUnchanged && percent == FAdvColorBorder)
        return;
    FAdvColorBorder = percent;
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
