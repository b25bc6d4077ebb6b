// The global settings dialog as a user sees it, against the real keys of the
// mail client (each test puts them back as it found them).
#include "dialogs/AllIdentities.h"

#include "controls/TFlatButtonUnit.h"
#include "controls/TFlatCheckBoxUnit.h"
#include "controls/TFlatEditUnit.h"
#include "controls/TFlatGroupBoxUnit.h"
#include "controls/TFlatPanelUnit.h"
#include "settings/MailTemplate.h"
#include "framework/Dialogs.h"
#include "framework/StdImage.h"
#include "framework/StdLabel.h"
#include "registry/PathComp.h"
#include "registry/RegBackup.h"
#include "registry/RegFileKit.h"
#include "controls/TFlatSpeedButtonUnit.h"
#include "support/Backups.h"
#include "support/EmlKeys.h"
#include "support/FakeClientWindow.h"
#include "support/SeamRecorder.h"
#include "support/SharedKeyGuard.h"
#include "support/TestForm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <sstream>

namespace {

constexpr const char* kOE = "Software\\Microsoft\\Outlook Express";
constexpr const char* kToolbar = "Software\\Microsoft\\Internet Explorer\\Toolbar";
constexpr const char* kBeep = "AppEvents\\Schemes\\Apps\\.Default\\MailBeep\\.Current";
constexpr const char* kWab = "Software\\Microsoft\\WAB";
constexpr const char* kWab4 = "Software\\Microsoft\\WAB\\WAB4";

void Flip(TFlatCheckBox* box)
{
    box->SetChecked(box->Checked() ? 0 : 1);
}

std::optional<DWORD> Dword(HKEY root, const char* path, const char* name)
{
    auto v = QueryValue(root, path, name);
    if (!v || v->type != REG_DWORD)
        return std::nullopt;
    return *reinterpret_cast<const DWORD*>(v->data.data());
}

// Every key the dialog reads or writes, saved and cleared for the test.
struct AllDlgTest : testing::Test {
    SharedKeyGuard toolbar{HKEY_CURRENT_USER, kToolbar};
    SharedKeyGuard beep{HKEY_CURRENT_USER, kBeep};
    SharedKeyGuard wab{HKEY_CURRENT_USER, kWab};
    SharedKeyGuard oe{HKEY_LOCAL_MACHINE, kOE};
    SharedKeyGuard eml{HKEY_CLASSES_ROOT, kEml};
    SharedKeyGuard userEml{HKEY_CURRENT_USER, kUserEml};
    std::unique_ptr<TAllDlg> dlg;

