#include "settings/GlobalSettings.h"

#include "registry/RegBackup.h"
#include "settings/MailTemplate.h"

namespace {

constexpr const char* kOE = "Software\\Microsoft\\Outlook Express";

// In the order they are written.
const TSettingDef kGlobal[] = {
    {.name = kToolbarBitmap, .title = "Grafik der Symbolleiste", .root = rcCurrentUser,
     .key = "Software\\Microsoft\\Internet Explorer\\Toolbar", .value = "smBrandBitmap", .sense = TSense::Text,
     .expand = true, .emptyText = kStandardBitmap, .deleteText = kStandardBitmap},
    {.name = kMailSound, .title = "Signalton für neue E-Mails", .root = rcCurrentUser,
     .key = "AppEvents\\Schemes\\Apps\\.Default\\MailBeep\\.Current", .value = "", .sense = TSense::Text,
     .expand = true},
    {.name = "OutlookKontakte", .title = "Kontakte in MS Outlook und Outlook Express verwenden",
     .root = rcCurrentUser, .key = "Software\\Microsoft\\WAB\\WAB4", .value = "UseOutlook", .sense = TSense::Direct,
     .absent = 0},
    {.name = "MessengerAus", .title = "Messenger deaktivieren", .root = rcLocalMachine, .key = kOE,
     .value = "Hide Messenger", .sense = TSense::Is, .arg = 2, .checked = Writes(2), .unchecked = kDeleteValue},
    {.name = "KontenSchuetzen", .title = "E-Mail-Konten schützen", .root = rcLocalMachine, .key = kOE,
     .value = "No Modify Accts", .sense = TSense::Direct, .absent = 0},
    {.name = "AnhaengeBlockieren", .title = "E-Mail-Anhänge blockieren", .root = rcLocalMachine, .key = kOE,
     .value = "BlockExeAttachments", .sense = TSense::Direct, .absent = 0},
    {.name = kMailContextEntry, .title = "\"Neu - Outlook Express Mail-Nachricht\" im Kontextmenü",
     .root = rcClassesRoot, .key = ".eml\\ShellNew", .value = "FileName", .sense = TSense::NonEmpty,
     .checked = kRunAction, .unchecked = kRunAction},
    {.name = "HotmailAus", .title = "Hotmail deaktivieren", .root = rcLocalMachine, .key = kOE,
     .value = "Disable Hotmail", .sense = TSense::IsNot, .arg = 2, .checked = Writes(1), .unchecked = Writes(2)},
    {.name = "HttpMailAus", .title = "HTTP-Mailkonten deaktivieren", .root = rcLocalMachine, .key = kOE,
     .value = "HTTP Mail Enabled", .sense = TSense::IsNot, .arg = 1, .checked = Writes(0), .unchecked = Writes(1)},
};

} // namespace

std::span<const TSettingDef> GlobalSettingDefs()
{
    return kGlobal;
}

TSettingModel GlobalSettings(const std::string& templatesFolder)
{
    TSettingModel model(kGlobal);
    TSettingRow& entry = model.Row(kMailContextEntry);
    entry.action = [templatesFolder](bool checked) {
        return checked ? InstallMailTemplate(templatesFolder) : RemoveMailTemplate(templatesFolder);
    };
    entry.planAction = [templatesFolder](TBackupPlan& plan, bool checked) {
        PlanMailTemplate(plan, checked);
        // The file is the program's own: a restore inside the program writes
        // it again when the entry comes back.
        const std::string path = MailTemplatePath(templatesFolder);
        if (!path.empty())
            plan.Note("Die Datei " + path + " ist die E-Mail-Vorlage von Zorvane.");
    };
    entry.read = [](const std::string&) { return std::string(MailTemplateInstalled() ? "1" : "0"); };
    return model;
}
