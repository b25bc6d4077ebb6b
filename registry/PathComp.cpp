#include "registry/PathComp.h"

#include "framework/LateBound.h"
#include "framework/Registry.h"
#include "framework/SysUtils.h"

#include <windows.h>
#include <shlobj.h>

namespace {

constexpr const char* CurrentVersionKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

std::string UpToNul(const char* buffer, size_t size)
{
    size_t length = 0;
    while (length < size && buffer[length] != '\0')
        ++length;
    return std::string(buffer, length);
}

// The shell's path for a special folder; a folder that does not exist is not
// created and gives "".
std::string ShellFolder(int csidl)
{
    static const auto folderPath = LateBound<decltype(&::SHGetSpecialFolderPathA)>("shell32.dll", "SHGetSpecialFolderPathA");
    char buffer[MAX_PATH] = {};
    if (!folderPath || !folderPath(nullptr, buffer, csidl, FALSE))
        return {};
    return UpToNul(buffer, sizeof buffer);
}

// Query rights are all a lookup needs; "" when the key or value is absent or
// longer than the buffer.
std::string RegistryText(HKEY root, const char* path, const char* name)
{
    UniqueHKey key;
    if (RegOpenKeyExA(root, path, 0, InClientView(root, KEY_QUERY_VALUE), key.Put()) != ERROR_SUCCESS)
        return {};
    char buffer[1024] = {};
    DWORD size = sizeof buffer;
    if (RegQueryValueExA(key.Get(), name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS)
        return {};
    return UpToNul(buffer, size);
}

std::string SystemFolder(UINT (WINAPI *query)(LPSTR, UINT))
{
    char buffer[1024] = {};
    const UINT length = query(buffer, sizeof buffer);
    if (length == 0 || length >= sizeof buffer)
        return {};
    return std::string(buffer, length);
}

} // namespace

std::string TPathComponent::ProgramPath() const
{
    return ExtractFileDir(ModuleFileName());
}

std::string TPathComponent::TempDir() const
{
    char buffer[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(MAX_PATH, buffer);
    std::string dir = length > 0 && length <= MAX_PATH ? std::string(buffer, length) : WinDir();
    return ExcludeTrailingBackslash(dir);
}

std::string TPathComponent::WinDir() const
{
    return SystemFolder(GetWindowsDirectoryA);
}

std::string TPathComponent::WinSysDir() const
{
    return SystemFolder(GetSystemDirectoryA);
}

std::string TPathComponent::BootDir() const
{
    std::string dir = RegistryText(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Setup", "BootDir");
    if (dir.empty())
        return "C:\\";
    return IncludeTrailingBackslash(dir);
}

std::string TPathComponent::ShellAutostartFolder() const { return ShellFolder(CSIDL_STARTUP); }
std::string TPathComponent::ShellDesktopFolder() const { return ShellFolder(CSIDL_DESKTOPDIRECTORY); }
std::string TPathComponent::ShellStartMenuFolder() const { return ShellFolder(CSIDL_STARTMENU); }
std::string TPathComponent::ShellStartMenuProgramsFolder() const { return ShellFolder(CSIDL_PROGRAMS); }
std::string TPathComponent::ShellTemplatesFolder() const { return ShellFolder(CSIDL_TEMPLATES); }
std::string TPathComponent::ShellAppDataFolder() const { return ShellFolder(CSIDL_APPDATA); }
std::string TPathComponent::ShellFontsFolder() const { return ShellFolder(CSIDL_FONTS); }
std::string TPathComponent::ShellSendToFolder() const { return ShellFolder(CSIDL_SENDTO); }
std::string TPathComponent::ShellRecentFolder() const { return ShellFolder(CSIDL_RECENT); }
std::string TPathComponent::ShellFavoritesFolder() const { return ShellFolder(CSIDL_FAVORITES); }
std::string TPathComponent::ShellNetHoodFolder() const { return ShellFolder(CSIDL_NETHOOD); }

std::string TPathComponent::ShellPersonalFolder() const
{
    static const auto location = LateBound<decltype(&::SHGetSpecialFolderLocation)>("shell32.dll", "SHGetSpecialFolderLocation");
    static const auto pathFromItems = LateBound<decltype(&::SHGetPathFromIDListA)>("shell32.dll", "SHGetPathFromIDListA");
    // The shell allocates its item lists with the COM allocator of ole32.
    static const auto release = LateBound<decltype(&::CoTaskMemFree)>("ole32.dll", "CoTaskMemFree");
    LPITEMIDLIST items = nullptr;
    if (!location || !pathFromItems || !release || FAILED(location(nullptr, CSIDL_PERSONAL, &items)) || !items)
        return {};
    char buffer[MAX_PATH] = {};
    const BOOL ok = pathFromItems(items, buffer);
    release(items);
    if (!ok)
        return {};
    std::string path = UpToNul(buffer, sizeof buffer);
    // Wine hands this one back with a trailing backslash; the other shell
    // folders come without, and a drive root keeps its own.
    if (path.size() > 3 && path.back() == '\\')
        path.pop_back();
    return path;
}

std::string TPathComponent::ShellCacheFolder() const { return ShellFolder(CSIDL_INTERNET_CACHE); }
std::string TPathComponent::ShellCookiesFolder() const { return ShellFolder(CSIDL_COOKIES); }
std::string TPathComponent::ShellHistoryFolder() const { return ShellFolder(CSIDL_HISTORY); }
std::string TPathComponent::ShellLocalAppDataFolder() const { return ShellFolder(CSIDL_LOCAL_APPDATA); }

std::string TPathComponent::ShellLocalSettingsFolder() const
{
    return RegistryText(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Local Settings");
}

std::string TPathComponent::ShellPrintHoodFolder() const { return ShellFolder(CSIDL_PRINTHOOD); }
std::string TPathComponent::ProgramFilesFolder() const { return ShellFolder(CSIDL_PROGRAM_FILES); }
std::string TPathComponent::CommonFilesDir() const { return ShellFolder(CSIDL_PROGRAM_FILES_COMMON); }

std::string TPathComponent::ConfigPath() const { return RegistryText(HKEY_LOCAL_MACHINE, CurrentVersionKey, "ConfigPath"); }
std::string TPathComponent::DevicePath() const { return RegistryText(HKEY_LOCAL_MACHINE, CurrentVersionKey, "DevicePath"); }
std::string TPathComponent::MediaPath() const { return RegistryText(HKEY_LOCAL_MACHINE, CurrentVersionKey, "MediaPath"); }
std::string TPathComponent::OtherDevicePath() const { return RegistryText(HKEY_LOCAL_MACHINE, CurrentVersionKey, "OtherDevicePath"); }
std::string TPathComponent::WallPaperDir() const { return RegistryText(HKEY_LOCAL_MACHINE, CurrentVersionKey, "WallPaperDir"); }
