#include "controls/FlatUtilitys.h"
#include "controls/TFlatComboBoxUnit.h"
#include "EditComboFixture.h"
#include "framework/SysUtils.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <utility>

namespace {

using namespace editcombo;

constexpr COLORREF kBorder = RGB(0xA0, 0x96, 0x83);
constexpr COLORREF kArrowBack = RGB(0xD9, 0xD6, 0xC5);
constexpr COLORREF kGrey = RGB(0x80, 0x80, 0x80);
constexpr COLORREF kWhite = RGB(255, 255, 255);

using Pixels = std::set<std::pair<int, int>>;

struct FlatComboTest : FormTest {
    TFlatComboBox* combo = nullptr;
    void SetUp() override
    {
        FormTest::SetUp();
        combo = Make<TFlatComboBox>(10, 10);
        combo->SetStyle(csDropDownList);
        combo->SetWidth(100);
        form->Show();
    }
    struct Painted {
        TMemoryDC mem;
        explicit Painted(const TFlatComboBox& combo) : mem(nullptr, combo.Width(), combo.Height())
        {
            TCanvas canvas(mem.Handle());
            canvas.FillRect({0, 0, combo.Width(), combo.Height()}, RGBColor(1, 2, 3));
            combo.PaintFrame(canvas);
        }
        COLORREF operator()(int x, int y) const { return mem.Pixel(x, y); }
    };
    // The arrow's three rows in a box 100 wide: the button spans x 86..96
    // and y 3..height-4, the triangle x 89..93 around the button's middle row.
    int ArrowTop() const { return 3 + (combo->Height() - 6 - 3) / 2; }
    Pixels Down(int dx = 0, int dy = 0) const
    {
        const int top = ArrowTop();
        Pixels p;
        for (int x = 89; x <= 93; ++x)
            p.insert({x + dx, top + dy});
        for (int x = 90; x <= 92; ++x)
            p.insert({x + dx, top + 1 + dy});
        p.insert({91 + dx, top + 2 + dy});
        return p;
    }
    Pixels Up() const
    {
        const int top = ArrowTop();
        Pixels p;
        p.insert({91, top});
        for (int x = 90; x <= 92; ++x)
            p.insert({x, top + 1});
        for (int x = 89; x <= 93; ++x)
            p.insert({x, top + 2});
        return p;
    }
    // Every pixel inside the button's frame is the arrow colour where
    // expected says so and the button fill elsewhere.
    void ExpectButton(const Painted& px, const std::function<COLORREF(int, int)>& expected) const
    {
        for (int y = 4; y <= combo->Height() - 5; ++y)
            for (int x = 87; x <= 95; ++x)
                ASSERT_EQ(px(x, y), expected(x, y)) << "at " << x << "," << y;
    }
};

} // namespace

TEST_F(FlatComboTest, ArrowPointsDownUpWhileOpenAndIsEmbossedWhenDisabled)
{
    // The system makes the box character height + 8 high.
    ASSERT_EQ(combo->Height(), CharHeight(-11) + 8);
    // The middle row of the button is the arrow's middle row.
    ASSERT_EQ(ArrowTop() + 1, (3 + combo->Height() - 4) / 2);
    combo->Items().Add("Anna");
    {
        const Pixels down = Down();
        Painted px(*combo);
        ExpectButton(px, [&](int x, int y) { return down.count({x, y}) ? RGB(0, 0, 0) : kArrowBack; });
    }
    combo->SetColorArrow(RGBColor(0, 0, 255));
    combo->SetDroppedDown(true);
    ASSERT_TRUE(combo->DroppedDown());
    {
        const Pixels up = Up();
        Painted px(*combo);
        ExpectButton(px, [&](int x, int y) { return up.count({x, y}) ? RGB(0, 0, 255) : kArrowBack; });
    }
    combo->SetDroppedDown(false);
    combo->SetEnabled(false);
    {
        const Pixels grey = Down(), white = Down(1, 1);
        Painted px(*combo);
        ExpectButton(px, [&](int x, int y) {
            if (grey.count({x, y}))
                return kGrey;
            return white.count({x, y}) ? kWhite : kArrowBack;
        });
    }
}

TEST_F(FlatComboTest, FrameButtonAndTextAreaColours)
{
    combo->SetColor(RGBColor(250, 240, 230));
    const COLORREF own = RGB(250, 240, 230);
    const int b = combo->Height() - 1;
    Painted px(*combo);
    // Outer ring in the border colour, two rings inside in Color.
    for (auto [x, y] : {std::pair{0, 0}, {50, 0}, {99, 0}, {0, 10}, {99, 10}, {0, b}, {50, b}, {99, b}})
        EXPECT_EQ(px(x, y), kBorder) << x << "," << y;
    for (auto [x, y] : {std::pair{1, 1}, {2, 2}, {50, 1}, {50, 2}, {98, 10}, {97, 10}, {50, b - 1}, {50, b - 2}, {1, 10}, {2, 10}})
        EXPECT_EQ(px(x, y), own) << x << "," << y;
    // The button: framed in the border colour, 11 wide, inside the rings.
    for (auto [x, y] : {std::pair{86, 3}, {96, 3}, {86, b - 3}, {96, b - 3}, {86, 10}, {91, 3}, {91, b - 3}})
        EXPECT_EQ(px(x, y), kBorder) << x << "," << y;
    EXPECT_EQ(px(87, 4), kArrowBack);
    EXPECT_EQ(px(85, 10), own) << "text area, unfocused";
    EXPECT_EQ(px(40, b - 3), own);

    // Focused and closed: the text area is highlighted.
    combo->SetFocus();
    const COLORREF highlight = ColorToRGB(clHighlight);
    EXPECT_EQ(Painted(*combo)(85, 10), highlight);
    EXPECT_EQ(Painted(*combo)(3, 3), highlight);
    EXPECT_EQ(Painted(*combo)(2, 2), own) << "the rings stay";
    combo->SetDroppedDown(true);
    EXPECT_EQ(Painted(*combo)(85, 10), own) << "open list: no highlight";
    combo->SetDroppedDown(false);
    EXPECT_EQ(Painted(*combo)(85, 10), highlight);

    // The window shows the same.
    HWND wnd = combo->Handle();
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetDC(wnd);
    EXPECT_EQ(GetPixel(dc, 0, 0), kBorder);
    EXPECT_EQ(GetPixel(dc, 87, 4), kArrowBack);
    EXPECT_EQ(GetPixel(dc, 91, ArrowTop()), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 85, 10), highlight);
    ReleaseDC(wnd, dc);
}

