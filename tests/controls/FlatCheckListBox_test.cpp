#include "controls/TFlatCheckListBoxUnit.h"

#include "ControlTestForm.h"

#include <string>

namespace {

struct FlatCheckListBoxTest : ControlFormTest {
    TFlatCheckListBox* list = nullptr;
    HWND wnd = nullptr;
    int clickChecks = 0;
    void SetUp() override
    {
        ControlFormTest::SetUp();
        list = new TFlatCheckListBox(form);
        list->SetParent(form);
        for (int i = 0; i < 8; ++i)
            list->Items().Add("Hinweis " + std::to_string(i));
        list->OnClickCheck = [this](TObject*) { ++clickChecks; };
        wnd = list->Handle();
    }
    // The tick box of visible row k.
    RECT Box(int row) const
    {
        const RECT r = list->RowRect(row);
        return {r.left + 3, r.top + 3, r.left + 14, r.top + 14};
    }
};

} // namespace

TEST_F(FlatCheckListBoxTest, TickBoxPressesToggleAndReportRowPressesHighlight)
{
    int clicks = 0;
    list->OnClick = [&](TObject*) { ++clicks; };
    const RECT box = Box(0);
    Click(wnd, box.left, box.top);
    EXPECT_TRUE(list->ItemChecked(0));
    EXPECT_EQ(clickChecks, 1);
    EXPECT_EQ(list->HighlightedItem(), -1) << "a tick does not highlight";
    Click(wnd, box.right - 1, box.bottom - 1);
    EXPECT_FALSE(list->ItemChecked(0));
    Click(wnd, box.right, box.top + 2);
    EXPECT_FALSE(list->ItemChecked(0)) << "just right of the box is the row";
    EXPECT_EQ(list->HighlightedItem(), 0);
    EXPECT_EQ(clickChecks, 2);
    Click(wnd, 60, list->RowRect(3).bottom);
    EXPECT_EQ(list->HighlightedItem(), 0) << "the gap between rows is no row";
    EXPECT_EQ(clicks, 4) << "every press released inside is one click";

    // Scrolled: the rows show other items. Space ticks without OnClickCheck.
    Key(wnd, VK_DOWN);
    Key(wnd, VK_DOWN);
    Click(wnd, Box(1).left + 1, Box(1).top + 1);
    EXPECT_TRUE(list->ItemChecked(3));
    Click(wnd, 60, list->RowRect(2).top);
    EXPECT_EQ(list->HighlightedItem(), 4);
    Key(wnd, VK_SPACE);
    EXPECT_TRUE(list->ItemChecked(4));
    EXPECT_EQ(clickChecks, 3);
}

TEST_F(FlatCheckListBoxTest, EmptyRowsTakeNothingAndRefillingRemovesTheTicks)
{
    Key(wnd, VK_SPACE);
    EXPECT_FALSE(list->ItemChecked(0)) << "nothing highlighted, nothing toggled";
    list->Items().Clear();
    list->Items().Add("eins");
    Click(wnd, Box(2).left + 2, Box(2).top + 2);
    Click(wnd, 60, list->RowRect(3).top + 4);
    EXPECT_FALSE(list->ItemChecked(2));
    EXPECT_EQ(list->HighlightedItem(), -1);
    EXPECT_EQ(clickChecks, 0);

    Click(wnd, Box(0).left + 2, Box(0).top + 2);
    ASSERT_TRUE(list->ItemChecked(0));
    list->Items().Clear();
    list->Items().Add("eins");
    EXPECT_FALSE(list->ItemChecked(0)) << "clearing and refilling removes all ticks";
}

TEST_F(FlatCheckListBoxTest, LosingTheFocusForgetsTheHighlightedItem)
{
    auto* other = new TFlatCheckListBox(form);
    other->SetParent(form);
    other->SetLeft(150);
    form->Show();
    Click(wnd, 60, list->RowRect(1).top + 5);
    ASSERT_TRUE(list->Focused()) << "a press takes the focus";
    ASSERT_EQ(list->HighlightedItem(), 1);
    other->SetFocus();
    EXPECT_EQ(list->HighlightedItem(), -1);
}

