#include "app/Main.h"

#include "app/CompileInfo.h"
#include "framework/MsgBox.h"
#include "app/SkinRegion.h"
#include "app/WindowStyles.h"
#include "app/Sponsors.h"
#include "app/info.h"
#include "controls/HTTPLabel.h"
#include "controls/TFlatButtonUnit.h"
#include "controls/TFlatGroupBoxUnit.h"
#include "controls/TFlatHintUnit.h"
#include "controls/TFlatSpeedButtonUnit.h"
#include "dialogs/AllIdentities.h"
#include "dialogs/Attachments.h"
#include "dialogs/BackupsDlg.h"
#include "dialogs/ChangeRegistry.h"
#include "dialogs/ClientGuards.h"
#include "dialogs/DialogStyles.h"
#include "framework/Dialogs.h"
#include "framework/DragMove.h"
#include "framework/Layout.h"
#include "framework/StdImage.h"
#include "framework/StdLabel.h"
#include "registry/PathComp.h"

#include <chrono>
#include <random>

TMainDlg* MainDlg = nullptr;

namespace {

constexpr TColor kButtonFace = RGBColor(241, 241, 193);
constexpr TColor kButtonFocused = RGBColor(224, 232, 234);

using M = TMainDlg;
using Row = TLayoutRow<TMainDlg>;

// A dialog button of the main window, pressed in colour down.
template <TColor down>
void DialogButtonStyle(TControl& c)
{
    auto& button = static_cast<TFlatSpeedButton&>(c);
    button.SetColorFocused(kButtonFocused);
    button.SetColorDown(down);
    button.SetColorBorder(clWhite);
    button.SetColorShadow(clWhite);
}

void BackupButtonStyle(TControl& c)
{
    DialogButtonStyle<RGBColor(240, 251, 255)>(c);
    TBitmap glyph;
    glyph.LoadFromResource(GetModuleHandleA(nullptr), "BACKUPGLYPH");
    static_cast<TFlatSpeedButton&>(c).SetGlyph(glyph);
}

void SponsorGroupStyle(TControl& c)
{
    static_cast<TFlatGroupBox&>(c).SetColorBorder(clBlack);
}

void SponsorLinkStyle(TControl& c)
{
    LinkStyle(c);
    static_cast<THTTPLabel&>(c).SetAlignment(taCenter);
}

void TransparentImageStyle(TControl& c)
{
    static_cast<TImage&>(c).SetTransparent(true);
}

constexpr TAnchors kStretch = akLeft | akTop | akRight;
constexpr TAnchors kFoot = akLeft | akRight | akBottom;

const Row kLayout[] = {
    {.create = Ctl<&M::SkinImg>, .name = "SkinImg", .parent = nullptr, .left = 0, .top = 0, .width = 450, .height = 350,
     .style = TransparentImageStyle, .onMouseDown = &M::SkinImgMouseDown},
    {.create = Ctl<&M::btnAllgemein>, .name = "btnAllgemein", .parent = nullptr, .left = 95, .top = 129, .width = 306,
     .height = 30, .caption = "Allgemeine Einstellungen",
     .hint = "Einstellungen, die sich auf alle Identitäten in Outlook Express auswirken.", .color = kButtonFace,
     .anchors = kStretch, .style = DialogButtonStyle<clInfoBk>, .onClick = &M::btnAllgemeinClick},
    {.create = Ctl<&M::btnIdent>, .name = "btnIdent", .parent = nullptr, .left = 95, .top = 169, .width = 306,
     .height = 30, .caption = "Einstellungen für Identitäten",
     .hint = "Einstellungen werden für jede einzelne Identität vorgenommen.", .color = kButtonFace,
     .anchors = kStretch, .style = DialogButtonStyle<RGBColor(240, 202, 166)>, .onClick = &M::btnIdentClick},
    {.create = Ctl<&M::btnAbout>, .name = "btnAbout", .parent = nullptr, .left = 95, .top = 214, .width = 306,
     .height = 25, .caption = "Info", .hint = "Informationen zur Software: Version und Autor", .color = kButtonFace,
     .anchors = kStretch, .style = DialogButtonStyle<RGBColor(240, 251, 255)>, .onClick = &M::btnAboutClick},
    {.create = Ctl<&M::btnMailAttachments>, .name = "btnMailAttachments", .parent = nullptr, .left = 95, .top = 183,
     .width = 306, .height = 30, .caption = "E-Mail-Anhänge",
     .hint = "Geben Sie nicht alle, sondern nur einzelne Dateierweiterungen in OE frei", .color = kButtonFace,
     .anchors = kStretch, .flags = lfHidden, .style = DialogButtonStyle<RGBColor(192, 220, 192)>,
     .onClick = &M::btnMailAttachmentsClick},
    {.create = Ctl<&M::btnBackup>, .name = "btnBackup", .parent = nullptr, .left = 8, .top = 240, .width = 25,
     .height = 25, .hint = "Sicherungen: Änderungen rückgängig machen", .color = kButtonFace,
     .style = BackupButtonStyle, .onClick = &M::btnBackupClick},
    {.create = Ctl<&M::FlatGroupBox1>, .name = "FlatGroupBox1", .parent = nullptr, .left = 75, .top = 264,
     .width = 350, .height = 57, .caption = "Gesponsert von:", .color = kButtonFace, .style = SponsorGroupStyle},
    {.create = Ctl<&M::lblWerbetext>, .name = "lblWerbetext", .parent = "FlatGroupBox1", .left = 8, .top = 14,
     .width = 333, .height = 13, .anchors = kFoot, .style = CentredLabelStyle},
    {.create = Ctl<&M::lblWerbeURL>, .name = "lblWerbeURL", .parent = "FlatGroupBox1", .left = 8, .top = 33,
     .width = 333, .height = 17, .anchors = kFoot, .style = SponsorLinkStyle},
    {.create = Ctl<&M::btnClose>, .name = "btnClose", .parent = nullptr, .left = 236, .top = 12, .width = 16,
     .height = 16, .caption = "x", .hint = "Programm beenden", .anchors = akTop | akRight, .style = CloseButtonStyle,
     .onClick = &M::btnCloseClick},
};

// Opens a dialog the way every button does: a fresh instance without an
// owner, held in its global reference while it is shown modally, destroyed
// when the modal loop returns. The modal result is not used.
template <typename TDialog, typename Prepare>
void OpenModal(TDialog*& reference, Prepare prepare)
{
    reference = new TDialog(nullptr);
    struct Release {
        TDialog*& reference;
        ~Release()
        {
            delete reference;
            reference = nullptr;
        }
    } release{reference};
    prepare(*reference);
    reference->ShowModal();
}

template <typename TDialog>
void OpenModal(TDialog*& reference)
{
    OpenModal(reference, [](TDialog&) {});
}

} // namespace

