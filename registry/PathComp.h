// Where a folder lies on this machine: the program's own folder, the system
// folders and the shell's special folders. Every answer is worked out anew on
// each call, so a folder moved in between is seen; none of them raises, and a
// folder that cannot be found gives "" (BootDir gives "C:\").
#pragma once

#include "framework/Component.h"

#include <string>

class TPathComponent : public TComponent {
public:
    using TComponent::TComponent;

    std::string ProgramPath() const;
    std::string TempDir() const;
    std::string WinDir() const;
    std::string WinSysDir() const;
    std::string BootDir() const;
    std::string ShellAutostartFolder() const;
    std::string ShellDesktopFolder() const;
    std::string ShellStartMenuFolder() const;
    std::string ShellStartMenuProgramsFolder() const;
    std::string ShellTemplatesFolder() const;
    std::string ShellAppDataFolder() const;
    std::string ShellFontsFolder() const;
    std::string ShellSendToFolder() const;
    std::string ShellRecentFolder() const;
    std::string ShellFavoritesFolder() const;
    std::string ShellNetHoodFolder() const;
    std::string ShellPersonalFolder() const;
    std::string ShellCacheFolder() const;
    std::string ShellCookiesFolder() const;
    std::string ShellHistoryFolder() const;
    std::string ShellLocalAppDataFolder() const;
    std::string ShellLocalSettingsFolder() const;
    std::string ShellPrintHoodFolder() const;
    std::string ProgramFilesFolder() const;
    std::string CommonFilesDir() const;
    std::string ConfigPath() const;
    std::string DevicePath() const;
    std::string MediaPath() const;
    std::string OtherDevicePath() const;
    std::string WallPaperDir() const;

    // Free slots for the layout's own use.
    std::string UserDir1;
    std::string UserDir2;
    std::string UserDir3;
    std::string UserDir4;
    std::string UserDir5;
};
