// Behaviour and look shared by both flat buttons (typed over the two kinds),
// then what only the windowed button does.
#include "controls/TFlatButtonUnit.h"
#include "controls/TFlatSpeedButtonUnit.h"

#include "FlatButtonTestKit.h"

using namespace flatkit;

namespace {

const COLORREF kFocused = RGB(0xEB, 0xEA, 0xE1);
const COLORREF kDown = RGB(0xD9, 0xD6, 0xC5);
const COLORREF kBorder = RGB(0xA0, 0x96, 0x83);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kImage[4] = {RGB(255, 0, 0), RGB(0, 200, 0), RGB(0, 0, 255), RGB(255, 255, 0)};

template <class T>
struct FlatButtonKinds : FormFixture {
    T* button = nullptr;
    void SetUp() override
    {
        FormFixture::SetUp();
        button = Make<T>(10, 10);
    }
};

using Kinds = testing::Types<TFlatButton, TFlatSpeedButton>;
TYPED_TEST_SUITE(FlatButtonKinds, Kinds);

int Lightness(TColor c)
{
    int h, l, s;
    RGBToHLS240(ColorToRGB(c), h, l, s);
    return l;
}

} // namespace

TYPED_TEST(FlatButtonKinds, FramesAndFillsByState)
{
    auto* b = this->button;
    ASSERT_EQ(b->Width(), 25);
    ASSERT_EQ(b->Height(), 25);
    b->SetColor(kOwn);
    const COLORREF own = RGBOf(kOwn);
    Painted up(*b);
    EXPECT_EQ(up(0, 0), kBorder);
    EXPECT_EQ(up(24, 24), kBorder);
    EXPECT_EQ(up(1, 1), own);
    // Latched down: sunken (left and top in the shadow colour), down colour.
    b->SetGroupIndex(1);
    b->SetDown(true);
    Painted exclusive(*b);
    EXPECT_EQ(exclusive(0, 0), kBlack);
    EXPECT_EQ(exclusive(12, 0), kBlack);
    EXPECT_EQ(exclusive(24, 0), kWhite);
    EXPECT_EQ(exclusive(0, 24), kWhite);
    EXPECT_EQ(exclusive(1, 1), kDown);
    b->SetAllowAllUp(true);
    b->SetDown(false);
    b->SetGroupIndex(0);
    Press(b);
    Painted pressed(*b);
    EXPECT_EQ(pressed(0, 0), kBlack);
    EXPECT_EQ(pressed(24, 24), kWhite);
    EXPECT_EQ(pressed(12, 12), kDown);
    Release(b);
    b->SetEnabled(false);
    Painted disabled(*b);
    EXPECT_EQ(disabled(0, 0), kBorder);
    EXPECT_EQ(disabled(24, 0), kBorder);
    EXPECT_EQ(disabled(1, 1), own);
    b->SetEnabled(true);
    EXPECT_EQ(b->State(), bsUp) << "enabling puts the state right";
    Painted again(*b);
    EXPECT_EQ(b->State(), bsUp) << "painting only reads it";
}

// Enabling, latching and pressing set the state; painting only reads it.
TYPED_TEST(FlatButtonKinds, StateFollowsEnablingAndLatchingWithoutAPaint)
{
    auto* b = this->button;
    b->SetGroupIndex(1);
    b->SetEnabled(false);
    b->SetDown(true);
    EXPECT_EQ(b->State(), bsDisabled) << "latched while disabled";
    Painted disabled(*b);
    EXPECT_EQ(b->State(), bsDisabled);
    b->SetEnabled(true);
    EXPECT_EQ(b->State(), bsExclusive);
    b->SetGroupIndex(0);
    Press(b);
    b->SetEnabled(false);
    EXPECT_FALSE(b->Dragging()) << "disabling ends the drag";
}

