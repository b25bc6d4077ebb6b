#include "controls/TFlatCheckBoxUnit.h"

#include "FlatButtonTestKit.h"

#include <functional>
#include <set>
#include <utility>

using namespace flatkit;

namespace {

const COLORREF kBorder = RGB(0xA0, 0x96, 0x83);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);

using Pixels = std::set<std::pair<int, int>>;

// The six tick lines, each up to but not including its end point.
const Pixels kTick = {
    {2, 4}, {3, 5}, {4, 6}, {5, 7},   // (2,4)->(6,8)
    {2, 5}, {3, 6}, {4, 7},           // (2,5)->(5,8)
    {2, 6}, {3, 7}, {4, 8},           // (2,6)->(5,9)
    {8, 2}, {7, 3}, {6, 4}, {5, 5},   // (8,2)->(4,6)
    {8, 3}, {7, 4}, {6, 5}, {5, 6},   // (8,3)->(4,7)
    {8, 4}, {7, 5}, {6, 6},           // (8,4)->(5,7)
};

struct FlatCheckBoxTest : FormFixture {
    TFlatCheckBox* box = nullptr;
    int clicks = 0;
    void SetUp() override
    {
        FormFixture::SetUp();
        box = Make<TFlatCheckBox>(10, 10);
        box->SetColor(kOwn);
        box->OnClick = [this](TObject*) { ++clicks; };
    }
};

// The pixels of the colour inside the box whose corner is at (1, 3).
Pixels Marked(const Painted& p, COLORREF color)
{
    Pixels marked;
    for (int y = 1; y < 10; ++y)
        for (int x = 1; x < 10; ++x)
            if (p(1 + x, 3 + y) == color)
                marked.insert({x, y});
    return marked;
}

} // namespace

TEST_F(FlatCheckBoxTest, TickIsSixLinesInTheCheckColour)
{
    box->SetColorCheck(kRed);
    EXPECT_TRUE(Marked(Painted(*box), kRed).empty()) << "unchecked";
    for (std::uint8_t value : {1, 255}) {
        box->SetChecked(value);
        Painted p(*box);
        EXPECT_EQ(Marked(p, kRed), kTick) << int(value);
        EXPECT_EQ(Marked(p, RGBOf(kOwn)).size(), 81u - kTick.size()) << "the rest is filled";
        for (POINT r : {POINT{0, 0}, POINT{10, 0}, POINT{0, 10}, POINT{10, 10}, POINT{5, 0}, POINT{0, 5}})
            EXPECT_EQ(p(1 + r.x, 3 + r.y), kBorder);
        EXPECT_EQ(p(12, 8), RGBOf(kOwn)) << "11 pixels wide";
    }
    box->SetEnabled(false);
    Painted p(*box);
    EXPECT_EQ(Marked(p, RGBOf(clBtnShadow)), kTick) << "disabled: clBtnShadow";
    EXPECT_TRUE(Marked(p, kRed).empty());
}

TEST_F(FlatCheckBoxTest, BoxPlaceAndFills)
{
    const COLORREF own = RGBOf(kOwn);
    box->SetLayout(checkboxRight);
    Painted right(*box);
    EXPECT_EQ(right(109, 3), kBorder);
    EXPECT_EQ(right(119, 13), kBorder);
    EXPECT_EQ(right(120, 3), own);
    EXPECT_EQ(right(1, 3), own);
    box->SetLayout(checkboxLeft);
    box->SetTransparent(true);
    Painted transparent(*box);
    EXPECT_EQ(transparent(60, 1), RGBOf(kFormColor)) << "the parent shows behind";
    EXPECT_EQ(transparent(5, 8), own) << "the box is filled";
    box->SetTransparent(false);
    auto* other = Make<TFlatCheckBox>(10, 40);
    ShowActive();
    box->SetFocus();
    EXPECT_EQ(Painted(*box)(5, 8), kWhite) << "focused";
    Press(box);
    EXPECT_EQ(Painted(*box)(5, 8), RGB(0xD9, 0xD6, 0xC5)) << "pressed";
    Release(box);
    EXPECT_EQ(Painted(*box)(5, 8), kWhite);
    other->SetFocus();
    EXPECT_EQ(Painted(*box)(5, 8), own);
}

