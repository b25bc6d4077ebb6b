#include "controls/FlatUtilitys.h"
#include "controls/TFlatEditUnit.h"
#include "EditComboFixture.h"

#include <gtest/gtest.h>

namespace {

using namespace editcombo;

constexpr TColor kBorder = RGBColor(0xA0, 0x96, 0x83);
constexpr COLORREF kSentinel = RGB(1, 2, 3);

struct FlatEditTest : FormTest {
    // The frame of edit drawn on a sentinel background.
    struct Frame {
        TMemoryDC mem;
        explicit Frame(const TCustomFlatEdit& edit) : mem(nullptr, edit.Width(), edit.Height())
        {
            TCanvas canvas(mem.Handle());
            canvas.FillRect({0, 0, edit.Width(), edit.Height()}, kSentinel);
            edit.PaintFrame(canvas);
        }
        COLORREF operator()(int x, int y) const { return mem.Pixel(x, y); }
    };
    // Checks the outer ring and the two inner rings on all four sides.
    static void ExpectRings(const TCustomFlatEdit& edit, TColor outer, TColor inner)
    {
        const Frame px(edit);
        const int r = edit.Width() - 1, b = edit.Height() - 1, mx = edit.Width() / 2, my = edit.Height() / 2;
        const COLORREF o = ColorToRGB(outer), i = ColorToRGB(inner);
        for (auto [x, y] : {std::pair{0, 0}, {mx, 0}, {r, 0}, {0, my}, {r, my}, {0, b}, {mx, b}, {r, b}})
            EXPECT_EQ(px(x, y), o) << "outer ring at " << x << "," << y;
        for (int ring : {1, 2})
            for (auto [x, y] : {std::pair{ring, ring}, {mx, ring}, {r - ring, my}, {mx, b - ring}, {ring, my}, {r - ring, b - ring}})
                EXPECT_EQ(px(x, y), i) << "inner ring " << ring << " at " << x << "," << y;
        // The client area is the system edit's: the frame leaves it alone.
        EXPECT_EQ(px(3, 3), kSentinel);
        EXPECT_EQ(px(r - 3, b - 3), kSentinel);
    }
};

} // namespace

TEST_F(FlatEditTest, FrameIsFlatWhenIdleAndLitWhileFocused)
{
    auto* edit = Make<TFlatEdit>(10, 10);
    auto* other = Make<TEdit>(10, 60);
    EXPECT_EQ(edit->Width(), 121);
    EXPECT_EQ(edit->Height(), 19);
    ExpectRings(*edit, kBorder, kFormColor);

    form->Show();
    edit->SetFocus();
    EXPECT_TRUE(edit->FocusedLook());
    EXPECT_EQ(edit->Color(), clWhite);
    ExpectRings(*edit, kBorder, clWhite);

    other->SetFocus();
    EXPECT_FALSE(edit->FocusedLook());
    EXPECT_EQ(edit->Color(), kFormColor);
    ExpectRings(*edit, kBorder, kFormColor);

    edit->SetColorBorder(RGBColor(255, 0, 0));
    edit->SetColorFocused(RGBColor(0, 0, 255));
    edit->SetFocus();
    ExpectRings(*edit, RGBColor(255, 0, 0), RGBColor(0, 0, 255));
}

TEST_F(FlatEditTest, TheWindowHasAThreePixelFrameAndTheLookInItsBackground)
{
    auto* edit = Make<TFlatEdit>(10, 10);
    auto* other = Make<TEdit>(10, 60);
    form->Show();
    HWND wnd = edit->Handle();
    RECT client;
    GetClientRect(wnd, &client);
    EXPECT_EQ(client.right, 121 - 6);
    EXPECT_EQ(client.bottom, 19 - 6);

    auto windowPixel = [&](int x, int y) {
        RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        HDC dc = GetWindowDC(wnd);
        const COLORREF c = GetPixel(dc, x, y);
        ReleaseDC(wnd, dc);
        return c;
    };
    EXPECT_EQ(windowPixel(0, 0), ColorToRGB(kBorder));
    EXPECT_EQ(windowPixel(2, 9), ColorToRGB(kFormColor));
    EXPECT_EQ(windowPixel(100, 9), ColorToRGB(kFormColor)) << "empty text area in the flat colour";
    edit->SetFocus();
    EXPECT_EQ(windowPixel(1, 9), RGB(255, 255, 255));
    EXPECT_EQ(windowPixel(100, 9), RGB(255, 255, 255)) << "background follows the look";
    other->SetFocus();
    EXPECT_EQ(windowPixel(100, 9), ColorToRGB(kFormColor));
}