TMainDlg::TMainDlg(TComponent* owner) : TForm(owner)
{
    MainDlg = this;
    SetName("MainDlg");
    SetCaption("Pelmora");
    SetBorderStyle(bsNone);
    SetClientSize(450, 350);
    SetPosition(poScreenCenter);
    SetColor(clBtnFace);

    TLayoutBuilder<TMainDlg> build(*this);
    build.Add(kLayout);

    FlatHint = new TFlatHint(this);
    FlatHint->SetName("FlatHint");
    TFont hintFont;
    hintFont.SetName("Tahoma");
    hintFont.SetSize(8);
    FlatHint->SetFont(hintFont);

    CompileInfo = new TCompileInfo(this);
    CompileInfo->SetName("CompileInfo");
    CompileInfo->SetCompileDate("07.04.2008 10:34:22");
    CompileInfo->SetFormat(tfDefault);
    CompileInfo->SetUpdate(true);
    CompileInfo->SetVersion("1.0");

    PathComponent = new TPathComponent(this);
    PathComponent->SetName("PathComponent");
    SaveDialog = new TSaveDialog(this);
    SaveDialog->SetName("SaveDialog");
    OpenDialog = new TOpenDialog(this);
    OpenDialog->SetName("OpenDialog");

    build.Finish();

    OnShow = [this](TObject* s) { FormShow(s); };
    FormCreate(this);
}

void TMainDlg::FormCreate(TObject*)
{
    SkinApplied = false;
}

void TMainDlg::FormShow(TObject*)
{
    if (!SkinApplied)
        ApplySkin();
    PickSponsor();
}

void TMainDlg::ApplySkin()
{
    TBitmap skin;
    if (!skin.LoadFromResource(GetModuleHandleA(nullptr), "MAINPICTURE"))
        return;
    SkinImg->SetPicture(skin);
    {
        WindowDC dc(Handle());
        TCanvas canvas(dc.Get());
        canvas.Draw(0, 0, skin);
    }
    HRGN region = CreateSkinRegion(skin.Handle());
    ++FSkinRegionBuilds;
    // From here on the system owns the region.
    if (region)
        SetWindowRgn(Handle(), region, TRUE);
    SkinApplied = true;
}

void TMainDlg::PickSponsor()
{
    // Seeded from the clock at every show, as the sponsor changes with it.
    std::mt19937 random(static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
    FSponsorIndex = std::uniform_int_distribution<int>(0, kSponsorCount - 1)(random);
    const std::string address = SponsorAddress[FSponsorIndex];
    lblWerbetext->SetCaption(SponsorText[FSponsorIndex]);
    lblWerbeURL->SetCaption(address);
    lblWerbeURL->SetHint(address);
    lblWerbeURL->SetUrl("http://" + address + "?zorvane");
}

void TMainDlg::SkinImgMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    DragMoveWindow(Handle());
}

bool TMainDlg::ClientIsRunning()
{
    return ClientWindowRunning();
}

void TMainDlg::btnAllgemeinClick(TObject*)
{
    if (!CheckClientInstalled() || ClientIsRunning())
        return;
    OpenModal(AllDlg, [this](TAllDlg& dialog) { dialog.SetFileDialog(OpenDialog); });
}

void TMainDlg::btnIdentClick(TObject*)
{
    if (!CheckClientInstalled() || ClientIsRunning())
        return;
    OpenModal(SeparateDlg, [this](TseparateDlg& dialog) { dialog.SetFileDialog(OpenDialog); });
}

void TMainDlg::btnMailAttachmentsClick(TObject*)
{
    // A viewer that writes nothing: a running client does not matter.
    if (!CheckClientInstalled())
        return;
    OpenModal(AttachDlg);
}

void TMainDlg::btnAboutClick(TObject*)
{
    OpenModal(AboutDlg);
}

void TMainDlg::btnCloseClick(TObject*)
{
    Close();
}

void TMainDlg::btnBackupClick(TObject*)
{
    OpenModal(BackupsDlg, [this](TBackupsDlg& dlg) { dlg.SetSaveDialog(SaveDialog); });
}
