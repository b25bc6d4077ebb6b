#include "framework/PictureWidth.h"

#include "registry/RegHelpers.h"

#include "support/SeamRecorder.h"
#include "support/TempFiles.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

using Bytes = TempFiles::Bytes;

template <typename T>
void Put(Bytes& out, const T& value)
{
    const auto* p = reinterpret_cast<const BYTE*>(&value);
    for (size_t i = 0; i < sizeof value; ++i)
        out.push_back(p[i]);
}

BITMAPINFOHEADER Header24(int width, int height)
{
    BITMAPINFOHEADER info{sizeof(BITMAPINFOHEADER), width, height, 1, 24};
    return info;
}

// 24-bit file; an icon's image is the same bitmap twice as high (colour, mask).
Bytes Bitmap24(int width, int height)
{
    const DWORD pixels = ((width * 3 + 3) & ~3) * height;
    Bytes out;
    Put(out, BITMAPFILEHEADER{0x4D42, 14 + 40 + pixels, 0, 0, 14 + 40});
    Put(out, Header24(width, height));
    out.resize(out.size() + pixels, 0x80);
    return out;
}

Bytes Icon24(int size)
{
    const DWORD pixels = ((size * 3 + 3) & ~3) * size + ((size + 31) / 32) * 4 * size;
    Bytes out;
    for (WORD w : {0, 1, 1})  // reserved, icon, one image
        Put(out, w);
    for (BYTE b : {BYTE(size), BYTE(size), BYTE(0), BYTE(0)})
        out.push_back(b);
    for (WORD w : {1, 24})    // planes, bits
        Put(out, w);
    Put(out, DWORD(40 + pixels));
    Put(out, DWORD(22));
    Put(out, Header24(size, size * 2));
    out.resize(out.size() + pixels, 0x40);
    return out;
}

Bytes RecordedWmf()
{
    HDC dc = CreateMetaFileA(nullptr);
    Rectangle(dc, 0, 0, 40, 10);
    HMETAFILE meta = CloseMetaFile(dc);
    Bytes body(GetMetaFileBitsEx(meta, 0, nullptr));
    GetMetaFileBitsEx(meta, static_cast<UINT>(body.size()), body.data());
    DeleteMetaFile(meta);
    return body;
}

// The placeable header: key, handle, box (left, top, right, bottom), units per inch, reserved, checksum.
Bytes PlaceableWmf(SHORT width, WORD inch)
{
    WORD header[11] = {0xCDD7, 0x9AC6, 0, 0, 0, WORD(width), 10, inch, 0, 0, 0};
    for (int i = 0; i < 10; ++i)
        header[10] ^= header[i];
    Bytes out(reinterpret_cast<BYTE*>(header), reinterpret_cast<BYTE*>(header) + sizeof header);
    const Bytes body = RecordedWmf();
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

// 13 x 7 pixels, grey, baseline.
const Bytes Jpeg13x7 = {
    0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 0x4A, 0x46, 0x49, 0x46, 0x00, 0x01, 0x01, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00,
    0xFF, 0xDB, 0x00, 0x43, 0x00, 0x10, 0x0B, 0x0C, 0x0E, 0x0C, 0x0A, 0x10, 0x0E, 0x0D, 0x0E, 0x12, 0x11, 0x10, 0x13, 0x18,
    0x28, 0x1A, 0x18, 0x16, 0x16, 0x18, 0x31, 0x23, 0x25, 0x1D, 0x28, 0x3A, 0x33, 0x3D, 0x3C, 0x39, 0x33, 0x38, 0x37, 0x40,
    0x48, 0x5C, 0x4E, 0x40, 0x44, 0x57, 0x45, 0x37, 0x38, 0x50, 0x6D, 0x51, 0x57, 0x5F, 0x62, 0x67, 0x68, 0x67, 0x3E, 0x4D,
    0x71, 0x79, 0x70, 0x64, 0x78, 0x5C, 0x65, 0x67, 0x63, 0xFF, 0xC0, 0x00, 0x0B, 0x08, 0x00, 0x07, 0x00, 0x0D, 0x01, 0x01,
    0x11, 0x00, 0xFF, 0xC4, 0x00, 0x14, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0xFF, 0xC4, 0x00, 0x14, 0x10, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xDA, 0x00, 0x08, 0x01, 0x01, 0x00, 0x00, 0x3F, 0x00, 0x0F, 0xFF, 0xD9,
};

int ScreenCaps(int index)
{
    HDC dc = GetDC(nullptr);
    const int value = GetDeviceCaps(dc, index);
    ReleaseDC(nullptr, dc);
    return value;
}

} // namespace