TYPED_TEST(FlatButtonKinds, GlyphImageChosenByStateAndNumGlyphs)
{
    auto* b = this->button;
    b->SetColor(kOwn);
    b->SetGroupIndex(1);
    b->SetAllowAllUp(true);
    // count, image shown up, disabled (-1: embossed), pressed, latched down
    const int table[4][5] = {{1, 0, -1, 0, 0}, {2, 0, 1, 0, 0}, {3, 0, 1, 2, 2}, {4, 0, 1, 2, 3}};
    for (const auto& row : table) {
        SCOPED_TRACE(row[0]);
        b->SetGlyph(Strip(std::vector<COLORREF>(kImage, kImage + row[0])));
        ASSERT_EQ(b->NumGlyphs(), row[0]);
        // An 8 x 8 image centred at (25 - 8 + 1) div 2 = 9, one further down
        // and right while down.
        EXPECT_EQ(Painted(*b)(13, 13), kImage[row[1]]) << "up";
        EXPECT_EQ(Painted(*b)(9, 9), RGBOf(kOwn)) << "the magenta ring is left out";
        b->SetDown(true);
        EXPECT_EQ(Painted(*b)(14, 14), kImage[row[4]]) << "latched";
        b->SetDown(false);
        Press(b);
        EXPECT_EQ(Painted(*b)(14, 14), kImage[row[3]]) << "pressed";
        Release(b, 60, 60);
        if (row[2] >= 0) {
            b->SetEnabled(false);
            EXPECT_EQ(Painted(*b)(13, 13), kImage[row[2]]) << "disabled";
            b->SetEnabled(true);
        }
    }
    b->SetGlyph(Strip({kImage[0], kImage[1], kImage[2], kImage[3], kImage[0], kImage[1]}));
    EXPECT_EQ(b->NumGlyphs(), 1) << "more than four images count as one";
    b->SetNumGlyphs(3);
    TBitmap odd;
    odd.SetSize(20, 8);
    b->SetGlyph(odd);
    EXPECT_EQ(b->NumGlyphs(), 3) << "no whole multiple of the height: count kept";
}

// Enabling a latched button makes it latched again at once; the glyph moves
// with the sunken frame in the first paint.
TYPED_TEST(FlatButtonKinds, ReenabledLatchedButtonPaintsLikeOneNeverDisabled)
{
    auto* b = this->button;
    b->SetColor(kOwn);
    b->SetGroupIndex(1);
    b->SetGlyph(Strip({kImage[0]}));
    b->SetDown(true);
    const Painted latched(*b);
    // An 8 x 8 image at 9, one further while down: its ring at 10 and 17.
    ASSERT_EQ(latched(16, 16), kImage[0]);
    ASSERT_EQ(latched(10, 10), kDown);
    b->SetEnabled(false);
    b->SetEnabled(true);
    ASSERT_EQ(b->State(), bsExclusive) << "enabling puts it right";
    const Painted again(*b);
    EXPECT_EQ(b->State(), bsExclusive);
    int differing = 0;
    for (int y = 0; y < b->Height(); ++y)
        for (int x = 0; x < b->Width(); ++x)
            differing += again(x, y) != latched(x, y);
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(again(16, 16), kImage[0]);
}

TYPED_TEST(FlatButtonKinds, DisabledSingleGlyphIsEmbossed)
{
    auto* b = this->button;
    b->SetColor(kOwn);
    b->SetGlyph(Strip({kImage[0]}));   // red square 1..6 in a magenta ring
    b->SetEnabled(false);
    Painted p(*b);
    const COLORREF shadow = RGBOf(clBtnShadow), highlight = RGBOf(clBtnHighlight), own = RGBOf(kOwn);
    const int g = 9;
    EXPECT_EQ(p.Count({0, 0, 25, 25}, kImage[0]), 0);
    EXPECT_EQ(p(g + 1, g + 1), shadow);
    EXPECT_EQ(p(g + 6, g + 6), shadow);
    EXPECT_EQ(p(g + 7, g + 2), highlight);
    EXPECT_EQ(p(g + 2, g + 7), highlight);
    EXPECT_EQ(p(g + 7, g + 7), highlight);
    // The face around the shape is transparent.
    EXPECT_EQ(p(g, g), own);
    EXPECT_EQ(p(g + 7, g + 1), own);
}

