#include "dialogs/ChangeRegistry.h"

#include "framework/MsgBox.h"
#include "controls/TFlatButtonUnit.h"
#include "controls/TFlatCheckBoxUnit.h"
#include "controls/TFlatCheckListBoxUnit.h"
#include "controls/TFlatComboBoxUnit.h"
#include "controls/TFlatEditUnit.h"
#include "controls/TFlatGroupBoxUnit.h"
#include "controls/TFlatPanelUnit.h"
#include "controls/TFlatSpeedButtonUnit.h"
#include "controls/TFlatTabControlUnit.h"
#include "controls/TabPages.h"
#include "dialogs/DialogStyles.h"
#include "framework/Dialogs.h"
#include "framework/Notebook.h"
#include "framework/StdLabel.h"

#include <algorithm>

TseparateDlg* SeparateDlg = nullptr;

namespace {

using Row = TLayoutRow<TseparateDlg>;
using D = TseparateDlg;

constexpr const char* kCaption = "Zorvane - Anpassen von Outlook Express";
constexpr const char* kBranch = "Software\\Microsoft\\Outlook Express\\5.0";

void SelectionStyle(TControl& c)
{
    static_cast<TFlatComboBox&>(c).SetStyle(csDropDownList);
}

void ListStyle(TControl& c)
{
    static_cast<TFlatCheckListBox&>(c).SetColor(clWhite);
}

// The body above and around the tabs.
const Row kBody[] = {
    {.create = Ctl<&D::FlatGroupBox1>, .name = "FlatGroupBox1", .parent = "Panel3", .left = 8, .top = 6, .width = 481,
     .height = 46, .caption = "Identität auswählen:", .style = GroupStyle},
    {.create = Ctl<&D::IdentChange>, .name = "IdentChange", .parent = "FlatGroupBox1", .left = 8, .top = 18,
     .width = 465, .height = 21, .color = clWhite, .flags = lfTabStop, .style = SelectionStyle,
     .onChange = &D::IdentChangeChange},
    {.create = Ctl<&D::Label5>, .name = "Label5", .parent = "Panel3", .left = 8, .top = 190, .width = 481, .height = 22,
     .caption = "Wählen Sie eine Identität aus!", .font = {.size = 11, .style = fsBold, .color = clRed},
     .style = CentredLabelStyle},
    {.create = Ctl<&D::flTab>, .name = "flTab", .parent = "Panel3", .left = 8, .top = 58, .width = 481, .height = 334,
     .flags = lfHidden | lfTabStop, .style = TabStripStyle},
    {.create = Ctl<&D::nb>, .name = "nb", .parent = "flTab", .left = 0, .top = 0, .width = 479, .height = 306,
     .color = kGroupColor, .align = alClient},
};

// Every setting: a group box around a white panel with its explanation and
// its controls. Parents name the notebook's pages.
const Row kPages[] = {
    // Programmstart
    {.create = New<TFlatGroupBox>, .name = "grpSplash", .parent = "Programmstart", .left = 8, .top = 8, .width = 459,
     .height = 88, .caption = "Startbildschirm:", .style = GroupStyle},
    {.create = New<TFlatPanel>, .name = "pnlSplash", .parent = "grpSplash", .left = 8, .top = 18, .width = 443,
     .height = 62, .style = WhitePanelStyle},
    {.create = New<TLabel>, .name = "lblSplash", .parent = "pnlSplash", .left = 8, .top = 6, .width = 427, .height = 30,
     .caption = "Die Grafik, die beim Start von Outlook Express eingeblendet wird, können Sie hiermit aus- und "
                "einschalten.",
     .style = ExplainStyle},
    {.create = Ctl<&D::chkSplashScreen>, .name = "chkSplashScreen", .parent = "pnlSplash", .left = 8, .top = 38,
     .width = 427, .height = 17, .caption = "Startbildschirm (Splash Screen) ausschalten",
     .onClick = &D::ChkSymbolleisteClick},
    {.create = New<TFlatGroupBox>, .name = "grpStart", .parent = "Programmstart", .left = 8, .top = 104, .width = 459,
     .height = 140, .caption = "Startseite:", .style = GroupStyle},
    {.create = New<TFlatPanel>, .name = "pnlStart", .parent = "grpStart", .left = 8, .top = 18, .width = 443,
     .height = 114, .style = WhitePanelStyle},
    {.create = New<TLabel>, .name = "lblStart", .parent = "pnlStart", .left = 8, .top = 6, .width = 427, .height = 70,
     .caption = "Ändern Sie die HTML-Seite, die Ihnen beim Start angezeigt wird. Geben Sie eine lokale Datei oder eine "
                "Internetseite an, z.B. können Sie sich die aktuellen Nachrichten einer News-Seite einblenden lassen, "
                "während Sie Ihre E-Mails abrufen. Für eine leere Seite geben Sie about:blank an.",
     .style = ExplainStyle},
    {.create = Ctl<&D::edFrontpagePath>, .name = "edFrontpagePath", .parent = "pnlStart", .left = 8, .top = 84,
     .width = 404, .height = 19, .flags = lfTabStop, .onChange = &D::ChkSymbolleisteClick},
    {.create = Ctl<&D::btnRegFrontpagepath>, .name = "btnRegFrontpagepath", .parent = "pnlStart", .left = 414,
     .top = 84, .width = 21, .height = 19, .hint = "Lokale Webseite auswählen", .style = PickerStyle,
     .onClick = &D::btnRegFrontpagepathClick},

    // Sicherheit
    {.create = New<TFlatGroupBox>, .name = "grpAnzeigen", .parent = "Sicherheit", .left = 8, .top = 6, .width = 459,
     .height = 170, .caption = "Anzeigen:", .style = GroupStyle},
    {.create = New<TFlatPanel>, .name = "pnlAnzeigen", .parent = "grpAnzeigen", .left = 8, .top = 18, .width = 443,
     .height = 144, .style = WhitePanelStyle},
    {.create = New<TLabel>, .name = "lblAnzeigen", .parent = "pnlAnzeigen", .left = 8, .top = 6, .width = 427,
     .height = 56,
     .caption = "Beim Anzeigen einer E-Mail, auch in der Voransicht, werden standardmäßig die Inhalte gestartet. Sei es "
                "die Anzeige eines Bildes, das Starten eines Sounds oder gar eines Videos. Bestimmen Sie selbst, welche "
                "Elemente einer E-Mail automatisch angezeigt werden dürfen!",
     .style = ExplainStyle},
    {.create = Ctl<&D::chkImages>, .name = "chkImages", .parent = "pnlAnzeigen", .left = 8, .top = 66, .width = 210,
     .height = 17, .caption = "Bilder automatisch anzeigen", .onClick = &D::chkImagesClick},
    {.create = Ctl<&D::chkSounds>, .name = "chkSounds", .parent = "pnlAnzeigen", .left = 224, .top = 66, .width = 211,
     .height = 17, .caption = "Musik automatisch starten", .onClick = &D::ChkSymbolleisteClick},
    {.create = Ctl<&D::chkAnims>, .name = "chkAnims", .parent = "pnlAnzeigen", .left = 8, .top = 86, .width = 210,
     .height = 17, .caption = "Animationen automatisch starten", .onClick = &D::ChkSymbolleisteClick},
    {.create = Ctl<&D::chkVideos>, .name = "chkVideos", .parent = "pnlAnzeigen", .left = 224, .top = 86, .width = 211,
     .height = 17, .caption = "Videos automatisch starten", .onClick = &D::ChkSymbolleisteClick},
    {.create = New<TLabel>, .name = "lblAnzeigen2", .parent = "pnlAnzeigen", .left = 8, .top = 110, .width = 427,
     .height = 30,
     .caption = "Beim Abschalten der Funktionen sind die Elemente der E-Mail trotzdem noch als Anhang vorhanden. Diese "
                "müssen dann jedoch von Hand gestartet werden.",
     .style = ExplainStyle},
    {.create = New<TFlatGroupBox>, .name = "grpDebugger", .parent = "Sicherheit", .left = 8, .top = 182, .width = 459,
     .height = 116, .caption = "Script Debugger:", .style = GroupStyle},
    {.create = New<TFlatPanel>, .name = "pnlDebugger", .parent = "grpDebugger", .left = 8, .top = 18, .width = 443,
     .height = 90, .style = WhitePanelStyle},
    {.create = New<TLabel>, .name = "lblDebugger", .parent = "pnlDebugger", .left = 8, .top = 6, .width = 427,
     .height = 56,
     .caption = "Normalerweise wird JavaScript in E-Mails automatisch ausgeführt, sobald die Nachricht angezeigt wird. "
                "Nerven kann es kosten, wenn ein Fehler in dem JavaScript auftritt und sich der JavaScript Debugger "
                "einschaltet. Eigentlich benötigen Sie ihn gar nicht.",
     .style = ExplainStyle},
    {.create = Ctl<&D::chkScriptDebugger>, .name = "chkScriptDebugger", .parent = "pnlDebugger", .left = 8, .top = 66,
     .width = 427, .height = 17, .caption = "Script Debugger ausschalten", .onClick = &D::ChkSymbolleisteClick},

    // Layout
    {.create = New<TFlatGroupBox>, .name = "grpTitel", .parent = "Layout", .left = 8, .top = 6, .width = 459,
     .height = 80, .caption = "Titelleiste:", .style = GroupStyle},
    {.create = New<TFlatPanel>, .name = "pnlTitel", .parent = "grpTitel", .left = 8, .top = 18, .width = 443,
     .height = 54, .style = WhitePanelStyle},
    {.create = New<TLabel>, .name = "lblTitel", .parent = "pnlTitel", .left = 8, .top = 6, .width = 427, .height = 17,
     .caption = "Ändern Sie die Beschriftung der Titelleiste von Microsoft® Outlook Express.", .style = ExplainStyle},
    {.create = Ctl<&D::EdWindowTitle>, .name = "EdWindowTitle", .parent = "pnlTitel", .left = 8, .top = 28,
     .width = 427, .height = 19, .flags = lfTabStop, .onChange = &D::ChkSymbolleisteClick},
    {.create = New<TFlatGroupBox>, .name = "grpLeisten", .parent = "Layout", .left = 8, .top = 92, .width = 459,
     .height = 98, .caption = "Leisten einblenden:", .style = GroupStyle},
    {.create = New<TFlatPanel>, .name = "pnlLeisten", .parent = "grpLeisten", .left = 8, .top = 18, .width = 443,
     .height = 72, .style = WhitePanelStyle},
    {.create = Ctl<&D::ChkKontakte>, .name = "ChkKontakte", .parent = "pnlLeisten", .left = 8, .top = 8, .width = 140,
     .height = 17, .caption = "Kontakte", .onClick = &D::ChkSymbolleisteClick},
    {.create = Ctl<&D::ChkOutlookleiste>, .name = "ChkOutlookleiste", .parent = "pnlLeisten", .left = 152, .top = 8,
     .width = 140, .height = 17, .caption = "Outlook-Leiste", .onClick = &D::ChkSymbolleisteClick},
    {.create = Ctl<&D::ChkTipp>, .name = "ChkTipp", .parent = "pnlLeisten", .left = 296, .top = 8, .width = 139,
     .height = 17, .caption = "Tipp des Tages", .onClick = &D::ChkSymbolleisteClick},
    {.create = Ctl<&D::ChkOrdnerleiste>, .name = "ChkOrdnerleiste", .parent = "pnlLeisten", .left = 8, .top = 28,
     .width = 140, .height = 17, .caption = "Ordnerleiste (oben)", .onClick = &D::ChkSymbolleisteClick},
    {.create = Ctl<&D::ChkStatusleiste>, .name = "ChkStatusleiste", .parent = "pnlLeisten", .left = 152, .top = 28,
     .width = 140, .height = 17, .caption = "Statusleiste", .onClick = &D::ChkSymbolleisteClick},
    {.create = Ctl<&D::ChkOrdnerliste>, .name = "ChkOrdnerliste", .parent = "pnlLeisten", .left = 8, .top = 48,
     .width = 140, .height = 17, .caption = "Ordnerliste (rechts)", .onClick = &D::ChkSymbolleisteClick},
    {.create = Ctl<&D::ChkSymbolleiste>, .name = "ChkSymbolleiste", .parent = "pnlLeisten", .left = 152, .top = 48,
     .width = 140, .height = 17, .caption = "Symbolleiste", .onClick = &D::ChkSymbolleisteClick},
    {.create = New<TFlatGroupBox>, .name = "grpZusatz", .parent = "Layout", .left = 8, .top = 196, .width = 459,
     .height = 100, .caption = "Zusatzleiste:", .style = GroupStyle},
    {.create = New<TFlatPanel>, .name = "pnlZusatz", .parent = "grpZusatz", .left = 8, .top = 18, .width = 443,
     .height = 74, .style = WhitePanelStyle},
    {.create = New<TLabel>, .name = "lblZusatz", .parent = "pnlZusatz", .left = 8, .top = 6, .width = 427, .height = 30,
     .caption = "Lassen Sie sich Web-Seiten, wie Newsticker, Börsennachrichten, usw. im bisher versteckten "
                "Info-Bereich von Outlook Express anzeigen.",
     .style = ExplainStyle},
    {.create = Ctl<&D::ChkInfoBereich>, .name = "ChkInfoBereich", .parent = "pnlZusatz", .left = 8, .top = 46,
     .width = 17, .height = 17, .onClick = &D::ChkInfoBereichClick},
    {.create = Ctl<&D::EdInfoBereich>, .name = "EdInfoBereich", .parent = "pnlZusatz", .left = 28, .top = 45,
     .width = 407, .height = 19, .flags = lfTabStop, .onChange = &D::ChkSymbolleisteClick},

    // E-Mail
    {.create = New<TFlatGroupBox>, .name = "grpBcc", .parent = "E-Mail", .left = 8, .top = 6, .width = 459,
     .height = 96, .caption = "Blindkopie:", .style = GroupStyle},
    {.create = New<TFlatPanel>, .name = "pnlBcc", .parent = "grpBcc", .left = 8, .top = 18, .width = 443, .height = 70,
     .style = WhitePanelStyle},
    {.create = New<TLabel>, .name = "lblBcc", .parent = "pnlBcc", .left = 8, .top = 6, .width = 427, .height = 42,
     .caption = "Soll eine Mail als Kopie versendet werden, deren Empfänger nicht sichtbar sein soll, erreichen Sie dies "
                "über das Blindcopy-Feld (Bcc). Standardmäßig ist dieses Feld beim Erstellen einer Mail ausgeblendet.",
     .style = ExplainStyle},
    {.create = Ctl<&D::chkBcc>, .name = "chkBcc", .parent = "pnlBcc", .left = 8, .top = 48, .width = 427, .height = 17,
     .caption = "Blindcopy-Feld anzeigen", .onClick = &D::ChkSymbolleisteClick},
    {.create = New<TFlatGroupBox>, .name = "grpKopf", .parent = "E-Mail", .left = 8, .top = 106, .width = 459,
     .height = 96, .caption = "Kopfzeilen:", .style = GroupStyle},
    {.create = New<TFlatPanel>, .name = "pnlKopf", .parent = "grpKopf", .left = 8, .top = 18, .width = 443, .height = 70,
     .style = WhitePanelStyle},
    {.create = New<TLabel>, .name = "lblKopf", .parent = "pnlKopf", .left = 8, .top = 6, .width = 427, .height = 42,
     .caption = "Mit jeder E-Mail werden Header-Daten (Kopfzeilen) versendet. In Outlook Express können Sie sich beim "
                "Lesen einer Mail diese Kopfzeilen mit wichtigen Informationen über den Absender anzeigen lassen.",
     .style = ExplainStyle},
    {.create = Ctl<&D::chkMoreHeader>, .name = "chkMoreHeader", .parent = "pnlKopf", .left = 8, .top = 48,
     .width = 427, .height = 17, .caption = "Kopfzeilen anzeigen", .onClick = &D::ChkSymbolleisteClick},
    {.create = New<TFlatGroupBox>, .name = "grpLinks", .parent = "E-Mail", .left = 8, .top = 206, .width = 459,
     .height = 88, .caption = "Hyperlinks:", .style = GroupStyle},
    {.create = New<TFlatPanel>, .name = "pnlLinks", .parent = "grpLinks", .left = 8, .top = 18, .width = 443,
     .height = 62, .style = WhitePanelStyle},
    {.create = New<TLabel>, .name = "lblLinks", .parent = "pnlLinks", .left = 8, .top = 6, .width = 427, .height = 30,
     .caption = "Sollen Hyperlinks beim Ausführen umrandet werden? Soll die komplette Adresse beim Überfahren mit der "
                "Maus in der Statusleiste angezeigt werden?",
     .style = ExplainStyle},
    {.create = Ctl<&D::chkURLUnderlined>, .name = "chkURLUnderlined", .parent = "pnlLinks", .left = 8, .top = 38,
     .width = 210, .height = 17, .caption = "Hyperlinks umranden", .onClick = &D::ChkSymbolleisteClick},
    {.create = Ctl<&D::chkURLFull>, .name = "chkURLFull", .parent = "pnlLinks", .left = 224, .top = 38, .width = 211,
     .height = 17, .caption = "Komplette Adresse anzeigen", .onClick = &D::ChkSymbolleisteClick},

    // Sound
    {.create = New<TFlatGroupBox>, .name = "grpSignal", .parent = "Sound", .left = 8, .top = 8, .width = 459,
     .height = 110, .caption = "Signalton:", .style = GroupStyle},
    {.create = New<TFlatPanel>, .name = "pnlSignal", .parent = "grpSignal", .left = 8, .top = 18, .width = 443,
     .height = 84, .style = WhitePanelStyle},
    {.create = New<TLabel>, .name = "lblSignal", .parent = "pnlSignal", .left = 8, .top = 6, .width = 427, .height = 17,
     .caption = "Lassen Sie sich den E-Mail-Eingang mit einem Signalton akustisch signalisieren.",
     .style = ExplainStyle},
    {.create = Ctl<&D::ChkSound>, .name = "ChkSound", .parent = "pnlSignal", .left = 8, .top = 26, .width = 427,
     .height = 17, .caption = "Signalton einschalten", .onClick = &D::ChkSymbolleisteClick},
    {.create = New<TLabel>, .name = "lblSignal2", .parent = "pnlSignal", .left = 8, .top = 50, .width = 427,
     .height = 30,
     .caption = "Welcher Signalton beim Empfang einer E-Mail abgespielt werden soll, geben Sie in den allgemeinen "
                "Einstellungen für alle Identitäten an.",
     .style = ExplainStyle},

    // Anhänge
    {.create = New<TFlatGroupBox>, .name = "grpAnhang", .parent = "Attachments", .left = 8, .top = 8, .width = 459,
     .height = 140, .caption = "E-Mail-Anhänge sichtbar machen::", .style = GroupStyle},
    {.create = New<TFlatPanel>, .name = "pnlAnhang", .parent = "grpAnhang", .left = 8, .top = 18, .width = 443,
     .height = 114, .style = WhitePanelStyle},
    {.create = New<TLabel>, .name = "lblAnhang", .parent = "pnlAnhang", .left = 8, .top = 6, .width = 427,
     .height = 84,
     .caption = "Mit der Installation des Service Pack 2 vom Internet Explorer 6.0 werden in Outlook Express die "
                "E-Mail-Anhänge beim Aufruf von E-Mails vermeintlich \"entfernt\". Hiermit können Sie die Anhänge "
                "wieder auswählbar machen.\r\n\r\nDie Funktion wird nur umgesetzt, wenn in den allgemeinen "
                "Einstellungen die Option \"Blockierte E-Mail-Anhänge\" nicht aktiviert wurde.",
     .style = ExplainStyle},
    {.create = Ctl<&D::ChkSafeAttachments>, .name = "ChkSafeAttachments", .parent = "pnlAnhang", .left = 8,
     .top = 90, .width = 427, .height = 17, .caption = "E-Mail-Anhänge auswählbar machen",
     .onClick = &D::ChkSymbolleisteClick},

    // Dialoge
    {.create = New<TFlatGroupBox>, .name = "grpDialoge", .parent = "Dialoge", .left = 8, .top = 6, .width = 459,
     .height = 292, .caption = "Hinweisdialoge", .style = GroupStyle},
    {.create = New<TFlatPanel>, .name = "pnlDialoge", .parent = "grpDialoge", .left = 8, .top = 18, .width = 443,
     .height = 266, .style = WhitePanelStyle},
    {.create = New<TLabel>, .name = "lblDialogeText", .parent = "pnlDialoge", .left = 8, .top = 6, .width = 427,
     .height = 42,
     .caption = "Nachfolgend aufgelistete Hinweise haben Sie mit \"Diese Meldung nicht wieder anzeigen\" in Outlook "
                "Express ausgeblendet. Geben Sie an, welche Hinweise wieder eingeblendet werden sollen:",
     .style = ExplainStyle},
    {.create = Ctl<&D::CBDialogs>, .name = "CBDialogs", .parent = "pnlDialoge", .left = 8, .top = 52, .width = 427,
     .height = 182, .flags = lfTabStop, .style = ListStyle},
    {.create = New<TLabel>, .name = "lblDialogeLeer", .parent = "pnlDialoge", .left = 8, .top = 242, .width = 427,
     .height = 17, .caption = "Ist die Liste leer, dann sind alle Meldungen aktiv.", .style = ExplainStyle},
    {.create = Ctl<&D::lblDialogs>, .name = "lblDialogs", .parent = "pnlDialoge", .left = 400, .top = 242, .width = 30,
     .height = 13, .flags = lfHidden},
};

// The 23 settings in the order they are loaded and written; keys are below
// the identity's branch.
using CatalogRow = TCatalogRow<D>;

constexpr TSettingDef Box(const char* title, const char* key, const char* value, TSense sense,
                           int absent = kNoAbsentState)
{
    TSettingDef def{.title = title, .root = rcCurrentUser, .key = key, .value = value, .sense = sense, .absent = absent};
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

constexpr TSettingDef Text(const char* title, const char* value, bool expand = false, const char* emptyText = nullptr)
{
    return {.title = title, .root = rcCurrentUser, .key = "", .value = value, .sense = TSense::Text, .expand = expand,
            .emptyText = emptyText};
}

constexpr TSense kDirect = TSense::Direct;
constexpr TSense kInverted = TSense::Inverted;

const CatalogRow kCatalog[] = {
    {Text("Titelleiste", "WindowTitle", false, "Outlook Express"), nullptr, &D::EdWindowTitle},
    {Box("Symbolleiste", "", "ShowToolbarIEAK", kDirect), &D::ChkSymbolleiste, nullptr},
    {Box("Statusleiste", "", "ShowStatus", kDirect), &D::ChkStatusleiste, nullptr},
    {Box("Ordnerleiste (oben)", "", "HideFolderBar", kInverted), &D::ChkOrdnerleiste, nullptr},
    {Box("Ordnerliste (rechts)", "", "Tree", kDirect), &D::ChkOrdnerliste, nullptr},
    {Box("Outlook-Leiste", "", "Show Outlook Bar", kDirect), &D::ChkOutlookleiste, nullptr},
    {Box("Kontakte", "", "Show Contacts", kDirect), &D::ChkKontakte, nullptr},
    {Box("Tipp des Tages", "", "Tip of the Day", kDirect), &D::ChkTipp, nullptr},
    {Box("Zusatzleiste anzeigen", "", "ShowBodyBar", kDirect), &D::ChkInfoBereich, nullptr},
    {Text("Web-Seite der Zusatzleiste", "BodyBarPath"), nullptr, &D::EdInfoBereich},
    {Box("Signalton einschalten", "Mail", "PlaySoundOnNewMail", kDirect), &D::ChkSound, nullptr},
    {Text("Startseite", "FrontpagePath", true), nullptr, &D::edFrontpagePath},
    {Box("Startbildschirm ausschalten", "", "NoSplash", kDirect, 0), &D::chkSplashScreen, nullptr},
    {Box("Blindcopy-Feld anzeigen", "Mail", "Show Adv Mail Send", kDirect, 0), &D::chkBcc, nullptr},
    {CheckedWrites(Box("Kopfzeilen anzeigen", "Mail", "Show Adv Mail Read", kDirect, 1), 255), &D::chkMoreHeader,
     nullptr},
    {Box("Bilder automatisch anzeigen", "Trident\\Main", "Display Inline Images", kDirect, 1), &D::chkImages, nullptr},
    {Box("Musik automatisch starten", "Trident\\Main", "Play_Background_Sounds", kDirect, 1), &D::chkSounds, nullptr},
    {Box("Animationen automatisch starten", "Trident\\Main", "Play_Animations", kDirect, 1), &D::chkAnims, nullptr},
    {Box("Videos automatisch starten", "Trident\\Main", "Display Inline Videos", kDirect, 1), &D::chkVideos, nullptr},
    {Box("Script Debugger ausschalten", "Trident\\Main", "Disable Script Debugger", kDirect, 0), &D::chkScriptDebugger,
     nullptr},
    {Box("Hyperlinks umranden", "Trident\\Main", "Anchor Underline", kDirect, 0), &D::chkURLUnderlined, nullptr},
    {Box("Komplette Adresse anzeigen", "Trident", "Show_FullURL", kInverted), &D::chkURLFull, nullptr},
    {Box("E-Mail-Anhänge auswählbar machen", "Mail", "Safe Attachments", kInverted, 0), &D::ChkSafeAttachments,
     nullptr},
};

// Sets a flag for the lifetime of a scope.
class TFlagScope {
public:
    explicit TFlagScope(bool& flag) : FFlag(flag) { FFlag = true; }
    ~TFlagScope() { FFlag = false; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;

private:
    bool& FFlag;
};

} // namespace

TseparateDlg::TseparateDlg(TComponent* owner)
    : TSettingsDlg(owner, {"Identitäten-abhängiges Anpassen von Microsoft® Outlook Express",
                           " Zorvane - Identitäten-abhängige Einstellungen", 497, 468, true})
{
    SetName("separateDlg");
    OE = new TIdentityCatalog(this);
    OE->SetName("OE");

    TLayoutBuilder<TseparateDlg> build(*this);
    build.Add(kBody);
    BindTabPages(*flTab, *nb,
                 {{"Programmstart", "Programmstart"}, {"Sicherheit", "Sicherheit"}, {"Layout", "Layout"},
                  {"E-Mail", "E-Mail"}, {"Sound", "Sound"}, {"Anhänge", "Attachments"}, {"Dialoge", "Dialoge"}});
    build.Add(kPages);
    build.Finish();
    SetActiveControl(IdentChange);

    IdentChange->OnDropDown = [this](TObject* s) { IdentChangeDropDown(s); };
    IdentChange->OnCloseUp = [this](TObject* s) { IdentChangeCloseUp(s); };
    // Every change of a mark, by mouse or space bar, is a change of the list.
    CBDialogs->OnMarkToggled = [this](TObject* s) { CBDialogsClickCheck(s); };
    BuildCatalog();
}

void TseparateDlg::BuildCatalog()
{
    AddCatalogRows(FCatalog, *this, kCatalog);
}

std::string TseparateDlg::BaseKey(const TIdentityInfo& identity)
{
    return "Identities" + identity.KeyPath + kBranch;
}

std::string TseparateDlg::DialogsKey(const TIdentityInfo& identity)
{
    return BaseKey(identity) + "\\Dont Show Dialogs";
}

void TseparateDlg::Shown()
{
    flTab->SetActiveTab(0);
    FIdentities = OE->ReadIdentities();
    IdentChange->Items().Clear();
    if (FIdentities.empty()) {
        ShowMsg("Es konnten keine Identitäten ermittelt werden!", kCaption, mkInformation, btOK);
        return;
    }
    for (const TIdentityInfo& identity : FIdentities)
        IdentChange->Items().Add(identity.UserName);
    IdentChange->SetItemIndex(-1);
    if (FIdentities.size() == 1) {
        IdentChange->SetItemIndex(0);
        LoadIdentity(0);
    }
}

bool TseparateDlg::PendingChanges() const
{
    if (FShown < 0)
        return false;
    return FCatalog.AnyChanged() || lblDialogs->Caption() != FDialogsRemembered;
}

bool TseparateDlg::AskToSave() const
{
    return ShowMsg("Die Einstellungen für die ausgewählte Identität wurden geändert!\r\nSollen diese gespeichert "
                   "werden?",
                   kCaption, mkConfirmation, btYesNo) == IDYES;
}

void TseparateDlg::IdentChangeDropDown(TObject*)
{
    FDeclined = false;
    if (!PendingChanges())
        return;
    if (AskToSave())
        ApplySettings();
    else
        FDeclined = true;   // the choice that follows loads without asking again
}

void TseparateDlg::IdentChangeCloseUp(TObject*)
{
    // Closed without a new choice: the pending changes are the user's again,
    // and a later change of identity asks anew.
    if (IdentChange->ItemIndex() == FShown)
        FDeclined = false;
}

void TseparateDlg::IdentChangeChange(TObject*)
{
    const int index = IdentChange->ItemIndex();
    // The identity on display chosen again keeps what the user changed.
    if (index < 0 || index >= static_cast<int>(FIdentities.size()) || index == FShown)
        return;
    // However the selection moved (list or arrow keys), pending changes are
    // not dropped without the question.
    if (!FDeclined && PendingChanges() && AskToSave()) {
        bool saved = false;
        try {
            saved = ApplyTo(FShown);
        } catch (...) {
            IdentChange->SetItemIndex(FShown);
            throw;
        }
        if (!saved) {
            // Not everything was saved: stay with the identity on display.
            IdentChange->SetItemIndex(FShown);
            return;
        }
    }
    LoadIdentity(index);
}

void TseparateDlg::LoadIdentity(int index)
{
    const TIdentityInfo identity = FIdentities[static_cast<size_t>(index)];
    std::vector<std::string> problems;
    {
        TFlagScope loading(FLoading);
        flTab->SetVisible(true);
        Label5->SetVisible(false);
        FShown = index;
        FDeclined = false;
        problems = FCatalog.Load(BaseKey(identity));
        ApplyInfoRule();
        LoadDialogList(identity);
        FDialogsRemembered = lblDialogs->Caption();
    }
    BtnTakeIt->SetEnabled(false);
    ReportUnreadable(problems);
}

bool TseparateDlg::ApplySettings()
{
    if (FShown < 0)
        return true;
    return ApplyTo(FShown);
}

bool TseparateDlg::ApplyTo(int index)
{
    const TIdentityInfo identity = FIdentities[static_cast<size_t>(index)];
    const bool dialogsChanged = lblDialogs->Caption() != FDialogsRemembered;
    // The way back first: no change without a backup of what it replaces.
    TBackupPlan plan;
    FCatalog.PlanBackup(BaseKey(identity), plan);
    if (dialogsChanged)
        for (size_t i = 0; i < FDialogNames.size(); ++i)
            if (CBDialogs->ItemChecked(static_cast<int>(i)))
                plan.Value(rcCurrentUser, DialogsKey(identity), FDialogNames[i]);
    if (!BackUp(plan, "Identitaet_" + identity.UserName))
        return false;
    std::vector<TRefusedWrite> refused = FCatalog.Apply(BaseKey(identity));
    if (dialogsChanged) {
        for (const std::string& name : RemoveMarkedDialogs(identity))
            refused.push_back({"Hinweis \"" + name + "\"", RefusalText(ERROR_ACCESS_DENIED)});
        FDialogsRemembered = lblDialogs->Caption();
    }
    if (!refused.empty()) {
        ReportRefused(refused);
        return false;
    }
    BtnTakeIt->SetEnabled(false);
    return true;
}

bool TseparateDlg::Readable(const TControl* control) const
{
    for (const TSetting& s : FCatalog.Settings())
        if (s.check == control || s.edit == control)
            return s.readable;
    return true;
}

void TseparateDlg::ApplyInfoRule()
{
    EdInfoBereich->SetEnabled(ChkInfoBereich->Checked() != 0 && Readable(EdInfoBereich));
}

void TseparateDlg::ChkSymbolleisteClick(TObject*)
{
    if (!FLoading)
        Changed();
}

void TseparateDlg::ChkInfoBereichClick(TObject*)
{
    if (FLoading)
        return;
    ApplyInfoRule();
    Changed();
}

void TseparateDlg::chkImagesClick(TObject*)
{
    if (FLoading || FShown < 0)
        return;
    if (chkImages->Checked()) {
        const int plain = ReadRegInteger(rcCurrentUser, BaseKey(FIdentities[static_cast<size_t>(FShown)]),
                                         "Read in Plain Text only");
        if (plain != -1 && (plain & 0xFF) != 0 &&
            ShowMsg("In Outlook Express ist die Option \"Alle Nachrichten als Nur-Text lesen\" aktiv.\rMit der "
                    "soeben gewählten Option \"Bilder automatisch anzeigen\" werden auch im Text-Modus Bilder aus "
                    "empfangenen HTML-Mails angezeigt.\r\rMöchten Sie diese Option wirklich einschalten?",
                    kCaption, mkConfirmation, btYesNo) == IDNO) {
            TFlagScope undo(FLoading);
            chkImages->SetChecked(0);
            return;
        }
    }
    Changed();
}

TOpenDialog& TseparateDlg::FileDialog()
{
    if (FFileDialog)
        return *FFileDialog;
    if (!FOwnFileDialog)
        FOwnFileDialog = new TOpenDialog(this);
    return *FOwnFileDialog;
}

void TseparateDlg::btnRegFrontpagepathClick(TObject*)
{
    // Folder and filter index stay as the shared dialog's last use left them.
    TOpenDialog& dialog = FileDialog();
    dialog.Title = "Geben Sie eine loakle Webseite an.";
    dialog.FileName.clear();
    dialog.Filter = "HTML-Dateien (*.*htm*)|*.*htm*|Alle Dateien (*.*)|*.*";
    if (dialog.Execute(Handle()))
        edFrontpagePath->SetText(dialog.FileName);
}

std::string TseparateDlg::MarkPattern() const
{
    std::string pattern;
    for (int i = 0; i < CBDialogs->Items().Count(); ++i)
        pattern += CBDialogs->ItemChecked(i) ? '1' : '0';
    return pattern;
}

void TseparateDlg::CBDialogsClickCheck(TObject*)
{
    lblDialogs->SetCaption(MarkPattern());
    if (!FLoading)
        Changed();
}

void TseparateDlg::LoadDialogList(const TIdentityInfo& identity)
{
    // Names as stored, in the registry's order; the list clears every mark
    // when its entries change.
    FDialogNames = GetRegValueNames(rcCurrentUser, DialogsKey(identity)).value_or(std::vector<std::string>{});
    CBDialogs->Items().Assign(FDialogNames);
    lblDialogs->SetCaption(MarkPattern());
}

std::vector<std::string> TseparateDlg::RemoveMarkedDialogs(const TIdentityInfo& identity)
{
    const std::string key = DialogsKey(identity);
    std::vector<std::string> marked;
    for (size_t i = 0; i < FDialogNames.size(); ++i)
        if (CBDialogs->ItemChecked(static_cast<int>(i)))
            marked.push_back(FDialogNames[i]);
    for (const std::string& name : marked)
        DeleteRegValue(rcCurrentUser, key, name);
    LoadDialogList(identity);
    std::vector<std::string> kept;
    for (const std::string& name : marked)
        if (std::find(FDialogNames.begin(), FDialogNames.end(), name) != FDialogNames.end())
            kept.push_back(name);
    return kept;
}
