// The Tab key across a tab control's notebook pages and the group boxes on
// them, as every settings dialog is built: what a page shows, what Tab walks
// through, and where the focus goes when a page is changed.
#include "controls/TFlatButtonUnit.h"
#include "controls/TFlatCheckBoxUnit.h"
#include "controls/TFlatGroupBoxUnit.h"
#include "controls/TFlatTabControlUnit.h"
#include "framework/Notebook.h"
#include "framework/StdEdit.h"

#include "support/TestForm.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

// edName, then a tab control whose notebook has two pages, then btnOK:
//   page 0: grpA (chkA1, chkA2), chkA3
//   page 1: chkB1, grpB (chkB2 disabled, chkB3)
struct TabOrderTest : zvtest::FormFixture {
    TabOrderTest() : zvtest::FormFixture(140, 140, 400, 300) {}

    TEdit* edName = nullptr;
    TFlatTabControl* tabs = nullptr;
    TNotebook* book = nullptr;
    TFlatGroupBox *grpA = nullptr, *grpB = nullptr;
    TFlatCheckBox *chkA1 = nullptr, *chkA2 = nullptr, *chkA3 = nullptr;
    TFlatCheckBox *chkB1 = nullptr, *chkB2 = nullptr, *chkB3 = nullptr;
    TFlatButton* btnOK = nullptr;

    template <class T>
    T* Add(TWinControl* parent, const char* name, int left, int top)
    {
        auto* c = new T(form);
        c->SetName(name);
        c->SetParent(parent);
        c->SetBounds(left, top, c->Width(), c->Height());
        return c;
    }

    void SetUp() override
    {
        zvtest::FormFixture::SetUp();
        edName = Add<TEdit>(form, "edName", 10, 10);
        tabs = Add<TFlatTabControl>(form, "tabs", 10, 40);
        tabs->SetTabs({"&Allgemein", "&Dialoge"});
        book = new TNotebook(form);
        book->SetParent(tabs);
        book->SetAlign(alClient);
        TPage* page0 = book->AddPage("page0");
        TPage* page1 = book->AddPage("page1");
        tabs->OnTabChanged = [this](TObject*) { book->SetPageIndex(tabs->ActiveTab()); };
        grpA = Add<TFlatGroupBox>(page0, "grpA", 5, 5);
        chkA1 = Add<TFlatCheckBox>(grpA, "chkA1", 5, 20);
        chkA2 = Add<TFlatCheckBox>(grpA, "chkA2", 5, 40);
        chkA3 = Add<TFlatCheckBox>(page0, "chkA3", 5, 120);
        chkB1 = Add<TFlatCheckBox>(page1, "chkB1", 5, 5);
        grpB = Add<TFlatGroupBox>(page1, "grpB", 5, 30);
        chkB2 = Add<TFlatCheckBox>(grpB, "chkB2", 5, 20);
        chkB2->SetEnabled(false);
        chkB3 = Add<TFlatCheckBox>(grpB, "chkB3", 5, 40);
        btnOK = Add<TFlatButton>(form, "btnOK", 310, 260);
        form->Show();
        SetForegroundWindow(form->Handle());
        zvtest::DrainMessages();
    }

    static std::string Focused()
    {
        TWinControl* c = FindControl(GetFocus());
        return c ? c->Name() : "(none)";
    }
    // The focus after each of count presses of Tab (with Shift: backwards).
    Names Walk(TWinControl* from, int count, bool shift = false)
    {
        from->SetFocus();
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        Names seen;
        for (int i = 0; i < count; ++i) {
            SendMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
            seen.push_back(Focused());
        }
        keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
        return seen;
    }
};

} // namespace

