// Keys opened once for a run of many reads or writes below a few keys. An
// apply to every identity touches 23 values in each of hundreds of keys;
// opening and closing the key around every value costs more than the values.
// While a TRegKeyCache lives, the value helpers of its thread keep the keys
// they open and use them again; it closes them when it ends.
//
// A scope must not outlive what it may meet: nothing that deletes or renames
// keys may run inside it, unless it calls Forget first (a kept handle of a
// deleted key would refuse every write). Keys below HKEY_CLASSES_ROOT are
// never kept: the helpers look for them in two places.
#pragma once

#include "registry/RegHelpers.h"

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

class TRegKeyCache {
public:
    TRegKeyCache();
    ~TRegKeyCache();
    TRegKeyCache(const TRegKeyCache&) = delete;
    TRegKeyCache& operator=(const TRegKeyCache&) = delete;

    // Closes every kept key; the scope goes on.
    static void Forget();

private:
    friend class TKeyLease;
    struct TEntry {
        HKEY Key = nullptr;
        LONG Error = ERROR_SUCCESS;
    };
    // root, path as given, access; the create flag counts as an access of its own.
    using TSlot = std::tuple<HKEY, std::string, REGSAM, bool>;
    std::map<TSlot, TEntry> FKeys;
    TRegKeyCache* FOuter;
};

// One helper call's key: borrowed from the running cache, or opened for the
// call and closed after it. Get is nullptr when the open failed; Error then
// says why.
class TKeyLease {
public:
    TKeyLease(RootCode root, const std::string& path, REGSAM access, bool create);
    ~TKeyLease();
    TKeyLease(const TKeyLease&) = delete;
    TKeyLease& operator=(const TKeyLease&) = delete;

    HKEY Get() const { return FKey; }
    LONG Error() const { return FError; }

private:
    HKEY FKey = nullptr;
    LONG FError = ERROR_SUCCESS;
    bool FOwned = false;
};
