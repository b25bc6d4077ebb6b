#include "registry/ExtensionList.h"

#include "framework/Registry.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

namespace {

// The default value as text: REG_SZ or REG_EXPAND_SZ up to its first NUL.
// Any other type gives "", so one odd key does not stop the list.
std::string FileTypeOf(const char* extension, std::vector<BYTE>& data)
{
    UniqueHKey key;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, extension, 0, KEY_QUERY_VALUE, key.Put()) != ERROR_SUCCESS)
        return {};
    DWORD type = REG_NONE;
    DWORD size = static_cast<DWORD>(data.size());
    LONG rc = RegQueryValueExA(key.Get(), nullptr, nullptr, &type, data.data(), &size);
    if (rc == ERROR_MORE_DATA) {
        data.resize(size + 1);
        size = static_cast<DWORD>(data.size());
        rc = RegQueryValueExA(key.Get(), nullptr, nullptr, &type, data.data(), &size);
    }
    if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
        return {};
    const void* nul = std::memchr(data.data(), 0, size);
    return std::string(reinterpret_cast<const char*>(data.data()),
                       nul ? static_cast<const BYTE*>(nul) - data.data() : size);
}

} // namespace

std::vector<TFileExtension> ReadFileExtensions()
{
    std::vector<TFileExtension> list;
    // Key names have at most 255 characters; a multi-byte code page may
    // need two bytes for one.
    char name[512];
    std::vector<BYTE> data(1024);
    for (DWORD index = 0;; ++index) {
        DWORD length = sizeof name;
        const LONG rc = RegEnumKeyExA(HKEY_CLASSES_ROOT, index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (rc == ERROR_MORE_DATA)
            continue;
        if (rc != ERROR_SUCCESS)
            break;
        if (length == 0 || name[0] != '.')
            continue;
        // Opening by an ANSI name stops at a NUL and would read a sibling.
        const bool odd = std::memchr(name, 0, length) != nullptr;
        list.push_back({std::string(name, length), odd ? std::string() : FileTypeOf(name, data)});
    }
    // One sort key per name instead of a locale comparison per pair: the
    // keys compare byte by byte exactly as CompareStringA compares the names,
    // and 10,000 names would take some 130,000 comparisons.
    std::vector<std::pair<std::string, size_t>> keys(list.size());
    for (size_t i = 0; i < list.size(); ++i) {
        const std::string& text = list[i].Extension;
        std::string& key = keys[i].first;
        key.resize(text.size() * 4 + 16);
        int size = LCMapStringA(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, text.data(),
                                static_cast<int>(text.size()), key.data(), static_cast<int>(key.size()));
        if (size == 0) {
            size = LCMapStringA(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, text.data(),
                                static_cast<int>(text.size()), nullptr, 0);
            key.resize(size);
            size = LCMapStringA(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, text.data(),
                                static_cast<int>(text.size()), key.data(), size);
        }
        key.resize(size);
        keys[i].second = i;
    }
    std::sort(keys.begin(), keys.end());
    std::vector<TFileExtension> sorted;
    sorted.reserve(list.size());
    for (const auto& key : keys)
        sorted.push_back(std::move(list[key.second]));
    return sorted;
}
