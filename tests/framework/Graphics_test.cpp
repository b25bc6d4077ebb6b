#include "framework/Graphics.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

// The pixels of a bitmap as 0x00RRGGBB, top row first.
std::vector<uint32_t> Pixels(HDC dc, HBITMAP bitmap, int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    EXPECT_EQ(GetDIBits(dc, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS), height);
    for (uint32_t& p : pixels)
        p &= 0x00FFFFFF;
    return pixels;
}

std::vector<uint32_t> Pixels(const TMemoryDC& mem)
{
    return Pixels(mem.Handle(), static_cast<HBITMAP>(GetCurrentObject(mem.Handle(), OBJ_BITMAP)), mem.Width(), mem.Height());
}

std::vector<uint32_t> Pixels(const TBitmap& bitmap)
{
    return Pixels(WindowDC(nullptr).Get(), bitmap.Handle(), bitmap.Width(), bitmap.Height());
}

uint32_t ToPixel(COLORREF c)
{
    return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

// A background in which every pixel differs from its neighbours, so that a
// pixel drawn or left out in the wrong place shows.
void FillPattern(TMemoryDC& mem)
{
    std::vector<uint32_t> pattern(static_cast<size_t>(mem.Width()) * mem.Height());
    for (int y = 0; y < mem.Height(); ++y)
        for (int x = 0; x < mem.Width(); ++x)
            pattern[y * mem.Width() + x] = ((x * 7) & 0xFF) << 16 | ((y * 13) & 0xFF) << 8 | 0x4D;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, mem.Width(), -mem.Height(), 1, 32, BI_RGB};
    SetDIBitsToDevice(mem.Handle(), 0, 0, mem.Width(), mem.Height(), 0, 0, 0, mem.Height(), pattern.data(), &info,
                      DIB_RGB_COLORS);
}

// A bitmap of the screen's format with a few colours in stripes and blocks,
// the key colour among them.
TBitmap StripedBitmap(int width, int height, COLORREF key)
{
    TBitmap bitmap;
    bitmap.SetSize(width, height);
    UniqueMemDC dc;
    SelectGuard select(dc.Get(), bitmap.Handle());
    const COLORREF colours[] = {key, RGB(200, 10, 10), RGB(0, 128, 0), RGB(1, 2, 3), key, RGB(255, 255, 255)};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            ::SetPixel(dc.Get(), x, y, colours[(x / 3 + y / 2) % 6]);
    return bitmap;
}

struct DrawCase {
    const char* what;
    RECT source;   // may reach outside the bitmap
    POINT at;
    bool offBitmap = false;   // the part lies wholly outside the bitmap
};

// What drawing the part `source` of `bitmap` at `at` must leave on
// `background`: every pixel of the bitmap inside the part whose colour is
// not the key, in its place; nothing for pixels outside the bitmap.
std::vector<uint32_t> Expected(std::vector<uint32_t> background, int width, int height, const std::vector<uint32_t>& bitmap,
                               int bitmapWidth, int bitmapHeight, const DrawCase& c, uint32_t key, int* drawn, int* keyed)
{
    for (int sy = c.source.top; sy < c.source.bottom; ++sy)
        for (int sx = c.source.left; sx < c.source.right; ++sx) {
            if (sx < 0 || sy < 0 || sx >= bitmapWidth || sy >= bitmapHeight)
                continue;
            const int x = c.at.x + sx - c.source.left;
            const int y = c.at.y + sy - c.source.top;
            if (x < 0 || y < 0 || x >= width || y >= height)
                continue;
            const uint32_t pixel = bitmap[sy * bitmapWidth + sx];
            if (pixel == key) {
                ++*keyed;
                continue;
            }
            background[y * width + x] = pixel;
            ++*drawn;
        }
    return background;
}

void ExpectSamePicture(const TBitmap& bitmap, COLORREF key, const DrawCase& c, int width, int height)
{
    TMemoryDC mem(nullptr, width, height);
    FillPattern(mem);
    const std::vector<uint32_t> background = Pixels(mem);
    int drawn = 0, keyed = 0;
    const std::vector<uint32_t> expected = Expected(background, width, height, Pixels(bitmap), bitmap.Width(),
                                                    bitmap.Height(), c, ToPixel(key), &drawn, &keyed);
    TCanvas canvas(mem.Handle());
    canvas.DrawPart(c.at.x, c.at.y, bitmap, c.source, key);
    const std::vector<uint32_t> actual = Pixels(mem);
    ASSERT_EQ(actual.size(), expected.size());
    int wrong = 0, first = -1;
    for (size_t i = 0; i < actual.size(); ++i)
        if (actual[i] != expected[i] && wrong++ == 0)
            first = static_cast<int>(i);
    EXPECT_EQ(wrong, 0) << c.what << ": first wrong pixel at " << first % width << "," << first / width << " is "
                        << std::hex << (first >= 0 ? actual[first] : 0) << ", expected "
                        << (first >= 0 ? expected[first] : 0);
    // Both kinds must occur where the part lies on the bitmap, or the case
    // proves nothing.
    if (c.offBitmap) {
        EXPECT_EQ(drawn + keyed, 0) << c.what;
    } else {
        EXPECT_GT(drawn, 0) << c.what;
        EXPECT_GT(keyed, 0) << c.what;
    }
}

