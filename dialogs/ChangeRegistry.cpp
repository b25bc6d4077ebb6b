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
#include "dialogs/NoticeList.h"
#include "dialogs/SettingGroups.h"
#include "framework/Exceptions.h"
#include "settings/IdentitiesApply.h"
#include "settings/IdentitySettings.h"

#include <algorithm>

TseparateDlg* SeparateDlg = nullptr;

namespace {

using Row = TLayoutRow<TseparateDlg>;
using D = TseparateDlg;

constexpr const char* kCaption = "Zorvane - Anpassen von Outlook Express";

void SelectionStyle(TControl& c)
{
    static_cast<TFlatComboBox&>(c).SetStyle(csDropDownList);
}

// Before the bounds: the layout's height already counts the scroll buttons.
void ListStyle(TControl& c)
{
    auto& list = static_cast<TFlatCheckListBox&>(c);
    list.SetColor(clWhite);
    list.SetScrollBars(true);
}

// The body above and around the tabs.
const Row kBody[] = {
    {.create = Ctl<&D::FlatGroupBox1>, .name = "FlatGroupBox1", .parent = "Panel3", .left = 8, .top = 6, .width = 481,
     .height = 66, .caption = "Identität auswählen:", .style = GroupStyle},
    {.create = Ctl<&D::IdentChange>, .name = "IdentChange", .parent = "FlatGroupBox1", .left = 8, .top = 18,
     .width = 465, .height = 21, .color = clWhite, .flags = lfTabStop, .style = SelectionStyle,
     .onChange = &D::IdentChangeChange},
    {.create = Ctl<&D::chkAllIdentities>, .name = "chkAllIdentities", .parent = "FlatGroupBox1", .left = 8, .top = 44,
     .width = 465, .height = 17, .caption = "Änderungen für alle Identitäten übernehmen",
     .hint = "OK und Übernehmen schreiben die geänderten Einstellungen in jede Identität"},
    {.create = Ctl<&D::Label5>, .name = "Label5", .parent = "Panel3", .left = 8, .top = 210, .width = 481, .height = 22,
     .caption = "Wählen Sie eine Identität aus!", .font = {.size = 11, .style = fsBold, .color = clRed},
     .style = CentredLabelStyle},
    {.create = Ctl<&D::flTab>, .name = "flTab", .parent = "Panel3", .left = 8, .top = 78, .width = 481, .height = 334,
     .flags = lfHidden | lfTabStop, .style = TabStripStyle},
    {.create = Ctl<&D::nb>, .name = "nb", .parent = "flTab", .left = 0, .top = 0, .width = 479, .height = 306,
     .color = kGroupColor, .align = alClient},
};

// Every setting: a group box around a white panel with its explanation and
// its controls. Parents name the notebook's pages.
// The frame of every setting, page by page.
const TSettingGroup kGroups[] = {
    {.page = "Programmstart", .id = "Splash", .top = 8, .height = 88, .caption = "Startbildschirm:",
     .text = "Die Grafik, die beim Start von Outlook Express eingeblendet wird, können Sie hiermit aus- und "
             "einschalten.",
     .textHeight = 30},
    {.page = "Programmstart", .id = "Start", .top = 104, .height = 140, .caption = "Startseite:",
     .text = "Ändern Sie die HTML-Seite, die Ihnen beim Start angezeigt wird. Geben Sie eine lokale Datei oder eine "
             "Internetseite an, z.B. können Sie sich die aktuellen Nachrichten einer News-Seite einblenden lassen, "
             "während Sie Ihre E-Mails abrufen. Für eine leere Seite geben Sie about:blank an.",
     .textHeight = 70},
    {.page = "Sicherheit", .id = "Anzeigen", .top = 6, .height = 170, .caption = "Anzeigen:",
     .text = "Beim Anzeigen einer E-Mail, auch in der Voransicht, werden standardmäßig die Inhalte gestartet. Sei es "
             "die Anzeige eines Bildes, das Starten eines Sounds oder gar eines Videos. Bestimmen Sie selbst, welche "
             "Elemente einer E-Mail automatisch angezeigt werden dürfen!",
     .textHeight = 56},
    {.page = "Sicherheit", .id = "Debugger", .top = 182, .height = 116, .caption = "Script Debugger:",
     .text = "Normalerweise wird JavaScript in E-Mails automatisch ausgeführt, sobald die Nachricht angezeigt wird. "
             "Nerven kann es kosten, wenn ein Fehler in dem JavaScript auftritt und sich der JavaScript Debugger "
             "einschaltet. Eigentlich benötigen Sie ihn gar nicht.",
     .textHeight = 56},
    {.page = "Layout", .id = "Titel", .top = 6, .height = 80, .caption = "Titelleiste:",
     .text = "Ändern Sie die Beschriftung der Titelleiste von Microsoft® Outlook Express.",
     .textHeight = 17},
    {.page = "Layout", .id = "Leisten", .top = 92, .height = 98, .caption = "Leisten einblenden:",
     .text = nullptr,
     .textHeight = 0},
    {.page = "Layout", .id = "Zusatz", .top = 196, .height = 100, .caption = "Zusatzleiste:",
     .text = "Lassen Sie sich Web-Seiten, wie Newsticker, Börsennachrichten, usw. im bisher versteckten "
             "Info-Bereich von Outlook Express anzeigen.",
     .textHeight = 30},
    {.page = "E-Mail", .id = "Bcc", .top = 6, .height = 96, .caption = "Blindkopie:",
     .text = "Soll eine Mail als Kopie versendet werden, deren Empfänger nicht sichtbar sein soll, erreichen Sie dies "
             "über das Blindcopy-Feld (Bcc). Standardmäßig ist dieses Feld beim Erstellen einer Mail ausgeblendet.",
     .textHeight = 42},
    {.page = "E-Mail", .id = "Kopf", .top = 106, .height = 96, .caption = "Kopfzeilen:",
     .text = "Mit jeder E-Mail werden Header-Daten (Kopfzeilen) versendet. In Outlook Express können Sie sich beim "
             "Lesen einer Mail diese Kopfzeilen mit wichtigen Informationen über den Absender anzeigen lassen.",
     .textHeight = 42},
    {.page = "E-Mail", .id = "Links", .top = 206, .height = 88, .caption = "Hyperlinks:",
     .text = "Sollen Hyperlinks beim Ausführen umrandet werden? Soll die komplette Adresse beim Überfahren mit der "
             "Maus in der Statusleiste angezeigt werden?",
     .textHeight = 30},
    {.page = "Sound", .id = "Signal", .top = 8, .height = 110, .caption = "Signalton:",
     .text = "Lassen Sie sich den E-Mail-Eingang mit einem Signalton akustisch signalisieren.",
     .textHeight = 17},
    {.page = "Attachments", .id = "Anhang", .top = 8, .height = 140, .caption = "E-Mail-Anhänge sichtbar machen::",
     .text = "Mit der Installation des Service Pack 2 vom Internet Explorer 6.0 werden in Outlook Express die "
             "E-Mail-Anhänge beim Aufruf von E-Mails vermeintlich \"entfernt\". Hiermit können Sie die Anhänge "
             "wieder auswählbar machen.\r\n\r\nDie Funktion wird nur umgesetzt, wenn in den allgemeinen "
             "Einstellungen die Option \"Blockierte E-Mail-Anhänge\" nicht aktiviert wurde.",
     .textHeight = 84},
    {.page = "Dialoge", .id = "Dialoge", .top = 6, .height = 292, .caption = "Hinweisdialoge",
     .text = "Nachfolgend aufgelistete Hinweise haben Sie mit \"Diese Meldung nicht wieder anzeigen\" in Outlook "
             "Express ausgeblendet. Geben Sie an, welche Hinweise wieder eingeblendet werden sollen:",
     .textHeight = 42},
};

// The settings' own controls and the second explanations, inside the groups' panels.
const Row kPages[] = {
    {.create = Ctl<&D::chkSplashScreen>, .name = "chkSplashScreen", .parent = "pnlSplash", .left = 8, .top = 38,
     .width = 427, .height = 17, .caption = "Startbildschirm (Splash Screen) ausschalten",
     .onClick = &D::ChkSymbolleisteClick},
    {.create = Ctl<&D::edFrontpagePath>, .name = "edFrontpagePath", .parent = "pnlStart", .left = 8, .top = 84,
     .width = 404, .height = 19, .flags = lfTabStop, .onChange = &D::ChkSymbolleisteClick},
    {.create = Ctl<&D::btnRegFrontpagepath>, .name = "btnRegFrontpagepath", .parent = "pnlStart", .left = 414,
     .top = 84, .width = 21, .height = 19, .hint = "Lokale Webseite auswählen", .style = PickerStyle,
     .onClick = &D::btnRegFrontpagepathClick},
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
    {.create = Ctl<&D::chkScriptDebugger>, .name = "chkScriptDebugger", .parent = "pnlDebugger", .left = 8, .top = 66,
     .width = 427, .height = 17, .caption = "Script Debugger ausschalten", .onClick = &D::ChkSymbolleisteClick},
    {.create = Ctl<&D::EdWindowTitle>, .name = "EdWindowTitle", .parent = "pnlTitel", .left = 8, .top = 28,
     .width = 427, .height = 19, .flags = lfTabStop, .onChange = &D::ChkSymbolleisteClick},
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
    {.create = Ctl<&D::ChkInfoBereich>, .name = "ChkInfoBereich", .parent = "pnlZusatz", .left = 8, .top = 46,
     .width = 17, .height = 17, .onClick = &D::ChkInfoBereichClick},
    {.create = Ctl<&D::EdInfoBereich>, .name = "EdInfoBereich", .parent = "pnlZusatz", .left = 28, .top = 45,
     .width = 407, .height = 19, .flags = lfTabStop, .onChange = &D::ChkSymbolleisteClick},
    {.create = Ctl<&D::chkBcc>, .name = "chkBcc", .parent = "pnlBcc", .left = 8, .top = 48, .width = 427, .height = 17,
     .caption = "Blindcopy-Feld anzeigen", .onClick = &D::ChkSymbolleisteClick},
    {.create = Ctl<&D::chkMoreHeader>, .name = "chkMoreHeader", .parent = "pnlKopf", .left = 8, .top = 48,
     .width = 427, .height = 17, .caption = "Kopfzeilen anzeigen", .onClick = &D::ChkSymbolleisteClick},
    {.create = Ctl<&D::chkURLUnderlined>, .name = "chkURLUnderlined", .parent = "pnlLinks", .left = 8, .top = 38,
     .width = 210, .height = 17, .caption = "Hyperlinks umranden", .onClick = &D::ChkSymbolleisteClick},
    {.create = Ctl<&D::chkURLFull>, .name = "chkURLFull", .parent = "pnlLinks", .left = 224, .top = 38, .width = 211,
     .height = 17, .caption = "Komplette Adresse anzeigen", .onClick = &D::ChkSymbolleisteClick},
    {.create = Ctl<&D::ChkSound>, .name = "ChkSound", .parent = "pnlSignal", .left = 8, .top = 26, .width = 427,
     .height = 17, .caption = "Signalton einschalten", .onClick = &D::ChkSymbolleisteClick},
    {.create = New<TLabel>, .name = "lblSignal2", .parent = "pnlSignal", .left = 8, .top = 50, .width = 427,
     .height = 30,
     .caption = "Welcher Signalton beim Empfang einer E-Mail abgespielt werden soll, geben Sie in den allgemeinen "
                "Einstellungen für alle Identitäten an.",
     .style = ExplainStyle},
    {.create = Ctl<&D::ChkSafeAttachments>, .name = "ChkSafeAttachments", .parent = "pnlAnhang", .left = 8,
     .top = 90, .width = 427, .height = 17, .caption = "E-Mail-Anhänge auswählbar machen",
     .onClick = &D::ChkSymbolleisteClick},
    {.create = Ctl<&D::CBDialogs>, .name = "CBDialogs", .parent = "pnlDialoge", .left = 8, .top = 52, .width = 427,
     .height = 182, .flags = lfTabStop, .style = ListStyle},
    {.create = New<TLabel>, .name = "lblDialogeLeer", .parent = "pnlDialoge", .left = 8, .top = 242, .width = 427,
     .height = 17, .caption = "Ist die Liste leer, dann sind alle Meldungen aktiv.", .style = ExplainStyle},
    {.create = Ctl<&D::lblDialogs>, .name = "lblDialogs", .parent = "pnlDialoge", .left = 400, .top = 242, .width = 30,
     .height = 13, .flags = lfHidden},
};

// Beside "OK", "Abbrechen" and "Übernehmen".
const Row kProfileButtons[] = {
    {.create = Ctl<&D::btnProfileSave>, .name = "btnProfileSave", .parent = "Panel2", .left = 302, .top = 17,
     .width = 89, .height = 25, .caption = "Profil speichern…",
     .hint = "Die allgemeinen Einstellungen und die dieser Identität in einer Datei speichern", .color = 15395040,
     .anchors = akLeft | akBottom, .flags = lfTabStop, .style = RowButtonStyle, .onClick = &D::btnProfileSaveClick},
    {.create = Ctl<&D::btnProfileLoad>, .name = "btnProfileLoad", .parent = "Panel2", .left = 400, .top = 17,
     .width = 89, .height = 25, .caption = "Profil laden…",
     .hint = "Einstellungen aus einer Profildatei übernehmen", .color = 15395040, .anchors = akLeft | akBottom,
     .flags = lfTabStop, .style = RowButtonStyle, .onClick = &D::btnProfileLoadClick},
};

// Each setting's row in the model and its control.
const TBindRow<D> kBindings[] = {
    {"Titelleiste", nullptr, &D::EdWindowTitle},
    {"Symbolleiste", &D::ChkSymbolleiste, nullptr},
    {"Statusleiste", &D::ChkStatusleiste, nullptr},
    {"Ordnerleiste", &D::ChkOrdnerleiste, nullptr},
    {"Ordnerliste", &D::ChkOrdnerliste, nullptr},
    {"OutlookLeiste", &D::ChkOutlookleiste, nullptr},
    {"Kontakte", &D::ChkKontakte, nullptr},
    {"TippDesTages", &D::ChkTipp, nullptr},
    {"Zusatzleiste", &D::ChkInfoBereich, nullptr},
    {"ZusatzleisteSeite", nullptr, &D::EdInfoBereich},
    {"SignaltonEin", &D::ChkSound, nullptr},
    {"Startseite", nullptr, &D::edFrontpagePath},
    {"StartbildschirmAus", &D::chkSplashScreen, nullptr},
    {"BccFeld", &D::chkBcc, nullptr},
    {"Kopfzeilen", &D::chkMoreHeader, nullptr},
    {"BilderAnzeigen", &D::chkImages, nullptr},
    {"MusikStarten", &D::chkSounds, nullptr},
    {"AnimationenStarten", &D::chkAnims, nullptr},
    {"VideosStarten", &D::chkVideos, nullptr},
    {"ScriptDebuggerAus", &D::chkScriptDebugger, nullptr},
    {"HyperlinksUmranden", &D::chkURLUnderlined, nullptr},
    {"KompletteAdresse", &D::chkURLFull, nullptr},
    {"AnhaengeAuswaehlbar", &D::ChkSafeAttachments, nullptr},
};

} // namespace

