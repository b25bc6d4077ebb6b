#include "registry/RegHelpers.h"

#include "framework/Exceptions.h"
#include "framework/PictureWidth.h"
#include "framework/Registry.h"
#include "framework/SysUtils.h"
#include "registry/ExactNames.h"
#include "registry/RegKeyCache.h"

#include <cstring>
#include <memory>

HKEY RootKeyOf(RootCode root)
{
    switch (root) {
    case rcLocalMachine:
        return HKEY_LOCAL_MACHINE;
    case rcClassesRoot:
        return HKEY_CLASSES_ROOT;
    default:
        return HKEY_CURRENT_USER;
    }
}

const char* RootKeyName(HKEY root)
{
    static const struct {
        HKEY Key;
        const char* Name;
    } names[] = {
        {HKEY_CLASSES_ROOT, "HKEY_CLASSES_ROOT"},
        {HKEY_CURRENT_USER, "HKEY_CURRENT_USER"},
        {HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE"},
        {HKEY_USERS, "HKEY_USERS"},
        {HKEY_PERFORMANCE_DATA, "HKEY_PERFORMANCE_DATA"},
        {HKEY_CURRENT_CONFIG, "HKEY_CURRENT_CONFIG"},
        {HKEY_DYN_DATA, "HKEY_DYN_DATA"},
    };
    for (const auto& entry : names)
        if (entry.Key == root)
            return entry.Name;
    return "";
}

namespace {

// A fresh registry object per call; codes other than the three named ones
// keep the object's own default root.
std::unique_ptr<TRegistry> NewRegistry(RootCode root, REGSAM access)
{
    auto reg = std::make_unique<TRegistry>(access);
    if (root >= rcCurrentUser && root <= rcClassesRoot)
        reg->SetRootKey(RootKeyOf(root));
    return reg;
}

// The key of path holding the value name, open for reading, or nullptr. For
// the classes root the current user's own classes come first: Windows shows
// them inside HKEY_CLASSES_ROOT ahead of the machine's, Wine 8 shows only the
// machine's. On Windows the second read gives the merged answer anyway.
std::unique_ptr<TRegistry> OpenWithValue(RootCode root, const std::string& path, const std::string& name)
{
    if (root == rcClassesRoot) {
        const std::string relative = NormalizeKeyPath(path);
        auto user = NewRegistry(rcCurrentUser, KEY_READ);
        if (user->OpenKey(relative.empty() ? "Software\\Classes" : "Software\\Classes\\" + relative, false) &&
            user->ValueExists(name))
            return user;
    }
    auto reg = NewRegistry(root, KEY_READ);
    if (reg->OpenKey(path, false) && reg->ValueExists(name))
        return reg;
    return nullptr;
}

} // namespace

std::vector<std::string> GetRegSubKeyNames(RootCode root, const std::string& path)
{
    std::vector<std::string> names;
    auto reg = NewRegistry(root, KEY_READ);
    if (!reg->OpenKey(path, false))
        reg->CreateKey(path);
    reg->CloseKey();
    if (reg->OpenKey(path, false))
        names = reg->GetKeyNames();
    return names;
}

std::string ReadRegString(RootCode root, const std::string& path, const std::string& name)
{
    const auto reg = OpenWithValue(root, path, name);
    return reg ? reg->ReadString(name) : std::string();
}

namespace {

std::wstring Widen(const std::string& text)
{
    if (text.empty())
        return {};
    std::wstring wide(text.size(), L'\0');
    wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                                        wide.data(), static_cast<int>(wide.size()))));
    return wide;
}

} // namespace

TRegStored ReadRegStored(RootCode root, const std::string& path, const std::string& name)
{
    TRegStored stored;
    const TKeyLease key(root, path, KEY_READ, false);
    if (!key.Get())
        return stored;
    stored.KeyExists = true;
    // The wide call: the bytes as stored, and text outside the code page seen
    // for what it is rather than as question marks.
    const LONG rc = QueryValueExact(key.Get(), Widen(name), stored.Type, stored.Data);
    if (rc == ERROR_FILE_NOT_FOUND) {
        stored.Type = REG_NONE;
        stored.Data.clear();
        return stored;
    }
    if (rc != ERROR_SUCCESS)
        throw ERegistryException(Format(Msg::RegGetDataFailed, name.c_str()));
    stored.Exists = true;
    return stored;
}

namespace {

bool IsText(DWORD type)
{
    return type == REG_SZ || type == REG_EXPAND_SZ;
}

// A text value's characters up to the first NUL.
std::wstring WideText(const TRegStored& stored)
{
    std::wstring text(stored.Data.size() / sizeof(wchar_t), L'\0');
    if (!text.empty())
        std::memcpy(text.data(), stored.Data.data(), text.size() * sizeof(wchar_t));
    const size_t nul = text.find(L'\0');
    if (nul != std::wstring::npos)
        text.resize(nul);
    return text;
}

} // namespace

TRegText TextOf(const TRegStored& stored, const std::string& name)
{
    TRegText result;
    if (!stored.Exists)
        return result;
    if (!IsText(stored.Type))
        throw ERegistryException(Format(Msg::InvalidRegType, name.c_str()));
    result.Exists = true;
    result.Type = stored.Type;
    const std::wstring data = WideText(stored);
    if (data.empty())
        return result;
    BOOL lost = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, data.data(), static_cast<int>(data.size()),
                                           nullptr, 0, nullptr, &lost);
    result.Text.assign(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, data.data(), static_cast<int>(data.size()), result.Text.data(),
                        length, nullptr, &lost);
    if (lost)
        throw ERegistryException("Der Text von '" + name + "' enthält Zeichen, die Zorvane nicht darstellen kann");
    return result;
}

