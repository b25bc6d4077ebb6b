// What the registry-file tests share: reading and writing files byte for
// byte, a folder of the test's own, Wine's regedit as the importer, and keys
// and values whose names hold a NUL (only the native interface makes those).
#pragma once

#include "registry/RegText.h"
#include "registry/unitEXRegistry.h"
#include "support/RegSandbox.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <winternl.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace regfilekit {

inline std::string ReadFileBytes(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteFileBytes(const std::string& name, const std::string& text)
{
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out << text;
}

inline std::vector<std::string> FilesIn(const std::string& dir)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((dir + "\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (std::string(found.cFileName) != "." && std::string(found.cFileName) != "..")
            names.push_back(found.cFileName);
    } while (FindNextFileA(find, &found));
    FindClose(find);
    return names;
}

// A folder of the test's own in the temp folder, emptied (one level of
// sub-folders too) before and after.
class TempDir {
public:
    TempDir()
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        FPath = std::string(temp) + "zvexport-" + info->test_suite_name() + "-" + info->name();
        Remove(FPath, 2);
        CreateDirectoryA(FPath.c_str(), nullptr);
    }
    ~TempDir() { Remove(FPath, 2); }
    std::string File(const std::string& name) const { return FPath + "\\" + name; }
    const std::string& Path() const { return FPath; }

private:
    static void Remove(const std::string& dir, int depth)
    {
        for (const auto& name : FilesIn(dir)) {
            const std::string file = dir + "\\" + name;
            SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (!DeleteFileA(file.c_str()) && depth > 0)
                Remove(file, depth - 1);
        }
        RemoveDirectoryA(dir.c_str());
    }
    std::string FPath;
};

inline void RunRegedit(const std::string& file)
{
    std::string command = "regedit.exe /S \"" + file + "\"";
    STARTUPINFOA startup = {sizeof startup};
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

// A value with exactly these bytes. For string types the system adds a NUL
// that the count left out when the byte after the data is one (as it is
// after a std::string's text), so here a non-NUL byte follows the data.
inline void SetExactBytes(HKEY root, const std::string& path, const std::string& name, DWORD type, const std::string& bytes)
{
    const std::string buffer = bytes + 'X';
    SetValue(root, path, name, type, buffer.data(), static_cast<DWORD>(bytes.size()));
}

// The export of root\path as text ("REGEDIT4" and the closing line only
// when the key does not exist).
inline std::string ExportText(HKEY root, const std::string& path, const std::string& file)
{
    TExRegistry reg(KEY_READ);
    reg.SetRootKey(root);
    reg.OpenKeyReadOnly(path);
    EXPECT_TRUE(reg.ExportKey(file));
    return reg.CurrentKey() ? ReadFileBytes(file) : "REGEDIT4\r\n\r\n";
}

// A Unicode registry file's text after its byte-order mark.
inline std::wstring ReadUnicodeFile(const std::string& name)
{
    const std::string bytes = ReadFileBytes(name);
    EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE") << name;
    std::wstring text((bytes.size() - std::min<size_t>(bytes.size(), 2)) / 2, L'\0');
    std::memcpy(text.data(), bytes.data() + 2, text.size() * 2);
    return text;
}

inline std::wstring W(const std::string& codePageText) { return WidenCodePage(codePageText); }

// The bytes of UTF-16 text, with its NUL when withNul.
inline std::string Utf16Bytes(const std::wstring& text, bool withNul = true)
{
    return std::string(reinterpret_cast<const char*>(text.c_str()), (text.size() + (withNul ? 1 : 0)) * 2);
}

// A value set with the wide calls, names exactly as given.
inline void SetWide(HKEY root, const std::wstring& path, const std::wstring& name, DWORD type, const std::string& bytes)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, InClientView(root, KEY_ALL_ACCESS), nullptr, &key, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExW(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size())), ERROR_SUCCESS);
    RegCloseKey(key);
}