    void SetUp() override
    {
        for (auto [root, path] : {std::pair{HKEY_CURRENT_USER, kToolbar}, {HKEY_CURRENT_USER, kBeep},
                                  {HKEY_CURRENT_USER, kWab}, {HKEY_LOCAL_MACHINE, kOE}, {HKEY_CLASSES_ROOT, kEml},
                                  {HKEY_CURRENT_USER, kUserEml}})
            DeleteTree(root, path);
    }
    void TearDown() override
    {
        dlg.reset();
        zvtest::DrainMessages();
    }
    TAllDlg& Open()
    {
        dlg.reset();
        dlg = std::make_unique<TAllDlg>(nullptr);
        dlg->FormShow(dlg.get());
        return *dlg;
    }
    // Everything the dialog can touch, to compare before and after.
    static std::string Snapshot()
    {
        std::ostringstream out;
        auto dump = [&](const KeySnapshot& k, auto& self, int depth) -> void {
            out << depth << (k.Exists ? "+" : "-");
            for (auto& [n, v] : k.Values)
                out << n << ':' << v.type << ':' << v.AsString() << ';';
            for (auto& [n, c] : k.Children) {
                out << '[' << n;
                self(c, self, depth + 1);
                out << ']';
            }
        };
        for (auto [root, path] : {std::pair{HKEY_CURRENT_USER, kToolbar}, {HKEY_CURRENT_USER, kBeep},
                                  {HKEY_CURRENT_USER, kWab}, {HKEY_LOCAL_MACHINE, kOE}, {HKEY_CLASSES_ROOT, kEml},
                                  {HKEY_CURRENT_USER, kUserEml}})
            dump(KeySnapshot::Take(root, path), dump, 0);
        return out.str();
    }
};

TEST_F(AllDlgTest, NothingStoredShowsTheDefaultsAndOkWritesNothing)
{
    TAllDlg& d = Open();
    EXPECT_EQ(d.edGrafik->Text(), "Standard");
    EXPECT_TRUE(d.ImageSymbStandard->Visible());
    EXPECT_FALSE(d.ImageSymb->Visible());
    EXPECT_EQ(d.edSound->Text(), "");
    for (TFlatCheckBox* off : {d.ChkUseOutlook, d.chkMessenger, d.ChkSaveKonto, d.ChkAttachments, d.chkMailKontext})
        EXPECT_EQ(off->Checked(), 0) << off->Name();
    EXPECT_NE(d.chkHTTPMail->Checked(), 0);
    EXPECT_NE(d.chkHotMail->Checked(), 0);
    EXPECT_FALSE(d.ApplyEnabled());

    const std::string before = Snapshot();
    d.OkBtn->Click();
    EXPECT_EQ(d.ModalResult(), mrOk);
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(AllDlgTest, StoredNumbersShowAndToggledBoxesWriteTheirValues)
{
    struct Case {
        TFlatCheckBox* TAllDlg::*box;
        HKEY root;
        const char* key;
        const char* value;
        std::optional<DWORD> stored;
        int shown;                         // the box's number after loading
        std::optional<DWORD> written;      // after one toggle; nullopt: deleted
    };
    const Case cases[] = {
        {&TAllDlg::ChkUseOutlook, HKEY_CURRENT_USER, kWab4, "UseOutlook", 2, 2, 0},
        {&TAllDlg::ChkUseOutlook, HKEY_CURRENT_USER, kWab4, "UseOutlook", 256, 0, 1},
        {&TAllDlg::chkMessenger, HKEY_LOCAL_MACHINE, kOE, "Hide Messenger", 1, 0, 2},
        {&TAllDlg::chkMessenger, HKEY_LOCAL_MACHINE, kOE, "Hide Messenger", 2, 1, std::nullopt},
        {&TAllDlg::ChkSaveKonto, HKEY_LOCAL_MACHINE, kOE, "No Modify Accts", 0xFFFFFFFF, 0, 1},
        {&TAllDlg::ChkAttachments, HKEY_LOCAL_MACHINE, kOE, "BlockExeAttachments", std::nullopt, 0, 1},
        {&TAllDlg::chkHotMail, HKEY_LOCAL_MACHINE, kOE, "Disable Hotmail", 0, 1, 2},
        {&TAllDlg::chkHotMail, HKEY_LOCAL_MACHINE, kOE, "Disable Hotmail", 2, 0, 1},
        {&TAllDlg::chkHTTPMail, HKEY_LOCAL_MACHINE, kOE, "HTTP Mail Enabled", 0, 1, 1},
        {&TAllDlg::chkHTTPMail, HKEY_LOCAL_MACHINE, kOE, "HTTP Mail Enabled", 1, 0, 0},
    };
    for (const Case& c : cases) {
        const std::string what = std::string(c.value) + " stored " + (c.stored ? std::to_string(*c.stored) : "absent");
        DeleteTree(c.root, c.key);
        if (c.stored)
            SetDword(c.root, c.key, c.value, *c.stored);
        TAllDlg& d = Open();
        TFlatCheckBox* box = d.*c.box;
        EXPECT_EQ(box->Checked(), c.shown) << what;
        // Toggled twice: back where it was (for 0 and 1), nothing to write.
        if (c.shown <= 1) {
            Flip(box);
            Flip(box);
            d.BtnTakeItClick(nullptr);
            EXPECT_EQ(Dword(c.root, c.key, c.value), c.stored) << what;
        }
        Flip(box);
        EXPECT_TRUE(d.ApplyEnabled()) << what;
        d.BtnTakeItClick(nullptr);
        EXPECT_EQ(Dword(c.root, c.key, c.value), c.written) << what;
        EXPECT_FALSE(d.ApplyEnabled()) << what;
    }
}

TEST_F(AllDlgTest, AccountProtectionAndHttpMailRulesEnableTheGroups)
{
    SetDword(HKEY_LOCAL_MACHINE, kOE, "No Modify Accts", 1);
    SetDword(HKEY_LOCAL_MACHINE, kOE, "HTTP Mail Enabled", 1);   // box unchecked
    TAllDlg& d = Open();
    // The HTTP-mail rule runs last: Hotmail open although the menu is hidden.
    EXPECT_FALSE(d.GroupBoxHTTPMail->Enabled());
    EXPECT_FALSE(d.chkHTTPMail->Enabled());
    EXPECT_TRUE(d.GroupBoxHotmail->Enabled());
    EXPECT_FALSE(d.ApplyEnabled());

    Flip(d.ChkSaveKonto);   // unchecked by hand
    EXPECT_TRUE(d.GroupBoxHTTPMail->Enabled());
    EXPECT_TRUE(d.chkHotMail->Enabled());
    EXPECT_TRUE(d.ApplyEnabled());
    Flip(d.ChkSaveKonto);   // checked again: both closed
    EXPECT_FALSE(d.GroupBoxHTTPMail->Enabled());
    EXPECT_FALSE(d.GroupBoxHotmail->Enabled());
    Flip(d.ChkSaveKonto);
    Flip(d.chkHTTPMail);    // HTTP mail off: Hotmail goes with it
    EXPECT_FALSE(d.GroupBoxHotmail->Enabled());
    EXPECT_FALSE(d.lblHotmail->Enabled());
}

TEST_F(AllDlgTest, MailTemplateIsInstalledAndRemovedWithItsEntry)
{
    TAllDlg& d = Open();
    const std::string path = MailTemplatePath(d.PathComponent->ShellTemplatesFolder());
    ASSERT_FALSE(path.empty());
    DeleteFileA(path.c_str());

    Flip(d.chkMailKontext);
    d.BtnTakeItClick(nullptr);
    std::ifstream file(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    file.close();
    EXPECT_EQ(bytes.size(), 725u);
    EXPECT_EQ(bytes, MailTemplateBytes());
    EXPECT_EQ(bytes.substr(0, 8), "From: \r\n");
    EXPECT_EQ(bytes.substr(bytes.size() - 47), "------=_NextPart_000_0008_01C3EC92.6F128190--\r\n");
    auto stored = QueryValue(HKEY_CURRENT_USER, kUserShellNew, "FileName");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->AsString(), path + '\0');
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kShellNew)) << "nothing machine-wide";
    EXPECT_EQ(Open().chkMailKontext->Checked(), 1);