TseparateDlg::TseparateDlg(TComponent* owner)
    : TSettingsDlg(owner, {"Identitäten-abhängiges Anpassen von Microsoft® Outlook Express",
                           " Zorvane - Identitäten-abhängige Einstellungen", 497, 488, true}),
      FModel(IdentitySettings())
{
    SetName("separateDlg");
    OE = new TIdentityCatalog(this);
    OE->SetName("OE");

    TLayoutBuilder<TseparateDlg> build(*this);
    build.Add(kBody);
    BindTabPages(*flTab, *nb,
                 {{"Programmstart", "Programmstart"}, {"Sicherheit", "Sicherheit"}, {"Layout", "Layout"},
                  {"E-Mail", "E-Mail"}, {"Sound", "Sound"}, {"Anhänge", "Attachments"}, {"Dialoge", "Dialoge"}});
    AddSettingGroups(build, kGroups);
    build.Add(kPages);
    build.Add(kProfileButtons);
    build.Finish();
    SetActiveControl(IdentChange);

    IdentChange->OnDropDown = [this](TObject* s) { IdentChangeDropDown(s); };
    IdentChange->OnCloseUp = [this](TObject* s) { IdentChangeCloseUp(s); };
    // Every change of a mark, by mouse or space bar, is a change of the list.
    CBDialogs->OnMarkToggled = [this](TObject* s) { CBDialogsClickCheck(s); };

    BindRows(FBinding, *this, kBindings);
    FBinding.Companions("Startseite", {btnRegFrontpagepath});
    FBinding.NotASetting(chkAllIdentities);
    FNotices = std::make_unique<TNoticeList>(*CBDialogs, *lblDialogs);
    Attach(FBinding);
    Attach(*FNotices);
}