BOOL CALLBACK CollectBitmapName(HMODULE, LPCSTR, LPSTR name, LONG_PTR names)
{
    if (!IS_INTRESOURCE(name))
        reinterpret_cast<std::vector<std::string>*>(names)->push_back(name);
    return TRUE;
}

} // namespace

// The program's own pictures, whole, keyed by their bottom-left pixel as a
// transparent image draws them.
TEST(CanvasTransparentDraw, EveryResourceBitmapGivesThePicturePixelForPixel)
{
    std::vector<std::string> names;
    EnumResourceNamesA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(2) /* RT_BITMAP */, CollectBitmapName,
                       reinterpret_cast<LONG_PTR>(&names));
    ASSERT_GE(names.size(), 2u) << "the skin and the close glyph at least";
    for (const std::string& name : names) {
        TBitmap bitmap;
        ASSERT_TRUE(bitmap.LoadFromResource(GetModuleHandleA(nullptr), name.c_str())) << name;
        const COLORREF key = bitmap.Pixel(0, bitmap.Height() - 1);
        const DrawCase whole{name.c_str(), {0, 0, bitmap.Width(), bitmap.Height()}, {5, 3}};
        ExpectSamePicture(bitmap, key, whole, bitmap.Width() + 10, bitmap.Height() + 6);
    }
}

TEST(CanvasTransparentDraw, PartsOfABitmapClipToIt)
{
    const COLORREF key = RGB(255, 0, 255);
    const TBitmap bitmap = StripedBitmap(24, 16, key);
    const DrawCase cases[] = {
        {"inner part", {4, 2, 16, 12}, {3, 5}},
        {"part reaching past the right and bottom", {12, 8, 40, 30}, {2, 2}},
        {"part starting before the left and top", {-6, -4, 10, 8}, {8, 6}},
        {"glyph strip image 2 of 3", {16, 0, 24, 16}, {0, 0}},
        {"part drawn partly off the canvas", {0, 0, 24, 16}, {-5, 30}},
        {"part wholly outside the bitmap", {30, 20, 40, 30}, {0, 0}, true},
    };
    for (const DrawCase& c : cases)
        ExpectSamePicture(bitmap, key, c, 40, 40);
}

// The GDI font is made once and shared by copies for as long as its face
// stays the same; a change of face makes a new one and leaves copies theirs.
TEST(FontHandle, CopiesShareItUntilTheFaceChanges)
{
    struct Change {
        const char* what;
        void (*apply)(TFont&);
        bool newFace;
        LONG weight, height;
        BYTE underline;
    };
    const Change changes[] = {
        {"colour", [](TFont& f) { f.SetColor(clRed); }, false, FW_NORMAL, -11, FALSE},
        {"same name", [](TFont& f) { f.SetName("Tahoma"); }, false, FW_NORMAL, -11, FALSE},
        {"assigned an equal font", [](TFont& f) { f.Assign(TFont()); }, false, FW_NORMAL, -11, FALSE},
        {"bold", [](TFont& f) { f.SetStyle(fsBold); }, true, FW_BOLD, -11, FALSE},
        {"underlined", [](TFont& f) { f.SetStyle(fsUnderline); }, true, FW_NORMAL, -11, TRUE},
        {"height", [](TFont& f) { f.SetHeight(-20); }, true, FW_NORMAL, -20, FALSE},
        {"name", [](TFont& f) { f.SetName("Arial"); }, true, FW_NORMAL, -11, FALSE},
    };
    for (const Change& c : changes) {
        TFont font;
        // A canvas's copy asks first: the font itself must get the same one.
        TFont canvasCopy(font);
        const HFONT first = canvasCopy.Handle();
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(font.Handle(), first) << c.what;
        TFont assigned;
        assigned.SetHeight(-30);
        assigned = font;
        EXPECT_EQ(assigned.Handle(), first) << c.what;

        c.apply(font);
        EXPECT_EQ(font.Handle() != first, c.newFace) << c.what;
        LOGFONTA lf{};
        ASSERT_EQ(GetObjectA(font.Handle(), sizeof lf, &lf), static_cast<int>(sizeof lf)) << c.what;
        EXPECT_EQ(lf.lfWeight, c.weight) << c.what;
        EXPECT_EQ(lf.lfHeight, c.height) << c.what;
        EXPECT_EQ(lf.lfUnderline, c.underline) << c.what;
        // The copy keeps the old face, and its handle stays alive.
        EXPECT_EQ(canvasCopy.Handle(), first) << c.what;
        ASSERT_EQ(GetObjectA(first, sizeof lf, &lf), static_cast<int>(sizeof lf)) << c.what;
        EXPECT_EQ(lf.lfWeight, FW_NORMAL) << c.what;
        EXPECT_EQ(lf.lfHeight, -11) << c.what;
    }
}

TEST(FontHandle, ChangesStillReachTheOwner)
{
    TFont font;
    int changes = 0;
    font.OnChange = [&] { ++changes; };
    font.SetColor(clRed);
    font.SetColor(clRed);
    font.SetStyle(fsItalic);
    TFont other;
    font.Assign(other);
    font.Assign(other);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(font, other);
    EXPECT_EQ(font.Handle(), other.Handle());
}
