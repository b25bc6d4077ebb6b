#include "registry/ExactNames.h"

#include "framework/Registry.h"

namespace {

std::string Shown(const std::wstring& name)
{
    std::string shown;
    for (size_t start = 0;;) {
        const size_t nul = name.find(L'\0', start);
        const std::wstring part = name.substr(start, nul == std::wstring::npos ? std::wstring::npos : nul - start);
        if (!part.empty()) {
            const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, part.data(), static_cast<int>(part.size()),
                                                   nullptr, 0, "?", nullptr);
            std::string bytes(static_cast<size_t>(length), '\0');
            WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, part.data(), static_cast<int>(part.size()), bytes.data(),
                                length, "?", nullptr);
            shown += bytes;
        }
        if (nul == std::wstring::npos)
            return shown;
        shown += "\\0";
        start = nul + 1;
    }
}

} // namespace

std::optional<std::vector<TExactName>> GetRegValueNamesExact(RootCode root, const std::string& path)
{
    TRegistry reg(KEY_READ);
    reg.SetRootKey(RootKeyOf(root));
    if (!reg.OpenKey(path, false))
        return std::nullopt;
    std::vector<TExactName> names;
    std::wstring buffer(256, L'\0');
    for (DWORD index = 0;; ++index) {
        DWORD length = static_cast<DWORD>(buffer.size());
        const LONG rc = RegEnumValueW(reg.CurrentKey(), index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
        if (rc == ERROR_MORE_DATA) {
            // Names may have up to 16,383 characters.
            buffer.resize(32768);
            --index;
            continue;
        }
        if (rc != ERROR_SUCCESS)
            break;
        TExactName name{buffer.substr(0, length), {}};
        name.Shown = Shown(name.Name);
        names.push_back(std::move(name));
    }
    return names;
}

TRegResult DeleteRegValueExact(RootCode root, const std::string& path, const std::wstring& name)
{
    if (name.find(L'\0') != std::wstring::npos)
        return {ERROR_INVALID_NAME};
    TRegistry reg(KEY_SET_VALUE);
    reg.SetRootKey(RootKeyOf(root));
    if (!reg.OpenKey(path, false))
        return {reg.LastOpenError()};
    return {RegDeleteValueW(reg.CurrentKey(), name.c_str())};
}