TseparateDlg::~TseparateDlg() = default;

std::string TseparateDlg::BaseKey(const TIdentityInfo& identity)
{
    return IdentityBaseKey(identity);
}

std::string TseparateDlg::DialogsKey(const TIdentityInfo& identity)
{
    return IdentityDialogsKey(identity);
}

std::string TseparateDlg::BackupLabel() const
{
    if (ForAllIdentities())
        return "Identitaeten_alle";
    return "Identitaet_" + FIdentities[static_cast<size_t>(FShown)].UserName;
}

bool TseparateDlg::ForAllIdentities() const
{
    return chkAllIdentities->Checked() != 0;
}

std::vector<TApplyPart*> TseparateDlg::ApplyParts()
{
    if (!ForAllIdentities())
        return TSettingsDlg::ApplyParts();
    // What the user changed on display, for every identity; an identity that
    // holds it already writes nothing. The notices stay this identity's.
    TNamedStates states;
    for (const TSettingRow& row : FModel.Rows())
        if (row.Changed())
            states.emplace_back(row.def.name, row.state);
    FAllIdentities = std::make_unique<TIdentitiesApply>(FIdentities, std::move(states));
    ReportUnreadable(FAllIdentities->Load());
    return {FAllIdentities.get(), FNotices.get()};
}

