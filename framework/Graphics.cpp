#include "framework/Graphics.h"

#include <cmath>

COLORREF ColorToRGB(TColor color)
{
    if (color & 0x80000000u)
        return GetSysColor(static_cast<int>(color & 0xFF));
    return static_cast<COLORREF>(color & 0x00FFFFFFu);
}

// ---------------------------------------------------------------- TFont

TFont::TFont() = default;

TFont::TFont(const TFont& other)
    : FName(other.FName), FHeight(other.FHeight), FColor(other.FColor), FStyle(other.FStyle), FHandle(other.FHandle)
{
}

TFont& TFont::operator=(const TFont& other)
{
    Assign(other);
    return *this;
}

void TFont::Assign(const TFont& other)
{
    if (this == &other || *this == other)
        return;
    FName = other.FName;
    FHeight = other.FHeight;
    FColor = other.FColor;
    FStyle = other.FStyle;
    FHandle = other.FHandle;
    Changed(false);
}

bool TFont::operator==(const TFont& other) const
{
    return FName == other.FName && FHeight == other.FHeight && FColor == other.FColor && FStyle == other.FStyle;
}

void TFont::SetName(const std::string& name)
{
    if (name != FName) {
        FName = name;
        Changed(true);
    }
}

void TFont::SetHeight(int height)
{
    if (height != FHeight) {
        FHeight = height;
        Changed(true);
    }
}

static int ScreenPixelsPerInch()
{
    HDC dc = GetDC(nullptr);
    const int ppi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    return ppi > 0 ? ppi : 96;
}

int TFont::Size() const
{
    return static_cast<int>(std::lround(-FHeight * 72.0 / ScreenPixelsPerInch()));
}

void TFont::SetSize(int points)
{
    SetHeight(-MulDiv(points, ScreenPixelsPerInch(), 72));
}

void TFont::SetColor(TColor color)
{
    if (color != FColor) {
        FColor = color;
        Changed(false);
    }
}

void TFont::SetStyle(TFontStyles style)
{
    if (style != FStyle) {
        FStyle = style;
        Changed(true);
    }
}

void TFont::Changed(bool newFace)
{
    if (newFace)
        FHandle = std::make_shared<UniqueFont>();
    if (OnChange)
        OnChange();
}

