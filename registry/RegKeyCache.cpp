#include "registry/RegKeyCache.h"

#include "framework/Registry.h"

#include <iterator>

namespace {

thread_local TRegKeyCache* Running = nullptr;

LONG Open(HKEY root, const std::string& path, REGSAM access, bool create, HKEY& key)
{
    const std::string relative = NormalizeKeyPath(path);
    key = nullptr;
    const LONG rc = create ? RegCreateKeyExA(root, relative.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                             InClientView(root, access), nullptr, &key, nullptr)
                           : RegOpenKeyExA(root, relative.c_str(), 0, InClientView(root, access), &key);
    if (rc != ERROR_SUCCESS)
        key = nullptr;
    return rc;
}

void Close(HKEY key)
{
    if (key && !IsPredefinedKey(key))
        RegCloseKey(key);
}

} // namespace

TRegKeyCache::TRegKeyCache() : FOuter(Running)
{
    Running = this;
}

TRegKeyCache::~TRegKeyCache()
{
    for (const auto& [slot, entry] : FKeys)
        Close(entry.Key);
    Running = FOuter;
}

void TRegKeyCache::Forget()
{
    for (TRegKeyCache* cache = Running; cache; cache = cache->FOuter) {
        for (const auto& [slot, entry] : cache->FKeys)
            Close(entry.Key);
        cache->FKeys.clear();
    }
}

TKeyLease::TKeyLease(RootCode root, const std::string& path, REGSAM access, bool create)
{
    const HKEY rootKey = RootKeyOf(root);
    if (!Running || root == rcClassesRoot) {
        FError = Open(rootKey, path, access, create, FKey);
        FOwned = true;
        return;
    }
    const TRegKeyCache::TSlot slot{rootKey, path, access, create};
    const auto found = Running->FKeys.find(slot);
    if (found != Running->FKeys.end()) {
        FKey = found->second.Key;
        FError = found->second.Error;
        return;
    }
    FError = Open(rootKey, path, access, create, FKey);
    if (create && FKey) {
        // The key is there now: opens that found it missing must look again.
        auto& keys = Running->FKeys;
        for (auto at = keys.lower_bound({rootKey, path, 0, false}); at != keys.end() && std::get<0>(at->first) == rootKey &&
                                                                    std::get<1>(at->first) == path;)
            at = at->second.Key ? std::next(at) : keys.erase(at);
    }
    // A key that cannot be created may be creatable the next time.
    if (FKey || !create)
        Running->FKeys.emplace(slot, TRegKeyCache::TEntry{FKey, FError});
    else
        FOwned = true;
}

TKeyLease::~TKeyLease()
{
    if (FOwned)
        Close(FKey);
}