TEST_F(FlatComboTest, OpenListHeightFollowsItemsDropDownCountAndItemHeight)
{
    // Tahoma 8 is 12 pixels high here: round(13.5) - 2 = 12 per row.
    ASSERT_EQ(CharHeight(-11), 12);
    // Empty list: 4 or less becomes 10.
    EXPECT_EQ(combo->DropDownListHeight(), 10);
    for (const char* name : {"Anna", "Bernd", "Clara"})
        combo->Items().Add(name);
    EXPECT_EQ(combo->DropDownListHeight(), 3 * 12 + 4);
    combo->SetDroppedDown(true);
    RECT list;
    GetWindowRect(combo->ListHandle(), &list);
    EXPECT_EQ(list.bottom - list.top, 3 * 12 + 4) << "the open list gets that height";
    combo->SetDroppedDown(false);

    for (int i = 0; i < 10; ++i)
        combo->Items().Add("x");
    EXPECT_EQ(combo->DropDownListHeight(), 8 * 12 + 4) << "at most DropDownCount rows";
    combo->SetDropDownCount(2);
    EXPECT_EQ(combo->DropDownListHeight(), 2 * 12 + 4);

    // A larger font, 17 pixels high: round(19.125) - 2 = 17 per row.
    combo->Font().SetHeight(-16);
    ASSERT_EQ(CharHeight(-16), 17);
    EXPECT_EQ(combo->DropDownListHeight(), 2 * 17 + 4);

    // Owner-drawn rows are ItemHeight high.
    combo->SetStyle(csOwnerDrawFixed);
    combo->SetItemHeight(20);
    EXPECT_EQ(combo->DropDownListHeight(), 2 * 20 + 4);
}

TEST_F(FlatComboTest, FontChangeResetsItemHeightTo13)
{
    combo->SetStyle(csOwnerDrawFixed);
    EXPECT_EQ(combo->ItemHeight(), 13);
    combo->SetItemHeight(24);
    EXPECT_EQ(combo->ItemHeight(), 24);
    EXPECT_EQ(SendMessageA(combo->Handle(), CB_GETITEMHEIGHT, 0, 0), 24);
    combo->Font().SetStyle(fsBold);
    EXPECT_EQ(combo->ItemHeight(), 13);
    EXPECT_EQ(SendMessageA(combo->Handle(), CB_GETITEMHEIGHT, 0, 0), 13);
}

TEST_F(FlatComboTest, DerivedColoursComeFromTheParentWhileTheComboKeepsItsOwn)
{
    EXPECT_EQ(combo->Color(), clWindow);
    combo->SetUseAdvColors(true);
    form->SetColor(clWhite);
    EXPECT_EQ(combo->Color(), clWindow) << "the combo box keeps its colour";
    int h, l, s;
    // White: lightness 240 + 10 - 50 for the border, - 10 for the button.
    RGBToHLS240(ColorToRGB(combo->ColorBorder()), h, l, s);
    EXPECT_EQ(l, 200);
    RGBToHLS240(ColorToRGB(combo->ColorArrowBackground()), h, l, s);
    EXPECT_EQ(l, 240);
    form->SetColor(RGBColor(0, 0, 0));
    RGBToHLS240(ColorToRGB(combo->ColorArrowBackground()), h, l, s);
    EXPECT_EQ(l, 0);
}

TEST_F(FlatComboTest, DropDownListTakesNoTypingAndShowsTheChosenItem)
{
    for (const char* name : {"Anna", "Bernd"})
        combo->Items().Add(name);
    combo->SetItemIndex(0);
    int changes = 0;
    combo->OnChange = [&](TObject*) { ++changes; };
    combo->SetFocus();
    ASSERT_EQ(GetFocus(), combo->Handle()) << "no edit of its own takes the keys";
    for (char c : std::string("Qxz"))
        SendMessageA(GetFocus(), WM_CHAR, static_cast<unsigned char>(c), 0);
    EXPECT_EQ(WindowText(combo->Handle()), "Anna");
    EXPECT_EQ(changes, 0);
    // The keys did arrive: a letter that begins an item chooses it.
    SendMessageA(GetFocus(), WM_CHAR, 'B', 0);
    EXPECT_EQ(combo->Text(), "Bernd");
    EXPECT_EQ(changes, 1);
}
