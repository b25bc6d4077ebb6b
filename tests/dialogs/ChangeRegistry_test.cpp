// The identity settings dialog as a user sees it, against the real
// "Identities" key (each test puts it back as it found it).
#include "dialogs/ChangeRegistry.h"

#include "dialogs/ChangesDlg.h"
#include "controls/TFlatListBoxUnit.h"

#include "controls/TFlatButtonUnit.h"
#include "controls/TFlatCheckBoxUnit.h"
#include "controls/TFlatCheckListBoxUnit.h"
#include "controls/TFlatComboBoxUnit.h"
#include "controls/TFlatEditUnit.h"
#include "controls/TFlatTabControlUnit.h"
#include "framework/Dialogs.h"
#include "framework/StdLabel.h"
#include "controls/FlatButtonTestKit.h"
#include "framework/Notebook.h"
#include "registry/RegFileKit.h"
#include "support/Backups.h"
#include "support/SeamRecorder.h"
#include "support/SharedKeyGuard.h"
#include "support/TestForm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>

namespace {

constexpr const char* kIdentities = "Identities";
constexpr const char* kA = "{0A0A0A0A-0000-4000-8000-00000000000A}";
constexpr const char* kB = "{0B0B0B0B-0000-4000-8000-00000000000B}";
constexpr const char* kQuestion =
    "Die Einstellungen für die ausgewählte Identität wurden geändert!\r\nSollen diese gespeichert werden?";

std::string Base(const char* id, const std::string& sub = "")
{
    std::string path = std::string(kIdentities) + "\\" + id + "\\Software\\Microsoft\\Outlook Express\\5.0";
    return sub.empty() ? path : path + "\\" + sub;
}

void AddIdentity(const char* id, const char* name)
{
    SetString(HKEY_CURRENT_USER, std::string(kIdentities) + "\\" + id, "Username", name);
}

std::optional<DWORD> Dword(const std::string& path, const char* name)
{
    auto v = QueryValue(HKEY_CURRENT_USER, path, name);
    if (!v || v->type != REG_DWORD)
        return std::nullopt;
    return *reinterpret_cast<const DWORD*>(v->data.data());
}

void Flip(TFlatCheckBox* box)
{
    box->SetChecked(box->Checked() ? 0 : 1);
}

// Brings the tab page that holds control to the front.
void ShowPageOf(TseparateDlg& d, TControl* control)
{
    for (TControl* c = control; c && c->Parent(); c = c->Parent())
        for (int i = 0; i < d.nb->PageCount(); ++i)
            if (c == d.nb->Page(i))
                d.flTab->SetActiveTab(i);
}

// The real pointer over a check box's box, a press and a release.
void ClickBox(TFlatCheckBox* box)
{
    ShowPageOf(*static_cast<TseparateDlg*>(box->GetParentForm()), box);
    const RECT r = box->BoxRect();
    const int x = (r.left + r.right) / 2;
    const int y = (r.top + r.bottom) / 2;
    flatkit::PointerTo(box, x, y);
    flatkit::ClickAt(box, x, y);
    flatkit::PointerAway();
}

void SpaceOn(TFlatCheckBox* box)
{
    SendMessageA(box->Handle(), WM_KEYUP, VK_SPACE, 0xC0000001);
}

struct IdentDlgTest : testing::Test {
    SharedKeyGuard identities{HKEY_CURRENT_USER, kIdentities};
    std::unique_ptr<TseparateDlg> dlg;

    void SetUp() override { DeleteTree(HKEY_CURRENT_USER, kIdentities); }
    void TearDown() override
    {
        dlg.reset();
        zvtest::DrainMessages();
        screen.reset();
    }
    std::unique_ptr<flatkit::ScreenLock> screen;

    // Shown on screen and active where the real pointer clicks.
    TseparateDlg& Open(bool onScreen = false)
    {
        dlg.reset();
        dlg = std::make_unique<TseparateDlg>(nullptr);
        if (!onScreen) {
            dlg->FormShow(dlg.get());
            return *dlg;
        }
        if (!screen)
            screen = std::make_unique<flatkit::ScreenLock>();
        flatkit::PointerAway();
        dlg->Show();
        SetWindowPos(dlg->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        flatkit::Drain();
        flatkit::Activate(dlg->Handle());
        EXPECT_EQ(GetActiveWindow(), dlg->Handle());
        return *dlg;
    }
    // Chooses identity index as the user does: drop-down, arrow keys, Enter.
    void Choose(int index)
    {
        const HWND combo = dlg->IdentChange->Handle();
        // The open list follows the real pointer: keep it off the list.
        SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
        SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
        ChooseWithKeys(index);
        SendMessageA(combo, WM_KEYDOWN, VK_RETURN, 0);
        SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
    }
    // Arrow keys on the (closed or open) selection box.
    void ChooseWithKeys(int index)
    {
        const HWND combo = dlg->IdentChange->Handle();
        for (int i = 0; i < 10 && dlg->IdentChange->ItemIndex() != index; ++i)
            SendMessageA(combo, WM_KEYDOWN, dlg->IdentChange->ItemIndex() < index ? VK_DOWN : VK_UP, 0);
    }
    // The whole "Identities" key, to compare before and after.
    static std::string Snapshot()
    {
        std::ostringstream out;
        auto dump = [&](const KeySnapshot& k, auto& self) -> void {
            out << (k.Exists ? "+" : "-");
            for (auto& [n, v] : k.Values)
                out << n << ':' << v.type << ':' << v.AsString() << ';';
            for (auto& [n, c] : k.Children) {
                out << '[' << n;
                self(c, self);
                out << ']';
            }
        };
        dump(KeySnapshot::Take(HKEY_CURRENT_USER, kIdentities), dump);
        return out.str();
    }
};

TEST_F(IdentDlgTest, WithoutIdentitiesTheDialogSaysSoAndCanOnlyClose)
{
    MessageBoxRecorder boxes;
    TseparateDlg& d = Open();
    ASSERT_EQ(boxes.Boxes.size(), 1u);
    EXPECT_EQ(boxes.Boxes[0].text, "Es konnten keine Identitäten ermittelt werden!");
    EXPECT_EQ(boxes.Boxes[0].caption, "Zorvane - Anpassen von Outlook Express");
    EXPECT_EQ(d.IdentChange->Items().Count(), 0);
    EXPECT_FALSE(d.flTab->Visible());
    EXPECT_TRUE(d.Label5->Visible());
    EXPECT_FALSE(d.ApplyEnabled());
    d.OkBtn->Click();
    EXPECT_EQ(d.ModalResult(), mrOk);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kIdentities));
}

