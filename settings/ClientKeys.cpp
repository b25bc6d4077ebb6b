#include "settings/ClientKeys.h"

#include "registry/RegHelpers.h"

#include <cwchar>

namespace {

bool Wow64System()
{
    static const bool wow64 = [] {
        if (sizeof(void*) == 8)
            return true;
        BOOL wow = FALSE;
        return IsWow64Process(GetCurrentProcess(), &wow) && wow;
    }();
    return wow64;
}

bool SameText(const std::wstring& a, size_t length, const wchar_t* b)
{
    return CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, a.c_str(), static_cast<int>(length), b,
                          static_cast<int>(wcslen(b))) == CSTR_EQUAL;
}

// path is key or lies below it, without regard to case.
bool Within(const std::wstring& path, const wchar_t* key)
{
    const size_t n = wcslen(key);
    if (path.size() < n || !SameText(path, n, key))
        return false;
    return path.size() == n || path[n] == L'\\';
}

// Where the keys live; a missing parent level may be deleted by a restore
// only where the program creates such levels itself.
const struct {
    HKEY root;
    const wchar_t* path;
    bool clientView;   // below HKEY_LOCAL_MACHINE: only in the client's view
} kAllowed[] = {
    {HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Outlook Express", true},
    {HKEY_LOCAL_MACHINE, L"Software\\Classes\\.eml", false},
    {HKEY_CURRENT_USER, L"Software\\Microsoft\\Outlook Express", false},
    {HKEY_CURRENT_USER, L"Identities", false},
    {HKEY_CURRENT_USER, L"Software\\Microsoft\\WAB", false},
    {HKEY_CURRENT_USER, L"AppEvents\\Schemes\\Apps\\.Default\\MailBeep", false},
    {HKEY_CURRENT_USER, L"Software\\Microsoft\\Internet Explorer\\Toolbar", false},
    {HKEY_CURRENT_USER, L"Software\\Classes\\.eml", false},
    {HKEY_CLASSES_ROOT, L".eml", false},
};

} // namespace

const TClientKey kClientKeys[] = {
    {rcLocalMachine, "Software\\Microsoft\\Outlook Express"},
    {rcCurrentUser, "Identities"},
    {rcCurrentUser, "Software\\Microsoft\\WAB\\WAB4"},
    {rcCurrentUser, "AppEvents\\Schemes\\Apps\\.Default\\MailBeep\\.Current"},
    {rcCurrentUser, "Software\\Microsoft\\Internet Explorer\\Toolbar"},
    {rcCurrentUser, "Software\\Classes\\.eml\\ShellNew"},
    {rcClassesRoot, ".eml\\ShellNew"},
};
const size_t kClientKeyCount = std::size(kClientKeys);

TKeyPlace PlaceOfFileKey(HKEY root, const std::wstring& filePath)
{
    if (root != HKEY_LOCAL_MACHINE || !Wow64System())
        return {root, filePath, 0};
    // Written on 64-bit Windows: the 32-bit view is below Wow6432Node.
    if (Within(filePath, L"Software\\Wow6432Node")) {
        std::wstring rest = filePath.substr(wcslen(L"Software\\Wow6432Node"));
        return {root, L"Software" + rest, KEY_WOW64_32KEY};
    }
    return {root, filePath, KEY_WOW64_64KEY};
}

bool IsClientKey(const TKeyPlace& place)
{
    for (const auto& allowed : kAllowed) {
        if (allowed.root != place.Root || !Within(place.Path, allowed.path))
            continue;
        if (allowed.clientView && place.View == KEY_WOW64_64KEY)
            continue;
        return true;
    }
    return false;
}
