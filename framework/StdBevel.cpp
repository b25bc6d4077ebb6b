#include "framework/StdBevel.h"

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner)
{
    FWidth = 50;
    FHeight = 50;
}

void TBevel::SetShape(TBevelShape shape)
{
    FShape = shape;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle style)
{
    FStyle = style;
    Invalidate();
}

void TBevel::Paint(TCanvas& canvas)
{
    // Lowered: shadow first (top/left), highlight second; raised swaps them.
    const TColor first = FStyle == bsLowered ? clBtnShadow : clBtnHighlight;
    const TColor second = FStyle == bsLowered ? clBtnHighlight : clBtnShadow;
    const int w = FWidth, h = FHeight;
    switch (FShape) {
    case bsBox:
        canvas.Line(0, h - 1, 0, 0, first);
        canvas.Line(0, 0, w - 1, 0, first);
        canvas.Line(w - 1, 0, w - 1, h - 1, second);
        canvas.Line(w - 1, h - 1, -1, h - 1, second);
        break;
    case bsFrame:
        canvas.FrameRect({0, 0, w - 1, h - 1}, first);
        canvas.FrameRect({1, 1, w, h}, second);
        break;
    case bsTopLine:
        canvas.Line(0, 0, w, 0, first);
        canvas.Line(0, 1, w, 1, second);
        break;
    case bsBottomLine:
        canvas.Line(0, h - 2, w, h - 2, first);
        canvas.Line(0, h - 1, w, h - 1, second);
        break;
    case bsLeftLine:
        canvas.Line(0, 0, 0, h, first);
        canvas.Line(1, 0, 1, h, second);
        break;
    case bsRightLine:
        canvas.Line(w - 2, 0, w - 2, h, first);
        canvas.Line(w - 1, 0, w - 1, h, second);
        break;
    }
}
