// Writing a whole file so that a failure never leaves half of it: the bytes go
// to a temporary file in the target's folder, which is then moved into place.
#pragma once

#include <windows.h>

#include <string>

// The temporary file: deleted unless it was moved into place.
class TPendingFile {
public:
    TPendingFile() = default;
    TPendingFile(const TPendingFile&) = delete;
    TPendingFile& operator=(const TPendingFile&) = delete;
    ~TPendingFile();

    // Creates folder\zvx????.tmp; false when the folder does not exist or
    // cannot be written. An empty folder is the current one.
    bool Create(const std::string& folder);
    HANDLE Handle() const { return FHandle; }
    const std::string& Name() const { return FName; }
    bool Write(const std::string& bytes);
    bool Close();
    // Puts the file in place; without replace an existing target stays.
    bool MoveTo(const std::string& fileName, bool replace);

private:
    std::string FName;
    HANDLE FHandle = INVALID_HANDLE_VALUE;
};

// Raises EFileError ("Datei %s kann nicht erstellt werden" or "Fehler beim
// Schreiben in Datei %s") and leaves any former file untouched on failure.
void WriteWholeFile(const std::string& fileName, const std::string& bytes);
