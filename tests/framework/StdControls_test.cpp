#include "framework/Exceptions.h"
#include "framework/Forms.h"
#include "framework/StdCombo.h"
#include "framework/StdEdit.h"

#include "support/TestForm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string WindowTextOf(HWND wnd)
{
    char buffer[256] = {};
    GetWindowTextA(wnd, buffer, sizeof buffer);
    return buffer;
}

std::string ListText(HWND combo, int index)
{
    char buffer[256] = {};
    SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

// A focusable control that takes one accelerator letter.
class AccelProbe : public TWinControl {
public:
    explicit AccelProbe(TComponent* owner) : TWinControl(owner) { FTabStop = true; }
    int taken = 0;
    bool DialogChar(char key) override
    {
        if (key != 'x')
            return false;
        ++taken;
        return true;
    }
};

struct StdControlsTest : zvtest::FormFixture {
    StdControlsTest() : FormFixture(60, 60, 320, 240) {}
};

} // namespace

TEST_F(StdControlsTest, EditTextFollowsTheWindowAndEveryChangeFiresOnChange)
{
    auto* edit = Make<TEdit>(10, 10);
    std::vector<std::string> seen;
    edit->OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, edit);
        seen.push_back(edit->Text());
    };
    // Without a window the text is kept and the change still reported.
    edit->SetText("abc");
    ASSERT_EQ(seen, std::vector<std::string>{"abc"});
    form->Show();
    HWND wnd = edit->Handle();
    EXPECT_EQ(WindowTextOf(wnd), "abc");
    EXPECT_EQ(seen.size(), 1u) << "creating the window is no change";

    edit->SetText("defg");
    EXPECT_EQ(WindowTextOf(wnd), "defg");
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1], "defg");
    edit->SetText("defg");
    EXPECT_EQ(seen.size(), 2u) << "the same text again changes nothing";

    // Typing over the whole text.
    edit->SetFocus();
    edit->SelectAll();
    EXPECT_EQ(edit->SelStart(), 0);
    EXPECT_EQ(edit->SelLength(), 4);
    SendMessageA(wnd, WM_CHAR, 'q', 0);
    EXPECT_EQ(edit->Text(), "q");
    EXPECT_EQ(edit->Caption(), "q");
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[2], "q");
    // Setting what the user typed is no change either.
    edit->SetText("q");
    EXPECT_EQ(seen.size(), 3u);
}

TEST_F(StdControlsTest, EditMaxLengthAndReadOnlyReachTheWindow)
{
    auto* edit = Make<TEdit>(10, 10);
    edit->SetMaxLength(3);
    edit->SetReadOnly(true);
    form->Show();
    HWND wnd = edit->Handle();
    EXPECT_TRUE(GetWindowLongA(wnd, GWL_STYLE) & ES_READONLY);
    edit->SetFocus();
    SendMessageA(wnd, WM_CHAR, 'a', 0);
    EXPECT_EQ(edit->Text(), "") << "read-only";

    edit->SetReadOnly(false);
    EXPECT_FALSE(GetWindowLongA(wnd, GWL_STYLE) & ES_READONLY);
    for (char c : std::string("abcde"))
        SendMessageA(wnd, WM_CHAR, static_cast<WPARAM>(c), 0);
    EXPECT_EQ(edit->Text(), "abc") << "limited to MaxLength";
    edit->SetMaxLength(0);
    SendMessageA(wnd, WM_CHAR, 'd', 0);
    EXPECT_EQ(edit->Text(), "abcd");
}

TEST_F(StdControlsTest, EditKeepsLettersFromAcceleratorsButTabMovesTheFocus)
{
    auto* probe = Make<AccelProbe>(200, 10);
    probe->SetBounds(200, 10, 40, 20);
    auto* edit = Make<TEdit>(10, 10);
    auto* second = Make<TEdit>(10, 40);
    form->Show();
    // The probe does take its letter from an ordinary control.
    probe->SetFocus();
    SendMessageA(probe->Handle(), WM_CHAR, 'x', 0);
    ASSERT_EQ(probe->taken, 1);

    edit->SetFocus();
    SendMessageA(edit->Handle(), WM_CHAR, 'x', 0);
    EXPECT_EQ(probe->taken, 1) << "a letter typed into an edit is text";
    EXPECT_EQ(edit->Text(), "x");
    // Alt+letter is still an accelerator.
    SendMessageA(edit->Handle(), WM_SYSCHAR, 'x', 0);
    EXPECT_EQ(probe->taken, 2);

    SendMessageA(edit->Handle(), WM_KEYDOWN, VK_TAB, 0);
    SendMessageA(edit->Handle(), WM_CHAR, '\t', 0);
    EXPECT_EQ(GetFocus(), second->Handle());
    EXPECT_EQ(edit->Text(), "x") << "no tab character in the text";
}