TYPED_TEST(FlatButtonKinds, GlyphAndCaptionLayout)
{
    auto* b = this->button;
    b->SetColor(kOwn);
    b->SetGlyph(Strip({kImage[1]}));
    b->SetCaption("Ab");
    TMemoryDC m(nullptr, 1, 1);
    TCanvas c(m.Handle());
    c.Font = b->Font();
    RECT r{0, 0, 200, 0};
    c.DrawText("Ab", r, DT_CALCRECT | DT_SINGLELINE);
    const int tw = r.right, th = r.bottom;
    // Checks the glyph's place (its green starts one pixel in) and that every
    // other non-fill pixel inside the frame lies in the caption's rectangle.
    auto check = [&](POINT glyph, POINT text) {
        const int w = b->Width(), h = b->Height();
        Painted p(*b);
        int captionPixels = 0;
        bool glyphFound = false;
        for (int y = 1; y < h - 1; ++y)
            for (int x = 1; x < w - 1; ++x) {
                if (x >= glyph.x && x < glyph.x + 8 && y >= glyph.y && y < glyph.y + 8) {
                    glyphFound |= x == glyph.x + 1 && y == glyph.y + 1 && p(x, y) == kImage[1];
                    continue;
                }
                if (p(x, y) == RGBOf(kOwn))
                    continue;
                const bool inText = x >= text.x && x < text.x + tw && y >= text.y && y < text.y + th;
                EXPECT_TRUE(inText) << "stray pixel at " << x << "," << y;
                captionPixels += inText;
            }
        EXPECT_TRUE(glyphFound);
        EXPECT_GT(captionPixels, 0);
    };
    b->SetBounds(10, 10, 80, 25);
    b->SetLayout(blGlyphLeft);
    const int left = (80 - (8 + 4 + tw) + 1) / 2;
    check({left, 9}, {left + 12, (25 - th + 1) / 2});
    b->SetSpacing(-1);
    const int third = (80 - (8 + tw)) / 3;
    check({third, 9}, {third + 8 + third, (25 - th + 1) / 2});
    b->SetSpacing(4);
    b->SetMargin(3);
    check({3, 9}, {15, (25 - th + 1) / 2});
    b->SetBounds(10, 10, 40, 60);
    b->SetLayout(blGlyphTop);
    b->SetMargin(-1);
    const int top = (60 - (8 + 4 + th) + 1) / 2;
    check({16, top}, {(40 - tw + 1) / 2, top + 12});
    b->SetMargin(5);
    check({16, 5}, {(40 - tw + 1) / 2, 17});
    b->SetMargin(-2);
    EXPECT_EQ(b->Margin(), 5) << "margins below -1 are refused";
}

TYPED_TEST(FlatButtonKinds, ClickOnlyOnReleaseInside)
{
    auto* b = this->button;
    int clicks = 0;
    b->OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, b);
        ++clicks;
    };
    ClickAt(b);
    EXPECT_EQ(clicks, 1);
    Press(b);
    Release(b, 40, 5);
    EXPECT_EQ(clicks, 1) << "released outside";
    EXPECT_EQ(b->State(), bsUp);
    Press(b);
    Send(b, WM_MOUSEMOVE, MK_LBUTTON, 40, 5);
    EXPECT_EQ(b->State(), bsUp) << "dragged off";
    Send(b, WM_MOUSEMOVE, MK_LBUTTON, 5, 25);
    EXPECT_EQ(b->State(), bsDown) << "the bottom edge counts as inside";
    Release(b, 5, 25);
    EXPECT_EQ(clicks, 2);
    Press(b);
    Release(b, 25, 5);
    EXPECT_EQ(clicks, 2) << "the right edge is outside";
    Send(b, WM_RBUTTONDOWN, MK_RBUTTON, 5, 5);
    Send(b, WM_RBUTTONUP, 0, 5, 5);
    EXPECT_EQ(clicks, 2) << "right button";
}

