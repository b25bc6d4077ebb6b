#include "controls/FlatUtilitys.h"

#include <algorithm>

void Frame3D(TCanvas& canvas, RECT r, TColor a, TColor b, int width)
{
    // Right and bottom are inclusive here; the corners top-right,
    // bottom-right and bottom-left take colour b.
    r.right -= 1;
    r.bottom -= 1;
    for (int i = 0; i < width; ++i) {
        canvas.Polyline({{r.left, r.bottom}, {r.left, r.top}, {r.right, r.top}}, a);
        canvas.Polyline({{r.right, r.top}, {r.right, r.bottom}, {r.left - 1, r.bottom}}, b);
        InflateRect(&r, -1, -1);
    }
}

namespace {

constexpr int kHlsMax = 240;
constexpr int kRgbMax = 255;
constexpr int kUndefinedHue = kHlsMax * 2 / 3;

int HueToRGB(int n1, int n2, int hue)
{
    if (hue < 0)
        hue += kHlsMax;
    if (hue > kHlsMax)
        hue -= kHlsMax;
    if (hue < kHlsMax / 6)
        return n1 + ((n2 - n1) * hue + kHlsMax / 12) / (kHlsMax / 6);
    if (hue < kHlsMax / 2)
        return n2;
    if (hue < kHlsMax * 2 / 3)
        return n1 + ((n2 - n1) * (kHlsMax * 2 / 3 - hue) + kHlsMax / 12) / (kHlsMax / 6);
    return n1;
}

} // namespace

void RGBToHLS240(COLORREF rgb, int& hue, int& lightness, int& saturation)
{
    const int r = GetRValue(rgb);
    const int g = GetGValue(rgb);
    const int b = GetBValue(rgb);
    const int cmax = std::max({r, g, b});
    const int cmin = std::min({r, g, b});
    lightness = ((cmax + cmin) * kHlsMax + kRgbMax) / (2 * kRgbMax);
    if (cmax == cmin) {
        saturation = 0;
        hue = kUndefinedHue;
        return;
    }
    if (lightness <= kHlsMax / 2)
        saturation = ((cmax - cmin) * kHlsMax + (cmax + cmin) / 2) / (cmax + cmin);
    else
        saturation = ((cmax - cmin) * kHlsMax + (2 * kRgbMax - cmax - cmin) / 2) / (2 * kRgbMax - cmax - cmin);
    const int rdelta = ((cmax - r) * (kHlsMax / 6) + (cmax - cmin) / 2) / (cmax - cmin);
    const int gdelta = ((cmax - g) * (kHlsMax / 6) + (cmax - cmin) / 2) / (cmax - cmin);
    const int bdelta = ((cmax - b) * (kHlsMax / 6) + (cmax - cmin) / 2) / (cmax - cmin);
    if (r == cmax)
        hue = bdelta - gdelta;
    else if (g == cmax)
        hue = kHlsMax / 3 + rdelta - bdelta;
    else
        hue = kHlsMax * 2 / 3 + gdelta - rdelta;
    if (hue < 0)
        hue += kHlsMax;
    if (hue >= kHlsMax)
        hue -= kHlsMax;
}

COLORREF HLS240ToRGB(int hue, int lightness, int saturation)
{
    if (saturation == 0) {
        const int v = lightness * kRgbMax / kHlsMax;
        return RGB(v, v, v);
    }
    int magic2;
    if (lightness <= kHlsMax / 2)
        magic2 = (lightness * (kHlsMax + saturation) + kHlsMax / 2) / kHlsMax;
    else
        magic2 = lightness + saturation - (lightness * saturation + kHlsMax / 2) / kHlsMax;
    const int magic1 = 2 * lightness - magic2;
    auto channel = [&](int h) {
        return std::clamp((HueToRGB(magic1, magic2, h) * kRgbMax + kHlsMax / 2) / kHlsMax, 0, 255);
    };
    return RGB(channel(hue + kHlsMax / 3), channel(hue), channel(hue - kHlsMax / 3));
}

TColor CalcAdvancedColor(TColor base, TColor old, int percent, TColorCalcType type)
{
    if (percent == 0)
        return old;
    int hue, lightness, saturation;
    RGBToHLS240(ColorToRGB(base), hue, lightness, saturation);
    lightness += 10;
    if (type == darken)
        lightness = std::max(lightness - percent, 0);
    else
        lightness = std::min(lightness + percent, 100);
    return static_cast<TColor>(HLS240ToRGB(hue, lightness, saturation));
}

void DrawTick(TCanvas& canvas, int boxLeft, int boxTop, TColor color)
{
    static constexpr int kTick[6][4] = {{2, 4, 6, 8}, {2, 5, 5, 8}, {2, 6, 5, 9}, {8, 2, 4, 6}, {8, 3, 4, 7}, {8, 4, 5, 7}};
    for (const auto& l : kTick)
        canvas.Line(boxLeft + l[0], boxTop + l[1], boxLeft + l[2], boxTop + l[3], color);
}

bool StoreAdvPercent(int& field, int percent)
{
    if (percent < 0 || percent > 100 || percent == field)
        return false;
    field = percent;
    return true;
}
