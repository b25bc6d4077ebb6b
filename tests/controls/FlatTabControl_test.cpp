#include "controls/TFlatTabControlUnit.h"
#include "framework/StdPanel.h"

#include "ContainerFixture.h"

using namespace containers;

namespace {

constexpr TColor kBorder = RGBColor(0, 0, 200);
constexpr TColor kPage = RGBColor(250, 250, 240);
constexpr TColor kUnselected = RGBColor(0x33, 0x66, 0x99);

struct FlatTabControl : ContainerForm {
    TFlatTabControl* tabs = nullptr;
    int changes = 0;
    int activeSeen = -1;
    void SetUp() override
    {
        ContainerForm::SetUp();
        tabs = Make<TFlatTabControl>(form, 10, 10);
        tabs->SetColor(kPage);
        tabs->SetColorBorder(kBorder);
        tabs->OnTabChanged = [this](TObject* sender) {
            EXPECT_EQ(sender, tabs);
            ++changes;
            activeSeen = tabs->ActiveTab();
        };
    }
};

} // namespace

TEST_F(FlatTabControl, TabsAreTheirTextWithoutTheFirstAmpersandPlus20InTheControlsFont)
{
    TFont font;
    font.SetHeight(-15);
    font.SetStyle(fsBold);
    tabs->SetFont(font);
    tabs->SetTabs({"&Allgemein", "Grafik && Sound", "Extras"});
    const int w0 = TextSize(font, "Allgemein").cx + 20;
    const int w1 = TextSize(font, "Grafik & Sound").cx + 20;
    const int w2 = TextSize(font, "Extras").cx + 20;
    EXPECT_EQ(tabs->TabRect(0).left, 0);
    EXPECT_EQ(tabs->TabRect(0).right, w0);
    EXPECT_EQ(tabs->TabRect(1).left, w0 + 4);
    EXPECT_EQ(tabs->TabRect(1).right, w0 + 4 + w1);
    EXPECT_EQ(tabs->TabRect(2).left, w0 + 4 + w1 + 4);
    EXPECT_EQ(tabs->TabRect(2).top, 0);
    EXPECT_EQ(tabs->TabRect(2).bottom, 16);

    tabs->SetTabSpacing(9);
    tabs->SetTabHeight(21);
    EXPECT_EQ(tabs->TabRect(2).left, w0 + 9 + w1 + 9);
    EXPECT_EQ(tabs->TabRect(2).bottom, 21);
    tabs->SetTabPosition(tpBottom);
    EXPECT_EQ(tabs->TabRect(1).top, 193 - 21);
    EXPECT_EQ(tabs->TabRect(1).bottom, 193);
    // One row, also when it runs past the right edge.
    tabs->SetTabs({"Eine sehr lange Registerkarte", "Noch eine sehr lange Karte", "Und noch eine"});
    EXPECT_GT(tabs->TabRect(2).right, tabs->Width());
    EXPECT_EQ(tabs->TabRect(2).top, 193 - 21);
    // A smaller font makes narrower tabs.
    font.SetHeight(-9);
    font.SetStyle(0);
    tabs->SetFont(font);
    EXPECT_EQ(tabs->TabRect(0).right, TextSize(font, "Eine sehr lange Registerkarte").cx + 20);
}

TEST_F(FlatTabControl, ActiveTabIsClampedAndAlwaysAnnounced)
{
    tabs->SetActiveTab(3);
    EXPECT_EQ(tabs->ActiveTab(), 0) << "no tabs";
    EXPECT_EQ(changes, 1);
    tabs->SetTabs({"  Eins ", "\tZwei", "Drei  "});
    EXPECT_EQ(tabs->Tabs(), (std::vector<std::string>{"Eins", "Zwei", "Drei"}));
    tabs->SetActiveTab(7);
    EXPECT_EQ(activeSeen, 2) << "the new value is readable in the event";
    tabs->SetActiveTab(-4);
    EXPECT_EQ(activeSeen, 0);
    changes = 0;
    tabs->SetActiveTab(0);
    EXPECT_EQ(changes, 1) << "also when nothing changes";
    // Fewer tabs than the active index: clamped.
    tabs->SetActiveTab(2);
    tabs->SetTabs({"Eins"});
    EXPECT_EQ(tabs->ActiveTab(), 0);
    EXPECT_EQ(activeSeen, 0);
    tabs->SetTabHeight(-3);
    EXPECT_EQ(tabs->TabHeight(), 0);
    tabs->SetTabSpacing(0);
    EXPECT_EQ(tabs->TabSpacing(), 1);
}

