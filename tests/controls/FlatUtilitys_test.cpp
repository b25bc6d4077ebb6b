#include "controls/FlatUtilitys.h"

#include <gtest/gtest.h>

TEST(Frame3D, LeftTopInFirstColourRightBottomInSecondAndNested)
{
    TMemoryDC mem(nullptr, 20, 20);
    TCanvas canvas(mem.Handle());
    canvas.FillRect({0, 0, 20, 20}, clWhite);
    Frame3D(canvas, {2, 2, 12, 12}, RGBColor(255, 0, 0), RGBColor(0, 0, 255), 2);
    const COLORREF red = RGB(255, 0, 0), blue = RGB(0, 0, 255), white = RGB(255, 255, 255);
    // Outer ring.
    EXPECT_EQ(mem.Pixel(2, 2), red);
    EXPECT_EQ(mem.Pixel(2, 6), red);
    EXPECT_EQ(mem.Pixel(6, 2), red);
    EXPECT_EQ(mem.Pixel(11, 2), blue) << "top-right corner";
    EXPECT_EQ(mem.Pixel(11, 6), blue);
    EXPECT_EQ(mem.Pixel(6, 11), blue);
    EXPECT_EQ(mem.Pixel(2, 11), blue) << "bottom-left corner";
    // Inner ring one pixel in.
    EXPECT_EQ(mem.Pixel(3, 3), red);
    EXPECT_EQ(mem.Pixel(10, 6), blue);
    EXPECT_EQ(mem.Pixel(6, 10), blue);
    // Nothing beyond the rectangle, nothing inside the two rings.
    EXPECT_EQ(mem.Pixel(12, 6), white);
    EXPECT_EQ(mem.Pixel(6, 12), white);
    EXPECT_EQ(mem.Pixel(1, 1), white);
    EXPECT_EQ(mem.Pixel(6, 6), white);
}

TEST(CalcAdvancedColor, ZeroPercentKeepsOldAndLightnessIsClampedAt100)
{
    EXPECT_EQ(CalcAdvancedColor(clWhite, 0x123456, 0, darken), 0x123456u);
    // White has lightness 240: +10, -50 = 200.
    int h, l, s;
    RGBToHLS240(ColorToRGB(CalcAdvancedColor(clWhite, 0, 50, darken)), h, l, s);
    EXPECT_EQ(l, 200);
    // Lighter never goes above lightness 100, even from white.
    RGBToHLS240(ColorToRGB(CalcAdvancedColor(clWhite, 0, 10, lighten)), h, l, s);
    EXPECT_EQ(l, 100);
    // Black: 0 + 10 - 50 clamps at 0.
    EXPECT_EQ(CalcAdvancedColor(clBlack, 0, 50, darken), 0u);
}

TEST(HLS240, RoundTripsAndKnownValues)
{
    int h, l, s;
    RGBToHLS240(RGB(255, 0, 0), h, l, s);
    EXPECT_EQ(h, 0);
    EXPECT_EQ(l, 120);
    EXPECT_EQ(s, 240);
    RGBToHLS240(RGB(0, 0, 255), h, l, s);
    EXPECT_EQ(h, 160);
    for (COLORREF c : {RGB(0xA0, 0x96, 0x83), RGB(0x33, 0x66, 0x99), RGB(241, 241, 193), RGB(12, 200, 90)}) {
        RGBToHLS240(c, h, l, s);
        const COLORREF back = HLS240ToRGB(h, l, s);
        EXPECT_NEAR(GetRValue(back), GetRValue(c), 2);
        EXPECT_NEAR(GetGValue(back), GetGValue(c), 2);
        EXPECT_NEAR(GetBValue(back), GetBValue(c), 2);
    }
}
