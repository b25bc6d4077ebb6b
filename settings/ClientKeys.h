// The keys that belong to the mail client as far as the program is
// concerned: what it reads and writes. A restore may touch nothing else, and
// the complete backup holds exactly these.
#pragma once

#include <windows.h>

#include <string>

// A key as a registry file names it, resolved to where the program opens it:
// below HKEY_LOCAL_MACHINE\Software the client's 32-bit view, which a file
// written on 64-bit Windows names "Software\Wow6432Node".
struct TKeyPlace {
    HKEY Root = nullptr;
    std::wstring Path;
    REGSAM View = 0;        // KEY_WOW64_32KEY, KEY_WOW64_64KEY or 0
};
TKeyPlace PlaceOfFileKey(HKEY root, const std::wstring& filePath);

// True when the place is one of the client's keys or lies below one.
bool IsClientKey(const TKeyPlace& place);

// The client's keys for a complete backup, in the program's own terms
// (root code and path as the registry helpers take them).
struct TClientKey {
    unsigned char root;     // RootCode
    const char* path;
};
extern const TClientKey kClientKeys[];
extern const size_t kClientKeyCount;
