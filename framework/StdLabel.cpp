#include "framework/StdLabel.h"

namespace {

UINT AlignmentFlag(TAlignment alignment)
{
    switch (alignment) {
    case taRightJustify:
        return DT_RIGHT;
    case taCenter:
        return DT_CENTER;
    case taLeftJustify:
    default:
        return DT_LEFT;
    }
}

} // namespace

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner)
{
    FWidth = 65;
    FHeight = 17;
}

void TCustomLabel::SetAlignment(TAlignment value)
{
    if (value == FAlignment)
        return;
    FAlignment = value;
    Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout value)
{
    if (value == FLayout)
        return;
    FLayout = value;
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool value)
{
    if (value == FWordWrap)
        return;
    FWordWrap = value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetAutoSize(bool value)
{
    if (value == FAutoSize)
        return;
    FAutoSize = value;
    AdjustBounds();
}

void TCustomLabel::SetTransparent(bool value)
{
    if (value == FTransparent)
        return;
    FTransparent = value;
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool value)
{
    if (value == FShowAccelChar)
        return;
    FShowAccelChar = value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::DoDrawText(TCanvas& canvas, RECT& r, UINT flags) const
{
    std::string text = FCaption;
    // An empty caption (or a lone accelerator mark) still measures one line.
    if ((flags & DT_CALCRECT) && (text.empty() || (FShowAccelChar && text == "&")))
        text += ' ';
    if (!FShowAccelChar)
        flags |= DT_NOPREFIX;
    canvas.Font = FFont;
    if (!FEnabled && !(flags & DT_CALCRECT))
        DrawEmbossedText(canvas, text, r, flags);
    else
        canvas.DrawText(text, r, flags);
}

void TCustomLabel::Paint(TCanvas& canvas)
{
    RECT r = ClientRect();
    if (!FTransparent)
        canvas.FillRect(r, FColor);
    const UINT flags = DT_EXPANDTABS | (FWordWrap ? DT_WORDBREAK : 0) | AlignmentFlag(FAlignment);
    if (FLayout != tlTop) {
        RECT calc = r;
        DoDrawText(canvas, calc, flags | DT_CALCRECT);
        const int free = FHeight - calc.bottom;
        OffsetRect(&r, 0, FLayout == tlBottom ? free : free / 2);
    }
    DoDrawText(canvas, r, flags);
}

void TCustomLabel::AdjustBounds()
{
    if (!FAutoSize)
        return;
    RECT r = ClientRect();
    WindowDC screen(nullptr);
    TCanvas canvas(screen.Get());
    DoDrawText(canvas, r, DT_EXPANDTABS | DT_CALCRECT | (FWordWrap ? DT_WORDBREAK : 0));
    int left = FLeft;
    if (FAlignment == taRightJustify)
        left += FWidth - r.right;
    SetBounds(left, FTop, r.right, r.bottom);
}

bool TCustomLabel::DialogChar(char key)
{
    if (!FShowAccelChar || !FFocusControl || !IsAccel(key, FCaption) || !FFocusControl->CanFocus())
        return false;
    FFocusControl->SetFocus();
    return true;
}

void TCustomLabel::TextChanged()
{
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::FontChanged()
{
    TGraphicControl::FontChanged();
    AdjustBounds();
}

void TCustomLabel::Loaded()
{
    TGraphicControl::Loaded();
    AdjustBounds();
}
