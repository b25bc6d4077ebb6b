// The small registry operations every settings dialog goes through. Each call
// opens the one key it needs with the narrowest access, does its work and
// closes the key again, unless a TRegKeyCache of the thread keeps its keys for
// a run of many values (see RegKeyCache.h). Absent keys and values are no
// errors: they read as "" or -1 and make writes and deletes return false.
#pragma once

#include "registry/RegError.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Hive selector: 1 HKEY_CURRENT_USER, 2 HKEY_LOCAL_MACHINE, 3 HKEY_CLASSES_ROOT,
// anything else HKEY_CURRENT_USER. The numbers are what the setting tables
// store; callers name them.
using RootCode = std::uint8_t;
inline constexpr RootCode rcCurrentUser = 1;
inline constexpr RootCode rcLocalMachine = 2;
inline constexpr RootCode rcClassesRoot = 3;

HKEY RootKeyOf(RootCode root);

// The root's name as registry files and messages write it
// ("HKEY_CURRENT_USER"); "" for a handle that is no root.
const char* RootKeyName(HKEY root);

// Names of the key's direct sub-keys in enumeration order. A key that does not
// exist is created (and comes back empty); raises "Erzeugung von Schlüssel %s
// misslungen" when that fails.
std::vector<std::string> GetRegSubKeyNames(RootCode root, const std::string& path);

// Reads of rcClassesRoot see the merged view, as Windows shows it: a value of
// HKEY_CURRENT_USER\Software\Classes\<path> before one of the classes root.

// REG_SZ or REG_EXPAND_SZ data up to the first NUL, never expanded; "" when the
// key or value is absent; another type raises "Ungültiger Datentyp für '%s'".
// An empty name reads the key's default value.
std::string ReadRegString(RootCode root, const std::string& path, const std::string& name);

// A text value as stored: its type (REG_SZ or REG_EXPAND_SZ) and its text up
// to the first NUL, never expanded. Absent: Exists false and empty text.
// Another type raises "Ungültiger Datentyp für '%s'". Text that the code page
// cannot hold raises too: shown as "?" it could never be written back as it
// was.
struct TRegText {
    bool Exists = false;
    DWORD Type = REG_NONE;
    std::string Text;
};
TRegText ReadRegText(RootCode root, const std::string& path, const std::string& name);

// A value exactly as stored, read with the wide call: whether its key and it
// exist, its type and its bytes. Below rcClassesRoot it sees the classes root
// alone, not the merged view. What a backup keeps, and what the three below
// read from.
struct TRegStored {
    bool KeyExists = false;
    bool Exists = false;
    DWORD Type = REG_NONE;
    std::vector<BYTE> Data;
};
TRegStored ReadRegStored(RootCode root, const std::string& path, const std::string& name);
// The stored value as ReadRegText, ReadRegInteger and ReadRegString read it,
// with the same errors; NonEmptyOf tells whether the text is not empty.
TRegText TextOf(const TRegStored& stored, const std::string& name);
int IntegerOf(const TRegStored& stored, const std::string& name);
bool NonEmptyOf(const TRegStored& stored, const std::string& name);

// A REG_DWORD as signed value; -1 when the key or value is absent. Data longer
// than four bytes raises "Konnte Daten für '%s' nicht holen", another type
// "Ungültiger Datentyp für '%s'".
int ReadRegInteger(RootCode root, const std::string& path, const std::string& name);

// The key's value names in enumeration order; none when the key cannot be opened.
std::optional<std::vector<std::string>> GetRegValueNames(RootCode root, const std::string& path);

// Write as REG_SZ (text plus one NUL), REG_EXPAND_SZ or REG_DWORD, replacing a
// value of any former type and creating every missing level of the path. The
// result carries the system's code of a refused open or create; a failed
// write after the key was opened raises "Konnte Daten für '%s' nicht setzen".
TRegResult WriteRegString(RootCode root, const std::string& path, const std::string& name, const std::string& value);
TRegResult WriteRegExpandString(RootCode root, const std::string& path, const std::string& name,
                                const std::string& value);
TRegResult WriteRegInteger(RootCode root, const std::string& path, const std::string& name, int value);

// The system's code of the open or the delete: ERROR_FILE_NOT_FOUND when the
// key or the value was not there.
TRegResult DeleteRegValue(RootCode root, const std::string& path, const std::string& name);

// Deletes subKeyName below parentPath. Does not descend: a sub-key that has
// sub-keys of its own stays, and the result is ERROR_DIR_NOT_EMPTY.
TRegResult DeleteRegKey(RootCode root, const std::string& parentPath, const std::string& subKeyName);

// Replaces %NAME% references by the environment's values (undefined names stay
// as written); with addTrailingBackslash the result ends in exactly one "\".
// An empty path stays empty; a failed expansion returns the path unchanged.
std::string ExpandEnvPath(const std::string& path, bool addTrailingBackslash);

// True when the picture file (.bmp, .ico, .wmf, .emf, .jpg, .jpeg) loads and is
// at most maxWidth pixels wide; false when it is wider, cannot be loaded or has
// another extension. Never raises. PictureWidth tells the two failures apart.
bool ImageWidthAtMost(const std::string& fileName, int maxWidth);
