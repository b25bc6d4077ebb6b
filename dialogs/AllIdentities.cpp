#include "dialogs/AllIdentities.h"

#include "framework/MsgBox.h"
#include "controls/TFlatButtonUnit.h"
#include "controls/TFlatCheckBoxUnit.h"
#include "controls/TFlatEditUnit.h"
#include "controls/TFlatGroupBoxUnit.h"
#include "controls/TFlatPanelUnit.h"
#include "controls/TFlatSpeedButtonUnit.h"
#include "controls/TFlatTabControlUnit.h"
#include "controls/TabPages.h"
#include "dialogs/DialogStyles.h"
#include "settings/GlobalSettings.h"
#include "framework/Dialogs.h"
#include "framework/Notebook.h"
#include "framework/PictureWidth.h"
#include "framework/SoundFile.h"
#include "framework/Seams.h"
#include "framework/StdImage.h"
#include "framework/StdLabel.h"
#include "framework/SysUtils.h"
#include "registry/PathComp.h"

TAllDlg* AllDlg = nullptr;

namespace {

using Row = TLayoutRow<TAllDlg>;
using D = TAllDlg;

constexpr int kMaxBitmap = 22;
constexpr const char* kStandard = kStandardBitmap;

void ImageStyle(TControl& c)
{
    static_cast<TImage&>(c).SetCenter(true);
}

void StandardImageStyle(TControl& c)
{
    auto& image = static_cast<TImage&>(c);
    image.SetCenter(true);
    TBitmap picture;
    picture.LoadFromResource(GetModuleHandleA(nullptr), "STANDARDBMP");
    image.SetPicture(picture);
}

void PlayStyle(TControl& c)
{
    auto& button = static_cast<TFlatSpeedButton&>(c);
    TBitmap glyph;
    glyph.LoadFromResource(GetModuleHandleA(nullptr), "PLAYGLYPH");
    button.SetGlyph(glyph);
}

// The body above the tabs.
const Row kBody[] = {
    {.create = Ctl<&D::Label5>, .name = "Label5", .parent = "Panel3", .left = 8, .top = 7, .width = 481, .height = 18,
     .caption = "Diese Einstellungen wirken sich auf alle Identitäten aus!", .font = {.size = 10, .style = fsBold},
     .style = CentredLabelStyle},
    {.create = Ctl<&D::flTab>, .name = "flTab", .parent = "Panel3", .left = 8, .top = 30, .width = 481, .height = 358,
     .flags = lfTabStop, .style = TabStripStyle},
    {.create = Ctl<&D::nb>, .name = "nb", .parent = "flTab", .left = 0, .top = 0, .width = 479, .height = 330,
     .color = kGroupColor, .align = alClient},
};

// Every setting: a group box around a white panel with its explanation and
// its controls. Page names are those of the notebook.
const Row kPages[] = {
    // Sicherheit
    {.create = New<TFlatGroupBox>, .name = "grpAttach", .parent = "Mail-Attach", .left = 8, .top = 8, .width = 459,
     .height = 124, .caption = "Blockierte E-Mail-Anhänge:", .style = GroupStyle},
    {.create = New<TFlatPanel>, .name = "pnlAttach", .parent = "grpAttach", .left = 8, .top = 18, .width = 443,
     .height = 98, .style = WhitePanelStyle},
    {.create = Ctl<&D::Label6>, .name = "Label6", .parent = "pnlAttach", .left = 8, .top = 6, .width = 427, .height = 56,
     .caption = "Mit der Installation des Service Pack 2 vom Internet Explorer 6.0 können in Outlook Express die "
                "Mail-Anhänge blockiert und freigegeben werden. Sie können diese Option, die im Menü EXTRAS - "
                "OPTIONEN, Register Sicherheit erreichbar ist, deaktivieren.",
     .style = ExplainStyle},
    {.create = Ctl<&D::ChkAttachments>, .name = "ChkAttachments", .parent = "pnlAttach", .left = 8, .top = 72,
     .width = 427, .height = 17,
     .caption = "Auswahl deaktivieren und E-Mail-Anhänge für alle unzugänglich machen", .onClick = &D::chkHotMailClick},

    // Konten
    {.create = New<TFlatGroupBox>, .name = "grpKonto", .parent = "Konten", .left = 8, .top = 8, .width = 459,
     .height = 106, .caption = "Konten schützen:", .style = GroupStyle},
    {.create = New<TFlatPanel>, .name = "pnlKonto", .parent = "grpKonto", .left = 8, .top = 18, .width = 443,
     .height = 80, .style = WhitePanelStyle},
    {.create = Ctl<&D::Label3>, .name = "Label3", .parent = "pnlKonto", .left = 8, .top = 6, .width = 427, .height = 44,
     .caption = "Die Konten-Einstellungen können jederzeit über das Menü EXTRAS - KONTEN verändert werden. Wenn Sie "
                "die Einstellungen schützen wollen, können Sie das Menü ausblenden. Mail-Accounts können dann "
                "generell nicht angelegt bzw. verändert werden!",
     .style = ExplainStyle},
    {.create = Ctl<&D::ChkSaveKonto>, .name = "ChkSaveKonto", .parent = "pnlKonto", .left = 8, .top = 56, .width = 427,
     .height = 17, .caption = "E-Mail-Konten schützen, durch Ausblenden des Menüs", .onClick = &D::ChkSaveKontoClick},
    {.create = Ctl<&D::GroupBoxHTTPMail>, .name = "GroupBoxHTTPMail", .parent = "Konten", .left = 8, .top = 118,
     .width = 459, .height = 90, .caption = "HTTP-Mailkonto:", .style = GroupStyle},
    {.create = New<TFlatPanel>, .name = "pnlHTTPMail", .parent = "GroupBoxHTTPMail", .left = 8, .top = 18, .width = 443,
     .height = 64, .style = WhitePanelStyle},
    {.create = Ctl<&D::lblHTTPMail>, .name = "lblHTTPMail", .parent = "pnlHTTPMail", .left = 8, .top = 6, .width = 427,
     .height = 30,
     .caption = "HTTP (Hypertext Transfer Protocol) ist ein Internetprotokoll für den Zugriff auf Nachrichten, die "
                "auf einem Server gespeichert sind, wie z.B. Hotmail.",
     .style = ExplainStyle},
    {.create = Ctl<&D::chkHTTPMail>, .name = "chkHTTPMail", .parent = "pnlHTTPMail", .left = 8, .top = 40, .width = 427,
     .height = 17, .caption = "HTTP-Mailkonten deaktivieren", .onClick = &D::chkHTTPMailClick},
    {.create = Ctl<&D::GroupBoxHotmail>, .name = "GroupBoxHotmail", .parent = "Konten", .left = 8, .top = 212,
     .width = 459, .height = 112, .caption = "Hotmail-Konto:", .anchors = akLeft | akBottom, .style = GroupStyle},
    {.create = New<TFlatPanel>, .name = "pnlHotmail", .parent = "GroupBoxHotmail", .left = 8, .top = 18, .width = 443,
     .height = 86, .style = WhitePanelStyle},
    {.create = Ctl<&D::lblHotmail>, .name = "lblHotmail", .parent = "pnlHotmail", .left = 8, .top = 6, .width = 427,
     .height = 56,
     .caption = "Microsoft hat Hotmail in Outlook Express integriert. Nachrichten, die über ein Hotmail-Konto "
                "abgewickelt werden, können direkt in Outlook Express geladen werden. Hiermit können Sie Hotmail "
                "deaktivieren, so dass es beim Anlegen eines neuen Kontos nicht mehr verfügbar ist.",
     .style = ExplainStyle},
    {.create = Ctl<&D::chkHotMail>, .name = "chkHotMail", .parent = "pnlHotmail", .left = 8, .top = 64, .width = 427,
     .height = 17, .caption = "Hotmail deaktivieren", .onClick = &D::chkHotMailClick},

    // Messenger
    {.create = New<TFlatGroupBox>, .name = "grpMessenger", .parent = "Messenger", .left = 8, .top = 8, .width = 459,
     .height = 124, .caption = "MSN Messenger:", .style = GroupStyle},
    {.create = New<TFlatPanel>, .name = "pnlMessenger", .parent = "grpMessenger", .left = 8, .top = 18, .width = 443,
     .height = 98, .style = WhitePanelStyle},
    {.create = Ctl<&D::Label1>, .name = "Label1", .parent = "pnlMessenger", .left = 8, .top = 6, .width = 427,
     .height = 56,
     .caption = "Der MSN Messenger startet automatisch mit Outlook Express. \"Der MSN Messenger - damit sehen Sie "
                "jederzeit, wer Ihrer Freunde oder Kollegen online ist.\" lautet des Slogan von Microsoft®. Sie "
                "möchten dies nicht, dann deaktivieren Sie ihn einfach.",
     .style = ExplainStyle},
    {.create = Ctl<&D::chkMessenger>, .name = "chkMessenger", .parent = "pnlMessenger", .left = 8, .top = 72,
     .width = 427, .height = 17, .caption = "Messenger deaktivieren", .onClick = &D::chkHotMailClick},

    // Grafik & Sound
    {.create = New<TFlatGroupBox>, .name = "grpGrafik", .parent = "Grafik_Sound", .left = 8, .top = 8, .width = 459,
     .height = 150, .caption = "Grafik:", .style = GroupStyle},
    {.create = New<TFlatPanel>, .name = "pnlGrafik", .parent = "grpGrafik", .left = 8, .top = 18, .width = 443,
     .height = 124, .style = WhitePanelStyle},
    {.create = Ctl<&D::Label11>, .name = "Label11", .parent = "pnlGrafik", .left = 8, .top = 6, .width = 427,
     .height = 44,
     .caption = "Ändern Sie die Standardgrafik im rechten Bereich der Symbolleiste. Geben Sie ein 22 Pixel breites "
                "Bild an. Die Höhe der Grafik, die egal ist, wird automatisch für die Animation genutzt.",
     .style = ExplainStyle},
    {.create = Ctl<&D::edGrafik>, .name = "edGrafik", .parent = "pnlGrafik", .left = 8, .top = 60, .width = 340,
     .height = 19, .flags = lfTabStop, .style = ReadOnlyEditStyle, .onChange = &D::chkHotMailClick},
    {.create = Ctl<&D::btnRegBmp>, .name = "btnRegBmp", .parent = "pnlGrafik", .left = 350, .top = 60, .width = 21,
     .height = 19, .hint = "Bitmap auswählen", .style = PickerStyle, .onClick = &D::btnRegBmpClick},
    {.create = Ctl<&D::ImageSymb>, .name = "ImageSymb", .parent = "pnlGrafik", .left = 386, .top = 57, .width = 25,
     .height = 25, .hint = "Bildvorschau", .style = ImageStyle},
    {.create = Ctl<&D::ImageSymbStandard>, .name = "ImageSymbStandard", .parent = "pnlGrafik", .left = 386, .top = 57,
     .width = 25, .height = 25, .hint = "Bildvorschau", .flags = lfHidden, .style = StandardImageStyle},
    {.create = Ctl<&D::btnStandardBmp>, .name = "btnStandardBmp", .parent = "pnlGrafik", .left = 8, .top = 90,
     .width = 89, .height = 25, .caption = "Standard", .hint = "Standardanimation wiederherstellen",
     .color = 15395040, .flags = lfTabStop, .onClick = &D::btnStandardBmpClick},
    {.create = New<TFlatGroupBox>, .name = "grpSound", .parent = "Grafik_Sound", .left = 8, .top = 166, .width = 459,
     .height = 100, .caption = "Signalton:", .style = GroupStyle},
    {.create = New<TFlatPanel>, .name = "pnlSound", .parent = "grpSound", .left = 8, .top = 18, .width = 443,
     .height = 74, .style = WhitePanelStyle},
    {.create = Ctl<&D::Label13>, .name = "Label13", .parent = "pnlSound", .left = 8, .top = 6, .width = 427,
     .height = 17, .caption = "Ändern Sie den Signalton, der den Erhalt einer E-Mail signalisiert.",
     .style = ExplainStyle},
    {.create = Ctl<&D::edSound>, .name = "edSound", .parent = "pnlSound", .left = 8, .top = 34, .width = 340,
     .height = 19, .flags = lfTabStop, .style = ReadOnlyEditStyle, .onChange = &D::chkHotMailClick},
    {.create = Ctl<&D::btnRegSound>, .name = "btnRegSound", .parent = "pnlSound", .left = 350, .top = 34, .width = 21,
     .height = 19, .hint = "Sound auswählen", .style = PickerStyle, .onClick = &D::btnRegSoundClick},
    {.create = Ctl<&D::ImageSoundPlay>, .name = "ImageSoundPlay", .parent = "pnlSound", .left = 386, .top = 31,
     .width = 25, .height = 25, .hint = "Anhören", .style = PlayStyle, .onClick = &D::ImageSoundPlayClick},

    // Kontakte
    {.create = New<TFlatGroupBox>, .name = "grpKontakte", .parent = "Adressbuch", .left = 8, .top = 8, .width = 459,
     .height = 136, .caption = "Gemeinsame Kontakte:", .style = GroupStyle},
    {.create = New<TFlatPanel>, .name = "pnlKontakte", .parent = "grpKontakte", .left = 8, .top = 18, .width = 443,
     .height = 110, .style = WhitePanelStyle},
    {.create = Ctl<&D::Label7>, .name = "Label7", .parent = "pnlKontakte", .left = 8, .top = 6, .width = 427,
     .height = 70,
     .caption = "Sie nutzen gleichzeitig Outlook Express und MS Outlook? Die Adressdaten werden daher einmal im "
                "Windows-Adressbuch und im Kontakte-Ordner gespeichert. Es besteht die Möglichkeit, auf die Kontakte "
                "in beiden Programmen zuzugreifen. Unter Windows XP und Outlook Express 6 besteht diese Möglichkeit "
                "offiziell nicht mehr, inoffiziell aber schon:",
     .style = ExplainStyle},
    {.create = Ctl<&D::ChkUseOutlook>, .name = "ChkUseOutlook", .parent = "pnlKontakte", .left = 8, .top = 84,
     .width = 427, .height = 17, .caption = "Kontakte in MS Outlook und Outlook Express verwenden",
     .onClick = &D::chkHotMailClick},

    // E-Mail-Zugriff
    {.create = New<TFlatGroupBox>, .name = "grpMailKontext", .parent = "Mailzugriff", .left = 8, .top = 8,
     .width = 459, .height = 110, .caption = "Neue E-Mail im Kontextmenü:", .style = GroupStyle},
    {.create = New<TFlatPanel>, .name = "pnlMailKontext", .parent = "grpMailKontext", .left = 8, .top = 18,
     .width = 443, .height = 84, .style = WhitePanelStyle},
    {.create = Ctl<&D::Label9>, .name = "Label9", .parent = "pnlMailKontext", .left = 8, .top = 6, .width = 427,
     .height = 44,
     .caption = "Im Windows Explorer und auf dem Desktop haben Sie die Möglichkeit über das Kontextmenü (rechte "
                "Maustaste) neue Objekte einzufügen. Ab sofort können Sie dort auch neue Mails erstellen:",
     .style = ExplainStyle},
    {.create = Ctl<&D::chkMailKontext>, .name = "chkMailKontext", .parent = "pnlMailKontext", .left = 8, .top = 58,
     .width = 427, .height = 17,
     .caption = "\"Neu - Outlook Express Mail-Nachricht\" ins Kontextmenü des Explorers",
     .onClick = &D::chkHotMailClick},
};

// Each setting's row in the model and its control.
const TBindRow<D> kBindings[] = {
    {"Symbolleistengrafik", nullptr, &D::edGrafik},
    {"Signalton", nullptr, &D::edSound},
    {"OutlookKontakte", &D::ChkUseOutlook, nullptr},
    {"MessengerAus", &D::chkMessenger, nullptr},
    {"KontenSchuetzen", &D::ChkSaveKonto, nullptr},
    {"AnhaengeBlockieren", &D::ChkAttachments, nullptr},
    {"NeueMailImKontextmenue", &D::chkMailKontext, nullptr},
    {"HotmailAus", &D::chkHotMail, nullptr},
    {"HttpMailAus", &D::chkHTTPMail, nullptr},
};

} // namespace

