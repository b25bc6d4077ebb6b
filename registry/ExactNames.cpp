#include "registry/ExactNames.h"

#include "framework/Registry.h"
#include "registry/RegText.h"

#include <algorithm>
#include <vector>

namespace {

LONG OpenExact(RootCode root, const std::string& path, REGSAM access, UniqueHKey& key)
{
    const HKEY hive = RootKeyOf(root);
    return RegOpenKeyExW(hive, WidenCodePage(NormalizeKeyPath(path)).c_str(), 0, InClientView(hive, access), key.Put());
}

// Names by index with enumerate(index, buffer, length), in a buffer sized by
// the key's longest name and grown when a name has grown since.
template <class Enumerate>
std::vector<std::wstring> NamesOf(DWORD count, DWORD maxLength, Enumerate enumerate)
{
    std::vector<std::wstring> names;
    std::vector<wchar_t> buffer(maxLength + 1);
    for (DWORD index = 0; index < count;) {
        DWORD length = static_cast<DWORD>(buffer.size());
        const LONG rc = enumerate(index, buffer.data(), &length);
        if (rc == ERROR_MORE_DATA) {
            buffer.resize(buffer.size() * 2);
            continue;
        }
        if (rc != ERROR_SUCCESS)
            break;
        names.emplace_back(buffer.data(), length);
        ++index;
    }
    return names;
}

} // namespace

std::optional<std::vector<TExactName>> GetRegValueNamesExact(RootCode root, const std::string& path)
{
    UniqueHKey key;
    DWORD count = 0, maxLength = 0;
    if (OpenExact(root, path, KEY_READ, key) != ERROR_SUCCESS
        || RegQueryInfoKeyW(key.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, &maxLength,
                            nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return std::nullopt;
    std::vector<TExactName> result;
    for (std::wstring& name : NamesOf(count, maxLength, [&](DWORD index, wchar_t* buffer, DWORD* length) {
             return RegEnumValueW(key.Get(), index, buffer, length, nullptr, nullptr, nullptr, nullptr);
         })) {
        std::string shown = ShownName(name);
        result.push_back({std::move(name), std::move(shown)});
    }
    return result;
}

TRegResult DeleteRegValueExact(RootCode root, const std::string& path, const std::wstring& name)
{
    if (name.find(L'\0') != std::wstring::npos)
        return {ERROR_INVALID_NAME};
    UniqueHKey key;
    if (const LONG rc = OpenExact(root, path, KEY_WRITE, key); rc != ERROR_SUCCESS)
        return {rc};
    return {RegDeleteValueW(key.Get(), name.c_str())};
}

std::optional<std::vector<std::wstring>> GetRegSubKeyNamesExact(RootCode root, const std::string& path)
{
    UniqueHKey key;
    DWORD count = 0, maxLength = 0;
    if (OpenExact(root, path, KEY_READ, key) != ERROR_SUCCESS
        || RegQueryInfoKeyW(key.Get(), nullptr, nullptr, nullptr, &count, &maxLength, nullptr, nullptr, nullptr,
                            nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return std::nullopt;
    return NamesOf(count, maxLength, [&](DWORD index, wchar_t* buffer, DWORD* length) {
        return RegEnumKeyExW(key.Get(), index, buffer, length, nullptr, nullptr, nullptr, nullptr);
    });
}

LONG QueryValueExact(HKEY key, const std::wstring& name, DWORD& type, std::vector<BYTE>& data)
{
    // Without a buffer the call would only tell the size.
    if (data.empty())
        data.resize(256);
    for (;;) {
        DWORD size = static_cast<DWORD>(data.size());
        const LONG rc = RegQueryValueExW(key, name.c_str(), nullptr, &type, data.data(), &size);
        if (rc == ERROR_MORE_DATA) {
            data.resize(std::max<size_t>(size, data.size() * 2));
            continue;
        }
        if (rc == ERROR_SUCCESS)
            data.resize(size);
        return rc;
    }
}
