// Reads the version record (VS_VERSION_INFO) of an executable file.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class TVersionInfo {
public:
    // Loads the record at once; a file without one gives an invalid object.
    explicit TVersionInfo(const std::string& fileName);
    TVersionInfo(const TVersionInfo&) = delete;
    TVersionInfo& operator=(const TVersionInfo&) = delete;

    const std::string& FileName() const { return FFileName; }
    bool Valid() const { return FValid; }

    // First translation entry as 8 upper-case hex digits, language first
    // ("040704E4"); empty without a record or translation.
    std::string GetTranslation() const;
    // The string stored under the first translation's table; empty when absent.
    std::string GetStringValue(const std::string& key) const;
    // "FileVersion", or the fixed file information's four numbers when that
    // string is empty.
    std::string GetFileVersion() const;

private:
    // The block at subBlock inside the record, or nullptr.
    const void* Query(const std::string& subBlock, UINT& length) const;

    std::string FFileName;
    DWORD FHandle = 0;
    int FSize = 0;
    std::vector<BYTE> FBuffer;
    bool FValid = false;
};
