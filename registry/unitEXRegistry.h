// Export of an open registry key with everything below it to a REGEDIT4 text
// file that the registry editor can import again.
#pragma once

#include "framework/Exceptions.h"
#include "framework/Registry.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The system's message text for an error code, also from netmsg.dll's table
// (network errors); empty when there is none.
std::string SysErrorText(DWORD code);

// An error of the export walk with the system error code that caused it. The
// message is "Error <code> : <system text>:<what>", or "Error <code>:<what>"
// when the system has no text for the code.
class EExRegistryException : public ERegistryException {
public:
    EExRegistryException(int32_t code, const std::string& what);
    int32_t ErrorCode() const { return FErrorCode; }

private:
    int32_t FErrorCode;
};

// The lines of an export file. They are kept as one text with CR LF after
// every line: a large branch has a hundred thousand lines, and the file is
// then written in one piece without a copy per line.
class TExportLines {
public:
    void Add(std::string_view line) { Append(line); EndLine(); }
    // Building a line piece by piece.
    void Append(std::string_view text) { FText.append(text); }
    void EndLine() { FText.append("\r\n", 2); }
    std::string& Buffer() { return FText; }

    const std::string& Text() const { return FText; }
    size_t Count() const;
    void Clear();

private:
    std::string FText;
};

class TExRegistry : public TRegistry {
public:
    using TRegistry::TRegistry;

    // Writes the open key (root and current path; the whole root when no key
    // is open) with all its values and sub-keys to fileName, replacing an
    // existing file. The file is written beside the target under a temporary
    // name and put in place only when complete, so a failed export leaves an
    // existing file as it was. Returns false after any error; nothing is shown.
    bool ExportKey(const std::string& fileName);

    // The lines of the last successful export; empty after a failed one.
    const TExportLines& ExportLines() const { return FExportLines; }
    // The key path of the last section header written.
    const std::string& LastKeyPath() const { return FLastKeyPath; }

private:
    TExportLines FExportLines;
    std::string FLastKeyPath;
};