TYPED_TEST(FlatButtonKinds, GroupKeepsOneDown)
{
    using T = TypeParam;
    auto* a = this->button;
    auto* b = this->template Make<T>(40, 10);
    auto* other = this->template Make<T>(70, 10);
    a->SetGroupIndex(1);
    b->SetGroupIndex(1);
    other->SetGroupIndex(2);
    other->SetDown(true);
    ClickAt(a);
    EXPECT_TRUE(a->Down());
    EXPECT_EQ(a->State(), bsExclusive);
    ClickAt(b);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    EXPECT_EQ(a->State(), bsUp);
    EXPECT_TRUE(other->Down()) << "another group";
    Press(b);
    Release(b, 60, 60);
    EXPECT_TRUE(b->Down()) << "released outside keeps Down";
    EXPECT_EQ(b->State(), bsExclusive);
    Press(a);
    Release(a, 60, 60);
    EXPECT_FALSE(a->Down()) << "released outside keeps Up";
    ClickAt(b);
    b->SetDown(false);
    EXPECT_TRUE(b->Down()) << "AllowAllUp false: cannot be raised";
    int doubles = 0;
    b->OnDblClick = a->OnDblClick = [&](TObject*) { ++doubles; };
    for (auto* button : {a, b}) {
        Send(button, WM_LBUTTONDBLCLK, MK_LBUTTON, 5, 5);
        Release(button, 60, 60);
    }
    EXPECT_EQ(doubles, 1) << "only a button that is down";
    a->SetAllowAllUp(true);
    EXPECT_TRUE(b->AllowAllUp()) << "the group copies AllowAllUp";
    EXPECT_FALSE(other->AllowAllUp());
    ClickAt(b);
    EXPECT_FALSE(b->Down());
    EXPECT_EQ(b->State(), bsUp);
    auto* loose = this->template Make<T>(100, 10);
    loose->SetDown(true);
    EXPECT_FALSE(loose->Down()) << "no group, never down";
}

