// What loading a profile or restoring a backup would change, setting by
// setting with its state before and after, on the settings frame. "OK"
// applies it through the frame's one apply path (guard, backup, apply,
// report); "Abbrechen" leaves everything as it is.
#pragma once

#include "dialogs/SettingsFrame.h"
#include "settings/SettingModel.h"

#include <string>
#include <vector>

class TLabel;
class TFlatListBox;

class TChangesDlg : public TSettingsDlg {
public:
    // title is the title bar's; parts are what the apply writes; label
    // names its backup.
    TChangesDlg(TComponent* owner, const std::string& title, std::vector<TApplyPart*> parts,
                const std::vector<TSettingChange>& changes, std::string label);

    TLabel* lblChanges = nullptr;
    TFlatListBox* LBoxChanges = nullptr;

    // One line of the list: "Identität Anna - Symbolleiste: an -> aus".
    static std::string ChangeLine(const TSettingChange& change);

protected:
    std::vector<TApplyPart*> ApplyParts() override { return FParts; }
    std::string BackupLabel() const override { return FLabel; }

private:
    std::vector<TApplyPart*> FParts;
    std::string FLabel;
};
