#include "registry/RegHelpers.h"

#include "framework/Exceptions.h"
#include "framework/Registry.h"
#include "framework/SysUtils.h"

#include <map>
#include <memory>
#include <tuple>
#include <utility>

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

thread_local TRegKeyScope::TKeys* CurrentKeys = nullptr;

// The registry compares names without regard to case.
std::string KeyName(const std::string& path)
{
    return UpperCase(NormalizeKeyPath(path));
}

} // namespace

struct TRegKeyScope::TKeys {
    std::map<std::tuple<HKEY, REGSAM, std::string>, std::unique_ptr<TRegistry>> Open;
    TKeys* Outer = nullptr;
};

TRegKeyScope::TRegKeyScope() : FKeys(std::make_unique<TKeys>())
{
    FKeys->Outer = std::exchange(CurrentKeys, FKeys.get());
}

TRegKeyScope::~TRegKeyScope()
{
    CurrentKeys = FKeys->Outer;
}

namespace {

// A registry object with path open: the scope's, or one of this call's own.
class TOpenKey {
public:
    TOpenKey(RootCode root, REGSAM access, const std::string& path, bool canCreate)
    {
        const auto name = std::make_tuple(RootKeyOf(root), access, KeyName(path));
        if (CurrentKeys)
            if (const auto found = CurrentKeys->Open.find(name); found != CurrentKeys->Open.end()) {
                FReg = found->second.get();
                return;
            }
        FOwn = NewRegistry(root, access);
        if (!FOwn->OpenKey(path, canCreate))
            return;
        FReg = FOwn.get();
        if (CurrentKeys)
            CurrentKeys->Open[name] = std::move(FOwn);
    }
    explicit operator bool() const { return FReg != nullptr; }
    TRegistry* operator->() const { return FReg; }
    TRegistry& operator*() const { return *FReg; }
    LONG OpenError() const { return FOwn ? FOwn->LastOpenError() : ERROR_SUCCESS; }

private:
    std::unique_ptr<TRegistry> FOwn;
    TRegistry* FReg = nullptr;
};

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
    const TOpenKey reg(root, KEY_READ, path, false);
    if (reg && reg->ValueExists(name))
        return reg->ReadString(name);
    return {};
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

TRegText ReadRegText(RootCode root, const std::string& path, const std::string& name)
{
    TRegText result;
    const TOpenKey reg(root, KEY_READ, path, false);
    if (!reg)
        return result;
    // The wide call, so that text outside the code page is seen for what it
    // is rather than as question marks.
    const std::wstring wideName = Widen(name);
    std::wstring data;
    for (DWORD size = 256;;) {
        data.assign(size / sizeof(wchar_t) + 1, L'\0');
        DWORD type = REG_NONE;
        const LONG rc = RegQueryValueExW(reg->CurrentKey(), wideName.c_str(), nullptr, &type,
                                         reinterpret_cast<BYTE*>(data.data()), &size);
        if (rc == ERROR_FILE_NOT_FOUND)
            return result;
        if (rc == ERROR_MORE_DATA)
            continue;
        if (rc != ERROR_SUCCESS)
            throw ERegistryException(Format(Msg::RegGetDataFailed, name.c_str()));
        if (type != REG_SZ && type != REG_EXPAND_SZ)
            throw ERegistryException(Format(Msg::InvalidRegType, name.c_str()));
        data.resize(size / sizeof(wchar_t));
        result.Exists = true;
        result.Type = type;
        break;
    }
    const size_t nul = data.find(L'\0');
    if (nul != std::wstring::npos)
        data.resize(nul);
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

int ReadRegInteger(RootCode root, const std::string& path, const std::string& name)
{
    const TOpenKey reg(root, KEY_READ, path, false);
    int value = -1;
    if (reg)
        reg->TryReadInteger(name, value);
    return value;
}

std::optional<std::vector<std::string>> GetRegValueNames(RootCode root, const std::string& path)
{
    const TOpenKey reg(root, KEY_READ, path, false);
    if (!reg)
        return std::nullopt;
    return reg->GetValueNames();
}

namespace {

template <class Write>
TRegResult WriteValue(RootCode root, const std::string& path, Write write)
{
    const TOpenKey reg(root, KEY_WRITE, path, true);
    if (!reg)
        return {reg.OpenError()};
    write(*reg);
    return {};
}

} // namespace

TRegResult WriteRegString(RootCode root, const std::string& path, const std::string& name, const std::string& value)
{
    return WriteValue(root, path, [&](TRegistry& reg) { reg.WriteString(name, value); });
}

TRegResult WriteRegExpandString(RootCode root, const std::string& path, const std::string& name,
                                const std::string& value)
{
    return WriteValue(root, path, [&](TRegistry& reg) { reg.WriteExpandString(name, value); });
}

TRegResult WriteRegInteger(RootCode root, const std::string& path, const std::string& name, int value)
{
    return WriteValue(root, path, [&](TRegistry& reg) { reg.WriteInteger(name, value); });
}

TRegResult DeleteRegValue(RootCode root, const std::string& path, const std::string& name)
{
    const TOpenKey reg(root, KEY_WRITE, path, false);
    if (!reg)
        return {reg.OpenError()};
    reg->DeleteValue(name);
    return {reg->LastDeleteError()};
}

TRegResult DeleteRegKey(RootCode root, const std::string& parentPath, const std::string& subKeyName)
{
    // An empty name would make the system delete the parent itself.
    if (NormalizeKeyPath(subKeyName).empty())
        return {ERROR_INVALID_PARAMETER};
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
    if (CurrentKeys) {
        const std::string gone = KeyName(parentPath + "\\" + subKeyName);
        std::erase_if(CurrentKeys->Open, [&](const auto& open) {
            const std::string& name = std::get<2>(open.first);
            return std::get<0>(open.first) == reg->RootKey() && name.starts_with(gone) &&
                   (name.size() == gone.size() || name[gone.size()] == '\\');
        });
    }
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