    Flip(dlg->chkMailKontext);
    dlg->BtnTakeItClick(nullptr);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kUserShellNew));
    EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);

    // A ShellNew key of someone else's without "FileName" keeps its values.
    SetString(HKEY_CLASSES_ROOT, kShellNew, "NullFile", "");
    EXPECT_EQ(Open().chkMailKontext->Checked(), 0);
    Flip(dlg->chkMailKontext);
    dlg->BtnTakeItClick(nullptr);
    EXPECT_TRUE(QueryValue(HKEY_CLASSES_ROOT, kShellNew, "NullFile"));
    EXPECT_TRUE(QueryValue(HKEY_CURRENT_USER, kUserShellNew, "FileName"));
    DeleteFileA(path.c_str());
    // Without a Templates folder nothing is written and nothing lands in the
    // current folder.
    EXPECT_FALSE(InstallMailTemplate("").empty());
}

// A 24-bit bitmap file of the given size in the temp folder.
std::string WriteBitmap(const std::string& name, int width, int height)
{
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    const std::string path = std::string(dir) + name;
    const int stride = (width * 3 + 3) / 4 * 4;
    BITMAPFILEHEADER fh{};
    BITMAPINFOHEADER ih{};
    ih.biSize = sizeof ih;
    ih.biWidth = width;
    ih.biHeight = height;
    ih.biPlanes = 1;
    ih.biBitCount = 24;
    ih.biSizeImage = static_cast<DWORD>(stride * height);
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof ih;
    fh.bfSize = fh.bfOffBits + ih.biSizeImage;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&fh), sizeof fh);
    out.write(reinterpret_cast<const char*>(&ih), sizeof ih);
    out << std::string(ih.biSizeImage, '\x40');
    return path;
}

