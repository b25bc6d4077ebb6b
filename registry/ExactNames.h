// Value names exactly as stored. The ANSI calls turn every character that the
// code page lacks into "?" and stop at a NUL, so two different values can
// look alike through them, and a delete by such a name can hit the wrong
// one. These helpers read and delete with the wide calls instead.
#pragma once

#include "registry/RegHelpers.h"

#include <optional>
#include <string>
#include <vector>

// A value name exactly as stored, read with the wide calls.
struct TExactName {
    std::wstring Name;   // exact: may hold NUL or characters outside the code page
    std::string Shown;   // for display in code page 1252; NUL shown as "\0", others the code page lacks as "?"
    bool HasNul() const { return Name.find(L'\0') != std::wstring::npos; }
};

// The key's value names in enumeration order; none when the key cannot be
// opened (KEY_READ, never creates).
std::optional<std::vector<TExactName>> GetRegValueNamesExact(RootCode root, const std::string& path);

// Deletes exactly this value (wide call); the system's code. A name with a
// NUL is refused with ERROR_INVALID_NAME: no backup can hold it.
TRegResult DeleteRegValueExact(RootCode root, const std::string& path, const std::wstring& name);

// The key's sub-key names exactly as stored, in enumeration order; none when
// the key cannot be opened.
std::optional<std::vector<std::wstring>> GetRegSubKeyNamesExact(RootCode root, const std::string& path);

// A value of an open key exactly as stored (wide call), data grown until it
// fits: ERROR_SUCCESS with type and data, ERROR_FILE_NOT_FOUND, or the
// system's code of another failure.
LONG QueryValueExact(HKEY key, const std::wstring& name, DWORD& type, std::vector<BYTE>& data);