TEST_F(TabOrderTest, TabWalksIntoGroupBoxesAndSkipsHiddenPages)
{
    struct Row {
        const char* name;
        int page;
        bool shift;
        Names expected;
    } const rows[] = {
        {"first page", 0, false, {"chkA1", "chkA2", "chkA3", "btnOK", "edName", "chkA1"}},
        {"first page, backwards", 0, true, {"btnOK", "chkA3", "chkA2", "chkA1", "edName", "btnOK"}},
        {"second page: the disabled box is skipped", 1, false, {"chkB1", "chkB3", "btnOK", "edName"}},
        {"second page, backwards", 1, true, {"btnOK", "chkB3", "chkB1", "edName"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        tabs->SetActiveTab(row.page);
        ASSERT_EQ(book->PageIndex(), row.page);
        EXPECT_EQ(Walk(edName, static_cast<int>(row.expected.size()), row.shift), row.expected);
    }
}

TEST_F(TabOrderTest, TabOrderInsideAGroupBoxAndHiddenOrDisabledContainers)
{
    chkA2->SetTabOrder(0);
    EXPECT_EQ(Walk(edName, 4), (Names{"chkA2", "chkA1", "chkA3", "btnOK"})) << "reordered inside the box";
    grpA->Hide();
    EXPECT_EQ(Walk(edName, 2), (Names{"chkA3", "btnOK"})) << "a hidden box hides its controls";
    grpA->Show();
    grpA->SetEnabled(false);
    EXPECT_EQ(Walk(edName, 2), (Names{"chkA3", "btnOK"})) << "a disabled box disables its controls";
    grpA->SetEnabled(true);
    chkA1->SetTabStop(false);
    EXPECT_EQ(Walk(edName, 2), (Names{"chkA2", "chkA3"})) << "no tab stop";
}

TEST_F(TabOrderTest, TabsShowTheirPagesAndFocusNeverStaysOnAHiddenPage)
{
    // The notebook fills the tab control's page; the pages fill the notebook.
    RECT area = tabs->ClientRect();
    tabs->AdjustClientRect(area);
    EXPECT_EQ(book->Left(), area.left);
    EXPECT_EQ(book->Top(), area.top);
    EXPECT_EQ(book->Width(), area.right - area.left);
    EXPECT_EQ(book->Height(), area.bottom - area.top);
    EXPECT_EQ(book->Page(0)->Width(), book->Width());
    tabs->SetBounds(10, 40, 350, 230);
    EXPECT_EQ(book->Width(), 350 - 2);
    EXPECT_EQ(book->Page(0)->Height(), 230 - 16 - 2);

    // A click on a tab shows its page, and only that one, in the page area.
    const RECT second = tabs->TabRect(1);
    zvtest::Click(tabs->Handle(), second.left + 3, second.top + 3);
    EXPECT_EQ(tabs->ActiveTab(), 1);
    EXPECT_EQ(book->Page(1)->Width(), 350 - 2);
    EXPECT_EQ(book->Page(1)->Height(), 230 - 16 - 2);
    EXPECT_TRUE(IsWindowVisible(chkB1->Handle()));
    EXPECT_FALSE(IsWindowVisible(chkA1->Handle()));
    EXPECT_FALSE(chkA1->CanFocus());

    // Changed from the program while a control of the old page has the
    // focus: the hidden box must not keep it, so Space cannot tick it.
    struct Row {
        const char* name;
        std::function<void(TabOrderTest&)> change;
        std::function<HWND(TabOrderTest&)> holder;
        const char* next;
    } const rows[] = {
        {"by SetActiveTab", [](TabOrderTest& t) { t.tabs->SetActiveTab(1); },
         [](TabOrderTest& t) { return t.form->Handle(); }, "edName"},
        {"by the accelerator", [](TabOrderTest& t) { SendMessageA(t.form->Handle(), WM_SYSCHAR, 'd', 0); },
         [](TabOrderTest& t) { return t.tabs->Handle(); }, "chkB1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        tabs->SetActiveTab(0);
        chkA1->SetChecked(0);
        chkA1->SetFocus();
        ASSERT_EQ(Focused(), "chkA1");
        row.change(*this);
        EXPECT_EQ(book->PageIndex(), 1);
        EXPECT_EQ(GetFocus(), row.holder(*this));
        SendMessageA(GetFocus(), WM_KEYUP, VK_SPACE, 0xC0000001);
        EXPECT_EQ(chkA1->Checked(), 0);
        // Tab goes on from there into the page now shown.
        SendMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
        EXPECT_EQ(Focused(), row.next);
    }
}
