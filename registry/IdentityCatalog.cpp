#include "registry/IdentityCatalog.h"

#include "framework/Registry.h"

namespace {
constexpr const char* IdentitiesKey = "Identities";
}

std::vector<TIdentityInfo> TIdentityCatalog::ReadIdentities() const
{
    std::vector<TIdentityInfo> identities;
    TRegistry reg(KEY_READ);
    reg.SetRootKey(HKEY_CURRENT_USER);
    if (!reg.OpenKey(IdentitiesKey, false))
        return identities;
    if (!reg.HasSubKeys())
        return identities;
    for (const std::string& name : reg.GetKeyNames()) {
        // A failed open keeps the previous key; close first so that a sub-key
        // that cannot be opened is skipped instead of read from its neighbour.
        reg.CloseKey();
        if (reg.OpenKey(std::string(IdentitiesKey) + "\\" + name, false) && reg.ValueExists("Username"))
            identities.push_back({reg.ReadString("Username"), "\\" + name + "\\"});
    }
    return identities;
}
