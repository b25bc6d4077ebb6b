#include "dialogs/BackupsDlg.h"

#include "dialogs/ClientGuards.h"
#include "controls/TFlatButtonUnit.h"
#include "controls/TFlatListBoxUnit.h"
#include "dialogs/ChangesDlg.h"
#include "dialogs/DialogStyles.h"
#include "framework/MsgBox.h"
#include "framework/StdLabel.h"
#include "framework/SysUtils.h"
#include "registry/PathComp.h"
#include "registry/RegBackup.h"
#include "settings/FullBackup.h"
#include "settings/Restore.h"

TBackupsDlg* BackupsDlg = nullptr;

namespace {

using Row = TLayoutRow<TBackupsDlg>;
using D = TBackupsDlg;

constexpr const char* kCaption = "Zorvane - Sicherungen";

const Row kContent[] = {
    {.create = Ctl<&D::lblBackups>, .name = "lblBackups", .parent = "Panel3", .left = 8, .top = 8, .width = 481,
     .height = 30,
     .caption = "Vor jeder Änderung legt Zorvane eine Sicherung an. Wählen Sie eine Sicherung, um den Zustand davor "
                "wiederherzustellen:",
     .style = ExplainStyle},
    {.create = Ctl<&D::LBoxBackups>, .name = "LBoxBackups", .parent = "Panel3", .left = 8, .top = 42, .width = 481,
     .height = 226, .flags = lfTabStop, .style = ScrollingListStyle},
    {.create = Ctl<&D::btnRestore>, .name = "btnRestore", .parent = "Panel2", .left = 106, .top = 17, .width = 110,
     .height = 25, .caption = "Wiederherstellen", .hint = "Den Zustand vor dieser Sicherung wiederherstellen",
     .color = 15395040, .anchors = akLeft | akBottom, .flags = lfTabStop, .style = RowButtonStyle,
     .onClick = &D::btnRestoreClick},
    {.create = Ctl<&D::btnDelete>, .name = "btnDelete", .parent = "Panel2", .left = 225, .top = 17, .width = 89,
     .height = 25, .caption = "Löschen", .hint = "Diese Sicherungsdatei löschen", .color = 15395040,
     .anchors = akLeft | akBottom, .flags = lfTabStop, .style = RowButtonStyle,
     .onClick = &D::btnDeleteClick},
    {.create = Ctl<&D::btnFullBackup>, .name = "btnFullBackup", .parent = "Panel2", .left = 379, .top = 17,
     .width = 110, .height = 25, .caption = "Gesamtsicherung…",
     .hint = "Alle Einstellungen von Outlook Express in einer Datei sichern", .color = 15395040,
     .anchors = akLeft | akBottom, .flags = lfTabStop, .style = RowButtonStyle, .onClick = &D::btnFullBackupClick},
};

std::string TemplatesFolder()
{
    return TPathComponent().ShellTemplatesFolder();
}

} // namespace

TBackupsDlg::TBackupsDlg(TComponent* owner)
    : TSettingsDlg(owner, {"Sicherungen", " Zorvane - Sicherungen", 497, 345, false}), Folder(BackupFolder())
{
    SetName("BackupsDlg");
    TLayoutBuilder<TBackupsDlg> build(*this);
    build.Add(kContent);
    build.Finish();
    // A list to look at: "OK" closes it, there is nothing to cancel.
    CancelBtn->SetVisible(false);
}

std::string TBackupsDlg::EntryLine(const TBackupEntry& entry)
{
    const SYSTEMTIME& t = entry.When;
    std::string line = Format("%02u.%02u.%04u %02u:%02u:%02u  ", t.wDay, t.wMonth, t.wYear, t.wHour, t.wMinute,
                              t.wSecond) +
                       entry.What;
    if (entry.Values < 0)
        return line + " (nicht lesbar)";
    return line + (entry.Values == 1 ? " (1 Wert)" : " (" + std::to_string(entry.Values) + " Werte)");
}

std::vector<std::string> TBackupsDlg::Load()
{
    Refresh();
    return {};
}

void TBackupsDlg::Refresh()
{
    FEntries = ListBackups(Folder);
    std::vector<std::string> lines;
    for (const TBackupEntry& entry : FEntries)
        lines.push_back(EntryLine(entry));
    LBoxBackups->Items().Assign(lines);
}

const TBackupEntry* TBackupsDlg::Chosen() const
{
    for (size_t i = 0; i < FEntries.size(); ++i)
        if (LBoxBackups->ItemSelected(static_cast<int>(i)))
            return &FEntries[i];
    ShowMsg("Wählen Sie zuerst eine Sicherung in der Liste aus.", kCaption, mkInformation, btOK);
    return nullptr;
}

void TBackupsDlg::btnRestoreClick(TObject*)
{
    const TBackupEntry* entry = Chosen();
    if (!entry)
        return;
    // As the main window's buttons: nothing is written while the client
    // runs, which would write its own values back when it closes.
    if (!CheckClientInstalled() || ClientWindowRunning())
        return;
    const std::string file = entry->FileName;
    try {
        TRestore restore(ReadRegFile(file), TemplatesFolder());
        TChangesDlg preview(nullptr, "Sicherung wiederherstellen", {&restore}, restore.Changes(), "Wiederherstellung");
        if (ShowPreview(preview) != mrOk)
            return;
    } catch (const Exception& e) {
        ShowMsg("Die Sicherung \"" + ExtractFileName(file) + "\" kann nicht wiederhergestellt werden:\r\n\r\n" +
                    e.Message() + "\r\n\r\nEs wurde nichts geändert.",
                kCaption, mkError, btOK);
        return;
    }
    Refresh();
}

void TBackupsDlg::btnDeleteClick(TObject*)
{
    const TBackupEntry* entry = Chosen();
    if (!entry)
        return;
    if (ShowMsg("Soll die Sicherung\r\n" + EntryLine(*entry) + "\r\nendgültig gelöscht werden?", kCaption,
                mkConfirmation, btYesNo) != IDYES)
        return;
    if (!DeleteFileA(entry->FileName.c_str()))
        ShowMsg("Die Datei \"" + entry->FileName + "\" konnte nicht gelöscht werden.", kCaption, mkError, btOK);
    Refresh();
}

void TBackupsDlg::btnFullBackupClick(TObject*)
{
    // The file dialog wants the folder to exist; before the first apply it
    // may not.
    CreateDirectoryA(ExtractFileDir(Folder).c_str(), nullptr);
    CreateDirectoryA(Folder.c_str(), nullptr);
    SYSTEMTIME now = Now();
    std::string file = IncludeTrailingBackslash(Folder) +
                       Format("%04u-%02u-%02u_%02u-%02u-%02u_Gesamtsicherung.reg", now.wYear, now.wMonth, now.wDay,
                              now.wHour, now.wMinute, now.wSecond);
    if (!PickSaveFile("Gesamtsicherung speichern", "Registrierungsdateien (*.reg)|*.reg|Alle Dateien (*.*)|*.*", "reg",
                      file))
        return;
    const std::string error = WriteFullBackup(file);
    if (!error.empty()) {
        ShowMsg("Die Gesamtsicherung konnte nicht geschrieben werden:\r\n\r\n" + error, kCaption, mkError, btOK);
        return;
    }
    Refresh();
}