void TseparateDlg::Applied()
{
    // The identity on display was written through its own copy: read it
    // again, so that what shows is what is stored.
    if (FAllIdentities) {
        FAllIdentities.reset();
        FModel.Load(BaseKey(FIdentities[static_cast<size_t>(FShown)]));
        FBinding.Show();
        ApplyInfoRule();
    }
}

std::vector<std::string> TseparateDlg::Load()
{
    flTab->SetActiveTab(0);
    FIdentities = OE->ReadIdentities();
    IdentChange->Items().Clear();
    // One identity that cannot be read does not hide the others.
    if (!OE->Unreadable().empty()) {
        std::string text = "Folgende Identitäten konnten nicht gelesen werden. Sie fehlen in der Liste und werden "
                           "von Zorvane nicht verändert:\r\n";
        for (const std::string& problem : OE->Unreadable())
            text += "\r\n- " + problem;
        ShowMsg(text, kCaption, mkError, btOK);
    }
    if (FIdentities.empty()) {
        ShowMsg("Es konnten keine Identitäten ermittelt werden!", kCaption, mkInformation, btOK);
        return {};
    }
    for (const TIdentityInfo& identity : FIdentities)
        IdentChange->Items().Add(identity.UserName);
    IdentChange->SetItemIndex(-1);
    if (FIdentities.size() == 1) {
        IdentChange->SetItemIndex(0);
        return LoadIdentity(0);
    }
    return {};
}

