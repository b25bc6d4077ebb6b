// Drawing routines shared by the flat controls.
#pragma once

#include "framework/Controls.h"
#include "framework/Graphics.h"

enum TTransparentMode { tmAlways, tmNotFocused, tmNone };

enum TColorCalcType { lighten, darken };

// Frame(rect, A, B, width): width nested one-pixel frames, each one pixel
// further in; left and top edges in a, right and bottom edges in b.
void Frame3D(TCanvas& canvas, RECT r, TColor a, TColor b, int width);

// The colour derived from base by percent (hue, saturation, lightness on the
// 240 scale; lightness + 10, then -percent clamped at 0 or +percent clamped
// at 100). A percent of 0 keeps old.
TColor CalcAdvancedColor(TColor base, TColor old, int percent, TColorCalcType type);

// The one rule of every AdvColor... setter: percentages 0..100 are stored, a
// value outside is refused and the old one stays. True when the stored value
// changed, so the derived colours must be worked out again.
bool StoreAdvPercent(int& field, int percent);

// Conversions on the 240 scale (hue 0..239, lightness and saturation 0..240).
void RGBToHLS240(COLORREF rgb, int& hue, int& lightness, int& saturation);
COLORREF HLS240ToRGB(int hue, int lightness, int saturation);

// The tick of a checked box: six one-pixel lines, each from its first point up
// to but not including its second, relative to the box's top-left corner.
void DrawTick(TCanvas& canvas, int boxLeft, int boxTop, TColor color);

// Paints the parent's image behind a transparent control.
inline void DrawParentImage(const TControl& control, TCanvas& canvas)
{
    control.PaintParentBackground(canvas);
}

// The embossed text of a disabled control.
inline void DrawDisabledText(TCanvas& canvas, const std::string& text, RECT r, UINT flags)
{
    DrawEmbossedText(canvas, text, r, flags);
}
