// Some registry places cannot live in a sandbox: the client's "Version Info"
// under HKLM, HKCU\Identities and the system's folder values. A test that
// changes one holds a lock across the Wine session (CTest runs test processes
// side by side) and puts the key or value back as it found it.
#pragma once

#include "framework/Registry.h"
#include "support/RegSandbox.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

class SharedKeyLock {
public:
    SharedKeyLock() : FMutex(CreateMutexA(nullptr, FALSE, "ZorvaneTest.SharedKeys"))
    {
        const DWORD rc = FMutex ? WaitForSingleObject(FMutex, 60000) : WAIT_FAILED;
        FOwned = rc == WAIT_OBJECT_0 || rc == WAIT_ABANDONED;
        EXPECT_TRUE(FOwned) << "shared registry keys stayed locked";
    }
    ~SharedKeyLock()
    {
        if (FOwned)
            ReleaseMutex(FMutex);
        CloseHandle(FMutex);
    }

private:
    HANDLE FMutex;
    bool FOwned = false;
};

// A key with all its values and sub-keys.
struct KeySnapshot {
    bool Exists = false;
    std::vector<std::pair<std::string, RegValue>> Values;
    std::vector<std::pair<std::string, KeySnapshot>> Children;
    bool operator==(const KeySnapshot&) const = default;

    static KeySnapshot Take(HKEY root, const std::string& path)
    {
        KeySnapshot shot;
        HKEY key = nullptr;
        if (RegOpenKeyExA(root, path.c_str(), 0, InClientView(root, KEY_READ), &key) != ERROR_SUCCESS)
            return shot;
        shot.Exists = true;
        std::vector<std::string> children;
        static char name[16384];
        DWORD length = sizeof name;
        for (DWORD i = 0; length = sizeof name, RegEnumKeyExA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS; ++i)
            children.emplace_back(name, length);
        for (DWORD i = 0; length = sizeof name, RegEnumValueA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS; ++i)
            shot.Values.emplace_back(std::string(name, length), *QueryValue(root, path, std::string(name, length)));
        RegCloseKey(key);
        for (const std::string& child : children)
            shot.Children.emplace_back(child, Take(root, path + "\\" + child));
        return shot;
    }

    void Restore(HKEY root, const std::string& path) const
    {
        DeleteTree(root, path);
        if (!Exists)
            return;
        CreateKeyPath(root, path);
        for (const auto& [name, value] : Values)
            SetValue(root, path, name, value.type, value.data.data(), static_cast<DWORD>(value.data.size()));
        for (const auto& [name, child] : Children)
            child.Restore(root, path + "\\" + name);
    }
};

// Locks, then remembers a whole key (name empty) or one value of it; restores
// both at the end of the test, before the lock is released.
class SharedKeyGuard {
public:
    SharedKeyGuard(HKEY root, std::string path, std::optional<std::string> value = std::nullopt)
        : FRoot(root), FPath(std::move(path)), FValueName(std::move(value))
    {
        if (FValueName)
            FValue = QueryValue(FRoot, FPath, *FValueName);
        else
            FKey = KeySnapshot::Take(FRoot, FPath);
    }
    ~SharedKeyGuard()
    {
        if (!FValueName)
            FKey.Restore(FRoot, FPath);
        else if (FValue)
            SetValue(FRoot, FPath, *FValueName, FValue->type, FValue->data.data(), static_cast<DWORD>(FValue->data.size()));
        else
            DeleteValue(FRoot, FPath, *FValueName);
    }

private:
    SharedKeyLock FLock;
    HKEY FRoot;
    std::string FPath;
    std::optional<std::string> FValueName;
    KeySnapshot FKey;
    std::optional<RegValue> FValue;
};

// The text of the exception of type E that f raises, or a marker.
template <typename E, typename F>
std::string RaisedText(F&& f)
{
    try {
        f();
    } catch (const E& e) {
        return e.Message();
    }
    return "<nothing raised>";
}
