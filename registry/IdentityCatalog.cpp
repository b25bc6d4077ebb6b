#include "registry/IdentityCatalog.h"

#include "framework/Exceptions.h"
#include "framework/Registry.h"
#include "registry/ExactNames.h"
#include "registry/RegText.h"

#include <optional>

namespace {
constexpr const char* IdentitiesKey = "Identities";
}

std::vector<TIdentityInfo> TIdentityCatalog::ReadIdentities() const
{
    FUnreadable.clear();
    std::vector<TIdentityInfo> identities;
    // The key names exactly: through the code page, a name with a character
    // it lacks comes back with "?", and one with a NUL opens the sibling with
    // the shorter name; either would read and write another identity's key.
    const auto names = GetRegSubKeyNamesExact(rcCurrentUser, IdentitiesKey);
    if (!names)
        return identities;
    TRegistry reg(KEY_READ);
    reg.SetRootKey(HKEY_CURRENT_USER);
    for (const std::wstring& exact : *names) {
        const std::optional<std::string> name = NarrowExact(exact);
        const std::string where =
            "Identität HKEY_CURRENT_USER\\" + std::string(IdentitiesKey) + "\\" + ShownName(exact, true) + ": ";
        if (!name || exact.find(L'\0') != std::wstring::npos) {
            FUnreadable.push_back(where + "Schlüsselname nicht verwendbar (Zeichen außerhalb der Codepage oder NUL)");
            continue;
        }
        // A failed open keeps the previous key; close first so that a sub-key
        // that cannot be opened is skipped instead of read from its neighbour.
        reg.CloseKey();
        if (!reg.OpenKey(std::string(IdentitiesKey) + "\\" + *name, false) || !reg.ValueExists("Username"))
            continue;
        try {
            identities.push_back({reg.ReadString("Username"), "\\" + *name + "\\"});
        } catch (const ERegistryException& error) {
            FUnreadable.push_back(where + "Name nicht lesbar (" + error.Message() + ")");
        }
    }
    return identities;
}
