// The attachment types dialog against Wine's real classes root, which other
// tests read and change too: every key a test adds is guarded and removed.
#include "dialogs/Attachments.h"

#include "app/Main.h"
#include "controls/TFlatButtonUnit.h"
#include "controls/TFlatListBoxUnit.h"
#include "controls/TFlatPanelUnit.h"
#include "controls/TFlatSpeedButtonUnit.h"
#include "framework/StdLabel.h"
#include "framework/Timer.h"
#include "support/FakeClientWindow.h"
#include "support/SeamRecorder.h"
#include "support/SharedKeyGuard.h"
#include "support/TestForm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

struct Key {
    const char* name;
    DWORD type;  // of the default value; REG_NONE: none
    std::string data;
};

std::string Text(const std::string& text)
{
    return text + '\0';
}

// Keys added under the classes root for one test, put back as they were.
class ClassKeys {
public:
    explicit ClassKeys(const std::vector<Key>& keys)
    {
        for (const Key& key : keys) {
            FGuards.push_back(std::make_unique<SharedKeyGuard>(HKEY_CLASSES_ROOT, key.name));
            DeleteTree(HKEY_CLASSES_ROOT, key.name);
            if (key.type == REG_NONE)
                CreateKeyPath(HKEY_CLASSES_ROOT, key.name);
            else
                SetValue(HKEY_CLASSES_ROOT, key.name, "", key.type, key.data.data(), static_cast<DWORD>(key.data.size()));
        }
    }

private:
    std::vector<std::unique_ptr<SharedKeyGuard>> FGuards;
};

size_t ExtensionKeysOfTheRoot()
{
    size_t count = 0;
    char name[512];
    DWORD length = sizeof name;
    for (DWORD i = 0; length = sizeof name,
                      RegEnumKeyExA(HKEY_CLASSES_ROOT, i, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
         ++i)
        count += name[0] == '.';
    return count;
}

// The whole classes root as text: names, value types and bytes. One open
// key per level and values read while listed, as the root is large.
void Dump(HKEY key, std::string& out)
{
    static char name[16384];
    std::vector<BYTE> data(4096);
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name, type = 0, size = static_cast<DWORD>(data.size());
        LONG rc = RegEnumValueA(key, i, name, &length, nullptr, &type, data.data(), &size);
        if (rc == ERROR_MORE_DATA) {
            data.resize(size);
            length = sizeof name;
            rc = RegEnumValueA(key, i, name, &length, nullptr, &type, data.data(), &size);
        }
        if (rc != ERROR_SUCCESS)
            break;
        out.append(name, length).append(":" + std::to_string(type) + ":");
        out.append(reinterpret_cast<const char*>(data.data()), size).append(";");
    }
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        if (RegEnumKeyExA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        const std::string child(name, length);
        out += "[" + child;
        HKEY sub = nullptr;
        if (RegOpenKeyExA(key, child.c_str(), 0, KEY_READ, &sub) == ERROR_SUCCESS) {
            Dump(sub, out);
            RegCloseKey(sub);
        }
        out += "]";
    }
}

std::string ClassesRoot()
{
    std::string out;
    Dump(HKEY_CLASSES_ROOT, out);
    return out;
}

// Empty when equal, else both texts around their first difference (the
// whole root would drown the message).
std::string Difference(const std::string& a, const std::string& b)
{
    if (a == b)
        return {};
    const size_t at = std::mismatch(a.begin(), a.begin() + std::min(a.size(), b.size()), b.begin()).first - a.begin();
    const size_t from = at < 80 ? 0 : at - 80;
    return "before: ..." + a.substr(from, 160) + "\nafter:  ..." + b.substr(from, 160);
}

struct AttachDlgTest : testing::Test {
    std::unique_ptr<TAttachDlg> dlg;

    void TearDown() override
    {
        dlg.reset();
        zvtest::DrainMessages();
    }
    TAttachDlg& Open()
    {
        dlg = std::make_unique<TAttachDlg>(nullptr);
        dlg->FormShow(dlg.get());
        return *dlg;
    }
    std::vector<std::string> Entries() const { return dlg->LBoxClosed->Items().Strings(); }
    // A press and release in the middle of a windowless button of the list panel.
    void Press(TFlatSpeedButton* button)
    {
        zvtest::Click(dlg->FlatPanel1->Handle(), button->Left() + button->Width() / 2,
                      button->Top() + button->Height() / 2);
    }
    void ClickFirstEntry()
    {
        const RECT row = dlg->LBoxClosed->RowRect(0);
        zvtest::Click(dlg->LBoxClosed->Handle(), (row.left + row.right) / 2, (row.top + row.bottom) / 2);
    }
};