TAllDlg::TAllDlg(TComponent* owner)
    : TSettingsDlg(owner, {"Allgemeine Einstellungen von Microsoft® Outlook Express",
                           " Zorvane - Allgemeine Einstellungen", 497, 465, true}),
      FModel(GlobalSettings(TPathComponent().ShellTemplatesFolder()))
{
    SetName("AllDlg");
    PathComponent = new TPathComponent(this);
    PathComponent->SetName("PathComponent");

    TLayoutBuilder<TAllDlg> build(*this);
    build.Add(kBody);
    BindTabPages(*flTab, *nb,
                 {{"Sicherheit", "Mail-Attach"}, {"Konten", "Konten"}, {"Messenger", "Messenger"},
                  {"Grafik && Sound", "Grafik_Sound"}, {"Kontakte", "Adressbuch"}, {"E-Mail-Zugriff", "Mailzugriff"}});
    build.Add(kPages);
    build.Finish();
    SetActiveControl(flTab);

    BindRows(FBinding, *this, kBindings);
    // The pickers change what their row's edit shows: greyed with it.
    FBinding.Companions(kToolbarBitmap, {btnRegBmp, btnStandardBmp});
    FBinding.Companions(kMailSound, {btnRegSound, ImageSoundPlay});
    Attach(FBinding);
}

