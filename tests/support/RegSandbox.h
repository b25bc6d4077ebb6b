// A registry key of a test's own, deleted with everything below it before the
// test starts and after it ends, plus small readers for checking type and bytes.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

struct RegValue {
    DWORD type = 0;
    std::vector<BYTE> data;
    std::string AsString() const { return std::string(data.begin(), data.end()); }
    bool operator==(const RegValue&) const = default;
};

// Every helper works in the view the program uses (see InClientView), so a test
// sees the keys below HKEY_LOCAL_MACHINE as the program and the mail client do.

// Deletes a key and its whole subtree; true when it is gone afterwards.
bool DeleteTree(HKEY root, const std::string& path);
// True when the value was there and is gone.
bool DeleteValue(HKEY root, const std::string& path, const std::string& name);
bool KeyExists(HKEY root, const std::string& path);
std::optional<RegValue> QueryValue(HKEY root, const std::string& path, const std::string& name);
void SetValue(HKEY root, const std::string& path, const std::string& name, DWORD type, const void* data, DWORD size);
void SetString(HKEY root, const std::string& path, const std::string& name, const std::string& value, DWORD type = REG_SZ);
void SetDword(HKEY root, const std::string& path, const std::string& name, DWORD value);
void CreateKeyPath(HKEY root, const std::string& path);
// A volatile key below lasting parents. Wine makes no lasting key below a
// volatile one, as Windows refuses a key to a user without the rights for
// it: writes below it are refused.
void CreateVolatileKey(HKEY root, const std::string& path);

class RegSandbox {
public:
    // root\Software\ZorvaneTest\<name of the running test>
    explicit RegSandbox(HKEY root = HKEY_CURRENT_USER);
    ~RegSandbox();
    RegSandbox(const RegSandbox&) = delete;
    RegSandbox& operator=(const RegSandbox&) = delete;

    HKEY Root() const { return FRoot; }
    const std::string& Path() const { return FPath; }
    std::string Sub(const std::string& relative) const { return FPath + "\\" + relative; }

private:
    HKEY FRoot;
    std::string FPath;
};