TEST(PictureWidth, EveryFormatGivesItsPixelWidth)
{
    TempFiles files;
    MessageBoxRecorder boxes;
    struct Case {
        std::string file;
        int width;
    };
    // A frame of 30 screen pixels in 1/100 mm, recorded by the system.
    const std::string emf = files.Write("zeichnung.emf", {});
    const int frameWidth = MulDiv(30, ScreenCaps(HORZSIZE) * 100, ScreenCaps(HORZRES));
    const RECT frame{0, 0, frameWidth, frameWidth / 2};
    HDC rec = CreateEnhMetaFileA(nullptr, emf.c_str(), &frame, nullptr);
    ASSERT_NE(rec, nullptr);
    Rectangle(rec, 0, 0, 30, 15);
    DeleteEnhMetaFile(CloseEnhMetaFile(rec));

    const Case cases[] = {
        {files.Write("bild.bmp", Bitmap24(23, 5)), 23},
        {files.Write("GROSS.BMP", Bitmap24(31, 2)), 31},
        {files.Write("symbol.ico", Icon24(24)), 24},
        {files.Write("foto.jpg", Jpeg13x7), 13},
        {files.Write("foto.jpeg", Jpeg13x7), 13},
        {emf, 30},
        // Two inches in the placeable header's own units.
        {files.Write("zeichnung.wmf", PlaceableWmf(2880, 1440)), 2 * ScreenCaps(LOGPIXELSX)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PictureWidth(c.file), c.width) << c.file;
        // The picker's check on top of it.
        EXPECT_TRUE(ImageWidthAtMost(c.file, c.width)) << c.file;
        EXPECT_FALSE(ImageWidthAtMost(c.file, c.width - 1)) << c.file;
    }
    EXPECT_TRUE(boxes.Boxes.empty());
}

TEST(PictureWidth, AnythingThatDoesNotLoadIsNoPictureWithoutMessage)
{
    TempFiles files;
    MessageBoxRecorder boxes;
    const Bytes text = {'k', 'e', 'i', 'n', ' ', 'B', 'i', 'l', 'd', '\r', '\n'};
    std::vector<std::string> none;
    for (const char* name : {"text.bmp", "text.ico", "text.emf", "text.wmf", "text.jpg", "text.jpeg"})
        none.push_back(files.Write(name, text));
    // The extension decides the format.
    for (const char* name : {"bild.png", "bild.gif", "bild.jpg", "bild"})
        none.push_back(files.Write(name, Bitmap24(4, 4)));
    // A Windows metafile without the placeable header has no size.
    none.push_back(files.Write("roh.wmf", RecordedWmf()));
    none.push_back(files.Write("halb.jpg", Bytes(Jpeg13x7.begin(), Jpeg13x7.begin() + 40)));
    none.push_back(files.Write("leer.bmp", {}));
    none.push_back("C:\\gibt\\es\\nicht.bmp");
    for (const std::string& file : none) {
        EXPECT_EQ(PictureWidth(file), std::nullopt) << file;
        EXPECT_FALSE(ImageWidthAtMost(file, 10000)) << file;
    }
    EXPECT_TRUE(boxes.Boxes.empty());
}
