#include "settings/FullBackup.h"

#include "framework/SysUtils.h"
#include "registry/RegBackup.h"
#include "registry/RegError.h"
#include "settings/ClientKeys.h"

std::string WriteFullBackup(const std::string& fileName)
{
    TBackupPlan plan;
    for (size_t i = 0; i < kClientKeyCount; ++i)
        plan.Key(kClientKeys[i].root, kClientKeys[i].path);
    // Written all or nothing beside the chosen name, then given that name.
    const TBackupResult result = WriteBackup(plan, "Gesamtsicherung", ExcludeTrailingBackslash(ExtractFilePath(fileName)),
                                             Now());
    if (result.Status != TBackupStatus::Written)
        return result.Error.empty() ? "Es gibt nichts zu sichern." : result.Error;
    if (CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, result.FileName.c_str(), -1, fileName.c_str(), -1) !=
            CSTR_EQUAL &&
        !MoveFileExA(result.FileName.c_str(), fileName.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        const std::string error = RefusalText(static_cast<LONG>(GetLastError()));
        DeleteFileA(result.FileName.c_str());
        return error;
    }
    return {};
}