TEST_F(FlatEditTest, HoverLightsTheEditOnlyInAnActiveWindowAndNotBesideAFocusedFlatEdit)
{
    auto* edit = Make<TFlatEdit>(10, 10);
    auto* flatFocus = Make<TFlatEdit>(10, 40);
    auto* plainFocus = Make<TEdit>(10, 70);
    HWND wnd = edit->Handle();
    HWND formWnd = form->Handle();
    ASSERT_EQ(GetActiveWindow(), nullptr);
    SendMessageA(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_FALSE(edit->MouseInControl()) << "no active window, no hover";
    SendMessageA(formWnd, WM_MOUSEMOVE, 0, MAKELPARAM(250, 150));

    form->Show();
    ASSERT_NE(GetActiveWindow(), nullptr);
    plainFocus->SetFocus();
    SendMessageA(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(edit->MouseInControl());
    EXPECT_TRUE(edit->FocusedLook());
    ExpectRings(*edit, kBorder, clWhite);
    SendMessageA(formWnd, WM_MOUSEMOVE, 0, MAKELPARAM(250, 150));
    EXPECT_FALSE(edit->MouseInControl());
    EXPECT_FALSE(edit->FocusedLook());

    // While another flat edit has the focus, only that one is lit.
    flatFocus->SetFocus();
    SendMessageA(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(edit->MouseInControl());
    EXPECT_FALSE(edit->FocusedLook());
    EXPECT_TRUE(flatFocus->FocusedLook());
    ExpectRings(*edit, kBorder, kFormColor);

    // Hovered and then focused, it keeps the look when the focus moves on
    // to an ordinary control.
    edit->SetFocus();
    EXPECT_FALSE(flatFocus->FocusedLook());
    plainFocus->SetFocus();
    EXPECT_TRUE(edit->FocusedLook());

    // Disabling ends the hover.
    edit->SetEnabled(false);
    EXPECT_FALSE(edit->MouseInControl());
    EXPECT_FALSE(edit->FocusedLook());
}

TEST_F(FlatEditTest, ColorFlatFollowsTheParentUntilItIsSet)
{
    auto* edit = Make<TFlatEdit>(10, 10);
    EXPECT_TRUE(edit->ParentColor());
    EXPECT_EQ(edit->ColorFlat(), kFormColor);
    form->SetColor(RGBColor(10, 20, 30));
    EXPECT_EQ(edit->ColorFlat(), RGBColor(10, 20, 30));
    EXPECT_EQ(edit->Color(), RGBColor(10, 20, 30));

    edit->SetColorFlat(RGBColor(1, 1, 1));
    EXPECT_FALSE(edit->ParentColor());
    form->SetColor(RGBColor(90, 90, 90));
    EXPECT_EQ(edit->ColorFlat(), RGBColor(1, 1, 1));
    ExpectRings(*edit, kBorder, RGBColor(1, 1, 1));

    edit->SetParentColor(true);
    EXPECT_EQ(edit->ColorFlat(), RGBColor(90, 90, 90));

    // Derived colours start from the parent's colour: white gives a border
    // of lightness 240 + 10 - 50 and, as lighter stops at 100, a darker
    // focused colour.
    edit->SetColorFlat(RGBColor(1, 1, 1));
    edit->SetUseAdvColors(true);
    EXPECT_TRUE(edit->ParentColor());
    form->SetColor(clWhite);
    int h, l, s;
    RGBToHLS240(ColorToRGB(edit->ColorBorder()), h, l, s);
    EXPECT_EQ(l, 200);
    RGBToHLS240(ColorToRGB(edit->ColorFocused()), h, l, s);
    EXPECT_EQ(l, 100);
}

TEST_F(FlatEditTest, HeightIsTheFontsCharacterHeightPlusSixAfterLoadingAndOnFontChanges)
{
    auto* edit = Make<TFlatEdit>(10, 10);
    edit->SetBounds(10, 10, 121, 30);
    edit->Loaded();
    EXPECT_EQ(edit->Height(), CharHeight(-11) + 6);
    edit->Font().SetHeight(-20);
    EXPECT_EQ(edit->Height(), CharHeight(-20) + 6);
    ASSERT_NE(CharHeight(-20), CharHeight(-11));
    form->Show();
    RECT window;
    GetWindowRect(edit->Handle(), &window);
    EXPECT_EQ(window.bottom - window.top, CharHeight(-20) + 6);
}
