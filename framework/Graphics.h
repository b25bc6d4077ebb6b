// Colours, fonts, bitmaps and the canvas over a GDI device context.
#pragma once

#include "framework/GdiHandles.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// 0x00BBGGRR for RGB colours; 0x80000000 + n names system colour n, resolved
// only when drawing so that a change of the colour scheme is followed.
using TColor = std::uint32_t;

inline constexpr TColor SysColor(int index) { return 0x80000000u + static_cast<TColor>(index); }
inline constexpr TColor RGBColor(int r, int g, int b) { return static_cast<TColor>(r | (g << 8) | (b << 16)); }

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clScrollBar = SysColor(COLOR_SCROLLBAR);
inline constexpr TColor clBackground = SysColor(COLOR_BACKGROUND);
inline constexpr TColor clActiveCaption = SysColor(COLOR_ACTIVECAPTION);
inline constexpr TColor clWindow = SysColor(COLOR_WINDOW);
inline constexpr TColor clWindowText = SysColor(COLOR_WINDOWTEXT);
inline constexpr TColor clCaptionText = SysColor(COLOR_CAPTIONTEXT);
inline constexpr TColor clHighlight = SysColor(COLOR_HIGHLIGHT);
inline constexpr TColor clHighlightText = SysColor(COLOR_HIGHLIGHTTEXT);
inline constexpr TColor clBtnFace = SysColor(COLOR_BTNFACE);
inline constexpr TColor clBtnShadow = SysColor(COLOR_BTNSHADOW);
inline constexpr TColor clGrayText = SysColor(COLOR_GRAYTEXT);
inline constexpr TColor clBtnText = SysColor(COLOR_BTNTEXT);
inline constexpr TColor clBtnHighlight = SysColor(COLOR_BTNHIGHLIGHT);
inline constexpr TColor clInfoText = SysColor(COLOR_INFOTEXT);
inline constexpr TColor clInfoBk = SysColor(COLOR_INFOBK);

// The plain RGB value of a colour, system colours resolved now.
COLORREF ColorToRGB(TColor color);

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// A logical font. The GDI font is made on first use and kept until the face
// changes (name, height, style; the colour is not part of it). Copies share
// it, so a canvas that takes a control's font for one paint does not make the
// font again: whichever copy asks first makes it for all of them.
class TFont {
public:
    TFont();
    TFont(const TFont& other);
    TFont& operator=(const TFont& other);

    const std::string& Name() const { return FName; }
    void SetName(const std::string& name);
    int Height() const { return FHeight; }   // negative: character height in pixels
    void SetHeight(int height);
    int Size() const;                         // points at the screen's pixel density
    void SetSize(int points);
    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles style);
    void Assign(const TFont& other);

    HFONT Handle() const;
    bool operator==(const TFont& other) const;

    std::function<void()> OnChange;

private:
    // A new face leaves the shared handle to the copies that still have the
    // old one and starts a fresh one.
    void Changed(bool newFace);

    std::string FName = "Tahoma";
    int FHeight = -11;
    TColor FColor = clWindowText;
    TFontStyles FStyle = 0;
    std::shared_ptr<UniqueFont> FHandle = std::make_shared<UniqueFont>();
};

// An owned device-dependent bitmap.
class TBitmap {
public:
    TBitmap() = default;
    TBitmap(const TBitmap& other);
    TBitmap& operator=(const TBitmap& other);
    TBitmap(TBitmap&&) noexcept = default;
    TBitmap& operator=(TBitmap&&) noexcept = default;

    bool Empty() const { return !FHandle; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    HBITMAP Handle() const { return FHandle.Get(); }

    // Takes ownership of a bitmap handle.
    void Adopt(HBITMAP bitmap);
    bool LoadFromResource(HINSTANCE instance, const char* name);
    bool LoadFromFile(const std::string& fileName);
    // A blank bitmap of the given size (for drawing into and for tests).
    void SetSize(int width, int height);
    void Clear();

    COLORREF Pixel(int x, int y) const;
    void SetPixel(int x, int y, COLORREF color);

private:
    UniqueBitmap FHandle;
    int FWidth = 0;
    int FHeight = 0;
};

struct TPoint {
    int x;
    int y;
};

// Drawing on a borrowed DC. Every primitive takes its colour explicitly and
// leaves the DC's selected objects as it found them.
class TCanvas {
public:
    explicit TCanvas(HDC dc) : FDC(dc) {}
    HDC Handle() const { return FDC; }

    TFont Font;   // used by the text routines
    TColor BrushColor = clWhite;
    TColor PenColor = clBlack;

    void FillRect(const RECT& r, TColor color);
    void FillRect(const RECT& r) { FillRect(r, BrushColor); }
    // One-pixel outline of r (right and bottom exclusive).
    void FrameRect(const RECT& r, TColor color);
    // From (x1,y1) up to but not including (x2,y2), like LineTo.
    void Line(int x1, int y1, int x2, int y2, TColor color);
    void Polyline(const std::vector<TPoint>& points, TColor color);
    // Filled and outlined in one colour.
    void Polygon(const std::vector<TPoint>& points, TColor color);
    void SetPixel(int x, int y, TColor color);
    COLORREF Pixel(int x, int y) const;

    SIZE TextExtent(const std::string& text);
    int TextWidth(const std::string& text) { return TextExtent(text).cx; }
    int TextHeight(const std::string& text) { return TextExtent(text).cy; }
    void TextOut(int x, int y, const std::string& text);
    // DrawTextA with the canvas font in its colour, no background. Returns the
    // height of the text; with DT_CALCRECT, r is set to the text's extent.
    int DrawText(const std::string& text, RECT& r, UINT flags);
    int DrawText(const std::string& text, RECT& r, UINT flags, TColor color);

    // Copies a bitmap (or a part of it) leaving out the pixels of the
    // transparent colour; clNone draws every pixel.
    void Draw(int x, int y, const TBitmap& bitmap, TColor transparent = clNone);
    void DrawPart(int x, int y, const TBitmap& bitmap, const RECT& source, TColor transparent = clNone);
    void StretchDraw(const RECT& target, const TBitmap& bitmap);

private:
    HDC FDC;
};

// An off-screen bitmap of a given size with its own DC, for flicker-free
// painting: draw into Canvas(), then copy to the screen with BlitTo.
class TMemoryDC {
public:
    TMemoryDC(HDC reference, int width, int height);
    TMemoryDC(const TMemoryDC&) = delete;
    TMemoryDC& operator=(const TMemoryDC&) = delete;

    HDC Handle() const { return FDC.Get(); }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void BlitTo(HDC target, int x = 0, int y = 0) const;
    COLORREF Pixel(int x, int y) const { return GetPixel(FDC.Get(), x, y); }

private:
    UniqueMemDC FDC;
    UniqueBitmap FBitmap;
    SelectGuard FSelect;
    int FWidth;
    int FHeight;
};

// Embossed text of a disabled control: once one pixel right and down in
// clBtnHighlight, then in place in clBtnShadow.
void DrawEmbossedText(TCanvas& canvas, const std::string& text, RECT r, UINT flags);