TEST_F(StdControlsTest, ComboItemsAndItemIndexStayInStepWithTheWindow)
{
    auto* combo = Make<TComboBox>(10, 10);
    combo->SetStyle(csDropDownList);
    combo->Items().Add("Anna");
    combo->Items().Add("Bernd");
    combo->Items().Add("Clara");
    combo->SetItemIndex(1);
    EXPECT_EQ(combo->Text(), "Bernd");
    form->Show();
    HWND wnd = combo->Handle();
    EXPECT_EQ(SendMessageA(wnd, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageA(wnd, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(ListText(wnd, 2), "Clara");

    EXPECT_EQ(combo->Items().Add("Dora"), 3);
    EXPECT_EQ(ListText(wnd, 3), "Dora");
    combo->Items().Insert(0, "Aaron");
    EXPECT_EQ(ListText(wnd, 0), "Aaron");
    EXPECT_EQ(combo->Items().Count(), 5);
    combo->Items().Delete(4);
    EXPECT_EQ(SendMessageA(wnd, CB_GETCOUNT, 0, 0), 4);

    combo->SetItemIndex(3);
    EXPECT_EQ(SendMessageA(wnd, CB_GETCURSEL, 0, 0), 3);
    EXPECT_EQ(combo->Text(), "Clara");
    combo->SetItemIndex(7);
    EXPECT_EQ(combo->ItemIndex(), -1) << "out of range chooses nothing";
    combo->SetText("bernd");
    EXPECT_EQ(combo->ItemIndex(), 2) << "a list takes a text only as an item's";

    // A new style makes a new window that keeps the items and the choice.
    combo->SetStyle(csDropDown);
    HWND remade = combo->Handle();
    EXPECT_EQ(SendMessageA(remade, CB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(WindowTextOf(remade), "Bernd");

    combo->Items().Clear();
    EXPECT_EQ(SendMessageA(remade, CB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_THROW(combo->Items()[0], Exception);
}

TEST_F(StdControlsTest, ComboReportsChoicesAndTheOpeningOfItsListThroughRealMessages)
{
    auto* combo = Make<TComboBox>(10, 10);
    auto* after = Make<TEdit>(10, 60);
    combo->SetStyle(csDropDownList);
    for (const char* name : {"Anna", "Bernd", "Clara"})
        combo->Items().Add(name);
    std::vector<std::string> events;
    combo->OnChange = [&](TObject*) { events.push_back("change " + combo->Text()); };
    combo->OnDropDown = [&](TObject*) { events.push_back(combo->DroppedDown() ? "drop (open)" : "drop"); };
    combo->OnCloseUp = [&](TObject*) { events.push_back("closeup"); };
    form->Show();
    HWND wnd = combo->Handle();

    combo->SetItemIndex(0);
    EXPECT_TRUE(events.empty()) << "a choice made by the program is no event";
    combo->SetFocus();
    SendMessageA(wnd, WM_KEYDOWN, VK_DOWN, 0);
    ASSERT_EQ(events, std::vector<std::string>{"change Bernd"});
    EXPECT_EQ(combo->ItemIndex(), 1);

    // A press on a drop-down list opens it; the event comes before it opens.
    SendMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 8));
    SendMessageA(wnd, WM_LBUTTONUP, 0, MAKELPARAM(20, 8));
    EXPECT_TRUE(combo->DroppedDown());
    const int row = static_cast<int>(SendMessageA(wnd, CB_GETITEMHEIGHT, 0, 0));
    RECT list;
    GetWindowRect(combo->ListHandle(), &list);
    EXPECT_EQ(list.bottom - list.top, 3 * row + 2) << "three rows and the list's border";
    combo->SetDroppedDown(false);
    combo->SetDropDownCount(2);
    combo->SetDroppedDown(true);
    GetWindowRect(combo->ListHandle(), &list);
    EXPECT_EQ(list.bottom - list.top, 2 * row + 2) << "DropDownCount rows at most";
    combo->SetDroppedDown(false);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(events, (std::vector<std::string>{"change Bernd", "drop", "closeup", "drop", "closeup"}));

    // Tab leaves the list for the next control.
    combo->SetFocus();
    SendMessageA(wnd, WM_KEYDOWN, VK_TAB, 0);
    EXPECT_EQ(GetFocus(), after->Handle());
}

TEST_F(StdControlsTest, TypingIntoADropDownComboChangesItsText)
{
    auto* combo = Make<TComboBox>(10, 10);
    combo->Items().Add("Anna");
    int changes = 0;
    combo->OnChange = [&](TObject*) { ++changes; };
    form->Show();
    HWND edit = combo->EditHandle();
    ASSERT_NE(edit, nullptr);
    SendMessageA(edit, WM_CHAR, 'Q', 0);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(combo->Text(), "Q");
    combo->SetText("Anna");
    EXPECT_EQ(WindowTextOf(edit), "Anna");
}
