#include "framework/Registry.h"

#include "framework/Exceptions.h"
#include "framework/SysUtils.h"

UniqueHKey& UniqueHKey::operator=(UniqueHKey&& other) noexcept
{
    if (this != &other)
        Reset(other.Release());
    return *this;
}

void UniqueHKey::Reset(HKEY key)
{
    if (FKey && !IsPredefinedKey(FKey))
        RegCloseKey(FKey);
    FKey = key;
}

bool IsPredefinedKey(HKEY key)
{
    // The predefined handles are sign-extended on 64-bit systems, so they
    // are compared as handles, not as numbers.
    for (HKEY predefined : {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS, HKEY_PERFORMANCE_DATA,
                            HKEY_CURRENT_CONFIG, HKEY_DYN_DATA})
        if (key == predefined)
            return true;
    return false;
}

REGSAM InClientView(HKEY root, REGSAM access)
{
    return root == HKEY_LOCAL_MACHINE ? access | KEY_WOW64_32KEY : access;
}

std::string ClientViewFilePath(HKEY root, const std::string& path)
{
    if (root != HKEY_LOCAL_MACHINE)
        return path;
    static const bool wow64System = [] {
        if (sizeof(void*) == 8)
            return true;
        BOOL wow = FALSE;
        return IsWow64Process(GetCurrentProcess(), &wow) && wow;
    }();
    constexpr size_t n = 8;   // "Software"
    const bool software = path.size() >= n && CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, path.c_str(), n, "Software", n) == CSTR_EQUAL &&
                          (path.size() == n || path[n] == '\\');
    if (!wow64System || !software)
        return path;
    const std::string rest = path.substr(n);
    if (rest.size() >= 12 && CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, rest.c_str(), 12, "\\Wow6432Node", 12) == CSTR_EQUAL)
        return path;
    return path.substr(0, n) + "\\Wow6432Node" + rest;
}

std::string NormalizeKeyPath(const std::string& path)
{
    if (!path.empty() && path.front() == '\\')
        return path.substr(1);
    return path;
}

TRegistry::TRegistry(REGSAM access) : FAccess(access) {}

TRegistry::~TRegistry()
{
    CloseKey();
}

void TRegistry::SetRootKey(HKEY root)
{
    if (root != FRootKey) {
        CloseKey();
        FRootKey = root;
    }
}

void TRegistry::CloseKey()
{
    FCurrentKey.Reset();
    FCurrentPath.clear();
}

bool TRegistry::OpenKey(const std::string& path, bool canCreate)
{
    const std::string relative = NormalizeKeyPath(path);
    UniqueHKey key;
    LONG rc;
    if (canCreate)
        rc = RegCreateKeyExA(FRootKey, relative.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, InClientView(FRootKey, FAccess),
                             nullptr, key.Put(), nullptr);
    else
        rc = RegOpenKeyExA(FRootKey, relative.c_str(), 0, InClientView(FRootKey, FAccess), key.Put());
    FLastOpenError = rc;
    if (rc != ERROR_SUCCESS)
        return false;
    FCurrentKey = std::move(key);
    FCurrentPath = relative;
    return true;
}

bool TRegistry::OpenKeyReadOnly(const std::string& path)
{
    const REGSAM saved = FAccess;
    FAccess = KEY_READ;
    const bool ok = OpenKey(path, false);
    FAccess = saved;
    return ok;
}

void TRegistry::CreateKey(const std::string& path)
{
    const std::string relative = NormalizeKeyPath(path);
    UniqueHKey key;
    if (RegCreateKeyExA(FRootKey, relative.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, InClientView(FRootKey, KEY_ALL_ACCESS),
                        nullptr, key.Put(), nullptr) != ERROR_SUCCESS)
        throw ERegistryException(Format(Msg::RegCreateFailed, path.c_str()));
}

bool TRegistry::KeyExists(const std::string& path) const
{
    UniqueHKey key;
    return RegOpenKeyExA(FRootKey, NormalizeKeyPath(path).c_str(), 0, InClientView(FRootKey, STANDARD_RIGHTS_READ | KEY_QUERY_VALUE),
                         key.Put()) == ERROR_SUCCESS;
}

bool TRegistry::DeleteKey(const std::string& path)
{
    // Relative to the open key when there is one, else to the root.
    HKEY base = FCurrentKey ? FCurrentKey.Get() : FRootKey;
    std::string relative = NormalizeKeyPath(path);
    // RegDeleteKeyA resolves a path below a root in the program's own view
    // (RegDeleteKeyExA, which takes a view, is missing on 32-bit Windows XP):
    // the parent is opened in the client's view and the last level deleted
    // below it.
    UniqueHKey parent;
    const size_t last = relative.rfind('\\');
    if (!FCurrentKey && InClientView(FRootKey, 0) != 0 && last != std::string::npos) {
        FLastDeleteError = RegOpenKeyExA(FRootKey, relative.substr(0, last).c_str(), 0,
                                         InClientView(FRootKey, KEY_ENUMERATE_SUB_KEYS), parent.Put());
        if (FLastDeleteError != ERROR_SUCCESS)
            return false;
        base = parent.Get();
        relative.erase(0, last + 1);
    }
    FLastDeleteError = RegDeleteKeyA(base, relative.c_str());
    return FLastDeleteError == ERROR_SUCCESS;
}

bool TRegistry::ValueExists(const std::string& name) const
{
    TRegDataInfo info;
    return GetDataInfo(name, info);
}