TEST_F(FlatCheckBoxTest, EveryChangeOfTheByteFiresOnClickAndUserTogglesStoreOneAndZero)
{
    box->SetChecked(0);
    EXPECT_EQ(clicks, 0) << "same byte";
    box->SetChecked(255);
    EXPECT_EQ(box->Checked(), 255) << "kept as set";
    box->SetChecked(1);
    EXPECT_EQ(clicks, 2) << "255 to 1 is a change";
    box->SetChecked(1);
    EXPECT_EQ(clicks, 2);
    box->SetChecked(255);
    box->SetCaption("&Bilder");
    SendMessageA(box->Handle(), WM_KEYUP, VK_SPACE, 0xC0000001);
    EXPECT_EQ(box->Checked(), 0);
    SendMessageA(box->Handle(), WM_KEYUP, VK_SPACE, 0xC0000001);
    EXPECT_EQ(box->Checked(), 1);
    EXPECT_EQ(clicks, 5);

    ShowActive();
    SendMessageA(form->Handle(), WM_SYSCHAR, 'b', 0);
    EXPECT_EQ(box->Checked(), 0);
    EXPECT_EQ(GetFocus(), box->Handle()) << "the accelerator focuses the box";
    PointerTo(box, 5, 8);
    ASSERT_TRUE(box->MouseInControl());
    ClickAt(box, 5, 8);
    EXPECT_EQ(box->Checked(), 1);
    // A held press keeps the box entered while the pointer wanders off.
    Press(box, 5, 8);
    PointerAway();
    Tick(TFlatCheckBox::HoverTimer());
    EXPECT_TRUE(box->MouseInControl());
    Release(box, 5, 8);
    EXPECT_EQ(box->Checked(), 0);
    EXPECT_FALSE(box->MouseInControl()) << "released, the held leave happens";
    EXPECT_EQ(clicks, 8);
}

TEST_F(FlatCheckBoxTest, HoverTrackingAndDisabling)
{
    auto* other = Make<TFlatCheckBox>(10, 40);
    ShowActive();
    TTimer* timer = TFlatCheckBox::HoverTimer();
    ASSERT_NE(timer, nullptr);
    EXPECT_FALSE(timer->Enabled());
    PointerTo(box, 50, 8);
    EXPECT_TRUE(box->MouseInControl());
    EXPECT_TRUE(timer->Enabled());
    EXPECT_EQ(Painted(*box)(5, 8), kWhite) << "hover fill";
    PointerTo(other, 50, 8);
    EXPECT_FALSE(box->MouseInControl());
    other->SetEnabled(false);
    EXPECT_FALSE(other->MouseInControl());
    EXPECT_FALSE(timer->Enabled());
    EXPECT_EQ(TFlatCheckBox::HoverTracker().Tracked(), nullptr);
    PointerTo(box, 50, 8);
    PointerAway();
    Tick(timer);
    EXPECT_FALSE(box->MouseInControl());
    EXPECT_FALSE(timer->Enabled());
}

TEST_F(FlatCheckBoxTest, DisabledCaptionIsEmbossed)
{
    box->SetCaption("Werbung anzeigen");
    box->Font().SetColor(RGBColor(255, 0, 0));
    const RECT caption{16, 1, 120, 16};
    auto reddish = [&](const Painted& p) {
        int n = 0;
        for (int y = caption.top; y < caption.bottom; ++y)
            for (int x = caption.left; x < caption.right; ++x)
                n += GetRValue(p(x, y)) > 150 && GetGValue(p(x, y)) < 100 && GetBValue(p(x, y)) < 100;
        return n;
    };
    EXPECT_GT(reddish(Painted(*box)), 0);
    box->SetEnabled(false);
    Painted p(*box);
    EXPECT_EQ(reddish(p), 0);
    EXPECT_GT(p.Count(caption, RGBOf(clBtnShadow)), 0);
    EXPECT_GT(p.Count(caption, RGBOf(clBtnHighlight)), 0);
}

