#include "app/SkinRegion.h"

#include "framework/GdiHandles.h"

#include <vector>

namespace {

// Subtracts [left, right) of row y from the region; the temporary region is
// deleted at once, also when the combination fails.
void CutRun(HRGN region, int left, int y, int right)
{
    UniqueRegion run(CreateRectRgn(left, y, right, y + 1));
    CombineRgn(region, region, run.Get(), RGN_DIFF);
}

} // namespace

HRGN CreateSkinRegion(HBITMAP bitmap)
{
    BITMAP info{};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info))
        return nullptr;
    const int width = info.bmWidth;
    const int height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;

    // Three bytes per pixel, blue, green, red, rows top-down and padded to
    // four bytes.
    BITMAPINFO request{};
    request.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    request.bmiHeader.biWidth = width;
    request.bmiHeader.biHeight = -height;
    request.bmiHeader.biPlanes = 1;
    request.bmiHeader.biBitCount = 24;
    request.bmiHeader.biCompression = BI_RGB;
    const int stride = (width * 3 + 3) & ~3;
    std::vector<BYTE> pixels(static_cast<size_t>(stride) * height);
    {
        WindowDC screen(nullptr);
        if (GetDIBits(screen.Get(), bitmap, 0, static_cast<UINT>(height), pixels.data(), &request, DIB_RGB_COLORS) != height)
            return nullptr;
    }

    HRGN region = CreateRectRgn(0, 0, width, height);
    const BYTE* key = pixels.data();
    for (int y = 0; y < height; ++y) {
        const BYTE* row = pixels.data() + static_cast<size_t>(y) * stride;
        int start = -1;
        for (int x = 0; x < width; ++x) {
            const BYTE* p = row + x * 3;
            const bool keyed = p[0] == key[0] && p[1] == key[1] && p[2] == key[2];
            if (keyed) {
                if (start == -1)
                    start = x;
            } else if (start > -1) {
                CutRun(region, start, y, x);
                start = -1;
            }
        }
        if (start > -1)
            CutRun(region, start, y, width);
    }
    return region;
}