std::vector<std::string> TAllDlg::Load()
{
    flTab->SetActiveTab(0);
    std::vector<std::string> problems = FModel.Load("");
    FBinding.Show();
    // No path shows "Standard" and the built-in picture.
    if (FModel.Row(kToolbarBitmap).readable) {
        if (edGrafik->Text() == kStandard)
            btnStandardBmpClick(nullptr);
        else
            ShowPreview(edGrafik->Text());
    }
    // Both rules as at a click, the HTTP-mail rule last.
    LockRule();
    HttpRule();
    return problems;
}

void TAllDlg::chkHotMailClick(TObject*)
{
    Changed();
}

void TAllDlg::LockRule()
{
    const bool locked = ChkSaveKonto->Checked() != 0;
    const bool noHttp = chkHTTPMail->Checked() != 0;
    GroupBoxHTTPMail->SetEnabled(!locked);
    lblHTTPMail->SetEnabled(!locked);
    FBinding.Enable(chkHTTPMail, !locked);
    GroupBoxHotmail->SetEnabled(!locked && !noHttp);
    lblHotmail->SetEnabled(!locked && !noHttp);
    FBinding.Enable(chkHotMail, !locked && !noHttp);
}

void TAllDlg::HttpRule()
{
    const bool noHttp = chkHTTPMail->Checked() != 0;
    GroupBoxHotmail->SetEnabled(!noHttp);
    lblHotmail->SetEnabled(!noHttp);
    FBinding.Enable(chkHotMail, !noHttp);
}

