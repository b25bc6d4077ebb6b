#include "controls/TFlatPanelUnit.h"

#include "controls/FlatUtilitys.h"

TFlatPanel::TFlatPanel(TComponent* owner)
    : TCustomPanel(owner), FColorHighLight(RGBColor(0xA0, 0x96, 0x83)), FColorShadow(RGBColor(0xA0, 0x96, 0x83))
{
}

void TFlatPanel::CreateParams(TCreateParams& params)
{
    TCustomPanel::CreateParams(params);
    params.WinClassName = "TFlatPanel";
}

void TFlatPanel::SetColorHighLight(TColor color)
{
    FColorHighLight = color;
    Invalidate();
}

void TFlatPanel::SetColorShadow(TColor color)
{
    FColorShadow = color;
    Invalidate();
}

void TFlatPanel::SetTransparent(bool value)
{
    if (value == FTransparent)
        return;
    FTransparent = value;
    Invalidate();
}

void TFlatPanel::Moved()
{
    // What shows through changes with the position.
    if (FTransparent)
        Invalidate();
}

void TFlatPanel::Paint(TCanvas& canvas)
{
    canvas.Font = FFont;
    const RECT r = ClientRect();
    if (FTransparent)
        DrawParentImage(*this, canvas);
    else
        canvas.FillRect(r, FColor);
    Frame3D(canvas, r, FColorHighLight, FColorShadow, 1);
    PaintCaption(canvas);
}
