// The program's own reader of registry files, the inverse of its writers:
// the Unicode format ("Windows Registry Editor Version 5.00", UTF-16LE) its
// backups use, and REGEDIT4 (code page text) of older backups. It reads what
// a file deletes and writes, key by key, and refuses a file as a whole at
// the first line it does not understand.
#pragma once

#include "framework/Exceptions.h"

#include <windows.h>

#include <string>
#include <vector>

struct TRegFileValue {
    std::wstring Name;          // empty: the key's default value
    bool Delete = false;        // "name"=-
    DWORD Type = REG_NONE;
    std::vector<BYTE> Data;     // as the wide calls take it: text in UTF-16
};

struct TRegFileKey {
    HKEY Root = nullptr;
    std::wstring Path;          // as the file names it, below the root
    bool Delete = false;        // [-key]: the key with everything below it
    int Line = 0;
    std::vector<TRegFileValue> Values;
};

struct TRegFileContent {
    bool Unicode = false;
    std::vector<TRegFileKey> Keys;
    std::vector<std::wstring> Comments;   // the text of every ";" line
};

// A file the reader cannot take; the message names the line where it can.
class ERegFileError : public Exception {
public:
    using Exception::Exception;
};

// Raises ERegFileError.
TRegFileContent ReadRegFileText(const std::string& bytes);
// Raises EFileError when the file cannot be read, else as ReadRegFileText.
TRegFileContent ReadRegFile(const std::string& fileName);

// "HKEY_CURRENT_USER" and the like; nullptr for an unknown name.
HKEY RootKeyNamed(const std::wstring& name);