TEST_F(AttachDlgTest, EveryControlIsInTheDialogsFontAndTheTitleStaysBoldAndWhite)
{
    TAttachDlg& d = Open();
    ASSERT_EQ(d.Font().Name(), "MS Sans Serif");
    for (TComponent* c : d.Components())
        if (auto* control = dynamic_cast<TControl*>(c)) {
            // The lists have Courier New of their own.
            if (control == d.LBoxFree || control == d.LBoxClosed)
                continue;
            EXPECT_EQ(control->Font().Name(), "MS Sans Serif") << control->Name();
            EXPECT_EQ(control->Font().Height(), d.Font().Height()) << control->Name();
        }
    EXPECT_EQ(d.PanelTitle->Font().Style(), fsBold);
    EXPECT_EQ(d.PanelTitle->Font().Color(), clWhite);
}

TEST_F(AttachDlgTest, ListsEveryExtensionKeyInTheLocalesOrderWithItsFileTypeAndTheCount)
{
    // Given out of order: byte order would put upper case first and umlauts
    // last. The odd defaults (a number, bytes) show no file type and the
    // entries after them are there.
    const ClassKeys keys({
        {".zvattPilz", REG_SZ, Text("Pilzdatei")},
        {".zvattÖl", REG_BINARY, "Oel"},
        {".zvattärger", REG_SZ, Text("Ärger-Datei")},
        {".ZVATTCODE", REG_EXPAND_SZ, Text("%TEMP%\\typ")},
        {".zvattOase", REG_DWORD, std::string("\x01\0\0\0", 4)},
        {".zvattBaum", REG_NONE, ""},
        {".zvattApfel", REG_SZ, Text("Apfeldatei")},
        {".zvattzebra", REG_SZ, Text("")},
        {"zvattOhnePunkt", REG_SZ, Text("kein Typ")},
        {"zvatt.mitte", REG_SZ, Text("kein Typ")},
    });

    dlg = std::make_unique<TAttachDlg>(nullptr);
    TAttachDlg& d = *dlg;
    EXPECT_TRUE(d.LBoxClosed->Items().Empty()) << "filled on showing, not before";
    EXPECT_EQ(d.lblClosedCount->Caption(), "0");
    // Thousands of entries must reach the list box as one change, not one each.
    int changes = 0;
    TStringList& items = d.LBoxClosed->Items();
    items.OnChange = [&changes, inner = items.OnChange](TObject* s) {
        ++changes;
        inner(s);
    };
    d.FormShow(&d);
    EXPECT_EQ(changes, 1);

    const std::vector<std::string> entries = Entries();
    std::vector<std::string> ours;
    for (const std::string& entry : entries) {
        ASSERT_FALSE(entry.empty());
        EXPECT_EQ(entry[0], '.') << entry;
        if (CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, entry.c_str(), 6, ".zvatt", 6) == CSTR_EQUAL)
            ours.push_back(entry);
    }
    const std::vector<std::string> expected = {
        ".zvattApfel - Apfeldatei",
        ".zvattärger - Ärger-Datei",
        ".zvattBaum - ",
        ".ZVATTCODE - %TEMP%\\typ",
        ".zvattOase - ",
        ".zvattÖl - ",
        ".zvattPilz - Pilzdatei",
        ".zvattzebra - ",
    };
    EXPECT_EQ(ours, expected);

    const size_t extensions = ExtensionKeysOfTheRoot();
    EXPECT_GT(extensions, expected.size());
    EXPECT_EQ(entries.size(), extensions);
    EXPECT_EQ(d.lblClosedCount->Caption(), std::to_string(extensions));
    EXPECT_TRUE(d.LBoxFree->Items().Empty());
}

TEST_F(AttachDlgTest, SelectionButtonsLeaveTheLeftArrowAsItWasUntilTheNextClickInTheList)
{
    SharedKeyLock lock;
    TAttachDlg& d = Open();
    const int all = std::min(d.LBoxClosed->Items().Count(), static_cast<int>(TFlatListBox::MaxMarks));
    ASSERT_GE(all, 2) << "a fresh prefix has extension keys";

    enum Action { Start, All, None, Invert, ClickFirst };
    struct Step {
        Action action;
        bool arrowEnabled;
        int selected;        // how many entries are marked afterwards
        bool firstSelected;
    };
    const Step steps[] = {
        {Start, false, 0, false},
        {All, false, all, true},
        {ClickFirst, true, all - 1, false},
        {None, true, 0, false},
        {Invert, true, all, true},
        {ClickFirst, true, all - 1, false},
        {Invert, true, 1, true},
        {ClickFirst, false, 0, false},
        {Invert, false, all, true},
        {None, false, 0, false},
    };
    int n = 0;
    for (const Step& step : steps) {
        switch (step.action) {
        case Start: break;
        case All: Press(d.btnClosedAll); break;
        case None: Press(d.btnClosedNone); break;
        case Invert: Press(d.btnClosedOther); break;
        case ClickFirst: ClickFirstEntry(); break;
        }
        EXPECT_EQ(d.btn2free->Enabled(), step.arrowEnabled) << "step " << n;
        EXPECT_EQ(d.LBoxClosed->SelectedCount(), step.selected) << "step " << n;
        EXPECT_EQ(d.LBoxClosed->ItemSelected(0), step.firstSelected) << "step " << n;
        EXPECT_FALSE(d.btn2Close->Enabled()) << "step " << n;
        ++n;
    }
}

