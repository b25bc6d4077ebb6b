// Export of an open registry key with everything below it to a REGEDIT4 text
// file that the registry editor can import again.
#pragma once

class TPendingFile;

#include "framework/Exceptions.h"
#include "framework/Registry.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

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

// The lines of an export file on their way into the file. They collect in
// one buffer that goes to the file whenever it holds a mebibyte: a large
// branch gives tens of megabytes of text, and a buffer that is reused while
// it is warm costs less than one that grows to the whole file (measured
// under Wine: 40 ms against 90 ms for 13 MB).
class TExportLines {
public:
    TExportLines() = default;
    TExportLines(const TExportLines&) = delete;
    TExportLines& operator=(const TExportLines&) = delete;

    void Add(std::string_view line) { Append(line); EndLine(); }
    // Building a line piece by piece; lines ended inside the text are
    // counted with LinesEnded.
    void Append(std::string_view text) { FText.append(text); }
    void EndLine() { FText.append("\r\n", 2); ++FCount; }
    void LinesEnded(size_t count) { FCount += count; }
    std::string& Buffer() { return FText; }

    // Lines of the export so far, in the file or still in the buffer.
    size_t Count() const { return FCount; }

    // The file the buffer goes to; Flush raises EFileError when it cannot
    // be written.
    void SetFile(HANDLE file, const std::string& name)
    {
        FFile = file;
        FFileName = name;
    }
    void FlushIfFull()
    {
        if (FText.size() >= ChunkSize)
            Flush();
    }
    void Flush();
    // Frees the buffer; with discard also forgets the count.
    void Release(bool discard);

private:
    static constexpr size_t ChunkSize = 1 << 20;
    std::string FText;
    size_t FCount = 0;
    HANDLE FFile = INVALID_HANDLE_VALUE;
    std::string FFileName;
};

// Writes REGEDIT4 text into export lines: section headers, value entries,
// deletions, comments and whole branches. It is the one place that knows how
// a value looks in the file; the export and the backups both write with it.
// Nothing it writes holds a NUL byte: Wine's importer drops the rest of its
// line buffer at one, far beyond the line itself. A name that the format
// cannot carry is left out with a comment line, and recorded in LeftOut.
class TRegFileWriter {
public:
    TRegFileWriter(TExportLines& lines, std::string& lastKeyPath);
    TRegFileWriter(const TRegFileWriter&) = delete;
    TRegFileWriter& operator=(const TRegFileWriter&) = delete;

    // An empty line and "[root\path]".
    void Header(HKEY root, const std::string& path);
    // An empty line and "[-root\path]": the importer deletes the key with
    // everything below it.
    void KeyDeletion(HKEY root, const std::string& path);
    // One entry below the last header: the value as it is, with its type and
    // bytes; "name"=- when deleted.
    void Value(std::string_view name, DWORD type, const BYTE* data, size_t size);
    void ValueDeletion(std::string_view name);
    // "; " and the text, which must be one line.
    void Comment(std::string_view text);
    // Comment "Ausgelassen: <what>" and note it in LeftOut.
    void LeaveOut(const std::string& what);

    // root\path with all its values and everything below it, depth first, a
    // header for every key. Keys that cannot be opened or read for lack of
    // rights are left out silently; other errors raise EExRegistryException.
    void Branch(HKEY root, const std::string& path);

    // What was left out, one text per name, as in the comment lines.
    const std::vector<std::string>& LeftOut() const { return FLeftOut; }

    // "[HKEY_CURRENT_USER\path]" with a NUL shown as \0, for messages.
    static std::string KeyText(HKEY root, std::string_view path);

private:
    class TWalk;
    void HeaderLine(HKEY root, const std::string& path, bool deletion);
    void LeaveOutValue(std::string_view name);
    TExportLines& FLines;
    std::string& FOut;
    std::string& FLastKeyPath;
    const char* FRootName = "";
    HKEY FRootKey = nullptr;
    std::vector<std::string> FLeftOut;
};

// A REGEDIT4 file written all or nothing: the text goes to a temporary file
// in the target folder, which gets its final name only when complete. Until
// then an existing file of that name stays as it was, and a failure leaves
// nothing behind.
class TRegFile {
public:
    TRegFile(TExportLines& lines, std::string& lastKeyPath);
    ~TRegFile();
    TRegFile(const TRegFile&) = delete;
    TRegFile& operator=(const TRegFile&) = delete;

    // Creates the temporary file in folder and writes the first line; raises
    // EFileError when the folder does not exist or cannot be written.
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
