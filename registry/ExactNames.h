// Value names exactly as stored. The ANSI calls turn every character the code
// page lacks into "?" and stop at a NUL, so two different names can look the
// same to them, and a delete by such a name hits another value. Whatever the
// program deletes by a name it listed goes through these wide calls.
#pragma once

#include "registry/RegError.h"
#include "registry/RegHelpers.h"

#include <optional>
#include <string>
#include <vector>

struct TExactName {
    std::wstring Name;   // exact: may hold NUL or characters outside the code page
    std::string Shown;   // for display in the code page; NUL shown as "\0", what it lacks as "?"
    bool HasNul() const { return Name.find(L'\0') != std::wstring::npos; }
};

// The key's value names in enumeration order; none when the key cannot be opened.
std::optional<std::vector<TExactName>> GetRegValueNamesExact(RootCode root, const std::string& path);

// Deletes exactly this value. A name with a NUL is refused with
// ERROR_INVALID_NAME: no backup could hold it.
TRegResult DeleteRegValueExact(RootCode root, const std::string& path, const std::wstring& name);
