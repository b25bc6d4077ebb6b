#include "controls/TFlatCheckListBoxUnit.h"
#include "controls/TFlatListBoxUnit.h"
#include "framework/Timer.h"

#include "ControlTestForm.h"

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kBorder = RGB(0xA0, 0x96, 0x83), kSelect = RGB(0xF7, 0xDE, 0x9C);
constexpr COLORREF kWhite = RGB(255, 255, 255), kGrey = RGB(0x80, 0x80, 0x80), kBlack = RGB(0, 0, 0);
constexpr COLORREF kFormColor = RGB(200, 210, 220);

struct FlatListBoxTest : ControlFormTest {
    TFlatListBox* list = nullptr;
    HWND wnd = nullptr;
    void SetUp() override
    {
        ControlFormTest::SetUp();
        list = new TFlatListBox(form);
        list->SetParent(form);
        wnd = list->Handle();
    }
    void Fill(int count)
    {
        list->Items().Clear();
        for (int i = 0; i < count; ++i)
            list->Items().Add("Eintrag " + std::to_string(i));
    }
    void ClickRow(int row)
    {
        const RECT r = list->RowRect(row);
        Click(wnd, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    // TopIndex after each of the keys or wheel deltas.
    std::vector<int> Tops(std::initializer_list<int> inputs, bool wheel)
    {
        std::vector<int> tops;
        for (int input : inputs) {
            if (wheel)
                Wheel(wnd, static_cast<short>(input));
            else
                Key(wnd, static_cast<WORD>(input));
            tops.push_back(list->TopIndex());
        }
        return tops;
    }
};

} // namespace

TEST_F(FlatListBoxTest, RowsFollowItemHeightAndScrollBarsAndTheHeightKeepsWholeRows)
{
    EXPECT_EQ(list->Height(), 99);
    EXPECT_EQ(list->VisibleCount(), 5);
    list->SetScrollBars(true);
    EXPECT_EQ(list->Height(), 119) << "20 pixels for the two buttons";
    EXPECT_EQ(list->VisibleCount(), 5);
    const RECT first = list->RowRect(0);
    EXPECT_EQ(first.left, 3);
    EXPECT_EQ(first.top, 13);
    EXPECT_EQ(first.right, 134);
    EXPECT_EQ(first.bottom, 30);
    EXPECT_EQ(list->RowRect(1).top, 32);

    list->SetHeight(309);
    EXPECT_EQ(list->Height(), 309);
    EXPECT_EQ(list->VisibleCount(), 15);
    list->SetHeight(300);
    EXPECT_EQ(list->Height(), 290);
    EXPECT_EQ(list->VisibleCount(), 14);
    RECT window;
    GetWindowRect(wnd, &window);
    EXPECT_EQ(window.bottom - window.top, 290) << "the window follows";

    list->SetScrollBars(false);
    EXPECT_EQ(list->Height(), 270);
    EXPECT_EQ(list->RowRect(0).top, 3);
    list->SetItemHeight(0);
    EXPECT_EQ(list->ItemHeight(), 1);
    EXPECT_EQ(list->VisibleCount(), 88);
    EXPECT_EQ(list->Height(), 268);
}

TEST_F(FlatListBoxTest, KeysAndWheelScrollWithinTheItems)
{
    Fill(20);
    EXPECT_EQ(Tops({VK_NEXT, VK_NEXT, VK_NEXT, VK_NEXT, VK_DOWN, VK_UP, VK_NEXT}, false),
              (std::vector<int>{5, 10, 15, 15, 15, 14, 15}));
    EXPECT_EQ(Tops({VK_PRIOR, VK_PRIOR, VK_PRIOR, VK_PRIOR, VK_UP, VK_DOWN}, false),
              (std::vector<int>{10, 5, 0, 0, 0, 1}));

    UINT lines = 0;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    const int step = static_cast<int>(lines);
    ASSERT_TRUE(step > 0 && step < 15);
    Key(wnd, VK_UP);
    EXPECT_EQ(Tops({-120}, true), (std::vector<int>{step}));
    EXPECT_EQ(Tops({-120, -120, -120, -120, -120, -120}, true).back(), 15) << "never beyond count - VisibleCount";
    EXPECT_EQ(Tops({120, 120, 120, 120, 120, 120}, true).back(), 0) << "never below 0";
    // No lines per notch: a page.
    Key(wnd, VK_PRIOR);
    if (SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, 0, nullptr, 0)) {
        Wheel(wnd, -120);
        SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, lines, nullptr, 0);
        EXPECT_EQ(list->TopIndex(), 5);
    }

    Fill(3);
    Key(wnd, VK_PRIOR);
    EXPECT_EQ(Tops({VK_NEXT, VK_DOWN}, false).back(), 0) << "a list shorter than a page never moves";
    EXPECT_EQ(Tops({-120}, true), (std::vector<int>{0}));
}

