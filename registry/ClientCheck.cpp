#include "registry/ClientCheck.h"

#include "app/MsgBox.h"
#include "framework/Registry.h"
#include "framework/SysUtils.h"

#include <windows.h>

namespace {

constexpr const char* VersionKey = "SOFTWARE\\Microsoft\\Outlook Express\\Version Info";
constexpr const char* ClientWindowClass = "Outlook Express Browser Class";

void ShowUnsupportedVersion()
{
    ShowMsg("Vermutlich nutzen Sie \"Microsoft® Outlook Express\" in der Version 4.0.\r\n"
            "Diese Version wird jedoch nicht vom Programm unterstützt.",
            "Zorvane", mkError, btOK);
}

} // namespace

bool CheckClientInstalled()
{
    TRegistry reg(KEY_READ);
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    if (!reg.OpenKey(VersionKey, false)) {
        ShowMsg("Das E-Mail-Programm \"Microsoft® Outlook Express\" ist nicht auf Ihrem Rechner installiert!",
                "Zorvane", mkError, btOK);
        return false;
    }
    if (!reg.ValueExists("Current")) {
        ShowUnsupportedVersion();
        return false;
    }
    // The client stores "major,minor,build,..."; only the first character,
    // the major version, counts.
    const std::string current = reg.ReadString("Current");
    // An empty value tells no version; treat it like a client too old to use.
    if (current.empty() || StrToInt(current.substr(0, 1)) < 5) {
        ShowUnsupportedVersion();
        return false;
    }
    return true;
}

bool ClientWindowRunning()
{
    if (!FindWindowA(ClientWindowClass, nullptr))
        return false;
    ShowMsg("Beenden Sie bitte das Programm \"Microsoft® Outlook Express\"! Erst dann können Sie Änderungen an den "
            "Einstellungen vornehmen.,\r\nAnsonsten würden diese wieder von Outlook Express überschrieben werden!",
            "Zorvane - Anpassen von Outlook Express", mkError, btOK);
    return true;
}