// Every key below root\path with its values, read with the wide calls: names,
// types and bytes exactly, in enumeration order; "" when the key is missing.
inline std::wstring WideTree(HKEY root, const std::wstring& path, const std::wstring& shownPath = L"")
{
    UniqueHKey key;
    if (RegOpenKeyExW(root, path.c_str(), 0, InClientView(root, KEY_READ), key.Put()) != ERROR_SUCCESS)
        return L"";
    std::wstring text = L"[" + shownPath + L"]\n", children;
    // Shared by all levels: each is copied before the walk goes deeper.
    static wchar_t name[16384];
    static BYTE data[65536];
    for (DWORD i = 0, length = 16384, size = sizeof data, type = 0;
         RegEnumValueW(key.Get(), i, name, &length, nullptr, &type, data, &size) == ERROR_SUCCESS;
         ++i, length = 16384, size = sizeof data)
        text += L"\"" + std::wstring(name, length) + L"\" " + std::to_wstring(type) + L":" + std::wstring(data, data + size) + L"\n";
    for (DWORD i = 0, length = 16384; RegEnumKeyExW(key.Get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS; ++i, length = 16384)
        children += WideTree(root, path + L"\\" + std::wstring(name, length), shownPath + L"\\" + std::wstring(name, length));
    return text + children;
}

// ntdll's key functions, which take counted names that may hold a NUL.
class NativeKeys {
public:
    NativeKeys()
    {
        HMODULE ntdll = GetModuleHandleA("ntdll.dll");
        FCreate = reinterpret_cast<CreateKeyFn>(reinterpret_cast<void*>(GetProcAddress(ntdll, "NtCreateKey")));
        FSetValue = reinterpret_cast<SetValueFn>(reinterpret_cast<void*>(GetProcAddress(ntdll, "NtSetValueKey")));
        FDelete = reinterpret_cast<DeleteFn>(reinterpret_cast<void*>(GetProcAddress(ntdll, "NtDeleteKey")));
    }

    // Creates name below parent; the handle is the caller's to close.
    HANDLE CreateKey(HKEY parent, const std::wstring& name) const
    {
        UNICODE_STRING text = Counted(name);
        OBJECT_ATTRIBUTES attributes;
        InitializeObjectAttributes(&attributes, &text, OBJ_CASE_INSENSITIVE, parent, nullptr);
        HANDLE key = nullptr;
        ULONG disposition = 0;
        EXPECT_EQ(FCreate(&key, KEY_ALL_ACCESS, &attributes, 0, nullptr, 0, &disposition), 0);
        return key;
    }
    void SetValue(HANDLE key, const std::wstring& name, DWORD type, const std::string& data) const
    {
        UNICODE_STRING text = Counted(name);
        EXPECT_EQ(FSetValue(key, &text, 0, type, const_cast<char*>(data.data()), static_cast<ULONG>(data.size())), 0);
    }
    void DeleteKey(HANDLE key) const { EXPECT_EQ(FDelete(key), 0); }

private:
    using CreateKeyFn = LONG(NTAPI*)(HANDLE*, ACCESS_MASK, OBJECT_ATTRIBUTES*, ULONG, UNICODE_STRING*, ULONG, ULONG*);
    using SetValueFn = LONG(NTAPI*)(HANDLE, UNICODE_STRING*, ULONG, ULONG, void*, ULONG);
    using DeleteFn = LONG(NTAPI*)(HANDLE);

    static UNICODE_STRING Counted(const std::wstring& name)
    {
        UNICODE_STRING text;
        text.Buffer = const_cast<wchar_t*>(name.data());
        text.Length = text.MaximumLength = static_cast<USHORT>(name.size() * sizeof(wchar_t));
        return text;
    }

    CreateKeyFn FCreate;
    SetValueFn FSetValue;
    DeleteFn FDelete;
};

} // namespace regfilekit