// A file of the given bytes in the temp folder.
std::string WriteTempFile(const std::string& name, const std::string& bytes)
{
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    const std::string path = std::string(dir) + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

// Answers the file dialog with a fixed file and records its title and filter.
struct PickedFile {
    std::string answer;
    std::string title;
    std::string filter;
    Seams::Override<Seams::GetOpenFileNameFn> guard{Seams::GetOpenFileName(), [this](OPENFILENAMEA* ofn) {
        title = ofn->lpstrTitle ? ofn->lpstrTitle : "";
        filter = ofn->lpstrFilter ? ofn->lpstrFilter : "";
        lstrcpynA(ofn->lpstrFile, answer.c_str(), static_cast<int>(ofn->nMaxFile));
        return TRUE;
    }};
};

TEST_F(AllDlgTest, BitmapAndSoundPickersCheckWhatWasChosen)
{
    TAllDlg& d = Open();
    PickedFile pick;
    MessageBoxRecorder boxes;
    struct Case {
        std::string file;
        const char* message;   // nullptr: accepted
    };
    const Case bitmaps[] = {
        {WriteBitmap("zv_wide.bmp", 23, 5), "Das ausgewählte Bild überschreitet die maximale Größe von 22x22 Pixel!"},
        {WriteBitmap("zv_pic.dib", 22, 5), "Dies ist kein Bild im BMP-Format!"},
        {WriteTempFile("zv_broken.bmp", "BM kaputt"), "Die ausgewählte Datei ist keine lesbare Bitmap!"},
        {WriteBitmap("zv_tall.Bmp", 22, 120), nullptr},
    };
    for (const Case& c : bitmaps) {
        boxes.Boxes.clear();
        pick.answer = c.file;
        const std::string before = d.edGrafik->Text();
        d.btnRegBmpClick(nullptr);
        EXPECT_EQ(pick.title, "22x22 Pixel große Bitmap wählen");
        EXPECT_EQ(pick.filter, "BMP-Dateien (*.bmp)");
        if (c.message) {
            ASSERT_EQ(boxes.Boxes.size(), 1u) << c.file;
            EXPECT_EQ(boxes.Boxes[0].text, c.message);
            EXPECT_EQ(boxes.Boxes[0].caption, "Fehler");
            EXPECT_EQ(d.edGrafik->Text(), before);
            EXPECT_FALSE(d.ApplyEnabled());
        } else {
            EXPECT_TRUE(boxes.Boxes.empty()) << c.file;
            EXPECT_EQ(d.edGrafik->Text(), c.file);
            EXPECT_TRUE(d.ImageSymb->Visible());
            EXPECT_FALSE(d.ImageSymbStandard->Visible());
            EXPECT_TRUE(d.ApplyEnabled());
        }
    }
    // Back to "Standard" before applying: the remembered text again, nothing written.
    d.btnStandardBmpClick(nullptr);
    d.BtnTakeItClick(nullptr);
    EXPECT_FALSE(QueryValue(HKEY_CURRENT_USER, kToolbar, "smBrandBitmap"));

    boxes.Boxes.clear();
    pick.answer = "c:\\x\\klang.mp3";
    d.btnRegSoundClick(nullptr);
    EXPECT_EQ(pick.title, "Sound im WAV-Format wählen");
    ASSERT_EQ(boxes.Boxes.size(), 1u);
    EXPECT_EQ(boxes.Boxes[0].text, "Dies ist kein Sound im WAV-Format!");
    // A file that only has the name of one is refused too.
    boxes.Boxes.clear();
    pick.answer = WriteTempFile("zv_fake.wav", "ID3 keine Welle");
    d.btnRegSoundClick(nullptr);
    ASSERT_EQ(boxes.Boxes.size(), 1u);
    EXPECT_EQ(boxes.Boxes[0].text, "Die ausgewählte Datei ist keine lesbare WAV-Datei (RIFF/WAVE)!");
    EXPECT_EQ(d.edSound->Text(), "");
    const std::string wave = WriteTempFile("zv_KLANG.WAV", std::string("RIFF\x24\0\0\0WAVEfmt ", 16) +
                                                             std::string(20, '\0') + "data" + std::string(4, '\0'));
    pick.answer = wave;
    d.btnRegSoundClick(nullptr);
    EXPECT_EQ(d.edSound->Text(), wave);
    d.BtnTakeItClick(nullptr);
    auto beepValue = QueryValue(HKEY_CURRENT_USER, kBeep, "");
    ASSERT_TRUE(beepValue);
    EXPECT_EQ(beepValue->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(beepValue->AsString(), wave + '\0');

    std::vector<std::pair<std::string, DWORD>> played;
    BOOL result = TRUE;
    Seams::Override<Seams::PlaySoundFn> sound(Seams::PlaySound(), [&](const char* s, HMODULE, DWORD flags) {
        played.emplace_back(s, flags);
        return result;
    });
    d.ImageSoundPlayClick(nullptr);
    ASSERT_EQ(played.size(), 1u);
    // Asynchronous, and never the system's default sound in its place.
    EXPECT_EQ(played[0], std::make_pair(wave, DWORD{SND_FILENAME | SND_ASYNC | SND_NOWAIT | SND_NODEFAULT}));
    boxes.Boxes.clear();
    result = FALSE;
    d.ImageSoundPlayClick(nullptr);
    ASSERT_EQ(boxes.Boxes.size(), 1u);
    EXPECT_EQ(boxes.Boxes[0].text, "System konnte Sound-Datei nicht wiedergeben!");
    // A file gone since it was chosen is not handed to the system at all.
    DeleteFileA(wave.c_str());
    boxes.Boxes.clear();
    d.ImageSoundPlayClick(nullptr);
    EXPECT_EQ(boxes.Boxes.size(), 1u);
    d.edSound->SetText("");
    d.ImageSoundPlayClick(nullptr);
    EXPECT_EQ(played.size(), 2u);

}

TEST_F(AllDlgTest, ValuesOfAWrongTypeAreReportedOnceAndNeverWritten)
{
    struct Case {
        HKEY root;
        const char* key;
        const char* value;
        bool storedAsText;   // the wrong type: text where a number belongs, or the reverse
    };
    const Case cases[] = {
        {HKEY_CURRENT_USER, kToolbar, "smBrandBitmap", false}, {HKEY_CURRENT_USER, kBeep, "", false},
        {HKEY_CURRENT_USER, kWab4, "UseOutlook", true},        {HKEY_LOCAL_MACHINE, kOE, "Hide Messenger", true},
        {HKEY_LOCAL_MACHINE, kOE, "No Modify Accts", true},    {HKEY_LOCAL_MACHINE, kOE, "BlockExeAttachments", true},
        {HKEY_CLASSES_ROOT, kShellNew, "FileName", false},     {HKEY_LOCAL_MACHINE, kOE, "Disable Hotmail", true},
        {HKEY_LOCAL_MACHINE, kOE, "HTTP Mail Enabled", true},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SetUp();
        if (c.storedAsText)
            SetString(c.root, c.key, c.value, "1");
        else
            SetDword(c.root, c.key, c.value, 1);
        MessageBoxRecorder boxes;
        TAllDlg& d = Open();
        ASSERT_EQ(boxes.Boxes.size(), 1u) << c.value;
        EXPECT_NE(boxes.Boxes[0].text.find(std::string("\"") + c.value + "\""), std::string::npos)
            << boxes.Boxes[0].text;
        const TSettingRow& row = d.Model().Rows()[i];
        EXPECT_FALSE(row.readable) << c.value;
        EXPECT_FALSE(d.Binding().ControlOf(row.def.name)->Enabled()) << c.value;
        // The pickers of a greyed path are greyed with it, and whatever the
        // greyed edit gets never counts as a change.
        EXPECT_EQ(d.btnRegBmp->Enabled(), i != 0) << c.value;
        EXPECT_EQ(d.btnStandardBmp->Enabled(), i != 0) << c.value;
        EXPECT_EQ(d.btnRegSound->Enabled(), i != 1) << c.value;
        EXPECT_EQ(d.ImageSoundPlay->Enabled(), i != 1) << c.value;
        if (i < 2) {
            static_cast<TFlatEdit*>(d.Binding().ControlOf(row.def.name))->SetText("C:\\anders.wav");
            EXPECT_FALSE(d.ApplyEnabled()) << c.value;
        }
        // A second showing does not repeat the message.
        d.FormShow(&d);
        EXPECT_EQ(boxes.Boxes.size(), 1u);
        // Every other row loaded: a change there still works, this row stays.
        const std::string before = Snapshot();
        d.OkBtn->Click();
        EXPECT_EQ(Snapshot(), before) << c.value;
    }
}

TEST_F(AllDlgTest, RefusedWriteIsReportedAndOkKeepsTheDialogOpen)
{
    // Wine refuses a non-volatile key below a volatile one, as Windows refuses
    // keys below HKEY_LOCAL_MACHINE to a user without administrator rights.
    CreateVolatileKey(HKEY_CURRENT_USER, kWab);
    TAllDlg& d = Open();
    Flip(d.ChkUseOutlook);
    Flip(d.ChkAttachments);
    MessageBoxRecorder boxes;
    d.OkBtn->Click();
    EXPECT_EQ(d.ModalResult(), mrNone);
    ASSERT_EQ(boxes.Boxes.size(), 1u);
    EXPECT_NE(boxes.Boxes[0].text.find("Kontakte in MS Outlook und Outlook Express verwenden"), std::string::npos);
    EXPECT_EQ(boxes.Boxes[0].caption, "Fehler");
    EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, kOE, "BlockExeAttachments"), 1u);
    EXPECT_TRUE(d.ApplyEnabled());
    EXPECT_TRUE(d.HasChange());
}

