#include "controls/TFlatGroupBoxUnit.h"

#include "controls/FlatUtilitys.h"
#include "framework/Forms.h"

#include <algorithm>
#include <vector>

TFlatGroupBox::TFlatGroupBox(TComponent* owner) : TFlatBorderColorControl(owner, 50, false)
{
    FWidth = 185;
    FHeight = 105;
}

void TFlatGroupBox::CreateParams(TCreateParams& params)
{
    TFlatBorderColorControl::CreateParams(params);
    params.Style |= WS_CLIPCHILDREN;
    params.WinClassName = "TFlatGroupBox";
}

void TFlatGroupBox::SetBorder(TGroupBoxBorder border)
{
    if (border == FBorder)
        return;
    FBorder = border;
    Invalidate();
}

void TFlatGroupBox::SetTransparent(bool value)
{
    if (value == FTransparent)
        return;
    FTransparent = value;
    Invalidate();
}

void TFlatGroupBox::Moved()
{
    if (FTransparent)
        Invalidate();
}

void TFlatGroupBox::Paint(TCanvas& canvas)
{
    canvas.Font = FFont;
    const RECT r = ClientRect();
    // The caption as it shows, without its accelerator mark.
    const SIZE caption = canvas.TextExtent(StripAccelChars(FCaption));
    const int half = caption.cy / 2;
    const int lineY = r.top + half;
    const int gapEnd = r.left + caption.cx + 12;

    if (FTransparent)
        DrawParentImage(*this, canvas);
    else
        canvas.FillRect(r, FColor);

    if (FBorder == brFull) {
        canvas.Polyline({{r.left + 5, lineY},
                         {r.left, lineY},
                         {r.left, r.bottom - 1},
                         {r.right - 1, r.bottom - 1},
                         {r.right - 1, lineY},
                         {gapEnd, lineY}},
                        FColorBorder);
    } else {
        canvas.Line(r.left + 5, lineY, r.left, lineY, FColorBorder);
        canvas.Line(r.right - 1, lineY, gapEnd, lineY, FColorBorder);
    }

    RECT text{r.left + 10, r.top, r.right - 10, r.top + caption.cy};
    const UINT flags = DT_LEFT | DT_SINGLELINE;
    if (FEnabled)
        canvas.DrawText(FCaption, text, flags, FFont.Color());
    else
        DrawEmbossedText(canvas, FCaption, text, flags);
}

bool TFlatGroupBox::DialogChar(char key)
{
    if (!IsAccel(key, FCaption) || !CanFocus())
        return false;
    // Into the box: the first control in tab order that is a tab stop, else
    // the first that can take the focus at all, else the box itself.
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    auto first = std::find_if(list.begin(), list.end(), [](TWinControl* c) { return c->TabStop() && c->CanFocus(); });
    if (first == list.end())
        first = std::find_if(list.begin(), list.end(), [](TWinControl* c) { return c->CanFocus(); });
    if (first != list.end())
        (*first)->SetFocus();
    else
        SetFocus();
    return true;
}
