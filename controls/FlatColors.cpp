#include "controls/FlatColors.h"

template <class TBase>
TFlatColorControl<TBase>::TFlatColorControl(TComponent* owner, TColor colorFocused)
    : TAdvColorControl<TBase>(owner), FColorFocused(colorFocused)
{
}

template <class TBase>
void TFlatColorControl<TBase>::DeriveAdvColors()
{
    const TColor base = this->Color();
    FColorFocused = CalcAdvancedColor(base, FColorFocused, FAdvColorFocused, lighten);
    FColorDown = CalcAdvancedColor(base, FColorDown, FAdvColorDown, darken);
    FColorBorder = CalcAdvancedColor(base, FColorBorder, FAdvColorBorder, darken);
}

template <class TBase>
void TFlatColorControl<TBase>::ColorsChanged()
{
    this->CalcAdvColors();
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
void TFlatColorControl<TBase>::SetAdvColorFocused(int percent)
{
    this->SetAdvPercent(FAdvColorFocused, percent);
}

template <class TBase>
void TFlatColorControl<TBase>::SetAdvColorDown(int percent)
{
    this->SetAdvPercent(FAdvColorDown, percent);
}

template <class TBase>
void TFlatColorControl<TBase>::SetAdvColorBorder(int percent)
{
    this->SetAdvPercent(FAdvColorBorder, percent);
}

template <class TBase>
void TFlatColorControl<TBase>::ColorChanged()
{
    this->CalcAdvColors();
    TBase::ColorChanged();
}

template <class TBase>
void TFlatColorControl<TBase>::SysColorChanged()
{
    // The base colour may be a system colour that just changed.
    this->CalcAdvColors();
    TBase::SysColorChanged();
}

template class TFlatColorControl<TCustomControl>;
template class TFlatColorControl<TGraphicControl>;