TEST_F(AllDlgTest, EveryApplyLeavesABackupThatRestoresTheFormerState)
{
    SetDword(HKEY_LOCAL_MACHINE, kOE, "Hide Messenger", 2);    // will be deleted
    SetDword(HKEY_LOCAL_MACHINE, kOE, "Disable Hotmail", 0);   // will be changed
    const std::string before = Snapshot();                     // WAB and .eml absent: will be created
    const std::vector<std::string> files = BackupFiles();

    TAllDlg& d = Open();
    d.OkBtn->Click();
    EXPECT_TRUE(NewBackups(files, "_Allgemein").empty()) << "nothing to write, no file";

    Open();
    for (TFlatCheckBox* box : {dlg->chkMessenger, dlg->chkHotMail, dlg->ChkUseOutlook, dlg->chkMailKontext})
        Flip(box);
    dlg->BtnTakeItClick(nullptr);
    ASSERT_NE(Snapshot(), before);
    const std::vector<std::string> now = NewBackups(files, "_Allgemein");
    ASSERT_EQ(now.size(), 1u);
    const std::string backup = now.back();

    regfilekit::RunRegedit(backup);
    EXPECT_EQ(Snapshot(), before) << regfilekit::ReadFileBytes(backup);
    DeleteFileA(MailTemplatePath(dlg->PathComponent->ShellTemplatesFolder()).c_str());
    DeleteFileA(backup.c_str());
}

} // namespace