void TAllDlg::ChkSaveKontoClick(TObject*)
{
    LockRule();
    Changed();
}

void TAllDlg::chkHTTPMailClick(TObject*)
{
    HttpRule();
    Changed();
}

void TAllDlg::ShowPreview(const std::string& fileName)
{
    // A stored path whose file is gone or unreadable is no error: the path
    // shows and the preview stays empty.
    TBitmap picture;
    if (!picture.LoadFromFile(fileName))
        picture.Clear();
    ImageSymb->SetPicture(picture);
    ImageSymb->SetVisible(true);
    ImageSymbStandard->SetVisible(false);
}

void TAllDlg::btnRegBmpClick(TObject*)
{
    const std::string folder = ExtractFilePath(edGrafik->Text());
    std::string file;
    if (!PickFile(Format("%dx%d Pixel große Bitmap wählen", kMaxBitmap, kMaxBitmap),
                  "BMP-Dateien (*.bmp)|*.bmp|Alle Dateien (*.*)|*.*", &folder, file))
        return;
    if (UpperCase(ExtractFileExt(file)) != ".BMP") {
        ShowMsg("Dies ist kein Bild im BMP-Format!", "", mkError, btOK);
        return;
    }
    const std::optional<int> width = PictureWidth(file);
    if (!width) {
        ShowMsg("Die ausgewählte Datei ist keine lesbare Bitmap!", "", mkError, btOK);
        return;
    }
    if (*width > kMaxBitmap) {
        ShowMsg(Format("Das ausgewählte Bild überschreitet die maximale Größe von %dx%d Pixel!", kMaxBitmap, kMaxBitmap),
                "", mkError, btOK);
        return;
    }
    edGrafik->SetText(file);
    ShowPreview(file);
}

