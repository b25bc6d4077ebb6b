#include "controls/FlatColors.h"

template <class TBase>
TFlatColorControl<TBase>::TFlatColorControl(TComponent* owner, TColor colorFocused)
    : TBase(owner), FColorFocused(colorFocused)
{
}

template <class TBase>
void TFlatColorControl<TBase>::CalcAdvColors()
{
    if (!FUseAdvColors)
        return;
    const TColor base = this->Color();
    FColorFocused = CalcAdvancedColor(base, FColorFocused, FAdvColorFocused, lighten);
    FColorDown = CalcAdvancedColor(base, FColorDown, FAdvColorDown, darken);
    FColorBorder = CalcAdvancedColor(base, FColorBorder, FAdvColorBorder, darken);
}

template <class TBase>
void TFlatColorControl<TBase>::ColorsChanged()
{
    CalcAdvColors();
    this->Invalidate();
}

template <class TBase>
void TFlatColorControl<TBase>::SetColorFocused(TColor color)
{
    FColorFocused = color;
    ColorsChanged();
}

template <class TBase>
void TFlatColorControl<TBase>::SetColorDown(TColor color)
{
    FColorDown = color;
    ColorsChanged();
}

template <class TBase>
void TFlatColorControl<TBase>::SetColorBorder(TColor color)
{
    FColorBorder = color;
    ColorsChanged();
}

template <class TBase>
void TFlatColorControl<TBase>::SetPercent(int& field, int percent)
{
    if (StoreAdvPercent(field, percent))
        ColorsChanged();
}

template <class TBase>
void TFlatColorControl<TBase>::SetAdvColorFocused(int percent)
{
    SetPercent(FAdvColorFocused, percent);
}

template <class TBase>
void TFlatColorControl<TBase>::SetAdvColorDown(int percent)
{
    SetPercent(FAdvColorDown, percent);
}

template <class TBase>
void TFlatColorControl<TBase>::SetAdvColorBorder(int percent)
{
    SetPercent(FAdvColorBorder, percent);
}

template <class TBase>
void TFlatColorControl<TBase>::SetUseAdvColors(bool value)
{
    if (value == FUseAdvColors)
        return;
    FUseAdvColors = value;
    this->SetParentColor(value);
    ColorsChanged();
}

template <class TBase>
void TFlatColorControl<TBase>::ColorChanged()
{
    CalcAdvColors();
    TBase::ColorChanged();
}

template <class TBase>
void TFlatColorControl<TBase>::SysColorChanged()
{
    // The base colour may be a system colour that just changed.
    CalcAdvColors();
    TBase::SysColorChanged();
}

template class TFlatColorControl<TCustomControl>;
template class TFlatColorControl<TGraphicControl>;
