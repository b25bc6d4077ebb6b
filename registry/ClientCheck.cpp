#include "registry/ClientCheck.h"

#include "framework/Exceptions.h"
#include "framework/Registry.h"
#include "framework/SysUtils.h"

#include <windows.h>

namespace {

constexpr const char* VersionKey = "SOFTWARE\\Microsoft\\Outlook Express\\Version Info";
constexpr const char* ClientWindowClass = "Outlook Express Browser Class";

} // namespace

TClientInstall ReadClientInstall()
{
    TRegistry reg(KEY_READ);
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    if (!reg.OpenKey(VersionKey, false))
        return TClientInstall::NotInstalled;
    if (!reg.ValueExists("Current"))
        return TClientInstall::TooOld;
    // The client stores "major,minor,build,..."; only the first character,
    // the major version, counts.
    std::string current;
    try {
        current = reg.ReadString("Current");
    } catch (const ERegistryException&) {
        return TClientInstall::Unreadable;
    }
    // An empty value tells no version; treat it like a client too old to use.
    if (current.empty() || StrToInt(current.substr(0, 1)) < 5)
        return TClientInstall::TooOld;
    return TClientInstall::Installed;
}

bool ClientWindowExists()
{
    return FindWindowA(ClientWindowClass, nullptr) != nullptr;
}
