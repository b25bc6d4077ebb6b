// Writes registry-file text into export lines: section headers, value
// entries, deletions, comments and whole branches. It is the one place that
// knows how a value looks in the file; the export and the backups both write
// with it, the export in REGEDIT4, the backups in the Unicode format.
#pragma once

#include "registry/ExportLines.h"

#include <windows.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Names come in two kinds: std::string ones are the program's code-page text,
// std::wstring ones are exactly as stored. Value data comes as the system's
// calls for the file's format read it: the ANSI calls for REGEDIT4 (strings in
// the code page), the wide calls for the Unicode format (strings in UTF-16).
//
// No name can take text out of its line. A header has no escapes, so a key
// whose name holds a NUL, CR or LF is left out, with everything below it and
// every value planned in it. Wine's regedit takes a header up to the last "]"
// of its line, so a "]" inside a key name stays part of the name. Value names
// are quoted, with \r and \n for line breaks; one with a NUL is left out.
// Nothing written holds a NUL byte: Wine's importer drops the rest of its
// line buffer at one, far beyond the line itself. What is left out gets a
// comment line and is recorded in LeftOut.
class TRegFileWriter {
public:
    TRegFileWriter(TExportLines& lines, std::string& lastKeyPath, TRegFileFormat format = TRegFileFormat::Regedit4);
    TRegFileWriter(const TRegFileWriter&) = delete;
    TRegFileWriter& operator=(const TRegFileWriter&) = delete;

    TRegFileFormat Format() const { return FFormat; }

    // An empty line and "[root\path]". False when the path cannot be
    // written: the key is left out, and so are the values that follow up to
    // the next header.
    bool Header(HKEY root, const std::string& path);
    // An empty line and "[-root\path]": the importer deletes the key with
    // everything below it. False when the path cannot be written.
    bool KeyDeletion(HKEY root, const std::string& path);
    // One entry below the last header: the value as it is, with its type and
    // bytes; "name"=- when deleted.
    void Value(std::string_view name, DWORD type, const BYTE* data, size_t size);
    void Value(std::wstring_view name, DWORD type, const BYTE* data, size_t size);
    void ValueDeletion(std::string_view name);
    void ValueDeletion(std::wstring_view name);
    // "; " and the text, one comment line for each of its lines.
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
    template <class Calls>
    class TWalk;

    // Names and paths in the buffer's form: the code page for REGEDIT4,
    // UTF-8 for the Unicode format.
    std::string FileText(std::string_view programText) const;
    // For comment lines and LeftOut: the code page, NUL, CR and LF escaped.
    std::string Shown(std::string_view fileText) const;
    bool HeaderLine(HKEY root, const std::string& path, bool deletion);
    void PutValue(std::string_view name, DWORD type, const BYTE* data, size_t size);
    void PutValueDeletion(std::string_view name);
    bool ValueNameFits(std::string_view name, const char* reason);
    void LeaveOutKey(std::string_view path, const char* reason, bool withAllBelow);

    TExportLines& FLines;
    std::string& FOut;
    std::string& FLastKeyPath;
    const TRegFileFormat FFormat;
    const char* FRootName = "";
    HKEY FRootKey = nullptr;
    // False after a header that could not be written.
    bool FSectionOpen = false;
    std::vector<std::string> FLeftOut;
};
