#include "registry/unitEXRegistry.h"

#include "framework/Exceptions.h"
#include "framework/SysUtils.h"

bool TExRegistry::ExportKey(const std::string& fileName)
{
    FExportLines.Release(true);
    FLeftOut.clear();
    try {
        // The text goes to a temporary file in the target's folder, which
        // replaces the target only when it was written completely.
        TRegFile file(FExportLines, FLastKeyPath);
        file.Begin(ExtractFilePath(fileName), fileName);
        FLastKeyPath.clear();
        file.Writer().Branch(RootKey(), CurrentPath());
        file.Finish();
        if (!file.PlaceAs(fileName, true))
            throw EFileError(Format(Msg::FileCreateError, fileName.c_str()));
        FLeftOut = file.Writer().LeftOut();
        return true;
    } catch (...) {
        FExportLines.Release(true);
        return false;
    }
}