TEST_F(FlatTabControl, WithoutTabsAFramedPage)
{
    ASSERT_EQ(tabs->Width(), 289);
    ASSERT_EQ(tabs->Height(), 193);
    Painted p(*tabs);
    const COLORREF border = ColorToRGB(kBorder), page = ColorToRGB(kPage);
    EXPECT_EQ(p(0, 0), border);
    EXPECT_EQ(p(288, 0), border);
    EXPECT_EQ(p(0, 192), border);
    EXPECT_EQ(p(288, 192), border);
    EXPECT_EQ(p(1, 1), page);
    EXPECT_EQ(p(100, 16), page) << "no line under an empty tab row";
}

TEST_F(FlatTabControl, TabRowLinesPageAndTheActiveTabJoiningThePage)
{
    tabs->SetTabs({"Eins", "Zwei", "Drei"});
    tabs->SetActiveTab(1);
    const RECT first = tabs->TabRect(0), active = tabs->TabRect(1), last = tabs->TabRect(2);
    Painted p(*tabs);
    const COLORREF border = ColorToRGB(kBorder), page = ColorToRGB(kPage);
    const COLORREF unselected = ColorToRGB(kUnselected), behind = ColorToRGB(kFormColor);
    // The line under the tab row, broken by the active tab.
    EXPECT_EQ(p(0, 16), border);
    EXPECT_EQ(p(active.left - 1, 16), border);
    EXPECT_EQ(p(active.left, 16), border) << "the active tab's left edge";
    EXPECT_EQ(p(active.left + 1, 16), page);
    EXPECT_EQ(p(active.right - 2, 16), page);
    EXPECT_EQ(p(active.right - 1, 16), border);
    EXPECT_EQ(p(288, 16), border);
    // Active tab: left, top and right edges, filled with the page colour.
    EXPECT_EQ(p(active.left, 0), border);
    EXPECT_EQ(p(active.left, 8), border);
    EXPECT_EQ(p(active.left + 3, 0), border);
    EXPECT_EQ(p(active.right - 1, 8), border);
    EXPECT_EQ(p(active.left + 1, 1), page);
    EXPECT_EQ(p(active.right - 2, 15), page);
    // Other tabs in their colour; the parent shows between and after them.
    EXPECT_EQ(p(first.left, 0), unselected);
    EXPECT_EQ(p(first.right - 1, 15), unselected);
    EXPECT_EQ(p(last.left + 1, 1), unselected);
    EXPECT_EQ(p(first.right + 1, 5), behind);
    EXPECT_EQ(p(287, 5), behind);
    // The page: sides, bottom and fill.
    EXPECT_EQ(p(0, 100), border);
    EXPECT_EQ(p(288, 100), border);
    EXPECT_EQ(p(150, 192), border);
    EXPECT_EQ(p(1, 17), page);
    EXPECT_EQ(p(287, 191), page);
}

TEST_F(FlatTabControl, BottomTabsMirrorTheStrip)
{
    tabs->SetTabs({"Eins", "Zwei"});
    tabs->SetTabPosition(tpBottom);
    const RECT active = tabs->TabRect(0), other = tabs->TabRect(1);
    const int line = 193 - 16 - 1;
    Painted p(*tabs);
    const COLORREF border = ColorToRGB(kBorder), page = ColorToRGB(kPage);
    EXPECT_EQ(p(0, 0), border);
    EXPECT_EQ(p(150, 0), border);
    EXPECT_EQ(p(288, 100), border);
    EXPECT_EQ(p(1, 1), page);
    EXPECT_EQ(p(287, line - 1), page);
    EXPECT_EQ(p(288, line), border);
    EXPECT_EQ(p(active.right - 1, line), border);
    EXPECT_EQ(p(active.right - 2, line), page) << "the active tab joins the page";
    EXPECT_EQ(p(active.left + 1, 192), border) << "its outer edge at the bottom";
    EXPECT_EQ(p(active.left, 185), border);
    EXPECT_EQ(p(active.left + 1, 191), page);
    EXPECT_EQ(p(other.left + 1, 191), ColorToRGB(kUnselected));
    EXPECT_EQ(p(other.left + 1, 192), ColorToRGB(kUnselected));
}