TYPED_TEST(FlatButtonKinds, ModalResultIsSetBeforeOnClickAndEndsShowModal)
{
    using T = TypeParam;
    auto* yes = this->button;
    auto* plain = this->template Make<T>(40, 10);
    yes->SetModalResult(mrYes);
    std::vector<int> seen;
    yes->OnClick = [&](TObject*) { seen.push_back(this->form->ModalResult()); };
    plain->OnClick = yes->OnClick;
    this->form->SetModalResult(7);
    ClickAt(plain);
    ASSERT_EQ(seen, std::vector<int>{0}) << "also a result of 0 is set";
    Send(yes, WM_LBUTTONDOWN, MK_LBUTTON, 5, 5, true);
    Send(yes, WM_LBUTTONUP, 0, 5, 5, true);
    // Ends the loop should the click not.
    PostMessageA(this->form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(this->form->ShowModal(), mrYes);
    EXPECT_EQ(seen, (std::vector<int>{0, mrYes}));
}

TYPED_TEST(FlatButtonKinds, AcceleratorClicks)
{
    auto* b = this->button;
    b->SetCaption("&Los");
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    HWND wnd = this->form->Handle();
    SendMessageA(wnd, WM_SYSCHAR, 'x', 0);
    SendMessageA(wnd, WM_SYSCHAR, 'l', 0);
    EXPECT_EQ(clicks, 1);
    b->SetGroupIndex(4);
    SendMessageA(wnd, WM_SYSCHAR, 'L', 0);
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(b->Down());
    b->SetEnabled(false);
    SendMessageA(wnd, WM_SYSCHAR, 'l', 0);
    EXPECT_EQ(clicks, 2);
}

TYPED_TEST(FlatButtonKinds, HoverEnterAndLeaveThroughTheSharedTimer)
{
    using T = TypeParam;
    auto* a = this->button;
    auto* b = this->template Make<T>(50, 10);
    this->ShowActive();
    TTimer* timer = T::HoverTimer();
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->Interval(), 100u);
    EXPECT_FALSE(timer->Enabled());

    PointerTo(a, 12, 12);
    EXPECT_TRUE(a->MouseInControl());
    EXPECT_TRUE(timer->Enabled());
    EXPECT_EQ(T::HoverTracker().Tracked(), a);
    Painted raised(*a);
    EXPECT_EQ(raised(0, 0), kWhite);
    EXPECT_EQ(raised(24, 24), kBlack);
    EXPECT_EQ(raised(12, 12), kFocused);
    Tick(timer);
    EXPECT_TRUE(a->MouseInControl()) << "still under the pointer";

    PointerTo(b, 5, 5);
    EXPECT_FALSE(a->MouseInControl());
    EXPECT_TRUE(b->MouseInControl());
    EXPECT_EQ(T::HoverTracker().Tracked(), b);

    // Dragging holds the hover look even off the button.
    Press(b);
    PointerAway();
    Tick(timer);
    EXPECT_TRUE(b->MouseInControl());
    Release(b);
    EXPECT_FALSE(b->MouseInControl());
    EXPECT_EQ(Painted(*b)(0, 0), kBorder);

    PointerTo(a, 3, 3);
    PointerAway();
    Tick(timer);
    EXPECT_FALSE(a->MouseInControl());
    EXPECT_FALSE(timer->Enabled());
    EXPECT_EQ(T::HoverTracker().Tracked(), nullptr);

    // A click clears the hover look; the pointer still there brings it back.
    // (The pointer is put back before each step: other test programs move
    // it too.)
    PointerTo(a, 3, 3);
    Press(a, 3, 3);
    PointerTo(a, 3, 3);
    Release(a, 3, 3);
    EXPECT_TRUE(a->MouseInControl());
    // Disabled, a button is not entered; enabled under the pointer, it is.
    a->SetEnabled(false);
    EXPECT_FALSE(a->MouseInControl());
    PointerTo(a, 3, 3);
    EXPECT_FALSE(a->MouseInControl());
    PointerTo(a, 3, 3);
    a->SetEnabled(true);
    EXPECT_TRUE(a->MouseInControl());
}

