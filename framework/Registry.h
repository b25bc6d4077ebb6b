// The framework's registry object: a root key, an access mask and at most one
// open key with its path. Every handle it opens is closed by CloseKey or the
// destructor, also when an error passes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Owning HKEY; the predefined root keys are never closed.
class UniqueHKey {
public:
    UniqueHKey() = default;
    explicit UniqueHKey(HKEY key) : FKey(key) {}
    UniqueHKey(const UniqueHKey&) = delete;
    UniqueHKey& operator=(const UniqueHKey&) = delete;
    UniqueHKey(UniqueHKey&& other) noexcept : FKey(other.Release()) {}
    UniqueHKey& operator=(UniqueHKey&& other) noexcept;
    ~UniqueHKey() { Reset(); }

    HKEY Get() const { return FKey; }
    HKEY* Put() { Reset(); return &FKey; }
    HKEY Release() { HKEY key = FKey; FKey = nullptr; return key; }
    void Reset(HKEY key = nullptr);
    explicit operator bool() const { return FKey != nullptr; }

private:
    HKEY FKey = nullptr;
};

bool IsPredefinedKey(HKEY key);

// The mail client is a 32-bit program. On 64-bit Windows its keys below
// HKEY_LOCAL_MACHINE\Software live in the 32-bit view (Wow6432Node), so keys
// below that root are opened in the 32-bit view from either build; a 32-bit
// build on 32-bit Windows has only that view anyway. HKEY_CURRENT_USER and
// HKEY_CLASSES_ROOT keep the default: the keys used there are shared by both
// views, while under Wine a 64-bit program that asks HKEY_CLASSES_ROOT for the
// 32-bit view misses the shared keys and creates keys that 32-bit programs
// then see in place of them.
REGSAM InClientView(HKEY root, REGSAM access);
// How a registry file names root\path of the client's view, so that the
// system's registry editor imports it there: on 64-bit Windows that editor is
// a 64-bit program, which finds the 32-bit view of HKEY_LOCAL_MACHINE\Software
// below "Software\Wow6432Node".
std::string ClientViewFilePath(HKEY root, const std::string& path);

// Paths are relative to the root; a leading backslash is dropped (the system
// rejects it with ERROR_BAD_PATHNAME).
std::string NormalizeKeyPath(const std::string& path);

struct TRegDataInfo {
    DWORD DataType = REG_NONE;
    DWORD DataSize = 0;
};

class TRegistry {
public:
    explicit TRegistry(REGSAM access = KEY_ALL_ACCESS);
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;
    virtual ~TRegistry();

    HKEY RootKey() const { return FRootKey; }
    void SetRootKey(HKEY root);
    REGSAM Access() const { return FAccess; }
    void SetAccess(REGSAM access) { FAccess = access; }
    HKEY CurrentKey() const { return FCurrentKey.Get(); }
    const std::string& CurrentPath() const { return FCurrentPath; }

    // Opens path below the root with the access mask; with canCreate every
    // missing level is created. Returns false when the key cannot be opened.
    bool OpenKey(const std::string& path, bool canCreate);
    bool OpenKeyReadOnly(const std::string& path);
    // The system's code of the last OpenKey (ERROR_SUCCESS after a success),
    // for telling the user why a key could not be opened or created.
    LONG LastOpenError() const { return FLastOpenError; }
    // The system's code of the last DeleteKey or DeleteValue.
    LONG LastDeleteError() const { return FLastDeleteError; }
    // Creates path with all its levels (KEY_ALL_ACCESS) without opening it;
    // raises "Erzeugung von Schlüssel %s misslungen" when that fails.
    void CreateKey(const std::string& path);
    bool KeyExists(const std::string& path) const;
    bool DeleteKey(const std::string& path);
    void CloseKey();

    bool ValueExists(const std::string& name) const;
    bool GetDataInfo(const std::string& name, TRegDataInfo& info) const;
    bool HasSubKeys() const;
    std::vector<std::string> GetKeyNames() const;
    std::vector<std::string> GetValueNames() const;

    // REG_SZ or REG_EXPAND_SZ, cut at the first NUL, never expanded; an absent
    // value reads as empty text.
    std::string ReadString(const std::string& name) const;
    // REG_DWORD; data of more than four bytes raises "Konnte Daten für '%s'
    // nicht holen", another type "Ungültiger Datentyp für '%s'".
    int ReadInteger(const std::string& name) const;
    // The same in one look-up, false for an absent value.
    bool TryReadInteger(const std::string& name, int& value) const;
    // Raw bytes of any type.
    std::vector<BYTE> ReadBinaryData(const std::string& name, DWORD* type = nullptr) const;

    void WriteString(const std::string& name, const std::string& value);
    void WriteExpandString(const std::string& name, const std::string& value);
    void WriteInteger(const std::string& name, int value);
    void WriteBinaryData(const std::string& name, const void* data, DWORD size, DWORD type = REG_BINARY);
    bool DeleteValue(const std::string& name);

protected:
    void PutData(const std::string& name, const void* data, DWORD size, DWORD type);

private:
    HKEY FRootKey = HKEY_CURRENT_USER;
    REGSAM FAccess;
    UniqueHKey FCurrentKey;
    std::string FCurrentPath;
    LONG FLastOpenError = ERROR_SUCCESS;
    LONG FLastDeleteError = ERROR_SUCCESS;
};
