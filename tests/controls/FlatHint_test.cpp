#include "controls/TFlatHintUnit.h"
#include "framework/StdPanel.h"

#include "ContainerFixture.h"

#include <memory>

using namespace containers;

namespace {

constexpr TColor kBack = RGBColor(255, 255, 255);
constexpr TColor kFrame = RGBColor(10, 10, 10);
constexpr TColor kArrowBack = RGBColor(0xFF, 0xD2, 0x53);
constexpr TColor kArrow = RGBColor(200, 0, 0);

struct FlatHint : ContainerForm {
    TFlatHint* hint = nullptr;
    std::unique_ptr<TFlatHintWindow> window;
    void SetUp() override
    {
        ContainerForm::SetUp();
        Application()->SetMainForm(form);
        hint = new TFlatHint(form);
        hint->SetColorBorder(kFrame);
        hint->SetColorArrow(kArrow);
        window = std::make_unique<TFlatHintWindow>(nullptr);
    }
    void TearDown() override
    {
        window.reset();
        ContainerForm::TearDown();
    }
    // The expected text extent, measured as the window measures it.
    SIZE Wrapped(const std::string& text, int width)
    {
        TMemoryDC mem(nullptr, 1, 1);
        TCanvas canvas(mem.Handle());
        canvas.Font = hint->Font();
        RECT r{0, 0, width, 0};
        canvas.DrawText(text, r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        return {r.right, r.bottom};
    }
};

const char* const kShort = "Speichert die Einstellungen";
const char* const kLong =
    "Dieser Hinweis ist so lang, dass er in der erlaubten Breite nicht auf eine Zeile passt und umbrochen wird";

} // namespace

TEST_F(FlatHint, TakesOverTheApplicationsTooltips)
{
    TApplication* app = Application();
    EXPECT_EQ(app->HintShortPause, 25);
    EXPECT_EQ(app->HintPause, 500);
    EXPECT_EQ(app->HintHidePause, 5000);
    EXPECT_TRUE(app->ShowHint());
    std::unique_ptr<THintWindow> made(app->HintWindowClass(nullptr));
    EXPECT_NE(dynamic_cast<TFlatHintWindow*>(made.get()), nullptr);
    EXPECT_EQ(FindFlatHint(), hint);
    EXPECT_EQ(hint->MaxHintWidth(), 200);
    EXPECT_EQ(hint->ColorArrowBackground(), kArrowBack);
    EXPECT_EQ(hint->ColorBackground(), clWhite);

    // The show-hint event goes on to ours.
    int seen = 0;
    hint->OnShowHint = [&](std::string& text, bool& canShow, THintInfo&) {
        ++seen;
        text = "geändert";
        canShow = false;
    };
    std::string text = "Hinweis";
    bool canShow = true;
    THintInfo info;
    ASSERT_TRUE(app->OnShowHint);
    app->OnShowHint(text, canShow, info);
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(text, "geändert");
    EXPECT_FALSE(canShow);
}

TEST_F(FlatHint, TheApplicationShowsItsHintsInAFlatWindow)
{
    auto* control = Make<TPanel>(form, 10, 10);
    control->SetHint(kShort);
    control->SetShowHint(true);
    form->Show();
    Application()->MouseOver(control, form->Handle());
    Application()->ActivateHint({300, 300});
    auto* shown = dynamic_cast<TFlatHintWindow*>(Application()->HintWindow());
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(IsWindowVisible(shown->Handle()));
    EXPECT_TRUE(GetWindowLongA(shown->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_NE(GetActiveWindow(), shown->Handle());
    const SIZE text = Wrapped(kShort, 178);
    RECT r;
    GetWindowRect(shown->Handle(), &r);
    EXPECT_EQ(r.right - r.left, text.cx + 22);
    EXPECT_EQ(r.bottom - r.top, text.cy + 6);
    Application()->CancelHint();
    Application()->MouseOver(nullptr, nullptr);
}

TEST_F(FlatHint, SizeIsTheTextPlusFrameArrowAndMarginsAndLongTextWraps)
{
    const SIZE one = Wrapped(kShort, 178);
    RECT r = window->CalcHintRect(1000, kShort);
    EXPECT_EQ(r.right - r.left, one.cx + 22);
    EXPECT_EQ(r.bottom - r.top, one.cy + 6);
    // Ampersands are text, not accelerator marks.
    r = window->CalcHintRect(1000, "Grafik && Sound");
    EXPECT_EQ(r.right - r.left, TextSize(hint->Font(), "Grafik && Sound").cx + 22);

    r = window->CalcHintRect(1000, kLong);
    EXPECT_LE(r.right - r.left, 200);
    EXPECT_GE(r.bottom - r.top, 2 * one.cy + 6) << "wrapped onto several lines";
    EXPECT_EQ(r.bottom - r.top, Wrapped(kLong, 178).cy + 6);
    hint->SetMaxHintWidth(400);
    EXPECT_EQ(window->CalcHintRect(0, kLong).right, Wrapped(kLong, 378).cx + 22);
}

TEST_F(FlatHint, PlacedAwayFromTheNearestScreenEdges)
{
    const int W = Screen()->Width(), H = Screen()->Height();
    const RECT size = window->CalcHintRect(0, kShort);
    const int w = size.right, h = size.bottom;
    struct Case {
        POINT cursor;
        THintPlacement placement;
        RECT expected;
    } cases[] = {
        {{100, 80}, hpBelowRight, {112, 92, 112 + w, 92 + h}},
        {{W - 100, 80}, hpBelowLeft, {W - 105 - w, 85, W - 105, 85 + h}},
        {{100, H - 80}, hpAboveRight, {105, H - 85 - h, 105 + w, H - 85}},
        {{W - 100, H - 80}, hpAboveLeft, {W - 105 - w, H - 85 - h, W - 105, H - 85}},
    };
    for (const Case& c : cases) {
        window->ActivateHintAt(c.cursor, size, kShort);
        EXPECT_EQ(window->Placement(), c.placement);
        RECT r;
        GetWindowRect(window->Handle(), &r);
        EXPECT_EQ(r.left, c.expected.left) << c.placement;
        EXPECT_EQ(r.top, c.expected.top) << c.placement;
        EXPECT_EQ(r.right, c.expected.right) << c.placement;
        EXPECT_EQ(r.bottom, c.expected.bottom) << c.placement;
        EXPECT_TRUE(IsWindowVisible(window->Handle()));
    }
}

TEST_F(FlatHint, ArrowAreaOnTheSideOfThePointerWithTheArrowInItsCorner)
{
    const RECT size = window->CalcHintRect(0, kShort);
    const int w = size.right, h = size.bottom;
    const COLORREF back = ColorToRGB(kBack), arrowBack = ColorToRGB(kArrowBack);
    const COLORREF frame = ColorToRGB(kFrame), arrow = ColorToRGB(kArrow);
    // Pointer in the top right quarter: the window stands below left, the
    // arrow area is on its right and the arrow's anchor at (w - 4, 3).
    window->ActivateHintAt({Screen()->Width() - 50, 50}, size, kShort);
    {
        Painted p(*window);
        EXPECT_EQ(p(0, 0), frame);
        EXPECT_EQ(p(w - 1, h - 1), frame);
        EXPECT_EQ(p(w - 2, h - 2), arrowBack);
        EXPECT_EQ(p(w - 15, h - 2), arrowBack);
        EXPECT_EQ(p(w - 16, h - 2), back);
        EXPECT_EQ(p(1, h - 2), back);
        const int ax = w - 4, ay = 3;
        EXPECT_EQ(p(ax, ay), arrow);
        EXPECT_EQ(p(ax, ay + 5), arrow);
        EXPECT_EQ(p(ax - 5, ay), arrow);
        EXPECT_EQ(p(ax - 4, ay + 6), arrow);
        EXPECT_EQ(p(ax - 7, ay + 5), arrow);
        EXPECT_EQ(p(ax - 1, ay + 8), arrowBack);
        EXPECT_EQ(p(ax + 1, ay), arrowBack);
    }
    // Bottom left quarter: above right, arrow area on the left, anchor
    // (3, h - 4), both mirrored.
    window->ActivateHintAt({50, Screen()->Height() - 50}, size, kShort);
    {
        Painted p(*window);
        EXPECT_EQ(p(1, 1), arrowBack);
        EXPECT_EQ(p(14, 1), arrowBack);
        EXPECT_EQ(p(15, 1), back);
        EXPECT_EQ(p(w - 2, 1), back);
        const int ax = 3, ay = h - 4;
        EXPECT_EQ(p(ax, ay), arrow);
        EXPECT_EQ(p(ax, ay - 5), arrow);
        EXPECT_EQ(p(ax + 5, ay), arrow);
        EXPECT_EQ(p(ax + 4, ay - 6), arrow);
        EXPECT_EQ(p(ax + 7, ay - 5), arrow);
        EXPECT_EQ(p(ax + 1, ay - 8), arrowBack);
    }
    // Top left: below right; bottom right: above left.
    window->ActivateHintAt({50, 50}, size, kShort);
    {
        Painted p(*window);
        EXPECT_EQ(p(1, h - 2), arrowBack);
        EXPECT_EQ(p(w - 2, h - 2), back);
        EXPECT_EQ(p(3, 3), arrow);
        EXPECT_EQ(p(3 + 5, 3), arrow);
        EXPECT_EQ(p(3 + 4, 3 + 6), arrow);
    }
    window->ActivateHintAt({Screen()->Width() - 50, Screen()->Height() - 50}, size, kShort);
    {
        Painted p(*window);
        EXPECT_EQ(p(w - 2, 1), arrowBack);
        EXPECT_EQ(p(1, 1), back);
        EXPECT_EQ(p(w - 4, h - 4), arrow);
        EXPECT_EQ(p(w - 4 - 5, h - 4), arrow);
        EXPECT_EQ(p(w - 4 - 4, h - 4 - 6), arrow);
    }
}

TEST_F(FlatHint, ArrowPolylineHas18PointsMirroredPerPlacement)
{
    const RECT client{0, 0, 120, 30};
    const std::vector<TPoint> belowLeft = TFlatHintWindow::ArrowPoints(client, hpBelowLeft);
    const int bl[18][2] = {{116, 3}, {116, 9}, {115, 9}, {115, 3}, {110, 3}, {110, 4}, {114, 4}, {114, 7}, {111, 10},
                           {110, 10}, {113, 7}, {113, 6}, {110, 9}, {109, 9}, {113, 5}, {112, 5}, {109, 8}, {109, 9}};
    ASSERT_EQ(belowLeft.size(), 18u);
    for (int i = 0; i < 18; ++i) {
        EXPECT_EQ(belowLeft[i].x, bl[i][0]) << i;
        EXPECT_EQ(belowLeft[i].y, bl[i][1]) << i;
    }
    // Above right mirrors both axes around the anchor (3, 26).
    const std::vector<TPoint> aboveRight = TFlatHintWindow::ArrowPoints(client, hpAboveRight);
    ASSERT_EQ(aboveRight.size(), 18u);
    for (int i = 0; i < 18; ++i) {
        EXPECT_EQ(aboveRight[i].x, 3 + (116 - bl[i][0])) << i;
        EXPECT_EQ(aboveRight[i].y, 26 - (bl[i][1] - 3)) << i;
    }
    EXPECT_EQ(TFlatHintWindow::ArrowPoints(client, hpBelowRight)[8].x, 3 + 5);
    EXPECT_EQ(TFlatHintWindow::ArrowPoints(client, hpAboveLeft)[8].y, 26 - 7);
}
