// A registry file written all or nothing.
#pragma once

#include "registry/RegFileWriter.h"

#include <memory>
#include <string>

class TPendingFile;

// The text goes to a temporary file in the target folder, which gets its
// final name only when complete. Until then an existing file of that name
// stays as it was, and a failure leaves nothing behind.
class TRegFile {
public:
    TRegFile(TExportLines& lines, std::string& lastKeyPath, TRegFileFormat format = TRegFileFormat::Regedit4);
    ~TRegFile();
    TRegFile(const TRegFile&) = delete;
    TRegFile& operator=(const TRegFile&) = delete;

    // Creates the temporary file in folder and writes the first line
    // ("REGEDIT4", or the byte-order mark and "Windows Registry Editor
    // Version 5.00"); raises EFileError when the folder does not exist or
    // cannot be written.
    void Begin(const std::string& folder, const std::string& fileNameForErrors);
    TRegFileWriter& Writer() { return FWriter; }
    // Adds the closing empty line and writes the rest; raises EFileError.
    void Finish();
    // Moves the finished file to fileName. Without replace an existing file
    // is never touched and the result is false with ERROR_ALREADY_EXISTS or
    // ERROR_FILE_EXISTS as the last error.
    bool PlaceAs(const std::string& fileName, bool replace);

private:
    TExportLines& FLines;
    TRegFileWriter FWriter;
    std::unique_ptr<TPendingFile> FTemp;
};