TEST_F(FlatTabControl, MouseDownOnAnotherTabActivatesItAndTakesTheFocus)
{
    tabs->SetTabs({"&Allgemein", "&Sicherheit", "Grafik && Sound"});
    auto* other = Make<TPanel>(form, 320, 10);
    form->Show();
    other->SetFocus();
    changes = 0;
    const RECT second = tabs->TabRect(1);
    HWND wnd = tabs->Handle();
    SendMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(second.left + 3, 5));
    SendMessageA(wnd, WM_LBUTTONUP, 0, MAKELPARAM(second.left + 3, 5));
    EXPECT_EQ(tabs->ActiveTab(), 1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(GetFocus(), wnd);
    // On the active tab, on the page or beside the tabs: nothing.
    SendMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(second.left + 3, 5));
    SendMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 100));
    SendMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(286, 5));
    SendMessageA(wnd, WM_LBUTTONUP, 0, MAKELPARAM(286, 5));
    EXPECT_EQ(changes, 1);

    // The accelerator of a tab does the same, from anywhere on the form.
    other->SetFocus();
    SendMessageA(other->Handle(), WM_SYSCHAR, 'a', 0);
    EXPECT_EQ(tabs->ActiveTab(), 0);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(GetFocus(), wnd);
    SendMessageA(wnd, WM_SYSCHAR, 'g', 0);
    EXPECT_EQ(tabs->ActiveTab(), 0) << "a doubled ampersand is no accelerator";
}

TEST_F(FlatTabControl, ChildrenLiveInsideThePage)
{
    tabs->SetTabs({"Eins"});
    tabs->SetBorderWidth(3);
    auto* page = Make<TPanel>(tabs, 0, 0);
    page->SetAlign(alClient);
    EXPECT_EQ(page->Left(), 4);
    EXPECT_EQ(page->Top(), 16 + 4);
    EXPECT_EQ(page->Width(), 289 - 8);
    EXPECT_EQ(page->Height(), 193 - 16 - 8);

    auto* loose = Make<TPanel>(tabs, 30, 40);
    tabs->SetTabHeight(20);
    EXPECT_EQ(page->Top(), 20 + 4);
    tabs->SetTabPosition(tpBottom);
    EXPECT_EQ(page->Top(), 4) << "the tab row is cut from the bottom";
    EXPECT_EQ(page->Height(), 193 - 20 - 8);
    EXPECT_EQ(loose->Top(), 40 - 20) << "moved up by the tab height";
    EXPECT_EQ(loose->Left(), 30);
    tabs->SetTabPosition(tpTop);
    EXPECT_EQ(loose->Top(), 40);
    EXPECT_EQ(page->Top(), 24);
}

TEST_F(FlatTabControl, WindowIsPaintedFromTheOffScreenImage)
{
    tabs->SetTabs({"Eins", "Zwei"});
    form->Show();
    RedrawWindow(tabs->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    WindowDC dc(tabs->Handle());
    const RECT other = tabs->TabRect(1);
    EXPECT_EQ(GetPixel(dc.Get(), other.left + 1, 1), ColorToRGB(kUnselected));
    EXPECT_EQ(GetPixel(dc.Get(), 288, 5), ColorToRGB(kFormColor));
    EXPECT_EQ(GetPixel(dc.Get(), 288, 100), ColorToRGB(kBorder));
    EXPECT_EQ(GetPixel(dc.Get(), 100, 100), ColorToRGB(kPage));
}
