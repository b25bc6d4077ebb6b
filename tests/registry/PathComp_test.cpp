#include "registry/PathComp.h"

#include "framework/SysUtils.h"
#include "support/SharedKeyGuard.h"

#include <gtest/gtest.h>

namespace {

const std::string CurrentVersion = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
const std::string ShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

bool IsDirectory(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

using Getter = std::string (TPathComponent::*)() const;

// The shell answers for the program's own bitness, so its folders are compared
// with the system's record in the program's own registry view.
std::string OwnViewText(const std::string& path, const char* name)
{
    char buffer[MAX_PATH] = {};
    DWORD size = sizeof buffer;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return {};
    RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    return buffer;
}

} // namespace

TEST(TPathComponent, ShellFoldersAreTheUsersFolders)
{
    TPathComponent paths;
    const std::string templates = paths.ShellTemplatesFolder();
    EXPECT_TRUE(IsDirectory(templates)) << templates;
    EXPECT_NE(templates.back(), '\\');

    // The shell notes the folders it knows under "Shell Folders": an independent
    // check that every property asks for its own folder.
    const std::pair<const char*, Getter> noted[] = {
        {"Templates", &TPathComponent::ShellTemplatesFolder}, {"Personal", &TPathComponent::ShellPersonalFolder},
        {"Startup", &TPathComponent::ShellAutostartFolder},   {"Desktop", &TPathComponent::ShellDesktopFolder},
        {"Start Menu", &TPathComponent::ShellStartMenuFolder}, {"Programs", &TPathComponent::ShellStartMenuProgramsFolder},
        {"AppData", &TPathComponent::ShellAppDataFolder},     {"Fonts", &TPathComponent::ShellFontsFolder},
        {"SendTo", &TPathComponent::ShellSendToFolder},       {"Recent", &TPathComponent::ShellRecentFolder},
        {"Favorites", &TPathComponent::ShellFavoritesFolder}, {"NetHood", &TPathComponent::ShellNetHoodFolder},
        {"Cache", &TPathComponent::ShellCacheFolder},         {"Cookies", &TPathComponent::ShellCookiesFolder},
        {"History", &TPathComponent::ShellHistoryFolder},     {"Local AppData", &TPathComponent::ShellLocalAppDataFolder},
        {"PrintHood", &TPathComponent::ShellPrintHoodFolder},
    };
    int compared = 0;
    for (const auto& [name, get] : noted) {
        const auto value = QueryValue(HKEY_CURRENT_USER, ShellFolders, name);
        if (!value)
            continue;
        const std::string expected = value->AsString().c_str();
        // A folder that does not exist is not created and gives "".
        const std::string actual = (paths.*get)();
        EXPECT_TRUE(IsDirectory(expected) ? SameText(actual, expected) : actual.empty()) << name << ": " << actual;
        compared += IsDirectory(expected);
    }
    EXPECT_GE(compared, 10);
    EXPECT_TRUE(SameText(paths.ProgramFilesFolder(), OwnViewText(CurrentVersion, "ProgramFilesDir")));
    EXPECT_TRUE(SameText(paths.CommonFilesDir(), OwnViewText(CurrentVersion, "CommonFilesDir")));

    EXPECT_TRUE(SameText(paths.ProgramPath() + "\\" + ExtractFileName(ModuleFileName()), ModuleFileName()));
    for (const std::string& dir : {paths.TempDir(), paths.WinDir(), paths.WinSysDir()}) {
        EXPECT_TRUE(IsDirectory(dir)) << dir;
        EXPECT_NE(dir.back(), '\\') << dir;
    }
}

TEST(TPathComponent, RegistryFoldersAreReadAnewOnEveryCall)
{
    const std::string setup = CurrentVersion + "\\Setup";
    SharedKeyGuard boot(HKEY_LOCAL_MACHINE, setup, "BootDir");
    TPathComponent paths;
    DeleteValue(HKEY_LOCAL_MACHINE, setup, "BootDir");
    EXPECT_EQ(paths.BootDir(), "C:\\");
    SetString(HKEY_LOCAL_MACHINE, setup, "BootDir", "D:");
    EXPECT_EQ(paths.BootDir(), "D:\\");
    SetString(HKEY_LOCAL_MACHINE, setup, "BootDir", "E:\\");
    EXPECT_EQ(paths.BootDir(), "E:\\");
    SetString(HKEY_LOCAL_MACHINE, setup, "BootDir", "");
    EXPECT_EQ(paths.BootDir(), "C:\\");

    const std::pair<const char*, Getter> machine[] = {
        {"ConfigPath", &TPathComponent::ConfigPath},           {"DevicePath", &TPathComponent::DevicePath},
        {"MediaPath", &TPathComponent::MediaPath},             {"OtherDevicePath", &TPathComponent::OtherDevicePath},
        {"WallPaperDir", &TPathComponent::WallPaperDir},
    };
    for (const auto& [name, get] : machine) {
        SharedKeyGuard saved(HKEY_LOCAL_MACHINE, CurrentVersion, name);
        SetString(HKEY_LOCAL_MACHINE, CurrentVersion, name, std::string("C:\\Alt\\") + name, REG_EXPAND_SZ);
        EXPECT_EQ((paths.*get)(), std::string("C:\\Alt\\") + name);
        SetString(HKEY_LOCAL_MACHINE, CurrentVersion, name, std::string("D:\\Neu\\") + name);
        EXPECT_EQ((paths.*get)(), std::string("D:\\Neu\\") + name);
        DeleteValue(HKEY_LOCAL_MACHINE, CurrentVersion, name);
        EXPECT_EQ((paths.*get)(), "") << name;
    }

    SharedKeyGuard local(HKEY_CURRENT_USER, ShellFolders, "Local Settings");
    SetValue(HKEY_CURRENT_USER, ShellFolders, "Local Settings", REG_SZ, "C:\\A\0B", 7);
    EXPECT_EQ(paths.ShellLocalSettingsFolder(), "C:\\A");
    SetString(HKEY_CURRENT_USER, ShellFolders, "Local Settings", std::string(1100, 'x'));  // longer than the buffer
    EXPECT_EQ(paths.ShellLocalSettingsFolder(), "");
    DeleteValue(HKEY_CURRENT_USER, ShellFolders, "Local Settings");
    EXPECT_EQ(paths.ShellLocalSettingsFolder(), "");
}