namespace {

TEST_F(AllDlgTest, FrameCloseButtonSitsAtTheRightEndOfTheTitleBar)
{
    TAllDlg& d = Open();
    d.Show();
    zvtest::DrainMessages();
    EXPECT_EQ(d.PanelTitle->Width(), 497);
    EXPECT_EQ(d.btnClose->Left() + d.btnClose->Width(), d.PanelTitle->Width() - 2) << d.btnClose->Left();
    EXPECT_EQ(d.btnClose->Top(), 2);
    EXPECT_TRUE(IsWindowVisible(d.btnClose->Handle()));
    RECT r;
    GetWindowRect(d.btnClose->Handle(), &r);
    RECT t;
    GetWindowRect(d.PanelTitle->Handle(), &t);
    EXPECT_EQ(r.right, t.right - 2);
}

TEST_F(AllDlgTest, AClientStartedMeanwhileStopsTheApplyAndTheChangesStayPending)
{
    TAllDlg& d = Open();
    Flip(d.ChkAttachments);
    const std::string before = Snapshot();
    const std::vector<std::string> files = BackupFiles();
    MessageBoxRecorder boxes;
    {
        zvtest::FakeClientWindow client;
        d.OkBtn->Click();
    }
    EXPECT_EQ(d.ModalResult(), mrNone);
    ASSERT_EQ(boxes.Boxes.size(), 1u);
    EXPECT_NE(boxes.Boxes[0].text.find("Outlook Express"), std::string::npos) << boxes.Boxes[0].text;
    EXPECT_EQ(Snapshot(), before);
    EXPECT_TRUE(NewBackups(files, "_Allgemein").empty());
    EXPECT_TRUE(d.ApplyEnabled());
    // Once the client is gone the same changes go through.
    d.OkBtn->Click();
    EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, kOE, "BlockExeAttachments"), 1u);
    for (const std::string& file : NewBackups(files, "_Allgemein"))
        DeleteFileA(file.c_str());
}

} // namespace
