#include "framework/StdPanel.h"

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner)
{
    FWidth = 185;
    FHeight = 41;
}

void TCustomPanel::SetAlignment(TAlignment alignment)
{
    if (alignment == FAlignment)
        return;
    FAlignment = alignment;
    Invalidate();
}

void TCustomPanel::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    // A container: its painting must not cover the windows it holds.
    params.Style |= WS_CLIPCHILDREN;
    params.WinClassName = "TPanel";
}

void TCustomPanel::PaintCaption(TCanvas& canvas)
{
    if (FCaption.empty())
        return;
    UINT flags = DT_SINGLELINE | DT_VCENTER;
    switch (FAlignment) {
    case taLeftJustify:
        flags |= DT_LEFT;
        break;
    case taRightJustify:
        flags |= DT_RIGHT;
        break;
    case taCenter:
        flags |= DT_CENTER;
        break;
    }
    RECT r = ClientRect();
    if (FEnabled)
        canvas.DrawText(FCaption, r, flags, FFont.Color());
    else
        DrawEmbossedText(canvas, FCaption, r, flags);
}

void TCustomPanel::Paint(TCanvas& canvas)
{
    canvas.Font = FFont;
    canvas.FillRect(ClientRect(), FColor);
    PaintCaption(canvas);
}
