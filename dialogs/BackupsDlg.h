// The backups inside the program: every backup of the folder, newest first,
// restored in one step with a preview and a backup of its own, or deleted;
// and a complete backup of all of the client's settings.
#pragma once

#include "dialogs/SettingsFrame.h"
#include "settings/BackupList.h"

#include <functional>
#include <string>
#include <vector>

class TLabel;
class TFlatListBox;

class TBackupsDlg : public TSettingsDlg {
public:
    explicit TBackupsDlg(TComponent* owner);

    TLabel* lblBackups = nullptr;
    TFlatListBox* LBoxBackups = nullptr;
    TFlatButton* btnRestore = nullptr;
    TFlatButton* btnDelete = nullptr;
    TFlatButton* btnFullBackup = nullptr;

    void btnRestoreClick(TObject* sender);
    void btnDeleteClick(TObject* sender);
    void btnFullBackupClick(TObject* sender);

    // The folder listed; the user's backup folder unless a test sets another.
    std::string Folder;
    const std::vector<TBackupEntry>& Entries() const { return FEntries; }
    // Shows the preview of a restore; tests answer it without a modal loop.
    std::function<int(TForm& preview)> ShowPreview = [](TForm& preview) { return preview.ShowModal(); };

    // "09.12.2026 14:03:27  Allgemeine Einstellungen (3 Werte)"
    static std::string EntryLine(const TBackupEntry& entry);

protected:
    std::vector<std::string> Load() override;

private:
    void Refresh();
    // The entry selected; null (after saying so) when there is none.
    const TBackupEntry* Chosen() const;

    std::vector<TBackupEntry> FEntries;
};

extern TBackupsDlg* BackupsDlg;