TEST_F(FlatCheckBoxTest, OneWindowWhenAskedBeforeTheForm)
{
    // Asking for the box's window makes the form create its children first.
    HWND wnd = box->Handle();
    EXPECT_EQ(FindWindowExA(form->Handle(), nullptr, "TFlatCheckBox", nullptr), wnd);
    EXPECT_EQ(FindWindowExA(form->Handle(), wnd, "TFlatCheckBox", nullptr), nullptr);
}

// However the box loses the focus, the pointer resting on it must bring the
// hover back and the next click must toggle.
TEST_F(FlatCheckBoxTest, LosingTheFocusEndsTheHoverAndTheNextClickToggles)
{
    auto* other = Make<TFlatCheckBox>(10, 40);
    ShowActive();
    struct Row {
        const char* name;
        std::function<void(FlatCheckBoxTest&)> loseFocus;
    };
    const Row rows[] = {
        {"Tab away", [](FlatCheckBoxTest& t) { SendMessageA(t.box->Handle(), WM_KEYDOWN, VK_TAB, 0); }},
        {"another window and back",
         [](FlatCheckBoxTest& t) {
             ForeignWindow foreign;
             ASSERT_TRUE(foreign.TakeActivation());
             Activate(t.form->Handle());
         }},
        {"message box from the mouse-up handler",
         [](FlatCheckBoxTest& t) {
             t.box->OnMouseUp = [&t](TObject*, TMouseButton, TShiftState, int, int) {
                 AnsweredMessageBox(t.form->Handle());
             };
             ClickAt(t.box, 5, 8);
             t.box->OnMouseUp = nullptr;
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PointerTo(box, 5, 8);
        ClickAt(box, 5, 8);
        ASSERT_TRUE(box->Focused());
        row.loseFocus(*this);
        if (testing::Test::HasFatalFailure())
            return;
        EXPECT_FALSE(box->MouseInControl());
        const std::uint8_t before = box->Checked();
        PointerTo(box, 6, 8);
        EXPECT_TRUE(box->MouseInControl()) << "the hover comes back";
        ClickAt(box, 6, 8);
        EXPECT_NE(box->Checked(), before) << "the click toggles";
        // Leave the box unfocused and untracked for the next row.
        other->SetFocus();
        PointerAway();
        Tick(TFlatCheckBox::HoverTimer());
    }
}

// A press inside toggles only when released inside, wherever the pointer
// wandered in between; released outside, the held leave takes place.
TEST_F(FlatCheckBoxTest, ReleaseTogglesOnlyInside)
{
    ShowActive();
    struct Row {
        int x, y;
        bool toggles;
    } const rows[] = {{60, 8, true},  {120, 16, true}, {0, 0, true},    {121, 8, false},
                      {60, 17, false}, {-1, 8, false},  {60, -3, false}, {300, 60, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.x << "," << row.y);
        const std::uint8_t before = box->Checked();
        PointerTo(box, 5, 8);
        Press(box, 5, 8);
        PointerTo(box, row.x, row.y);
        Release(box, row.x, row.y);
        EXPECT_EQ(box->Checked() != before, row.toggles);
        EXPECT_EQ(box->MouseInControl(), row.toggles) << "hover after the release";
        EXPECT_FALSE(box->Pressed());
    }
}

TEST_F(FlatCheckBoxTest, FirstClickIntoAnInactiveWindowToggles)
{
    ShowActive();
    ForeignWindow foreign;
    ASSERT_TRUE(foreign.TakeActivation());
    // The pointer arrives while another program is active: no hover.
    PointerTo(box, 5, 8, false);
    ASSERT_FALSE(box->MouseInControl());
    // The click activates the window first; the pointer does not move.
    Activate(form->Handle());
    ASSERT_EQ(GetActiveWindow(), form->Handle());
    ClickAt(box, 5, 8);
    EXPECT_EQ(box->Checked(), 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(box->MouseInControl()) << "the click found the pointer on the box";
}
