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

bool CheckClientInstalled()
{
    switch (ReadClientInstall()) {
    case TClientInstall::Installed:
        return true;
    case TClientInstall::NotInstalled:
        ShowMsg(NotInstalledText, "Zorvane", mkError, btOK);
        return false;
    case TClientInstall::Unreadable:
        ShowMsg(UnreadableText, "Zorvane", mkError, btOK);
        return false;
    case TClientInstall::TooOld:
    default:
        ShowMsg(Version4Text, "Zorvane", mkError, btOK);
        return false;
    }
}

bool ClientWindowRunning()
{
    if (!ClientWindowExists())
        return false;
    ShowMsg(RunningText, "Zorvane - Anpassen von Outlook Express", mkError, btOK);
    return true;
}
