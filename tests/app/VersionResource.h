// Test helper: a copy of the running test program whose version record is
// replaced by one built here, for records the program's own file lacks.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct VersionRecordLayout {
    WORD fixed[4] = {3, 1, 4, 15};       // file version in the fixed information
    bool withTranslation = true;          // "\VarFileInfo\Translation" 0407/04E4
    std::wstring fileVersion;             // "FileVersion" string, empty by default
};

// A raw VS_VERSION_INFO resource (the 32-bit layout a PE file carries).
std::vector<BYTE> BuildVersionResource(const VersionRecordLayout& layout);

// Copies the test program to a temporary file and puts the record into it;
// the file is deleted again on destruction. Path() is empty when that failed.
class TempVersionedExe {
public:
    explicit TempVersionedExe(const VersionRecordLayout& layout);
    ~TempVersionedExe();
    const std::string& Path() const { return FPath; }
    const std::string& Error() const { return FError; }

private:
    std::string FPath;
    std::string FError;
};

// A temporary text file without any version record.
class TempTextFile {
public:
    TempTextFile();
    ~TempTextFile();
    const std::string& Path() const { return FPath; }

private:
    std::string FPath;
};