TEST_F(FlatListBoxTest, ScrollButtonsMoveAtOnceThenRepeatAfter600AndEvery100Milliseconds)
{
    Fill(20);
    list->SetScrollBars(true);
    TTimer* timer = TFlatListBox::ScrollTimer();
    ASSERT_NE(timer, nullptr);
    EXPECT_NE(timer, TFlatCheckListBox::ScrollTimer()) << "one timer per class";
    EXPECT_FALSE(timer->Enabled());
    const int bottom = list->Height() - 5;
    auto tick = [&] { SendMessageA(TTimer::WindowHandle(), WM_TIMER, timer->Id(), 0); };

    SendMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, At(60, bottom));
    EXPECT_EQ(list->TopIndex(), 1) << "one item at once";
    EXPECT_TRUE(timer->Enabled());
    EXPECT_EQ(timer->Interval(), 600u);
    tick();
    EXPECT_EQ(list->TopIndex(), 2);
    EXPECT_EQ(timer->Interval(), 100u);
    for (int i = 0; i < 20; ++i)
        tick();
    EXPECT_EQ(list->TopIndex(), 15);
    EXPECT_FALSE(timer->Enabled()) << "stops at the last page";
    SendMessageA(wnd, WM_LBUTTONUP, 0, At(60, bottom));
    EXPECT_EQ(timer->Interval(), 600u);

    SendMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, At(60, 3));
    tick();
    EXPECT_EQ(list->TopIndex(), 13);
    SendMessageA(wnd, WM_LBUTTONUP, 0, At(60, 3));
    EXPECT_FALSE(timer->Enabled()) << "released: the repeat ends";
    EXPECT_EQ(timer->Interval(), 600u);
    SendMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, At(60, 3));
    for (int i = 0; i < 15; ++i)
        tick();
    EXPECT_EQ(list->TopIndex(), 0);
    EXPECT_FALSE(timer->Enabled()) << "stops at the top";
    SendMessageA(wnd, WM_LBUTTONUP, 0, At(60, 3));

    delete list;
    list = nullptr;
    EXPECT_EQ(TFlatListBox::ScrollTimer(), nullptr) << "gone with the last instance";
}

TEST_F(FlatListBoxTest, ArrowsTurnGreyWhereTheViewCannotMove)
{
    Fill(20);
    list->SetScrollBars(true);
    const int h = list->Height(), cx = list->Width() / 2;
    TMemoryDC mem(nullptr, list->Width(), h);
    TCanvas canvas(mem.Handle());
    list->Paint(canvas);
    // The buttons: the list's colour (the form's), framed in the border colour.
    EXPECT_EQ(mem.Pixel(0, 0), kBorder);
    EXPECT_EQ(mem.Pixel(20, 10), kBorder);
    EXPECT_EQ(mem.Pixel(20, 5), kFormColor);
    EXPECT_EQ(mem.Pixel(20, h - 6), kFormColor);
    EXPECT_EQ(mem.Pixel(20, h - 11), kBorder);
    // At the top: the up arrow grey with a white shadow, the down arrow black.
    for (POINT p : {POINT{cx, 4}, POINT{cx - 2, 6}, POINT{cx + 2, 6}})
        EXPECT_EQ(mem.Pixel(p.x, p.y), kGrey);
    EXPECT_EQ(mem.Pixel(cx + 1, 7), kWhite);
    EXPECT_EQ(mem.Pixel(cx + 3, 7), kWhite);
    EXPECT_EQ(mem.Pixel(cx - 3, 6), kFormColor);
    for (POINT p : {POINT{cx, h - 5}, POINT{cx - 2, h - 7}, POINT{cx + 2, h - 7}})
        EXPECT_EQ(mem.Pixel(p.x, p.y), kBlack);
    EXPECT_EQ(mem.Pixel(cx + 3, h - 6), kFormColor) << "no shadow on an active arrow";

    Key(wnd, VK_NEXT);
    list->Paint(canvas);
    EXPECT_EQ(mem.Pixel(cx, 4), kBlack) << "both ways open in the middle";
    EXPECT_EQ(mem.Pixel(cx, h - 5), kBlack);
    for (int i = 0; i < 3; ++i)
        Key(wnd, VK_NEXT);
    list->Paint(canvas);
    EXPECT_EQ(mem.Pixel(cx, 4), kBlack);
    EXPECT_EQ(mem.Pixel(cx, h - 5), kGrey);
    EXPECT_EQ(mem.Pixel(cx + 1, h - 4), kWhite);
    list->SetEnabled(false);
    list->Paint(canvas);
    EXPECT_EQ(mem.Pixel(cx, 4), kGrey) << "disabled: both grey";
}

