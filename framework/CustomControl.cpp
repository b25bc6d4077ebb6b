// TCustomControl: a windowed control that paints itself completely.
#include "framework/Controls.h"

void TCustomControl::PaintWindow(HDC dc)
{
    if (!PaintsOffScreen()) {
        TWinControl::PaintWindow(dc);
        return;
    }
    TMemoryDC buffer(dc, FWidth, FHeight);
    TCanvas canvas(buffer.Handle());
    canvas.Font = FFont;
    Paint(canvas);
    buffer.BlitTo(dc);
}