bool TseparateDlg::PendingChanges() const
{
    return FShown >= 0 && HasChange();
}

bool TseparateDlg::AskToSave() const
{
    return ShowMsg("Die Einstellungen für die ausgewählte Identität wurden geändert!\r\nSollen diese gespeichert "
                   "werden?",
                   kCaption, mkConfirmation, btYesNo) == IDYES;
}

void TseparateDlg::IdentChangeDropDown(TObject*)
{
    FAnswer = TAnswer::None;
    if (!PendingChanges())
        return;
    if (!AskToSave())
        FAnswer = TAnswer::Declined;   // the choice that follows loads without asking again
    else if (!ApplyChanges())
        FAnswer = TAnswer::SaveFailed;   // the choice that follows keeps the identity on display
}

void TseparateDlg::IdentChangeCloseUp(TObject*)
{
    // Closed without a new choice: the pending changes are the user's again,
    // and a later change of identity asks anew.
    if (IdentChange->ItemIndex() == FShown)
        FAnswer = TAnswer::None;
}

void TseparateDlg::IdentChangeChange(TObject*)
{
    const int index = IdentChange->ItemIndex();
    // The identity on display chosen again keeps what the user changed.
    if (index < 0 || index >= static_cast<int>(FIdentities.size()) || index == FShown)
        return;
    // The user said yes at this opening of the list, and not everything
    // could be saved: stay with the identity on display, without asking twice.
    if (FAnswer == TAnswer::SaveFailed && PendingChanges()) {
        IdentChange->SetItemIndex(FShown);
        return;
    }
    // However the selection moved (list or arrow keys), pending changes are
    // not dropped without the question.
    if (FAnswer != TAnswer::Declined && PendingChanges() && AskToSave()) {
        bool saved = false;
        try {
            saved = ApplyChanges();
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
    ReportUnreadable(LoadIdentity(index));
}

std::vector<std::string> TseparateDlg::LoadIdentity(int index)
{
    const TIdentityInfo identity = FIdentities[static_cast<size_t>(index)];
    flTab->SetVisible(true);
    Label5->SetVisible(false);
    FShown = index;
    FAnswer = TAnswer::None;
    std::vector<std::string> problems = FModel.Load(BaseKey(identity));
    FBinding.Show();
    ApplyInfoRule();
    FNotices->Load(DialogsKey(identity));
    UpdateApply();
    return problems;
}

bool TseparateDlg::ApplySettings()
{
    if (FShown < 0)
        return true;
    return ApplyChanges();
}

void TseparateDlg::ApplyInfoRule()
{
    FBinding.Enable(EdInfoBereich, ChkInfoBereich->Checked() != 0);
}

void TseparateDlg::ChkSymbolleisteClick(TObject*)
{
    Changed();
}

void TseparateDlg::ChkInfoBereichClick(TObject*)
{
    if (FBinding.Showing())
        return;
    ApplyInfoRule();
    Changed();
}

void TseparateDlg::chkImagesClick(TObject*)
{
    if (FBinding.Showing() || FShown < 0)
        return;
    if (chkImages->Checked() && PlainTextOnly() &&
        ShowMsg("In Outlook Express ist die Option \"Alle Nachrichten als Nur-Text lesen\" aktiv.\rMit der "
                "soeben gewählten Option \"Bilder automatisch anzeigen\" werden auch im Text-Modus Bilder aus "
                "empfangenen HTML-Mails angezeigt.\r\rMöchten Sie diese Option wirklich einschalten?",
                kCaption, mkConfirmation, btYesNo) == IDNO) {
        chkImages->SetChecked(0);
        return;
    }
    Changed();
}

bool TseparateDlg::PlainTextOnly() const
{
    // A value that cannot be read counts as unknown: better one question
    // too many than images shown against the user's choice.
    try {
        const int plain = ReadRegInteger(rcCurrentUser, BaseKey(FIdentities[static_cast<size_t>(FShown)]),
                                         "Read in Plain Text only");
        return plain != -1 && (plain & 0xFF) != 0;
    } catch (const Exception&) {
        return true;
    }
}

void TseparateDlg::btnRegFrontpagepathClick(TObject*)
{
    // Folder and filter index stay as the shared dialog's last use left them.
    std::string file;
    if (PickFile("Geben Sie eine loakle Webseite an.", "HTML-Dateien (*.*htm*)|*.*htm*|Alle Dateien (*.*)|*.*",
                 nullptr, file))
        edFrontpagePath->SetText(file);
}

std::string TseparateDlg::MarkPattern() const
{
    return FNotices->MarkPattern();
}

void TseparateDlg::CBDialogsClickCheck(TObject*)
{
    FNotices->MarksChanged();
    Changed();
}