TEST_F(FlatListBoxTest, PressSelectsOneItemOrTogglesWithMultiSelect)
{
    Fill(10);
    std::vector<std::string> seen;
    // The mark changes on the press, the click comes on the release.
    list->OnClick = [&](TObject*) { seen.push_back("click " + std::to_string(list->ItemSelected(1))); };
    list->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { seen.push_back("down"); };

    EXPECT_EQ(list->SelectedCount(), -1) << "single selection has no count";
    ClickRow(1);
    ClickRow(3);
    EXPECT_FALSE(list->ItemSelected(1));
    EXPECT_TRUE(list->ItemSelected(3));
    EXPECT_EQ(seen, (std::vector<std::string>{"click 1", "click 0"})) << "row presses skip the mouse-down event";
    list->SetItemSelected(4, true);
    EXPECT_FALSE(list->ItemSelected(3));

    list->SetMultiSelect(true);
    EXPECT_EQ(list->SelectedCount(), 1) << "switching keeps the marks";
    ClickRow(1);
    ClickRow(2);
    ClickRow(1);
    EXPECT_FALSE(list->ItemSelected(1)) << "pressing a selected item unselects it";
    EXPECT_EQ(list->SelectedCount(), 2);

    // Select all and invert through the program: no events.
    seen.clear();
    for (int i = 0; i < 10; ++i)
        list->SetItemSelected(i, true);
    EXPECT_EQ(list->SelectedCount(), 10);
    for (int i = 0; i < 10; ++i)
        list->SetItemSelected(i, !list->ItemSelected(i));
    EXPECT_EQ(list->SelectedCount(), 0);
    EXPECT_TRUE(seen.empty());
    // Above the first row, released outside: a mouse-down, no click.
    SendMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, At(60, 1));
    SendMessageA(wnd, WM_LBUTTONUP, 0, At(200, 1));
    EXPECT_EQ(seen, (std::vector<std::string>{"down"}));
}

TEST_F(FlatListBoxTest, EmptyRowsAndIndexesAbove255CannotBeMarked)
{
    Fill(2);
    ClickRow(0);
    ClickRow(4);
    EXPECT_TRUE(list->ItemSelected(0)) << "a press on an empty row keeps the selection";
    EXPECT_FALSE(list->ItemSelected(4));

    list->SetMultiSelect(true);
    Fill(300);
    list->SetItemSelected(256, true);
    EXPECT_FALSE(list->ItemSelected(256));
    EXPECT_EQ(list->SelectedCount(), 0);
    while (list->TopIndex() < 255)
        Key(wnd, VK_DOWN);
    ClickRow(0);
    ClickRow(1);
    EXPECT_TRUE(list->ItemSelected(255));
    EXPECT_FALSE(list->ItemSelected(256)) << "shown, but not markable";
    EXPECT_EQ(list->SelectedCount(), 1);
}