TEST_F(AttachDlgTest, EveryWayToCloseWritesNothing)
{
    const ClassKeys keys({{".zvattOk", REG_SZ, Text("Typ")}, {".zvattOdd", REG_DWORD, std::string("\x07\0\0\0", 4)}});
    struct Case {
        const char* what;
        TFlatButton* TSettingsDlg::*button;
        int result;
    };
    const Case cases[] = {
        {"OK", &TSettingsDlg::OkBtn, mrOk},
        {"Abbrechen", &TSettingsDlg::CancelBtn, mrCancel},
        {"x", &TSettingsDlg::btnClose, mrCancel},
    };
    const std::string before = ClassesRoot();
    for (const Case& c : cases) {
        TAttachDlg& d = Open();
        const std::vector<std::string> shown = Entries();
        // Everything the user can do on the way: mark entries, press both arrows.
        Press(d.btnClosedAll);
        ClickFirstEntry();
        ASSERT_TRUE(d.btn2free->Enabled()) << c.what;
        Press(d.btn2free);
        Press(d.btn2Close);
        EXPECT_EQ(Entries(), shown) << c.what;
        EXPECT_TRUE(d.LBoxFree->Items().Empty()) << c.what;

        (d.*c.button)->Click();
        EXPECT_EQ(d.ModalResult(), c.result) << c.what;
        dlg.reset();
        EXPECT_EQ(Difference(before, ClassesRoot()), "") << c.what;
    }
}

using zvtest::FakeClientWindow;

TEST(AttachmentsButton, OpensTheDialogWhenTheClientIsInstalledEvenWhileItRuns)
{
    const char* const versionKey = "SOFTWARE\\Microsoft\\Outlook Express\\Version Info";
    SharedKeyGuard version(HKEY_LOCAL_MACHINE, versionKey);
    struct Case {
        const char* what;
        const char* current;  // nullptr: not installed
        bool running;
        bool opens;
    };
    const Case cases[] = {
        {"not installed", nullptr, false, false},
        {"version 4", "4,00,2600,0000", false, false},
        {"installed", "6,00,2900,5512", false, true},
        {"installed and running", "6,00,2900,5512", true, true},
    };
    auto main = std::make_unique<TMainDlg>(nullptr);
    for (const Case& c : cases) {
        DeleteTree(HKEY_LOCAL_MACHINE, versionKey);
        if (c.current)
            SetString(HKEY_LOCAL_MACHINE, versionKey, "Current", c.current);
        std::optional<FakeClientWindow> client;
        if (c.running)
            client.emplace();
        MessageBoxRecorder boxes;

        // Once the dialog is up and filled, press its "Abbrechen".
        bool sawDialog = false;
        std::string count;
        TTimer poke;
        poke.SetInterval(50);
        poke.OnTimer = [&](TObject*) {
            if (!AttachDlg || !AttachDlg->Visible())
                return;
            sawDialog = true;
            count = AttachDlg->lblClosedCount->Caption();
            HWND cancel = AttachDlg->CancelBtn->Handle();
            SendMessageA(cancel, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
            SendMessageA(cancel, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        };
        main->btnMailAttachmentsClick(main->btnMailAttachments);
        poke.SetEnabled(false);

        EXPECT_EQ(sawDialog, c.opens) << c.what;
        EXPECT_EQ(boxes.Boxes.size(), c.opens ? 0u : 1u) << c.what;
        if (c.opens)
            EXPECT_EQ(count, std::to_string(ExtensionKeysOfTheRoot())) << c.what;
        EXPECT_EQ(AttachDlg, nullptr) << c.what << ": destroyed and the reference cleared";
    }
    EXPECT_FALSE(main->btnMailAttachments->Visible());
    main.reset();
    zvtest::DrainMessages();
}

} // namespace
