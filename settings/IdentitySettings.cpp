#include "settings/IdentitySettings.h"

namespace {

constexpr const char* kBranch = "Software\\Microsoft\\Outlook Express\\5.0";

constexpr TSettingDef Box(const char* name, const char* title, const char* key, const char* value, TSense sense,
                          int absent = kNoAbsentState)
{
    TSettingDef def{.name = name, .title = title, .root = rcCurrentUser, .key = key, .value = value, .sense = sense,
                    .absent = absent};
    if (sense == TSense::Inverted) {
        def.checked = Writes(0);
        def.unchecked = Writes(1);
    }
    return def;
}

// A box that writes another number than 1 when checked.
constexpr TSettingDef CheckedWrites(TSettingDef def, int value)
{
    def.checked = Writes(value);
    return def;
}

constexpr TSettingDef Text(const char* name, const char* title, const char* value, bool expand = false,
                           const char* emptyText = nullptr)
{
    return {.name = name, .title = title, .root = rcCurrentUser, .key = "", .value = value, .sense = TSense::Text,
            .expand = expand, .emptyText = emptyText};
}

constexpr TSense kDirect = TSense::Direct;
constexpr TSense kInverted = TSense::Inverted;

// In the order they are loaded and written.
const TSettingDef kIdentity[] = {
    Text("Titelleiste", "Titelleiste", "WindowTitle", false, "Outlook Express"),
    Box("Symbolleiste", "Symbolleiste", "", "ShowToolbarIEAK", kDirect),
    Box("Statusleiste", "Statusleiste", "", "ShowStatus", kDirect),
    Box("Ordnerleiste", "Ordnerleiste (oben)", "", "HideFolderBar", kInverted),
    Box("Ordnerliste", "Ordnerliste (rechts)", "", "Tree", kDirect),
    Box("OutlookLeiste", "Outlook-Leiste", "", "Show Outlook Bar", kDirect),
    Box("Kontakte", "Kontakte", "", "Show Contacts", kDirect),
    Box("TippDesTages", "Tipp des Tages", "", "Tip of the Day", kDirect),
    Box(kInfoBar, "Zusatzleiste anzeigen", "", "ShowBodyBar", kDirect),
    Text(kInfoBarPage, "Web-Seite der Zusatzleiste", "BodyBarPath"),
    Box("SignaltonEin", "Signalton einschalten", "Mail", "PlaySoundOnNewMail", kDirect),
    Text("Startseite", "Startseite", "FrontpagePath", true),
    Box("StartbildschirmAus", "Startbildschirm ausschalten", "", "NoSplash", kDirect, 0),
    Box("BccFeld", "Blindcopy-Feld anzeigen", "Mail", "Show Adv Mail Send", kDirect, 0),
    CheckedWrites(Box("Kopfzeilen", "Kopfzeilen anzeigen", "Mail", "Show Adv Mail Read", kDirect, 1), 255),
    Box(kShowImages, "Bilder automatisch anzeigen", "Trident\\Main", "Display Inline Images", kDirect, 1),
    Box("MusikStarten", "Musik automatisch starten", "Trident\\Main", "Play_Background_Sounds", kDirect, 1),
    Box("AnimationenStarten", "Animationen automatisch starten", "Trident\\Main", "Play_Animations", kDirect, 1),
    Box("VideosStarten", "Videos automatisch starten", "Trident\\Main", "Display Inline Videos", kDirect, 1),
    Box("ScriptDebuggerAus", "Script Debugger ausschalten", "Trident\\Main", "Disable Script Debugger", kDirect, 0),
    Box("HyperlinksUmranden", "Hyperlinks umranden", "Trident\\Main", "Anchor Underline", kDirect, 0),
    Box("KompletteAdresse", "Komplette Adresse anzeigen", "Trident", "Show_FullURL", kInverted),
    Box("AnhaengeAuswaehlbar", "E-Mail-Anhänge auswählbar machen", "Mail", "Safe Attachments", kInverted, 0),
};

} // namespace

std::span<const TSettingDef> IdentitySettingDefs()
{
    return kIdentity;
}

TSettingModel IdentitySettings()
{
    return TSettingModel(kIdentity);
}

std::string IdentityBaseKey(const TIdentityInfo& identity)
{
    return "Identities" + identity.KeyPath + kBranch;
}

std::string IdentityDialogsKey(const TIdentityInfo& identity)
{
    return IdentityBaseKey(identity) + "\\Dont Show Dialogs";
}