TEST_F(FlatListBoxTest, ItemChangesClearTheMarksWhileEnabledAndWholeListsAreTrimmed)
{
    list->SetMultiSelect(true);
    Fill(5);
    list->SetItemSelected(1, true);
    list->Items().Add("neu");
    EXPECT_EQ(list->SelectedCount(), 0);
    list->SetItemSelected(2, true);
    list->SetEnabled(false);
    list->Items().Delete(0);
    EXPECT_TRUE(list->ItemSelected(2)) << "a disabled list keeps its marks";
    list->SetEnabled(true);

    std::vector<std::string> texts{"  b ", "\ta", "c  "};
    list->SetItems(texts);
    EXPECT_EQ(texts, (std::vector<std::string>{"b", "a", "c"})) << "trimmed in the given list";
    EXPECT_EQ(list->Items().Strings(), texts);
    EXPECT_EQ(list->SelectedCount(), 0);
    std::vector<std::string> tooMany(257, " x ");
    list->SetItems(tooMany);
    EXPECT_EQ(list->Items().Count(), 3) << "more than 256 texts are ignored";
    EXPECT_EQ(tooMany[0], " x ");

    list->SetItemSelected(1, true);
    list->SetSorted(true);
    EXPECT_EQ(list->Items().Strings(), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(list->SelectedCount(), 0);
}

TEST_F(FlatListBoxTest, PaintsSelectedRowsFramedOnTheListBackground)
{
    Fill(3);
    list->SetItemSelected(1, true);
    TMemoryDC mem(nullptr, list->Width(), list->Height());
    TCanvas canvas(mem.Handle());
    list->Paint(canvas);
    const RECT row0 = list->RowRect(0), row1 = list->RowRect(1);
    EXPECT_EQ(mem.Pixel(0, 0), kBorder);
    EXPECT_EQ(mem.Pixel(1, 1), kWhite);
    EXPECT_EQ(mem.Pixel(row0.right - 5, row0.top + 8), kWhite);
    EXPECT_EQ(mem.Pixel(row1.right - 5, row1.top + 8), kSelect);
    EXPECT_EQ(mem.Pixel(row1.left, row1.top), kBorder);
    EXPECT_EQ(mem.Pixel(row1.right - 1, row1.bottom - 1), kBorder);
    EXPECT_EQ(mem.Pixel(row1.left + 5, row1.bottom), kWhite) << "the gap between rows";

    // Transparent: the form shows through.
    list->SetTransparentMode(tmAlways);
    list->SetColorItemsSelect(RGBColor(4, 5, 6));
    list->Paint(canvas);
    EXPECT_EQ(mem.Pixel(1, 1), kFormColor);
    EXPECT_EQ(mem.Pixel(row1.right - 5, row1.top + 8), RGB(4, 5, 6));
}

// The signed delta counts, in notches of 120 summed over the messages, so
// that fine-grained wheels and touchpads scroll too. Each row starts from
// TopIndex 30 of 100 items in a new list.
TEST_F(FlatListBoxTest, WheelScrollsBySignedAccumulatedNotches)
{
    UINT lines = 0;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    const int step = static_cast<int>(lines);
    ASSERT_TRUE(step > 0 && step < 10);
    const UINT roll = RegisterWindowMessageA("MSWHEEL_ROLLMSG");
    struct Row {
        const char* name;
        bool rollMessage;
        std::vector<int> deltas;
        int notchesDown;
    } const rows[] = {
        {"one notch down", false, {-120}, 1},
        {"one notch up", false, {120}, -1},
        {"+392 is three notches up", false, {392}, -3},
        {"two notches in one message", false, {-240}, 2},
        {"thirds of a notch add up", false, {-40, -40, -40}, 1},
        {"two thirds are not yet a notch", false, {-40, -40}, 0},
        {"halves up", false, {60, 60, 60}, -1},
        {"the remainder is kept", false, {-100, -100, -100, -100, -100, -100}, 5},
        {"a turn back starts afresh", false, {-100, 100, 100}, -1},
        {"old driver: wParam is the delta", true, {-120}, 1},
        {"old driver: up", true, {240}, -2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        delete list;
        list = new TFlatListBox(form);
        list->SetParent(form);
        wnd = list->Handle();
        Fill(100);
        for (int i = 0; i < 6; ++i)
            Key(wnd, VK_NEXT);
        ASSERT_EQ(list->TopIndex(), 30);
        for (int delta : row.deltas) {
            if (row.rollMessage)
                SendMessageA(wnd, roll, static_cast<WPARAM>(static_cast<INT_PTR>(delta)), 0);
            else
                Wheel(wnd, static_cast<short>(delta));
        }
        EXPECT_EQ(list->TopIndex(), 30 + row.notchesDown * step);
    }
}

// After any change of the items the view shows items in every row it can:
// TopIndex is at most count - VisibleCount, and 0 for a short list.
TEST_F(FlatListBoxTest, ItemChangesClampTheView)
{
    struct Row {
        const char* name;
        std::function<void(FlatListBoxTest&)> change;
        int top;
    } const rows[] = {
        {"refill 20 to 3", [](FlatListBoxTest& t) { t.Fill(3); }, 0},
        {"delete down to 8",
         [](FlatListBoxTest& t) {
             while (t.list->Items().Count() > 8)
                 t.list->Items().Delete(0);
         },
         3},
        {"clear", [](FlatListBoxTest& t) { t.list->Items().Clear(); }, 0},
        {"delete the last", [](FlatListBoxTest& t) { t.list->Items().Delete(19); }, 14},
        {"whole list of 2", [](FlatListBoxTest& t) {
             std::vector<std::string> two{"a", "b"};
             t.list->SetItems(two);
         }, 0},
        {"adding keeps the view", [](FlatListBoxTest& t) { t.list->Items().Add("neu"); }, 15},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Fill(20);
        for (int i = 0; i < 4; ++i)
            Key(wnd, VK_NEXT);
        ASSERT_EQ(list->TopIndex(), 15);
        row.change(*this);
        EXPECT_EQ(list->TopIndex(), row.top);
    }
    // Shrunk while disabled, too.
    Fill(20);
    Key(wnd, VK_NEXT);
    list->SetEnabled(false);
    Fill(2);
    EXPECT_EQ(list->TopIndex(), 0);
}