TEST_F(IdentDlgTest, EmptyBranchShowsTheDefaultsAndOkCreatesNoKey)
{
    AddIdentity(kA, "Anna");
    const std::string before = Snapshot();
    TseparateDlg& d = Open();
    // A single identity is loaded at once.
    EXPECT_EQ(d.IdentChange->ItemIndex(), 0);
    EXPECT_TRUE(d.flTab->Visible());
    EXPECT_EQ(d.EdWindowTitle->Text(), "Outlook Express");
    EXPECT_EQ(d.EdInfoBereich->Text(), "");
    EXPECT_TRUE(d.EdInfoBereich->Enabled());
    EXPECT_EQ(d.edFrontpagePath->Text(), "");
    for (TFlatCheckBox* on : {d.ChkSymbolleiste, d.ChkStatusleiste, d.ChkOrdnerleiste, d.ChkOrdnerliste,
                              d.ChkOutlookleiste, d.ChkKontakte, d.ChkTipp, d.ChkInfoBereich, d.ChkSound,
                              d.chkMoreHeader, d.chkImages, d.chkSounds, d.chkAnims, d.chkVideos, d.chkURLFull})
        EXPECT_NE(on->Checked(), 0) << on->Name();
    for (TFlatCheckBox* off : {d.chkSplashScreen, d.chkBcc, d.chkScriptDebugger, d.chkURLUnderlined,
                               d.ChkSafeAttachments})
        EXPECT_EQ(off->Checked(), 0) << off->Name();
    EXPECT_EQ(d.CBDialogs->Items().Count(), 0);
    EXPECT_EQ(d.lblDialogs->Caption(), "");
    EXPECT_FALSE(d.ApplyEnabled());
    EXPECT_FALSE(d.PendingChanges());
    d.OkBtn->Click();
    EXPECT_EQ(d.ModalResult(), mrOk);
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(IdentDlgTest, StoredNumbersShowThroughTheirSenseAndTogglesWriteTheRowsValues)
{
    constexpr int kStored = 6;
    // Stored: absent, 0, 1, 2, 256, all bits set, and text instead of a number.
    const std::optional<DWORD> stored[kStored] = {std::nullopt, 0, 1, 2, 256, 0xFFFFFFFF};
    struct Case {
        TFlatCheckBox* TseparateDlg::*box;
        const char* key;
        const char* value;
        int shown[kStored];   // the box's number for each stored value
        DWORD onCheck, onUncheck;
    };
    const Case cases[] = {
        {&TseparateDlg::ChkSymbolleiste, "", "ShowToolbarIEAK", {255, 0, 1, 2, 0, 255}, 1, 0},
        {&TseparateDlg::ChkOrdnerleiste, "", "HideFolderBar", {254, 1, 0, 3, 1, 254}, 0, 1},
        {&TseparateDlg::chkSplashScreen, "", "NoSplash", {0, 0, 1, 2, 0, 0}, 1, 0},
        {&TseparateDlg::chkMoreHeader, "Mail", "Show Adv Mail Read", {1, 0, 1, 2, 0, 1}, 255, 0},
        {&TseparateDlg::chkVideos, "Trident\\Main", "Display Inline Videos", {1, 0, 1, 2, 0, 1}, 1, 0},
        {&TseparateDlg::chkURLFull, "Trident", "Show_FullURL", {254, 1, 0, 3, 1, 254}, 0, 1},
        {&TseparateDlg::ChkSafeAttachments, "Mail", "Safe Attachments", {0, 1, 0, 3, 1, 0}, 0, 1},
    };
    for (const Case& c : cases) {
        const std::string path = Base(kA, c.key);
        for (int s = 0; s < kStored; ++s) {
            const std::string what = std::string(c.value) + " stored " +
                                     (stored[s] ? std::to_string(*stored[s]) : std::string("absent"));
            SetUp();
            MessageBoxRecorder boxes;
            AddIdentity(kA, "Anna");
            if (stored[s])
                SetDword(HKEY_CURRENT_USER, path, c.value, *stored[s]);
            TFlatCheckBox* box = Open().*c.box;
            ASSERT_EQ(box->Checked(), c.shown[s]) << what;
            EXPECT_FALSE(dlg->ApplyEnabled()) << what;

            // Twice: back at 0 or 1 nothing is written, and nothing is
            // offered for writing; any other number is now 1, a change.
            const std::string before = Snapshot();
            Flip(box);
            Flip(box);
            EXPECT_EQ(dlg->ApplyEnabled(), c.shown[s] > 1) << what;
            dlg->BtnTakeItClick(nullptr);
            if (c.shown[s] <= 1)
                EXPECT_EQ(Snapshot(), before) << what;
            else
                EXPECT_EQ(Dword(path, c.value), c.onCheck) << what;

            // Once more: the other state's value, and only that value.
            Flip(box);
            dlg->BtnTakeItClick(nullptr);
            EXPECT_EQ(Dword(path, c.value), box->Checked() ? c.onCheck : c.onUncheck) << what;
            EXPECT_FALSE(dlg->ApplyEnabled()) << what;
            EXPECT_FALSE(dlg->PendingChanges()) << what;
            EXPECT_TRUE(boxes.Boxes.empty()) << what;
        }
        // A number stored as text: reported, greyed, never written.
        SetUp();
        AddIdentity(kA, "Anna");
        SetString(HKEY_CURRENT_USER, path, c.value, "1");
        MessageBoxRecorder boxes;
        TFlatCheckBox* box = Open().*c.box;
        ASSERT_EQ(boxes.Boxes.size(), 1u) << c.value;
        EXPECT_NE(boxes.Boxes[0].text.find(std::string("\"") + c.value + "\""), std::string::npos);
        EXPECT_FALSE(box->Enabled()) << c.value;
        Flip(box);
        Flip(dlg->chkBcc == box ? dlg->chkAnims : dlg->chkBcc);
        dlg->OkBtn->Click();
        EXPECT_EQ(dlg->ModalResult(), mrOk);
        EXPECT_EQ(QueryValue(HKEY_CURRENT_USER, path, c.value)->type, static_cast<DWORD>(REG_SZ)) << c.value;
    }
}

TEST_F(IdentDlgTest, TextRowsShowDefaultsAndExpandedPathsAndWriteWhatTheEditHolds)
{
    AddIdentity(kA, "Anna");
    SetString(HKEY_CURRENT_USER, Base(kA), "WindowTitle", "");
    SetString(HKEY_CURRENT_USER, Base(kA), "FrontpagePath", "%ZV_PAGES%\\start.htm", REG_EXPAND_SZ);
    SetString(HKEY_CURRENT_USER, Base(kA), "BodyBarPath", "http://ticker.example/");
    SetDword(HKEY_CURRENT_USER, Base(kA), "ShowBodyBar", 0);
    SetEnvironmentVariableA("ZV_PAGES", "C:\\Seiten");

    TseparateDlg& d = Open();
    EXPECT_EQ(d.EdWindowTitle->Text(), "Outlook Express");
    EXPECT_EQ(d.edFrontpagePath->Text(), "C:\\Seiten\\start.htm");
    // The info pane's edit follows its box but keeps and writes its text.
    EXPECT_FALSE(d.EdInfoBereich->Enabled());
    EXPECT_EQ(d.EdInfoBereich->Text(), "http://ticker.example/");
    d.ChkInfoBereich->SetChecked(1);
    EXPECT_TRUE(d.EdInfoBereich->Enabled());
    d.ChkInfoBereich->SetChecked(0);
    EXPECT_FALSE(d.EdInfoBereich->Enabled());
    d.EdInfoBereich->SetText("http://ticker.example/neu");
    d.BtnTakeItClick(nullptr);
    EXPECT_EQ(QueryValue(HKEY_CURRENT_USER, Base(kA), "BodyBarPath")->AsString(),
              std::string("http://ticker.example/neu\0", 26));
    // The stored form stays while the edit is untouched.
    EXPECT_EQ(QueryValue(HKEY_CURRENT_USER, Base(kA), "FrontpagePath")->type, static_cast<DWORD>(REG_EXPAND_SZ));

    d.EdWindowTitle->SetText("");
    d.edFrontpagePath->SetText("C:\\Seiten\\neu.htm");
    d.BtnTakeItClick(nullptr);
    auto title = QueryValue(HKEY_CURRENT_USER, Base(kA), "WindowTitle");
    ASSERT_TRUE(title);
    EXPECT_EQ(title->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(title->AsString(), std::string(1, '\0'));
    // An edited path keeps its type and the reference it began with.
    auto page = QueryValue(HKEY_CURRENT_USER, Base(kA), "FrontpagePath");
    EXPECT_EQ(page->type, static_cast<DWORD>(REG_EXPAND_SZ));
    EXPECT_EQ(page->AsString(), std::string("%ZV_PAGES%\\neu.htm") + '\0');
    EXPECT_EQ(Open().EdWindowTitle->Text(), "Outlook Express");

    // The page picker puts the chosen file into the edit, and the change shows.
    std::string title2;
    std::string filter;
    Seams::Override<Seams::GetOpenFileNameFn> pick(Seams::GetOpenFileName(), [&](OPENFILENAMEA* ofn) {
        title2 = ofn->lpstrTitle ? ofn->lpstrTitle : "";
        filter.assign(ofn->lpstrFilter, 54);
        lstrcpynA(ofn->lpstrFile, "C:\\Seiten\\lokal.html", static_cast<int>(ofn->nMaxFile));
        return TRUE;
    });
    dlg->btnRegFrontpagepathClick(nullptr);
    EXPECT_EQ(title2, "Geben Sie eine loakle Webseite an.");
    EXPECT_EQ(filter, std::string("HTML-Dateien (*.*htm*)\0*.*htm*\0Alle Dateien (*.*)\0*.*\0", 54));
    EXPECT_EQ(dlg->edFrontpagePath->Text(), "C:\\Seiten\\lokal.html");
    EXPECT_TRUE(dlg->ApplyEnabled());
}

TEST_F(IdentDlgTest, RefusedWriteIsReportedAndOkKeepsTheDialogOpen)
{
    AddIdentity(kA, "Anna");
    // Wine refuses a non-volatile key below a volatile one, as Windows
    // refuses a key to a user without the rights for it.
    CreateVolatileKey(HKEY_CURRENT_USER, Base(kA));
    TseparateDlg& d = Open();
    Flip(d.ChkTipp);        // in the volatile key itself: written
    Flip(d.chkBcc);         // in "Mail", which cannot be made
    MessageBoxRecorder boxes;
    d.OkBtn->Click();
    EXPECT_EQ(d.ModalResult(), mrNone);
    ASSERT_EQ(boxes.Boxes.size(), 1u);
    EXPECT_NE(boxes.Boxes[0].text.find("Blindcopy-Feld anzeigen"), std::string::npos) << boxes.Boxes[0].text;
    EXPECT_EQ(boxes.Boxes[0].text.find("Tipp des Tages"), std::string::npos);
    EXPECT_EQ(Dword(Base(kA), "Tip of the Day"), 0u);
    EXPECT_TRUE(d.ApplyEnabled());
    EXPECT_TRUE(d.PendingChanges());
}

// Two identities, A with a change pending, B chosen.
TEST_F(IdentDlgTest, ChangingTheIdentityAsksAboutPendingChangesByListAndByKeys)
{
    struct Case {
        bool byList;
        int answer;
    };
    const Case cases[] = {{true, IDYES}, {true, IDNO}, {false, IDYES}, {false, IDNO}};
    for (const Case& c : cases) {
        const std::string what = std::string(c.byList ? "list" : "keys") + (c.answer == IDYES ? " yes" : " no");
        SetUp();
        AddIdentity(kA, "Anna");
        AddIdentity(kB, "Bert");
        SetDword(HKEY_CURRENT_USER, Base(kB), "Tip of the Day", 0);
        SetDword(HKEY_CURRENT_USER, Base(kA, "Dont Show Dialogs"), "Compact Now", 1);
        TseparateDlg& d = Open(true);
        ASSERT_EQ(d.IdentChange->Items().Count(), 2);
        EXPECT_FALSE(d.flTab->Visible());
        MessageBoxRecorder boxes(c.answer);
        // Before any identity is loaded nothing is asked.
        c.byList ? Choose(0) : ChooseWithKeys(0);
        ASSERT_EQ(d.ShownIdentity(), 0) << what;
        EXPECT_TRUE(d.flTab->Visible());
        EXPECT_TRUE(boxes.Boxes.empty()) << what;
        // Opening the list without changes asks nothing, however often.
        for (int i = 0; i < 3; ++i) {
            SendMessageA(d.IdentChange->Handle(), CB_SHOWDROPDOWN, TRUE, 0);
            SendMessageA(d.IdentChange->Handle(), CB_SHOWDROPDOWN, FALSE, 0);
        }
        EXPECT_TRUE(boxes.Boxes.empty()) << what;

        ClickBox(d.ChkTipp);
        ASSERT_EQ(d.ChkTipp->Checked(), 0) << what;
        c.byList ? Choose(1) : ChooseWithKeys(1);
        ASSERT_EQ(boxes.Boxes.size(), 1u) << what;
        EXPECT_EQ(boxes.Boxes[0].text, kQuestion);
        EXPECT_EQ(boxes.Boxes[0].caption, "Zorvane - Anpassen von Outlook Express");
        EXPECT_EQ(boxes.Boxes[0].flags & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
        // Either way B is on display now, unchanged.
        EXPECT_EQ(d.ShownIdentity(), 1) << what;
        EXPECT_EQ(d.ChkTipp->Checked(), 0) << what;
        EXPECT_FALSE(d.ApplyEnabled()) << what;
        // Yes wrote the change to A, No dropped it.
        EXPECT_EQ(Dword(Base(kA), "Tip of the Day"), c.answer == IDYES ? std::optional<DWORD>(0) : std::nullopt)
            << what;
        EXPECT_EQ(Dword(Base(kB), "Tip of the Day"), 0u) << what;
    }
}

TEST_F(IdentDlgTest, YesFollowedByAFailedSaveAsksOnceAndKeepsTheIdentity)
{
    AddIdentity(kA, "Anna");
    AddIdentity(kB, "Bert");
    // "Mail" cannot be made below a volatile key: that save fails.
    CreateVolatileKey(HKEY_CURRENT_USER, Base(kA));
    TseparateDlg& d = Open(true);
    Choose(0);
    ASSERT_EQ(d.ShownIdentity(), 0);
    Flip(d.chkBcc);
    MessageBoxRecorder boxes(IDYES);
    Choose(1);
    // The question and the refusal, and nothing asked again.
    ASSERT_EQ(boxes.Boxes.size(), 2u);
    EXPECT_EQ(boxes.Boxes[0].text, kQuestion);
    EXPECT_NE(boxes.Boxes[1].text.find("Blindcopy-Feld anzeigen"), std::string::npos);
    EXPECT_EQ(d.ShownIdentity(), 0);
    EXPECT_EQ(d.IdentChange->ItemIndex(), 0);
    EXPECT_TRUE(d.PendingChanges());
}

TEST_F(IdentDlgTest, ForAllIdentitiesTheChangedRowsGoWhereTheyDifferWithOneBackup)
{
    constexpr const char* kC = "{0C0C0C0C-0000-4000-8000-00000000000C}";
    AddIdentity(kA, "Anna");
    AddIdentity(kB, "Bert");
    AddIdentity(kC, "Carl");
    SetDword(HKEY_CURRENT_USER, Base(kA), "ShowStatus", 1);
    SetDword(HKEY_CURRENT_USER, Base(kB), "ShowStatus", 0);   // holds it already
    SetString(HKEY_CURRENT_USER, Base(kB), "WindowTitle", "Bert");
    // Carl's "Mail" key cannot be made: his Bcc row is refused.
    CreateVolatileKey(HKEY_CURRENT_USER, Base(kC));
    const std::vector<std::string> files = BackupFiles();
    TseparateDlg& d = Open(true);
    Choose(0);
    d.chkAllIdentities->SetChecked(1);
    d.ChkStatusleiste->SetChecked(0);
    Flip(d.chkBcc);
    MessageBoxRecorder boxes;
    d.BtnTakeItClick(nullptr);
    ASSERT_EQ(boxes.Boxes.size(), 1u);
    EXPECT_NE(boxes.Boxes[0].text.find("Identität Carl: Blindcopy-Feld anzeigen"), std::string::npos)
        << boxes.Boxes[0].text;
    for (const char* id : {kA, kB, kC})
        EXPECT_EQ(Dword(Base(id), "ShowStatus"), 0u) << id;
    EXPECT_EQ(Dword(Base(kA, "Mail"), "Show Adv Mail Send"), 1u);
    EXPECT_EQ(Dword(Base(kB, "Mail"), "Show Adv Mail Send"), 1u);
    // Untouched rows stay as they were, Bert's title among them.
    EXPECT_EQ(QueryValue(HKEY_CURRENT_USER, Base(kB), "WindowTitle")->AsString(), std::string("Bert\0", 5));
    // One backup for all of them, without what Bert held already.
    const std::vector<std::string> now = NewBackups(files, "_Identitaeten_alle");
    ASSERT_EQ(now.size(), 1u);
    const std::wstring text = regfilekit::ReadUnicodeFile(now[0]);
    const std::wstring bertStatus = regfilekit::W(std::string(kB) + "\\Software\\Microsoft\\Outlook Express\\5.0]");
    EXPECT_EQ(text.find(bertStatus), std::wstring::npos);
    EXPECT_NE(text.find(regfilekit::W(kC)), std::wstring::npos);
    DeleteFileA(now[0].c_str());
}

TEST_F(IdentDlgTest, AnUnreadableIdentityIsNamedOnceAndTheOthersAreListed)
{
    AddIdentity(kA, "Anna");
    SetDword(HKEY_CURRENT_USER, std::string(kIdentities) + "\\" + kB, "Username", 7);
    MessageBoxRecorder boxes;
    TseparateDlg& d = Open();
    ASSERT_EQ(boxes.Boxes.size(), 1u);
    EXPECT_NE(boxes.Boxes[0].text.find(kB), std::string::npos) << boxes.Boxes[0].text;
    ASSERT_EQ(d.IdentChange->Items().Count(), 1);
    EXPECT_EQ(d.IdentChange->Items()[0], "Anna");
    EXPECT_EQ(d.ShownIdentity(), 0);
}

// The profile buttons: Anna's settings saved, then loaded into Bert after
// the preview; a profile with a fault is refused with its line.
TEST_F(IdentDlgTest, AProfileSavedFromOneIdentityLoadsIntoAnotherAfterItsPreview)
{
    AddIdentity(kA, "Anna");
    AddIdentity(kB, "Bert");
    SetString(HKEY_CURRENT_USER, Base(kA), "WindowTitle", "Annas Post");
    SetDword(HKEY_CURRENT_USER, Base(kA), "ShowStatus", 0);
    SetDword(HKEY_CURRENT_USER, Base(kB), "ShowStatus", 1);
    regfilekit::TempDir dir;
    const std::string file = dir.Path() + "\\Anna.ini";
    auto answer = [&](OPENFILENAMEA* ofn) {
        lstrcpynA(ofn->lpstrFile, file.c_str(), static_cast<int>(ofn->nMaxFile));
        return TRUE;
    };
    Seams::Override<Seams::GetSaveFileNameFn> save(Seams::GetSaveFileName(), answer);
    Seams::Override<Seams::GetOpenFileNameFn> open(Seams::GetOpenFileName(), answer);
    MessageBoxRecorder boxes;
    TseparateDlg& d = Open(true);
    Choose(0);
    d.btnProfileSaveClick(nullptr);
    ASSERT_EQ(boxes.Boxes.size(), 1u);
    EXPECT_NE(regfilekit::ReadFileBytes(file).find("Titelleiste=Annas Post\r\n"), std::string::npos);

    Choose(1);
    std::vector<std::string> shown;
    d.ShowPreview = [&](TForm& form) {
        auto& preview = static_cast<TChangesDlg&>(form);
        shown = preview.LBoxChanges->Items().Strings();
        preview.OkBtn->Click();
        return preview.ModalResult();
    };
    const std::vector<std::string> files = BackupFiles();
    d.btnProfileLoadClick(nullptr);
    EXPECT_NE(std::find(shown.begin(), shown.end(), "Identität Bert - Statusleiste: an -> aus"), shown.end());
    EXPECT_EQ(QueryValue(HKEY_CURRENT_USER, Base(kB), "WindowTitle")->AsString(), std::string("Annas Post\0", 11));
    EXPECT_EQ(Dword(Base(kB), "ShowStatus"), 0u);
    EXPECT_EQ(d.EdWindowTitle->Text(), "Annas Post");
    const std::vector<std::string> made = NewBackups(files, "_Profil_Anna");
    ASSERT_EQ(made.size(), 1u);
    DeleteFileA(made[0].c_str());

    regfilekit::WriteFileBytes(file, "[Zorvane-Profil]\r\nVersion=1\r\n[Identitaet]\r\nGibtsNicht=1\r\n");
    boxes.Boxes.clear();
    shown.clear();
    d.btnProfileLoadClick(nullptr);
    ASSERT_EQ(boxes.Boxes.size(), 1u);
    EXPECT_NE(boxes.Boxes[0].text.find("Zeile 4"), std::string::npos) << boxes.Boxes[0].text;
    EXPECT_TRUE(shown.empty());
}

TEST_F(IdentDlgTest, TwoIdentitiesWithOneNameAreTwoEntries)
{
    AddIdentity(kA, "Familie");
    AddIdentity(kB, "Familie");
    SetString(HKEY_CURRENT_USER, Base(kB), "WindowTitle", "Zweite");
    TseparateDlg& d = Open();
    ASSERT_EQ(d.IdentChange->Items().Count(), 2);
    EXPECT_EQ(d.IdentChange->Items()[0], "Familie");
    EXPECT_EQ(d.IdentChange->Items()[1], "Familie");
    // With the keys on the closed box: an open list of equal texts selects
    // the first of them by its text.
    ChooseWithKeys(1);
    EXPECT_EQ(d.ShownIdentity(), 1);
    EXPECT_EQ(d.EdWindowTitle->Text(), "Zweite");
    ChooseWithKeys(0);
    EXPECT_EQ(d.ShownIdentity(), 0);
    EXPECT_EQ(d.EdWindowTitle->Text(), "Outlook Express");
    d.EdWindowTitle->SetText("Erste");
    d.OkBtn->Click();
    EXPECT_EQ(QueryValue(HKEY_CURRENT_USER, Base(kA), "WindowTitle")->AsString(), std::string("Erste\0", 6));
    EXPECT_EQ(QueryValue(HKEY_CURRENT_USER, Base(kB), "WindowTitle")->AsString(), std::string("Zweite\0", 7));
}

// The suppressed-notice list of identity A.
struct NoticeListTest : IdentDlgTest {
    std::string key = Base(kA, "Dont Show Dialogs");

    TseparateDlg& OpenWith(std::initializer_list<const char*> names)
    {
        AddIdentity(kA, "Anna");
        for (const char* name : names)
            SetDword(HKEY_CURRENT_USER, key, name, 1);
        return Open();
    }
    void TickByMouse(int row)
    {
        const RECT r = dlg->CBDialogs->RowRect(row);
        zvtest::Click(dlg->CBDialogs->Handle(), r.left + 6, r.top + 6);
    }
    void TickByKeyboard(int row)
    {
        const RECT r = dlg->CBDialogs->RowRect(row);
        zvtest::Click(dlg->CBDialogs->Handle(), r.left + 60, r.top + 6);   // highlights the row
        SendMessageA(dlg->CBDialogs->Handle(), WM_KEYDOWN, VK_SPACE, 0);
    }
};

TEST_F(NoticeListTest, TickedNoticesAreDeletedOnApplyByMouseAndByKeyboard)
{
    for (bool byMouse : {true, false}) {
        const char* how = byMouse ? "mouse" : "keyboard";
        SetUp();
        // The default value is a notice with an empty name.
        TseparateDlg& d = OpenWith({"Compact Now", "", "Sync Warning"});
        const std::vector<std::string>& shown = d.CBDialogs->Items().Strings();
        ASSERT_EQ(shown.size(), 3u);
        // In the registry's order, which the list keeps.
        EXPECT_EQ(shown, *GetRegValueNames(1, key));
        const int empty = static_cast<int>(std::find(shown.begin(), shown.end(), "") - shown.begin());
        ASSERT_LT(empty, 3);
        const int other = (empty + 1) % 3;
        const std::string otherName = shown[static_cast<size_t>(other)];
        auto pattern = [](int ticked) { std::string p = "000"; p[static_cast<size_t>(ticked)] = '1'; return p; };
        EXPECT_EQ(d.lblDialogs->Caption(), "000");
        EXPECT_FALSE(d.lblDialogs->Visible());

        // Ticked and unticked again: nothing to delete.
        byMouse ? TickByMouse(other) : TickByKeyboard(other);
        EXPECT_EQ(d.lblDialogs->Caption(), pattern(other)) << how;
        EXPECT_TRUE(d.ApplyEnabled()) << how;
        byMouse ? TickByMouse(other) : TickByKeyboard(other);
        d.BtnTakeItClick(nullptr);
        EXPECT_TRUE(QueryValue(HKEY_CURRENT_USER, key, otherName)) << how;

        byMouse ? TickByMouse(empty) : TickByKeyboard(empty);
        EXPECT_EQ(d.lblDialogs->Caption(), pattern(empty)) << how;
        EXPECT_TRUE(d.ApplyEnabled()) << how;
        d.BtnTakeItClick(nullptr);
        EXPECT_FALSE(QueryValue(HKEY_CURRENT_USER, key, "")) << how;
        EXPECT_TRUE(QueryValue(HKEY_CURRENT_USER, key, otherName)) << how;
        ASSERT_EQ(d.CBDialogs->Items().Count(), 2) << how;
        EXPECT_EQ(d.lblDialogs->Caption(), "00") << how;
        EXPECT_FALSE(d.PendingChanges()) << how;
    }
}

TEST_F(NoticeListTest, AnApplyLeavesABackupThatBringsBackValuesAndNotices)
{
    OpenWith({"Compact Now", "Sync Warning"});
    SetString(HKEY_CURRENT_USER, Base(kA), "WindowTitle", "Post");
    const std::string before = Snapshot();
    const std::vector<std::string> files = BackupFiles();
    Open();
    dlg->EdWindowTitle->SetText("Andere Post");   // changed
    Flip(dlg->ChkSymbolleiste);                   // absent: will be added
    Flip(dlg->chkBcc);                            // a key that will be made
    TickByMouse(1);                               // a notice that will go
    dlg->BtnTakeItClick(nullptr);
    ASSERT_NE(Snapshot(), before);
    const std::vector<std::string> now = NewBackups(files, "_Identitaet_Anna");
    ASSERT_EQ(now.size(), 1u);
    regfilekit::RunRegedit(now.back());
    EXPECT_EQ(Snapshot(), before) << regfilekit::ReadFileBytes(now.back());
    DeleteFileA(now.back().c_str());
}

TEST_F(NoticeListTest, TicksDeclinedWhenChangingTheIdentityAreNotDeleted)
{
    AddIdentity(kB, "Bert");
    TseparateDlg& d = OpenWith({"Compact Now", "Sync Warning"});
    Choose(0);
    ASSERT_EQ(d.ShownIdentity(), 0);
    ASSERT_EQ(d.CBDialogs->Items().Count(), 2);
    TickByMouse(0);
    MessageBoxRecorder boxes(IDNO);
    Choose(1);
    EXPECT_EQ(boxes.Boxes.size(), 1u);
    EXPECT_EQ(d.CBDialogs->Items().Count(), 0);
    EXPECT_EQ(d.lblDialogs->Caption(), "");
    EXPECT_TRUE(QueryValue(HKEY_CURRENT_USER, key, "Compact Now"));
}

TEST_F(NoticeListTest, NoticesBeyondThe256thCanBeTickedAndDeleted)
{
    AddIdentity(kA, "Anna");
    for (int i = 0; i < 300; ++i)
        SetDword(HKEY_CURRENT_USER, key, ("Hinweis " + std::to_string(i)).c_str(), 1);
    TseparateDlg& d = Open();
    ASSERT_EQ(d.CBDialogs->Items().Count(), 300);
    EXPECT_EQ(d.lblDialogs->Caption(), std::string(300, '0'));
    // Scrolled to the end: the last rows tick like the first.
    for (int i = 0; i < 40; ++i)
        SendMessageA(d.CBDialogs->Handle(), WM_KEYDOWN, VK_NEXT, 0);
    const int top = d.CBDialogs->TopIndex();
    ASSERT_GT(top, 256);
    TickByMouse(0);
    TickByKeyboard(1);
    std::string pattern(300, '0');
    pattern[static_cast<size_t>(top)] = pattern[static_cast<size_t>(top + 1)] = '1';
    EXPECT_EQ(d.lblDialogs->Caption(), pattern);
    const std::string first = d.CBDialogs->Items()[top], second = d.CBDialogs->Items()[top + 1];
    d.OkBtn->Click();
    EXPECT_FALSE(QueryValue(HKEY_CURRENT_USER, key, first));
    EXPECT_FALSE(QueryValue(HKEY_CURRENT_USER, key, second));
    EXPECT_EQ(QueryValue(HKEY_CURRENT_USER, key, "Hinweis 0")->type, static_cast<DWORD>(REG_DWORD));
    HKEY k = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &k), ERROR_SUCCESS);
    DWORD count = 0;
    RegQueryInfoKeyA(k, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr,
                     nullptr);
    RegCloseKey(k);
    EXPECT_EQ(count, 298u);
}

// Names the ANSI calls cannot tell apart: one outside the code page and its
// "?" twin, and one with a NUL and the name it ends in. A delete by the
// wrong name would hit the twin.
TEST_F(NoticeListTest, ExactlyTheTickedNoticeGoesAndOneThatCannotBeIsReported)
{
    AddIdentity(kA, "Anna");
    SetDword(HKEY_CURRENT_USER, key, "Compact Now", 1);
    const std::vector<std::wstring> names = {L"Compact Now", L"\u041f\u0440\u0438\u0432\u0435\u0442",
                                             L"??????", L"ab", std::wstring(L"ab\0cd", 5)};
    HKEY k = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_SET_VALUE | KEY_QUERY_VALUE, &k), ERROR_SUCCESS);
    // A name with a NUL can only be made through the native call.
    using NtSetValueKeyFn = LONG(WINAPI*)(HANDLE, void*, ULONG, ULONG, const void*, ULONG);
    struct Counted {
        USHORT length, maximum;
        const wchar_t* buffer;
    };
    const auto ntSet = reinterpret_cast<NtSetValueKeyFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtSetValueKey")));
    ASSERT_NE(ntSet, nullptr);
    const DWORD one = 1;
    for (const std::wstring& name : names) {
        Counted counted{USHORT(name.size() * 2), USHORT(name.size() * 2), name.data()};
        ASSERT_EQ(ntSet(k, &counted, 0, REG_DWORD, &one, sizeof one), 0) << names.size();
    }
    // Every name as stored, in the list's order.
    auto stored = [&] {
        std::vector<std::wstring> all;
        wchar_t buffer[64];
        for (DWORD i = 0;; ++i) {
            DWORD length = 64;
            if (RegEnumValueW(k, i, buffer, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
                return all;
            all.emplace_back(buffer, length);
        }
    };
    const std::vector<std::wstring> before = stored();
    ASSERT_EQ(before.size(), 5u);
    TseparateDlg& d = Open();
    const std::vector<std::string>& shown = d.CBDialogs->Items().Strings();
    ASSERT_EQ(shown.size(), 5u);
    // The one outside the code page: a delete by its ANSI form would hit the twin.
    const int lookAlike = static_cast<int>(std::find(before.begin(), before.end(), names[1]) - before.begin());
    ASSERT_EQ(shown[static_cast<size_t>(lookAlike)], "??????");
    const int nul = static_cast<int>(std::find(shown.begin(), shown.end(), "ab\\0cd (nicht entfernbar)") - shown.begin());
    ASSERT_LT(lookAlike, 5);
    ASSERT_LT(nul, 5);
    TickByMouse(lookAlike);
    TickByMouse(nul);
    MessageBoxRecorder boxes;
    d.OkBtn->Click();
    EXPECT_EQ(d.ModalResult(), mrNone);
    ASSERT_EQ(boxes.Boxes.size(), 1u);
    EXPECT_NE(boxes.Boxes[0].text.find("Hinweis \"ab\\0cd\": der Name enthält ein NUL-Zeichen"), std::string::npos)
        << boxes.Boxes[0].text;
    // Exactly the ticked name went; its look-alike twin, "ab", the NUL name and
    // the untouched notice stay.
    std::vector<std::wstring> expected = before;
    expected.erase(expected.begin() + lookAlike);
    EXPECT_EQ(stored(), expected);
    RegCloseKey(k);
    EXPECT_EQ(d.CBDialogs->Items().Count(), 4);
    EXPECT_EQ(d.lblDialogs->Caption(), "0000");
}

TEST_F(IdentDlgTest, ShowingImagesWarnsInPlainTextModeByMouseAndByKeyboard)
{
    struct Case {
        std::optional<DWORD> plain;   // "Read in Plain Text only"
        bool byMouse;
        int answer;
        bool warned;
        bool checkedAfter;
    };
    const Case cases[] = {
        {1, true, IDNO, true, false},         {1, false, IDNO, true, false},
        {1, true, IDYES, true, true},         {1, false, IDYES, true, true},
        {0x101, false, IDNO, true, false},    {256, true, IDNO, false, true},
        {0, true, IDNO, false, true},         {std::nullopt, false, IDNO, false, true},
        {0xFFFFFFFF, true, IDNO, false, true},
    };
    for (const Case& c : cases) {
        const std::string what = (c.plain ? std::to_string(*c.plain) : std::string("absent")) +
                                 (c.byMouse ? " mouse" : " keyboard") + (c.answer == IDYES ? " yes" : " no");
        SetUp();
        AddIdentity(kA, "Anna");
        SetDword(HKEY_CURRENT_USER, Base(kA, "Trident\\Main"), "Display Inline Images", 0);
        if (c.plain)
            SetDword(HKEY_CURRENT_USER, Base(kA), "Read in Plain Text only", *c.plain);
        MessageBoxRecorder boxes(c.answer);
        TseparateDlg& d = Open(true);
        ASSERT_TRUE(boxes.Boxes.empty()) << what;
        c.byMouse ? ClickBox(d.chkImages) : SpaceOn(d.chkImages);
        ASSERT_EQ(boxes.Boxes.size(), c.warned ? 1u : 0u) << what;
        if (c.warned) {
            EXPECT_EQ(boxes.Boxes[0].text.substr(0, 82),
                      "In Outlook Express ist die Option \"Alle Nachrichten als Nur-Text lesen\" aktiv.\rMit");
            EXPECT_EQ(boxes.Boxes[0].flags & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
        }
        EXPECT_EQ(d.chkImages->Checked() != 0, c.checkedAfter) << what;
        EXPECT_EQ(d.ApplyEnabled(), c.checkedAfter) << what;
        // Unchecking never warns.
        if (c.checkedAfter) {
            c.byMouse ? ClickBox(d.chkImages) : SpaceOn(d.chkImages);
            EXPECT_EQ(d.chkImages->Checked(), 0) << what;
            EXPECT_EQ(boxes.Boxes.size(), c.warned ? 1u : 0u) << what;
        }
    }
    // A value of the wrong type is unknown: better asked once too often.
    SetUp();
    AddIdentity(kA, "Anna");
    SetDword(HKEY_CURRENT_USER, Base(kA, "Trident\\Main"), "Display Inline Images", 0);
    SetString(HKEY_CURRENT_USER, Base(kA), "Read in Plain Text only", "0");
    {
        MessageBoxRecorder boxes(IDNO);
        TseparateDlg& d = Open();
        d.chkImages->SetChecked(1);
        ASSERT_EQ(boxes.Boxes.size(), 1u);
        EXPECT_EQ(boxes.Boxes[0].flags & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
        EXPECT_EQ(d.chkImages->Checked(), 0);
    }
    // Loading a checked box in plain-text mode asks nothing.
    SetUp();
    AddIdentity(kA, "Anna");
    SetDword(HKEY_CURRENT_USER, Base(kA), "Read in Plain Text only", 1);
    MessageBoxRecorder boxes(IDNO);
    EXPECT_EQ(Open().chkImages->Checked(), 1);
    EXPECT_TRUE(boxes.Boxes.empty());
}

} // namespace