TEST_F(FlatCheckListBoxTest, PaintsTicksTickBoxesAndTheHighlightedRow)
{
    list->SetColorCheck(RGBColor(0, 0, 200));
    Click(wnd, Box(0).left + 1, Box(0).top + 1);
    Click(wnd, 100, list->RowRect(1).top + 5);
    TMemoryDC mem(nullptr, list->Width(), list->Height());
    TCanvas canvas(mem.Handle());
    list->Paint(canvas);

    const COLORREF tick = RGB(0, 0, 200), white = RGB(255, 255, 255);
    const COLORREF border = RGB(0xA0, 0x96, 0x83), select = RGB(0xF7, 0xDE, 0x9C);
    auto at = [&](const RECT& box, int x, int y) { return mem.Pixel(box.left + x, box.top + y); };
    // Every line of the tick: first points drawn, end points left out.
    for (POINT p : {POINT{2, 4}, POINT{5, 7}, POINT{2, 5}, POINT{4, 7}, POINT{2, 6}, POINT{4, 8}, POINT{8, 2},
                    POINT{5, 5}, POINT{8, 3}, POINT{5, 6}, POINT{8, 4}, POINT{6, 6}})
        EXPECT_EQ(at(Box(0), p.x, p.y), tick) << p.x << "," << p.y;
    for (POINT p : {POINT{6, 8}, POINT{5, 9}, POINT{4, 9}, POINT{8, 8}, POINT{2, 2}, POINT{9, 5}})
        EXPECT_EQ(at(Box(0), p.x, p.y), white) << p.x << "," << p.y;
    EXPECT_EQ(at(Box(0), 0, 0), border);
    EXPECT_EQ(at(Box(0), 10, 10), border);
    EXPECT_EQ(at(Box(0), 11, 5), white) << "the box is 11 pixels";

    // The highlighted row: filled and framed, its empty box white.
    const RECT row1 = list->RowRect(1), row2 = list->RowRect(2);
    EXPECT_EQ(mem.Pixel(row1.right - 5, row1.top + 8), select);
    EXPECT_EQ(mem.Pixel(row1.left, row1.top), border);
    EXPECT_EQ(at(Box(1), 0, 5), border);
    EXPECT_EQ(at(Box(1), 2, 5), white);
    EXPECT_EQ(mem.Pixel(row2.right - 5, row2.top + 8), white);
    EXPECT_EQ(mem.Pixel(row2.left, row2.top), white);
}

// Every index can be ticked, also from 256 on, and each toggle is reported
// once: by the mouse to both events, by the space bar to OnMarkToggled only.
TEST_F(FlatCheckListBoxTest, TickBoxesFrom256OnTickAndReportEachChangeOnce)
{
    int toggles = 0;
    list->OnMarkToggled = [&](TObject*) { ++toggles; };
    list->Items().Clear();
    for (int i = 0; i < 300; ++i)
        list->Items().Add("Hinweis " + std::to_string(i));
    while (list->TopIndex() < 254)
        Key(wnd, VK_DOWN);
    struct Row {
        int row, index;
    } const rows[] = {{0, 254}, {1, 255}, {2, 256}, {3, 257}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.index);
        for (bool ticked : {true, false}) {
            const int checks = clickChecks, toggled = toggles;
            Click(wnd, Box(r.row).left + 2, Box(r.row).top + 2);
            EXPECT_EQ(list->ItemChecked(r.index), ticked);
            EXPECT_EQ(clickChecks - checks, 1);
            EXPECT_EQ(toggles - toggled, 1);
        }
    }
    Click(wnd, 60, list->RowRect(3).top + 5);
    ASSERT_EQ(list->HighlightedItem(), 257);
    Key(wnd, VK_SPACE);
    EXPECT_TRUE(list->ItemChecked(257));
    EXPECT_EQ(toggles, 9);
    EXPECT_EQ(clickChecks, 8);
}
