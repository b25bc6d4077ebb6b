#include "RegSandbox.h"

#include "framework/Registry.h"

#include <gtest/gtest.h>

namespace {

// Deletes name below parent with everything under it. The parent handle
// carries the view, so the whole walk stays in it. Below the first level the
// names are used exactly as stored: one that the code page cannot hold would
// come back with "?" and could never be deleted.
void DeleteSubTree(HKEY parent, const std::wstring& name)
{
    UniqueHKey key;
    if (RegOpenKeyExW(parent, name.c_str(), 0, KEY_READ | KEY_WRITE, key.Put()) == ERROR_SUCCESS) {
        wchar_t child[256];
        for (;;) {
            DWORD length = sizeof child / sizeof child[0];
            if (RegEnumKeyExW(key.Get(), 0, child, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
                break;
            DeleteSubTree(key.Get(), std::wstring(child, length));
            // A child that stays would be enumerated again for ever.
            UniqueHKey stays;
            if (RegOpenKeyExW(key.Get(), child, 0, KEY_READ, stays.Put()) == ERROR_SUCCESS)
                break;
        }
    }
    key.Reset();
    RegDeleteKeyW(parent, name.c_str());
}

std::wstring Widened(const std::string& name)
{
    std::wstring wide(name.size(), L'\0');
    wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, name.data(), static_cast<int>(name.size()), wide.data(), static_cast<int>(wide.size()))));
    return wide;
}

} // namespace

bool DeleteTree(HKEY root, const std::string& path)
{
    const size_t last = path.rfind('\\');
    UniqueHKey parent;
    if (last == std::string::npos)
        parent.Reset(root);
    else if (RegOpenKeyExA(root, path.substr(0, last).c_str(), 0, InClientView(root, KEY_READ | KEY_WRITE), parent.Put()) != ERROR_SUCCESS)
        return !KeyExists(root, path);
    DeleteSubTree(parent.Get(), Widened(last == std::string::npos ? path : path.substr(last + 1)));
    return !KeyExists(root, path);
}

bool DeleteValue(HKEY root, const std::string& path, const std::string& name)
{
    UniqueHKey key;
    return RegOpenKeyExA(root, path.c_str(), 0, InClientView(root, KEY_SET_VALUE), key.Put()) == ERROR_SUCCESS
        && RegDeleteValueA(key.Get(), name.c_str()) == ERROR_SUCCESS;
}

bool KeyExists(HKEY root, const std::string& path)
{
    UniqueHKey key;
    return RegOpenKeyExA(root, path.c_str(), 0, InClientView(root, KEY_READ), key.Put()) == ERROR_SUCCESS;
}

std::optional<RegValue> QueryValue(HKEY root, const std::string& path, const std::string& name)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, InClientView(root, KEY_READ), &key) != ERROR_SUCCESS)
        return std::nullopt;
    RegValue value;
    DWORD size = 0;
    LONG rc = RegQueryValueExA(key, name.c_str(), nullptr, &value.type, nullptr, &size);
    if (rc == ERROR_SUCCESS) {
        value.data.resize(size);
        rc = RegQueryValueExA(key, name.c_str(), nullptr, &value.type, value.data.data(), &size);
        value.data.resize(size);
    }
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

void CreateKeyPath(HKEY root, const std::string& path)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, InClientView(root, KEY_ALL_ACCESS), nullptr, &key, nullptr), ERROR_SUCCESS) << path;
    RegCloseKey(key);
}

void CreateVolatileKey(HKEY root, const std::string& path)
{
    // A volatile create would make missing parents volatile too.
    if (const size_t cut = path.rfind('\\'); cut != std::string::npos)
        CreateKeyPath(root, path.substr(0, cut));
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_VOLATILE, InClientView(root, KEY_ALL_ACCESS),
                              nullptr, &key, nullptr),
              ERROR_SUCCESS)
        << path;
    RegCloseKey(key);
}

void SetValue(HKEY root, const std::string& path, const std::string& name, DWORD type, const void* data, DWORD size)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, InClientView(root, KEY_ALL_ACCESS), nullptr, &key, nullptr), ERROR_SUCCESS) << path;
    EXPECT_EQ(RegSetValueExA(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS) << name;
    RegCloseKey(key);
}

void SetString(HKEY root, const std::string& path, const std::string& name, const std::string& value, DWORD type)
{
    SetValue(root, path, name, type, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

void SetDword(HKEY root, const std::string& path, const std::string& name, DWORD value)
{
    SetValue(root, path, name, REG_DWORD, &value, sizeof value);
}

static std::string CurrentTestName()
{
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    if (!info)
        return "NoTest";
    return std::string(info->test_suite_name()) + "." + info->name();
}

RegSandbox::RegSandbox(HKEY root) : FRoot(root), FPath("Software\\ZorvaneTest\\" + CurrentTestName())
{
    EXPECT_TRUE(DeleteTree(FRoot, FPath));
}

RegSandbox::~RegSandbox()
{
    DeleteTree(FRoot, FPath);
}