void TAllDlg::btnStandardBmpClick(TObject*)
{
    ImageSymb->SetPicture(TBitmap());
    ImageSymb->SetVisible(false);
    ImageSymbStandard->SetVisible(true);
    edGrafik->SetText(kStandard);
}

void TAllDlg::btnRegSoundClick(TObject*)
{
    const std::string folder = ExtractFilePath(edSound->Text());
    std::string file;
    if (!PickFile("Sound im WAV-Format wählen", "WAV-Dateien (*.wav)|*.wav|Alle Dateien (*.*)|*.*", &folder, file))
        return;
    if (UpperCase(ExtractFileExt(file)) != ".WAV") {
        ShowMsg("Dies ist kein Sound im WAV-Format!", "", mkError, btOK);
        return;
    }
    // A file that only looks like one would leave the client silent.
    if (!IsWaveFile(file)) {
        ShowMsg("Die ausgewählte Datei ist keine lesbare WAV-Datei (RIFF/WAVE)!", "", mkError, btOK);
        return;
    }
    edSound->SetText(file);
}

void TAllDlg::ImageSoundPlayClick(TObject*)
{
    const std::string sound = edSound->Text();
    if (sound.empty())
        return;
    // Never a substitute: the system would play its default sound for a
    // missing or broken file and report success.
    if (!IsWaveFile(ExpandEnvPath(sound, false)) ||
        !Seams::PlaySound()(sound.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NOWAIT | SND_NODEFAULT))
        ShowMsg("System konnte Sound-Datei nicht wiedergeben!", "", mkError, btOK);
}