TYPED_TEST(FlatButtonKinds, NoHoverWithoutAnActiveWindow)
{
    using T = TypeParam;
    auto* b = this->button;
    this->screen = std::make_unique<ScreenLock>();
    SetCursorPos(5, 5);
    SetWindowPos(this->form->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    Drain();
    if (GetActiveWindow() != nullptr)
        GTEST_SKIP() << "this thread already has an active window";
    PointerTo(b, 5, 5, false);
    EXPECT_FALSE(b->MouseInControl());
    EXPECT_FALSE(T::HoverTimer()->Enabled());
    Activate(this->form->Handle());
    PointerTo(b, 5, 5);
    EXPECT_TRUE(b->MouseInControl());
}

TYPED_TEST(FlatButtonKinds, TimerLivesFromFirstToLastInstance)
{
    using T = TypeParam;
    TTimer* timer = T::HoverTimer();
    auto* second = this->template Make<T>(40, 10);
    EXPECT_EQ(T::HoverTimer(), timer) << "one timer per class";
    delete this->button;
    EXPECT_EQ(T::HoverTimer(), timer);
    delete second;
    EXPECT_EQ(T::HoverTimer(), nullptr);
    this->button = this->template Make<T>(10, 10);
    ASSERT_NE(T::HoverTimer(), nullptr);
    EXPECT_FALSE(T::HoverTimer()->Enabled());
}

TYPED_TEST(FlatButtonKinds, AdvancedColoursFollowTheParent)
{
    auto* b = this->button;
    b->SetColor(kOwn);
    b->SetUseAdvColors(true);
    EXPECT_EQ(b->Color(), kFormColor);
    // Lightness 90: focused +10+10 clamped at 100, down +10-10, border +10-50.
    EXPECT_NEAR(Lightness(b->ColorFocused()), 100, 1);
    EXPECT_NEAR(Lightness(b->ColorDown()), 90, 1);
    EXPECT_NEAR(Lightness(b->ColorBorder()), 50, 1);
    this->form->SetColor(RGBColor(200, 200, 200));   // lightness 188
    EXPECT_NEAR(Lightness(b->ColorBorder()), 148, 1);
    const TColor border = b->ColorBorder();
    b->SetAdvColorBorder(0);
    EXPECT_EQ(b->ColorBorder(), border) << "0 % keeps the colour";
    b->SetAdvColorBorder(101);
    EXPECT_EQ(b->AdvColorBorder(), 0);
}

// ---------------------------------------------------------------- windowed button only

using FlatButtonTest = FormFixture;

TEST_F(FlatButtonTest, DefaultBorderTransparentModesAndTheFocusLook)
{
    auto* b = Make<TFlatButton>(10, 10);
    auto* other = Make<TFlatButton>(50, 10);
    b->SetColor(kOwn);
    b->SetDefault(true);
    Painted byDefault(*b);
    EXPECT_EQ(byDefault(1, 1), kBorder) << "two pixels";
    EXPECT_EQ(byDefault(23, 23), kBorder);
    EXPECT_EQ(byDefault(2, 2), RGBOf(kOwn));
    b->SetDefault(false);
    const COLORREF parent = RGBOf(kFormColor);
    b->SetTransparentMode(tmAlways);
    EXPECT_EQ(Painted(*b)(12, 12), parent);
    b->SetTransparentMode(tmNotFocused);
    EXPECT_EQ(Painted(*b)(12, 12), parent);
    ShowActive();
    b->SetFocus();
    ASSERT_EQ(GetFocus(), b->Handle());
    EXPECT_TRUE(b->MouseInControl()) << "the focus gives the hover look";
    Painted focused(*b);
    EXPECT_EQ(focused(12, 12), kFocused);
    EXPECT_EQ(focused(0, 0), kWhite);
    other->SetFocus();
    EXPECT_FALSE(b->MouseInControl());
    EXPECT_EQ(Painted(*b)(12, 12), parent);
}

TEST_F(FlatButtonTest, SpaceKeyPressesAndClicks)
{
    auto* b = Make<TFlatButton>(10, 10);
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    SendMessageA(b->Handle(), WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(b->State(), bsDown);
    EXPECT_EQ(clicks, 0);
    SendMessageA(b->Handle(), WM_KEYUP, VK_SPACE, 0xC0000001);
    EXPECT_EQ(b->State(), bsUp);
    EXPECT_EQ(clicks, 1);
    b->SetGroupIndex(1);
    SendMessageA(b->Handle(), WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(b->Down());
    SendMessageA(b->Handle(), WM_KEYUP, VK_SPACE, 0xC0000001);
    EXPECT_TRUE(b->Down()) << "AllowAllUp false keeps it down";
    EXPECT_EQ(clicks, 2);
}

TEST_F(FlatButtonTest, PaintsItsWindowInOneStep)
{
    auto* b = Make<TFlatButton>(10, 10);
    b->SetColor(kOwn);
    ShowActive();
    UpdateWindow(b->Handle());
    WindowDC dc(b->Handle());
    EXPECT_EQ(GetPixel(dc.Get(), 0, 0), kBorder);
    EXPECT_EQ(GetPixel(dc.Get(), 12, 12), RGBOf(kOwn));
}