int IntegerOf(const TRegStored& stored, const std::string& name)
{
    if (!stored.Exists)
        return -1;
    // As the narrow call would see it: texts take one byte a character, and
    // more than four bytes do not fit the number.
    const bool text = IsText(stored.Type) || stored.Type == REG_MULTI_SZ;
    if ((text ? stored.Data.size() / sizeof(wchar_t) : stored.Data.size()) > sizeof(DWORD))
        throw ERegistryException(Format(Msg::RegGetDataFailed, name.c_str()));
    if (stored.Type != REG_DWORD)
        throw ERegistryException(Format(Msg::InvalidRegType, name.c_str()));
    DWORD value = 0;
    std::memcpy(&value, stored.Data.data(), stored.Data.size());
    return static_cast<int>(value);
}

bool NonEmptyOf(const TRegStored& stored, const std::string& name)
{
    if (!stored.Exists || stored.Data.empty())
        return false;
    if (!IsText(stored.Type))
        throw ERegistryException(Format(Msg::InvalidRegType, name.c_str()));
    return !WideText(stored).empty();
}

TRegText ReadRegText(RootCode root, const std::string& path, const std::string& name)
{
    return TextOf(ReadRegStored(root, path, name), name);
}

int ReadRegInteger(RootCode root, const std::string& path, const std::string& name)
{
    if (root == rcClassesRoot) {
        const auto reg = OpenWithValue(root, path, name);
        return reg ? reg->ReadInteger(name) : -1;
    }
    return IntegerOf(ReadRegStored(root, path, name), name);
}

std::optional<std::vector<std::string>> GetRegValueNames(RootCode root, const std::string& path)
{
    auto reg = NewRegistry(root, KEY_READ);
    if (!reg->OpenKey(path, false))
        return std::nullopt;
    return reg->GetValueNames();
}

namespace {

TRegResult WriteValue(RootCode root, const std::string& path, const std::string& name, DWORD type, const void* data,
                      DWORD size)
{
    const TKeyLease key(root, path, KEY_WRITE, true);
    if (!key.Get())
        return {key.Error()};
    if (RegSetValueExA(key.Get(), name.c_str(), 0, type, static_cast<const BYTE*>(data), size) != ERROR_SUCCESS)
        throw ERegistryException(Format(Msg::RegSetDataFailed, name.c_str()));
    return {};
}

} // namespace

TRegResult WriteRegString(RootCode root, const std::string& path, const std::string& name, const std::string& value)
{
    return WriteValue(root, path, name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

TRegResult WriteRegExpandString(RootCode root, const std::string& path, const std::string& name,
                                const std::string& value)
{
    return WriteValue(root, path, name, REG_EXPAND_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

TRegResult WriteRegInteger(RootCode root, const std::string& path, const std::string& name, int value)
{
    const DWORD data = static_cast<DWORD>(value);
    return WriteValue(root, path, name, REG_DWORD, &data, sizeof data);
}

TRegResult DeleteRegValue(RootCode root, const std::string& path, const std::string& name)
{
    const TKeyLease key(root, path, KEY_WRITE, false);
    if (!key.Get())
        return {key.Error()};
    return {RegDeleteValueA(key.Get(), name.c_str())};
}

TRegResult DeleteRegKey(RootCode root, const std::string& parentPath, const std::string& subKeyName)
{
    // An empty name would make the system delete the parent itself.
    if (NormalizeKeyPath(subKeyName).empty())
        return {ERROR_INVALID_PARAMETER};
    TRegKeyCache::Forget();
    auto reg = NewRegistry(root, KEY_WRITE);
    if (!reg->OpenKey(parentPath, false))
        return {reg->LastOpenError()};
    // The system answers a key with sub-keys as access denied; say what it is.
    {
        TRegistry probe(KEY_READ);
        probe.SetRootKey(reg->RootKey());
        if (probe.OpenKey(parentPath + "\\" + subKeyName, false) && probe.HasSubKeys())
            return {ERROR_DIR_NOT_EMPTY};
    }
    reg->DeleteKey(subKeyName);
    return {reg->LastDeleteError()};
}

std::string ExpandEnvPath(const std::string& path, bool addTrailingBackslash)
{
    if (path.empty())
        return {};
    std::string result = path;
    // Ask for the size first, so that any length fits; should the second call
    // still want more, grow and ask again.
    DWORD size = ExpandEnvironmentStringsA(path.c_str(), nullptr, 0);
    while (size > 0) {
        std::string buffer(size, '\0');
        const DWORD needed = ExpandEnvironmentStringsA(path.c_str(), buffer.data(), size);
        if (needed == 0)
            break;
        if (needed <= size) {
            const size_t nul = buffer.find('\0');
            if (nul != std::string::npos)
                buffer.resize(nul);
            result = std::move(buffer);
            break;
        }
        size = needed;
    }
    if (addTrailingBackslash && (result.empty() || result.back() != '\\'))
        result += '\\';
    return result;
}

bool ImageWidthAtMost(const std::string& fileName, int maxWidth)
{
    const std::optional<int> width = PictureWidth(fileName);
    return width && *width <= maxWidth;
}
