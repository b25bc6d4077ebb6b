// Restoring a backup inside the program: the file is read with the
// program's own reader, checked to name only the client's keys, shown value
// by value as it would change things, and applied with the wide calls, so
// that names and texts outside the code page come back exactly.
#pragma once

#include "settings/RegFileReader.h"
#include "settings/SettingModel.h"

#include <string>
#include <vector>

class TRestore : public TApplyPart {
public:
    // Raises ERegFileError when the file names a key that is not the
    // client's: such a file is refused as a whole. templatesFolder is where
    // the program's own mail template lies (for a "New" entry brought back).
    TRestore(TRegFileContent content, std::string templatesFolder);

    // What the restore would change, value by value: the state now and after.
    std::vector<TSettingChange> Changes() const;
    bool HasChange() const override;
    // Exactly what the restore touches, so that it can be undone itself.
    void PlanBackup(TBackupPlan& plan) const override;
    // Refusals name the key and value with the system's reason.
    void Apply(std::vector<TRefusedWrite>& refused) override;

    // How many values the file sets or deletes.
    size_t ValueCount() const;

private:
    TRegFileContent FContent;
    std::string FTemplatesFolder;
};

// A value's type and bytes as a person reads them: text in quotes, a DWORD
// as a number, anything else as its first bytes.
std::string ShownValue(DWORD type, const std::vector<BYTE>& data);
