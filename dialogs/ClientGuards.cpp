#include "dialogs/ClientGuards.h"

#include "framework/MsgBox.h"
#include "registry/ClientCheck.h"

namespace {

const char* const NotInstalledText =
    "Das E-Mail-Programm \"Microsoft® Outlook Express\" ist nicht auf Ihrem Rechner installiert!";
const char* const Version4Text = "Vermutlich nutzen Sie \"Microsoft® Outlook Express\" in der Version 4.0.\r\n"
                                 "Diese Version wird jedoch nicht vom Programm unterstützt.";
const char* const UnreadableText =
    "Die Version von \"Microsoft® Outlook Express\" lässt sich nicht lesen: Der Wert \"Current\" unter "
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Outlook Express\\Version Info hat einen ungültigen Datentyp.\r\n"
    "Solange die Version nicht feststeht, ändert das Programm keine Einstellungen.";
const char* const RunningText =
    "Beenden Sie bitte das Programm \"Microsoft® Outlook Express\"! Erst dann können Sie Änderungen an den "
    "Einstellungen vornehmen.,\r\nAnsonsten würden diese wieder von Outlook Express überschrieben werden!";

} // namespace

std::string ClientInstallProblem()
{
    switch (ReadClientInstall()) {
    case TClientInstall::Installed:
        return {};
    case TClientInstall::NotInstalled:
        return NotInstalledText;
    case TClientInstall::Unreadable:
        return UnreadableText;
    case TClientInstall::TooOld:
    default:
        return Version4Text;
    }
}

std::string ClientRunningProblem()
{
    return ClientWindowExists() ? RunningText : "";
}

bool CheckClientInstalled()
{
    const std::string problem = ClientInstallProblem();
    if (!problem.empty())
        ShowMsg(problem, "Zorvane", mkError, btOK);
    return problem.empty();
}

bool ClientWindowRunning()
{
    const std::string problem = ClientRunningProblem();
    if (!problem.empty())
        ShowMsg(problem, "Zorvane - Anpassen von Outlook Express", mkError, btOK);
    return !problem.empty();
}
