// Every key of the mail client that the settings touch, locked, saved and
// cleared for one test and put back after it: the identities, the keys of the
// global settings and the client's own key with its version.
#pragma once

#include "registry/IdentityCatalog.h"
#include "settings/SettingModel.h"
#include "support/SharedKeyGuard.h"

#include <memory>
#include <span>

namespace zvtest {

inline constexpr const char* kClientKey = "Software\\Microsoft\\Outlook Express";

inline const std::pair<HKEY, const char*> kClientKeys[] = {
    {HKEY_CURRENT_USER, "Identities"},
    {HKEY_LOCAL_MACHINE, kClientKey},
    {HKEY_CURRENT_USER, "Software\\Microsoft\\Internet Explorer\\Toolbar"},
    {HKEY_CURRENT_USER, "AppEvents\\Schemes\\Apps\\.Default\\MailBeep"},
    {HKEY_CURRENT_USER, "Software\\Microsoft\\WAB"},
    {HKEY_CLASSES_ROOT, ".eml"},
    {HKEY_CURRENT_USER, "Software\\Classes\\.eml"},
};

struct ClientKeys {
    std::vector<std::unique_ptr<SharedKeyGuard>> guards;

    ClientKeys()
    {
        for (const auto& [root, path] : kClientKeys) {
            guards.push_back(std::make_unique<SharedKeyGuard>(root, path));
            DeleteTree(root, path);
        }
    }

    // A client of version 6 with the identities given as key name and user name.
    static std::vector<TIdentityInfo> Install(std::initializer_list<std::pair<const char*, const char*>> identities)
    {
        SetString(HKEY_LOCAL_MACHINE, std::string(kClientKey) + "\\Version Info", "Current", "6,00,2900,5512");
        std::vector<TIdentityInfo> made;
        for (const auto& [key, name] : identities) {
            SetString(HKEY_CURRENT_USER, std::string("Identities\\") + key, "Username", name);
            made.push_back({name, std::string("\\") + key + "\\"});
        }
        return made;
    }

    // Every value below every key, to tell whether anything changed.
    static std::vector<KeySnapshot> Snapshot()
    {
        std::vector<KeySnapshot> keys;
        for (const auto& [root, path] : kClientKeys)
            keys.push_back(KeySnapshot::Take(root, path));
        return keys;
    }
};

// The stored value of each row of a catalogue below base, type and bytes.
inline std::vector<std::optional<RegValue>> StoredValues(std::span<const TSettingDef> defs, const std::string& base)
{
    std::vector<std::optional<RegValue>> values;
    for (const TSettingDef& def : defs) {
        const std::string path = TSettingModel::KeyPath(base, def.key);
        // The classes root as the program reads it: the user's own first.
        std::optional<RegValue> value;
        if (def.root == rcClassesRoot)
            value = QueryValue(HKEY_CURRENT_USER, "Software\\Classes\\" + path, def.value);
        values.push_back(value ? value : QueryValue(RootKeyOf(def.root), path, def.value));
    }
    return values;
}

} // namespace zvtest