bool TRegistry::GetDataInfo(const std::string& name, TRegDataInfo& info) const
{
    info = {};
    if (!FCurrentKey)
        return false;
    return RegQueryValueExA(FCurrentKey.Get(), name.c_str(), nullptr, &info.DataType, nullptr, &info.DataSize) == ERROR_SUCCESS;
}

bool TRegistry::HasSubKeys() const
{
    DWORD count = 0;
    if (!FCurrentKey)
        return false;
    return RegQueryInfoKeyA(FCurrentKey.Get(), nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS
        && count > 0;
}

std::vector<std::string> TRegistry::GetKeyNames() const
{
    std::vector<std::string> names;
    if (!FCurrentKey)
        return names;
    char name[256];
    for (DWORD index = 0;; ++index) {
        DWORD length = sizeof name;
        const LONG rc = RegEnumKeyExA(FCurrentKey.Get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (rc != ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    return names;
}

std::vector<std::string> TRegistry::GetValueNames() const
{
    std::vector<std::string> names;
    if (!FCurrentKey)
        return names;
    DWORD maxName = 0;
    RegQueryInfoKeyA(FCurrentKey.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &maxName, nullptr, nullptr, nullptr);
    std::string name(maxName + 1 > 256 ? maxName + 1 : 256, '\0');
    for (DWORD index = 0;; ++index) {
        DWORD length = static_cast<DWORD>(name.size());
        const LONG rc = RegEnumValueA(FCurrentKey.Get(), index, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
        if (rc == ERROR_MORE_DATA) {
            name.resize(name.size() * 2);
            --index;
            continue;
        }
        if (rc != ERROR_SUCCESS)
            break;
        names.emplace_back(name.data(), length);
    }
    return names;
}

std::string TRegistry::ReadString(const std::string& name) const
{
    TRegDataInfo info;
    if (!GetDataInfo(name, info) || info.DataSize == 0)
        return {};
    if (info.DataType != REG_SZ && info.DataType != REG_EXPAND_SZ)
        throw ERegistryException(Format(Msg::InvalidRegType, name.c_str()));
    std::string data(info.DataSize, '\0');
    DWORD size = info.DataSize;
    DWORD type = 0;
    if (RegQueryValueExA(FCurrentKey.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS)
        throw ERegistryException(Format(Msg::RegGetDataFailed, name.c_str()));
    data.resize(size);
    const size_t nul = data.find('\0');
    if (nul != std::string::npos)
        data.resize(nul);
    return data;
}

int TRegistry::ReadInteger(const std::string& name) const
{
    int value = 0;
    if (!TryReadInteger(name, value))
        throw ERegistryException(Format(Msg::RegGetDataFailed, name.c_str()));
    return value;
}

bool TRegistry::TryReadInteger(const std::string& name, int& value) const
{
    DWORD data = 0;
    DWORD size = sizeof data;
    DWORD type = 0;
    const LONG rc = FCurrentKey
        ? RegQueryValueExA(FCurrentKey.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data), &size)
        : ERROR_INVALID_HANDLE;
    if (rc == ERROR_FILE_NOT_FOUND)
        return false;
    if (rc != ERROR_SUCCESS)
        throw ERegistryException(Format(Msg::RegGetDataFailed, name.c_str()));
    if (type != REG_DWORD)
        throw ERegistryException(Format(Msg::InvalidRegType, name.c_str()));
    value = static_cast<int>(data);
    return true;
}

std::vector<BYTE> TRegistry::ReadBinaryData(const std::string& name, DWORD* type) const
{
    TRegDataInfo info;
    if (!GetDataInfo(name, info))
        throw ERegistryException(Format(Msg::RegGetDataFailed, name.c_str()));
    std::vector<BYTE> data(info.DataSize);
    DWORD size = info.DataSize;
    DWORD actual = 0;
    if (RegQueryValueExA(FCurrentKey.Get(), name.c_str(), nullptr, &actual, data.data(), &size) != ERROR_SUCCESS)
        throw ERegistryException(Format(Msg::RegGetDataFailed, name.c_str()));
    data.resize(size);
    if (type)
        *type = actual;
    return data;
}

void TRegistry::PutData(const std::string& name, const void* data, DWORD size, DWORD type)
{
    if (!FCurrentKey
        || RegSetValueExA(FCurrentKey.Get(), name.c_str(), 0, type, static_cast<const BYTE*>(data), size) != ERROR_SUCCESS)
        throw ERegistryException(Format(Msg::RegSetDataFailed, name.c_str()));
}

void TRegistry::WriteString(const std::string& name, const std::string& value)
{
    PutData(name, value.c_str(), static_cast<DWORD>(value.size() + 1), REG_SZ);
}

void TRegistry::WriteExpandString(const std::string& name, const std::string& value)
{
    PutData(name, value.c_str(), static_cast<DWORD>(value.size() + 1), REG_EXPAND_SZ);
}

void TRegistry::WriteInteger(const std::string& name, int value)
{
    const DWORD data = static_cast<DWORD>(value);
    PutData(name, &data, sizeof data, REG_DWORD);
}

void TRegistry::WriteBinaryData(const std::string& name, const void* data, DWORD size, DWORD type)
{
    PutData(name, data, size, type);
}

bool TRegistry::DeleteValue(const std::string& name)
{
    FLastDeleteError = FCurrentKey ? RegDeleteValueA(FCurrentKey.Get(), name.c_str()) : ERROR_INVALID_HANDLE;
    return FLastDeleteError == ERROR_SUCCESS;
}
