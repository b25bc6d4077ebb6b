#include "app/SkinRegion.h"

#include "framework/Graphics.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kKey = RGB(0, 128, 0);
constexpr COLORREF kBody = RGB(58, 110, 165);

// A bitmap of body colour with the given pixels in key colour.
TBitmap MakeBitmap(int w, int h, std::initializer_list<POINT> keyed)
{
    TBitmap bitmap;
    bitmap.SetSize(w, h);
    TMemoryDC mem(nullptr, 1, 1);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            bitmap.SetPixel(x, y, kBody);
    for (POINT p : keyed)
        bitmap.SetPixel(p.x, p.y, kKey);
    return bitmap;
}

struct RegionHolder {
    HRGN rgn;
    ~RegionHolder() { DeleteObject(rgn); }
};

// Which pixels of a w x h bitmap the region covers.
std::vector<std::string> Covered(HRGN rgn, int w, int h)
{
    std::vector<std::string> rows;
    for (int y = 0; y < h; ++y) {
        std::string row;
        for (int x = 0; x < w; ++x)
            row += PtInRegion(rgn, x, y) ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

} // namespace

TEST(CreateSkinRegion, OnlyTheTopLeftPixelKeyedLacksJustThatPixel)
{
    TBitmap bitmap = MakeBitmap(4, 3, {{0, 0}});
    RegionHolder r{CreateSkinRegion(bitmap.Handle())};
    ASSERT_NE(r.rgn, nullptr);
    EXPECT_EQ(Covered(r.rgn, 5, 4), (std::vector<std::string>{".###.", "####.", "####.", "....."}));
}

TEST(CreateSkinRegion, KeyPixelsAnywhereAreHolesAndRunsReachTheRightEdge)
{
    // A single key pixel between others, a run of two, and a run that
    // reaches the right edge.
    TBitmap bitmap = MakeBitmap(6, 4, {{0, 0}, {3, 1}, {1, 2}, {2, 2}, {3, 3}, {4, 3}, {5, 3}});
    RegionHolder r{CreateSkinRegion(bitmap.Handle())};
    ASSERT_NE(r.rgn, nullptr);
    EXPECT_EQ(Covered(r.rgn, 6, 4), (std::vector<std::string>{".#####", "###.##", "#..###", "###..."}));
}

TEST(CreateSkinRegion, ColoursAreComparedExactly)
{
    TBitmap bitmap = MakeBitmap(3, 1, {{0, 0}});
    bitmap.SetPixel(1, 0, RGB(0, 129, 0));
    bitmap.SetPixel(2, 0, RGB(0, 128, 1));
    RegionHolder r{CreateSkinRegion(bitmap.Handle())};
    EXPECT_EQ(Covered(r.rgn, 3, 1), (std::vector<std::string>{".##"}));
}

TEST(CreateSkinRegion, ShippedSkinLosesItsTopRowAndTwoBottomRows)
{
    TBitmap skin;
    ASSERT_TRUE(skin.LoadFromResource(GetModuleHandleA(nullptr), "MAINPICTURE"));
    EXPECT_EQ(skin.Width(), 452);
    EXPECT_EQ(skin.Height(), 350);
    EXPECT_EQ(skin.Pixel(0, 0), kKey);
    RegionHolder r{CreateSkinRegion(skin.Handle())};
    for (int x = 0; x < 452; x += 7) {
        EXPECT_FALSE(PtInRegion(r.rgn, x, 0));
        EXPECT_FALSE(PtInRegion(r.rgn, x, 348));
        EXPECT_FALSE(PtInRegion(r.rgn, x, 349));
    }
    // The buttons, the sponsor box and the close button stand on the skin.
    for (POINT p : {POINT{95, 129}, POINT{400, 238}, POINT{75, 264}, POINT{424, 320}, POINT{236, 12}, POINT{251, 27}})
        EXPECT_TRUE(PtInRegion(r.rgn, p.x, p.y)) << p.x << "," << p.y;
}