HFONT TFont::Handle() const
{
    UniqueFont& handle = *FHandle;
    if (!handle) {
        LOGFONTA lf{};
        lf.lfHeight = FHeight;
        lf.lfWeight = (FStyle & fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (FStyle & fsItalic) ? TRUE : FALSE;
        lf.lfUnderline = (FStyle & fsUnderline) ? TRUE : FALSE;
        lf.lfStrikeOut = (FStyle & fsStrikeOut) ? TRUE : FALSE;
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfQuality = DEFAULT_QUALITY;
        lstrcpynA(lf.lfFaceName, FName.c_str(), LF_FACESIZE);
        handle.Reset(CreateFontIndirectA(&lf));
    }
    return handle.Get();
}

// ---------------------------------------------------------------- TBitmap

static HBITMAP CopyBitmapHandle(HBITMAP source)
{
    return source ? static_cast<HBITMAP>(CopyImage(source, IMAGE_BITMAP, 0, 0, 0)) : nullptr;
}

TBitmap::TBitmap(const TBitmap& other)
{
    Adopt(CopyBitmapHandle(other.Handle()));
}

TBitmap& TBitmap::operator=(const TBitmap& other)
{
    if (this != &other)
        Adopt(CopyBitmapHandle(other.Handle()));
    return *this;
}

void TBitmap::Adopt(HBITMAP bitmap)
{
    FHandle.Reset(bitmap);
    FWidth = FHeight = 0;
    BITMAP info{};
    if (bitmap && GetObjectA(bitmap, sizeof info, &info)) {
        FWidth = info.bmWidth;
        FHeight = std::abs(info.bmHeight);
    }
}

bool TBitmap::LoadFromResource(HINSTANCE instance, const char* name)
{
    HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(instance, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap)
        return false;
    Adopt(bitmap);
    return true;
}

bool TBitmap::LoadFromFile(const std::string& fileName)
{
    HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(nullptr, fileName.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (!bitmap)
        return false;
    Adopt(bitmap);
    return true;
}

void TBitmap::SetSize(int width, int height)
{
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    Adopt(bitmap);
}

void TBitmap::Clear()
{
    Adopt(nullptr);
}

COLORREF TBitmap::Pixel(int x, int y) const
{
    if (!FHandle)
        return CLR_INVALID;
    UniqueMemDC dc;
    SelectGuard select(dc.Get(), FHandle.Get());
    return GetPixel(dc.Get(), x, y);
}

void TBitmap::SetPixel(int x, int y, COLORREF color)
{
    if (!FHandle)
        return;
    UniqueMemDC dc;
    SelectGuard select(dc.Get(), FHandle.Get());
    ::SetPixel(dc.Get(), x, y, color);
}

// ---------------------------------------------------------------- TCanvas

void TCanvas::FillRect(const RECT& r, TColor color)
{
    UniqueBrush brush(CreateSolidBrush(ColorToRGB(color)));
    ::FillRect(FDC, &r, brush.Get());
}

void TCanvas::FrameRect(const RECT& r, TColor color)
{
    UniqueBrush brush(CreateSolidBrush(ColorToRGB(color)));
    ::FrameRect(FDC, &r, brush.Get());
}

void TCanvas::Line(int x1, int y1, int x2, int y2, TColor color)
{
    UniquePen pen(CreatePen(PS_SOLID, 1, ColorToRGB(color)));
    SelectGuard select(FDC, pen.Get());
    MoveToEx(FDC, x1, y1, nullptr);
    LineTo(FDC, x2, y2);
}

void TCanvas::Polyline(const std::vector<TPoint>& points, TColor color)
{
    if (points.empty())
        return;
    UniquePen pen(CreatePen(PS_SOLID, 1, ColorToRGB(color)));
    SelectGuard select(FDC, pen.Get());
    std::vector<POINT> pts;
    pts.reserve(points.size());
    for (const TPoint& p : points)
        pts.push_back({p.x, p.y});
    ::Polyline(FDC, pts.data(), static_cast<int>(pts.size()));
}

void TCanvas::Polygon(const std::vector<TPoint>& points, TColor color)
{
    if (points.empty())
        return;
    UniquePen pen(CreatePen(PS_SOLID, 1, ColorToRGB(color)));
    UniqueBrush brush(CreateSolidBrush(ColorToRGB(color)));
    SelectGuard selectPen(FDC, pen.Get());
    SelectGuard selectBrush(FDC, brush.Get());
    std::vector<POINT> pts;
    pts.reserve(points.size());
    for (const TPoint& p : points)
        pts.push_back({p.x, p.y});
    ::Polygon(FDC, pts.data(), static_cast<int>(pts.size()));
}

void TCanvas::SetPixel(int x, int y, TColor color)
{
    ::SetPixel(FDC, x, y, ColorToRGB(color));
}

COLORREF TCanvas::Pixel(int x, int y) const
{
    return GetPixel(FDC, x, y);
}

SIZE TCanvas::TextExtent(const std::string& text)
{
    SelectGuard select(FDC, Font.Handle());
    SIZE size{};
    GetTextExtentPoint32A(FDC, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

void TCanvas::TextOut(int x, int y, const std::string& text)
{
    SelectGuard select(FDC, Font.Handle());
    const int oldMode = SetBkMode(FDC, TRANSPARENT);
    const COLORREF oldColor = SetTextColor(FDC, ColorToRGB(Font.Color()));
    ::TextOutA(FDC, x, y, text.c_str(), static_cast<int>(text.size()));
    SetTextColor(FDC, oldColor);
    SetBkMode(FDC, oldMode);
}

int TCanvas::DrawText(const std::string& text, RECT& r, UINT flags)
{
    return DrawText(text, r, flags, Font.Color());
}

int TCanvas::DrawText(const std::string& text, RECT& r, UINT flags, TColor color)
{
    SelectGuard select(FDC, Font.Handle());
    const int oldMode = SetBkMode(FDC, TRANSPARENT);
    const COLORREF oldColor = SetTextColor(FDC, ColorToRGB(color));
    const int height = ::DrawTextA(FDC, text.c_str(), static_cast<int>(text.size()), &r, flags);
    SetTextColor(FDC, oldColor);
    SetBkMode(FDC, oldMode);
    return height;
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap, TColor transparent)
{
    DrawPart(x, y, bitmap, RECT{0, 0, bitmap.Width(), bitmap.Height()}, transparent);
}

void TCanvas::DrawPart(int x, int y, const TBitmap& bitmap, const RECT& source, TColor transparent)
{
    if (bitmap.Empty())
        return;
    UniqueMemDC src(FDC);
    SelectGuard select(src.Get(), bitmap.Handle());
    if (transparent == clNone) {
        BitBlt(FDC, x, y, source.right - source.left, source.bottom - source.top, src.Get(), source.left, source.top,
               SRCCOPY);
        return;
    }
    // A transparent blit refuses a source that reaches outside the bitmap;
    // there is nothing to draw out there anyway.
    const RECT whole{0, 0, bitmap.Width(), bitmap.Height()};
    RECT part;
    if (!IntersectRect(&part, &source, &whole))
        return;
    const int w = part.right - part.left;
    const int h = part.bottom - part.top;
    // One blit, not GetPixel/SetPixel per pixel: the skin alone has 157,500
    // of them, which cost 20 ms and more on every repaint. This is the
    // function behind msimg32's TransparentBlt (gdi32 has it since Windows
    // 2000), called directly so that no further DLL is loaded for it.
    GdiTransparentBlt(FDC, x + part.left - source.left, y + part.top - source.top, w, h, src.Get(), part.left,
                      part.top, w, h, ColorToRGB(transparent));
}

void TCanvas::StretchDraw(const RECT& target, const TBitmap& bitmap)
{
    if (bitmap.Empty())
        return;
    UniqueMemDC src(FDC);
    SelectGuard select(src.Get(), bitmap.Handle());
    StretchBlt(FDC, target.left, target.top, target.right - target.left, target.bottom - target.top, src.Get(), 0, 0,
               bitmap.Width(), bitmap.Height(), SRCCOPY);
}

// ---------------------------------------------------------------- TMemoryDC

TMemoryDC::TMemoryDC(HDC reference, int width, int height)
    : FDC(reference),
      // Always a screen-compatible colour bitmap: a bare memory DC as the
      // reference would give a monochrome one.
      FBitmap(CreateCompatibleBitmap(WindowDC(nullptr).Get(), width > 0 ? width : 1, height > 0 ? height : 1)),
      FSelect(FDC.Get(), FBitmap.Get()),
      FWidth(width),
      FHeight(height)
{
}

void TMemoryDC::BlitTo(HDC target, int x, int y) const
{
    BitBlt(target, x, y, FWidth, FHeight, FDC.Get(), 0, 0, SRCCOPY);
}

void DrawEmbossedText(TCanvas& canvas, const std::string& text, RECT r, UINT flags)
{
    RECT shifted = r;
    OffsetRect(&shifted, 1, 1);
    canvas.DrawText(text, shifted, flags, clBtnHighlight);
    canvas.DrawText(text, r, flags, clBtnShadow);
}
