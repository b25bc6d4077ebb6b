// The backups dialog: its list, a restore refused while the client runs, a
// restore with its preview and its own backup, and a delete that asks.
#include "dialogs/BackupsDlg.h"

#include "controls/TFlatButtonUnit.h"
#include "controls/TFlatListBoxUnit.h"
#include "dialogs/ChangesDlg.h"
#include "registry/RegBackup.h"
#include "registry/RegFileKit.h"
#include "support/Backups.h"
#include "support/FakeClientWindow.h"
#include "support/SeamRecorder.h"
#include "support/SharedKeyGuard.h"
#include "support/TestForm.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr const char* kIdent = "Identities\\{00000000-0000-4000-8000-0000000000B1}";
constexpr const char* kVersion = "SOFTWARE\\Microsoft\\Outlook Express\\Version Info";

struct BackupsDlgTest : testing::Test {
    SharedKeyGuard version{HKEY_LOCAL_MACHINE, kVersion};
    regfilekit::TempDir dir;
    std::string branch = std::string(kIdent) + "\\Software\\Microsoft\\Outlook Express\\5.0";
    std::unique_ptr<TBackupsDlg> dlg;

    void SetUp() override
    {
        SetString(HKEY_LOCAL_MACHINE, kVersion, "Current", "6,00,2900,5512");
        DeleteTree(HKEY_CURRENT_USER, kIdent);
        SetString(HKEY_CURRENT_USER, branch, "WindowTitle", "Vorher");
    }
    void TearDown() override
    {
        dlg.reset();
        DeleteTree(HKEY_CURRENT_USER, kIdent);
        zvtest::DrainMessages();
    }
    // Two backups of the title, the later one empty of changes.
    void Backup(WORD second)
    {
        TBackupPlan plan;
        plan.Value(rcCurrentUser, branch, "WindowTitle");
        SYSTEMTIME when{};
        when.wYear = 2026;
        when.wMonth = 12;
        when.wDay = 9;
        when.wSecond = second;
        ASSERT_EQ(WriteBackup(plan, "Identitaet_Test", dir.Path(), when).Status, TBackupStatus::Written);
    }
    TBackupsDlg& Open()
    {
        dlg = std::make_unique<TBackupsDlg>(nullptr);
        dlg->Folder = dir.Path();
        dlg->FormShow(dlg.get());
        return *dlg;
    }
};

TEST_F(BackupsDlgTest, RestoresAfterItsPreviewAndNeverWhileTheClientRuns)
{
    Backup(1);
    SetString(HKEY_CURRENT_USER, branch, "WindowTitle", "Zwischendurch");
    Backup(2);
    SetString(HKEY_CURRENT_USER, branch, "WindowTitle", "Jetzt");
    TBackupsDlg& d = Open();
    ASSERT_EQ(d.LBoxBackups->Items().Count(), 2);
    EXPECT_EQ(d.LBoxBackups->Items()[0], "09.12.2026 00:00:02  Identität Test (1 Wert)");

    // The older one: the title as it was first.
    d.LBoxBackups->SetItemSelected(1, true);
    int previews = 0;
    std::vector<std::string> shown;
    d.ShowPreview = [&](TForm& form) {
        ++previews;
        auto& preview = static_cast<TChangesDlg&>(form);
        shown = preview.LBoxChanges->Items().Strings();
        preview.OkBtn->Click();
        return preview.ModalResult();
    };
    {
        zvtest::FakeClientWindow client;
        MessageBoxRecorder boxes;
        d.btnRestoreClick(nullptr);
        EXPECT_EQ(boxes.Boxes.size(), 1u);
    }
    EXPECT_EQ(previews, 0);
    EXPECT_EQ(QueryValue(HKEY_CURRENT_USER, branch, "WindowTitle")->AsString(), std::string("Jetzt\0", 6));

    const std::vector<std::string> files = BackupFiles();
    d.btnRestoreClick(nullptr);
    ASSERT_EQ(previews, 1);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].find("WindowTitle: \"Jetzt\" -> \"Vorher\""), std::string::npos) << shown[0];
    EXPECT_EQ(QueryValue(HKEY_CURRENT_USER, branch, "WindowTitle")->AsString(), std::string("Vorher\0", 7));
    // The restore has a backup of its own.
    const std::vector<std::string> own = NewBackups(files, "_Wiederherstellung");
    ASSERT_EQ(own.size(), 1u);
    DeleteFileA(own[0].c_str());
}

TEST_F(BackupsDlgTest, DeletesAfterAskingAndRefusesAFileItCannotRead)
{
    Backup(1);
    regfilekit::WriteFileBytes(dir.Path() + "\\2026-12-09_00-00-05_Allgemein.reg",
                               "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run]"
                               "\r\n\"x\"=\"y\"\r\n");
    TBackupsDlg& d = Open();
    ASSERT_EQ(d.Entries().size(), 2u);
    d.LBoxBackups->SetItemSelected(0, true);
    {
        MessageBoxRecorder boxes;
        d.btnRestoreClick(nullptr);
        ASSERT_EQ(boxes.Boxes.size(), 1u);
        EXPECT_NE(boxes.Boxes[0].text.find("gehört nicht zu Outlook Express"), std::string::npos);
    }
    {
        MessageBoxRecorder no(IDNO);
        d.btnDeleteClick(nullptr);
        EXPECT_EQ(d.Entries().size(), 2u);
    }
    d.LBoxBackups->SetItemSelected(0, true);
    MessageBoxRecorder yes(IDYES);
    d.btnDeleteClick(nullptr);
    ASSERT_EQ(yes.Boxes.size(), 1u);
    EXPECT_EQ(yes.Boxes[0].flags & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
    ASSERT_EQ(d.Entries().size(), 1u);
    EXPECT_EQ(d.Entries()[0].What, "Identität Test");
}

} // namespace
