// Export of an open registry key with everything below it to a REGEDIT4 text
// file that the registry editor can import again.
#pragma once

#include "framework/Registry.h"
#include "registry/ExRegistryError.h"
#include "registry/ExportLines.h"
#include "registry/RegFile.h"
#include "registry/RegFileWriter.h"

#include <string>
#include <vector>

class TExRegistry : public TRegistry {
public:
    using TRegistry::TRegistry;

    // Writes the open key (root and current path; the whole root when no key
    // is open) with all its values and sub-keys to fileName, replacing an
    // existing file. The file is written beside the target under a temporary
    // name and put in place only when complete, so a failed export leaves an
    // existing file as it was. Returns false after any error; nothing is shown.
    // A name that the file format cannot carry does not fail the export: it is
    // left out with a comment line and listed in LeftOut.
    bool ExportKey(const std::string& fileName);

    // The lines of the last export (their count after a successful one;
    // none after a failed one).
    const TExportLines& ExportLines() const { return FExportLines; }
    // The key path of the last section header written.
    const std::string& LastKeyPath() const { return FLastKeyPath; }
    // What the last export left out; empty when it holds everything.
    const std::vector<std::string>& LeftOut() const { return FLeftOut; }

private:
    TExportLines FExportLines;
    std::string FLastKeyPath;
    std::vector<std::string> FLeftOut;
};
