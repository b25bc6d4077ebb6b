#include "app/Main.h"

#include "app/CompileInfo.h"
#include "app/MsgBox.h"
#include "app/SkinRegion.h"
#include "app/Sponsors.h"
#include "app/info.h"
#include "controls/HTTPLabel.h"
#include "controls/TFlatButtonUnit.h"
#include "controls/TFlatGroupBoxUnit.h"
#include "controls/TFlatHintUnit.h"
#include "controls/TFlatSpeedButtonUnit.h"
#include "dialogs/AllIdentities.h"
#include "dialogs/ChangeRegistry.h"
#include "framework/Dialogs.h"
#include "framework/DragMove.h"
#include "framework/StdImage.h"
#include "framework/StdLabel.h"
#include "registry/ClientCheck.h"
#include "registry/PathComp.h"
#include "registry/unitEXRegistry.h"

#include <chrono>
#include <random>

TMainDlg* MainDlg = nullptr;

namespace {

using Handler = void (TMainDlg::*)(TObject*);

// The four dialog buttons: position, texts, pressed colour and handler.
struct SpeedButtonRow {
    TFlatSpeedButton* TMainDlg::*field;
    const char* name;
    int left, top, width, height;
    const char* caption;
    const char* hint;
    TColor colorDown;
    bool visible;
    Handler click;
};

const SpeedButtonRow kSpeedButtons[] = {
    {&TMainDlg::btnAllgemein, "btnAllgemein", 95, 129, 306, 30, "Allgemeine Einstellungen",
     "Einstellungen, die sich auf alle Identitäten in Outlook Express auswirken.", clInfoBk, true,
     &TMainDlg::btnAllgemeinClick},
    {&TMainDlg::btnIdent, "btnIdent", 95, 169, 306, 30, "Einstellungen für Identitäten",
     "Einstellungen werden für jede einzelne Identität vorgenommen.", RGBColor(240, 202, 166), true,
     &TMainDlg::btnIdentClick},
    {&TMainDlg::btnAbout, "btnAbout", 95, 214, 306, 25, "Info", "Informationen zur Software: Version und Autor",
     RGBColor(240, 251, 255), true, &TMainDlg::btnAboutClick},
    {&TMainDlg::btnMailAttachments, "btnMailAttachments", 95, 183, 306, 30, "E-Mail-Anhänge",
     "Geben Sie nicht alle, sondern nur einzelne Dateierweiterungen in OE frei", RGBColor(192, 220, 192), false,
     &TMainDlg::btnMailAttachmentsClick},
};

constexpr TColor kButtonFace = RGBColor(241, 241, 193);
constexpr TColor kButtonFocused = RGBColor(224, 232, 234);

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

    SkinImg = new TImage(this);
    SkinImg->SetName("SkinImg");
    SkinImg->SetParent(this);
    SkinImg->SetBounds(0, 0, 450, 350);
    SkinImg->SetTransparent(true);
    SkinImg->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) { SkinImgMouseDown(s, b, sh, x, y); };

    for (const SpeedButtonRow& row : kSpeedButtons) {
        auto* button = new TFlatSpeedButton(this);
        button->SetName(row.name);
        button->SetParent(this);
        button->SetBounds(row.left, row.top, row.width, row.height);
        button->SetCaption(row.caption);
        button->SetHint(row.hint);
        button->SetShowHint(true);
        button->SetColor(kButtonFace);
        button->SetColorFocused(kButtonFocused);
        button->SetColorDown(row.colorDown);
        button->SetColorBorder(clWhite);
        button->SetColorShadow(clWhite);
        button->SetAnchors(akLeft | akTop | akRight);
        button->SetVisible(row.visible);
        const Handler click = row.click;
        button->OnClick = [this, click](TObject* s) { (this->*click)(s); };
        this->*row.field = button;
    }

    // Hidden and connected to nothing; btnBackupClick exists on its own.
    btnBackup = new TFlatSpeedButton(this);
    btnBackup->SetName("btnBackup");
    btnBackup->SetParent(this);
    btnBackup->SetBounds(8, 240, 25, 25);
    btnBackup->SetVisible(false);

    FlatGroupBox1 = new TFlatGroupBox(this);
    FlatGroupBox1->SetName("FlatGroupBox1");
    FlatGroupBox1->SetParent(this);
    FlatGroupBox1->SetBounds(75, 264, 350, 57);
    FlatGroupBox1->SetCaption("Gesponsert von:");
    FlatGroupBox1->SetColor(kButtonFace);
    FlatGroupBox1->SetColorBorder(clBlack);

    lblWerbetext = new TLabel(this);
    lblWerbetext->SetName("lblWerbetext");
    lblWerbetext->SetParent(FlatGroupBox1);
    lblWerbetext->SetAutoSize(false);
    lblWerbetext->SetBounds(8, 14, 333, 13);
    lblWerbetext->SetAlignment(taCenter);
    lblWerbetext->SetAnchors(akLeft | akRight | akBottom);

    lblWerbeURL = new THTTPLabel(this);
    lblWerbeURL->SetName("lblWerbeURL");
    lblWerbeURL->SetParent(FlatGroupBox1);
    lblWerbeURL->SetAutoSize(false);
    lblWerbeURL->SetBounds(8, 33, 333, 17);
    lblWerbeURL->SetAlignment(taCenter);
    lblWerbeURL->SetBGColorNormal(clWhite);
    lblWerbeURL->SetBGColorHighlight(RGBColor(84, 119, 138));
    lblWerbeURL->SetFontColorNormal(clBackground);
    lblWerbeURL->SetFontColHighlightFocused(clWhite);
    lblWerbeURL->SetFontColHighlightNoneFocused(clRed);
    lblWerbeURL->SetFontStyleNormal(fsBold);
    lblWerbeURL->SetFontStyleHighlightFocused(fsBold | fsUnderline);
    lblWerbeURL->SetFontStyleHighlightNoneFocused(fsUnderline);
    // Stored in this order: the link as hint first, then no tooltip at all.
    lblWerbeURL->SetShowUrlAsHint(true);
    lblWerbeURL->SetShowHint(false);
    lblWerbeURL->SetAnchors(akLeft | akRight | akBottom);

    btnClose = new TFlatButton(this);
    btnClose->SetName("btnClose");
    btnClose->SetParent(this);
    btnClose->SetBounds(236, 12, 16, 16);
    btnClose->SetCaption("x");
    TBitmap cross;
    cross.LoadFromResource(GetModuleHandleA(nullptr), "CLOSEGLYPH");
    btnClose->SetGlyph(cross);
    btnClose->SetHint("Programm beenden");
    btnClose->SetShowHint(true);
    btnClose->SetColor(RGBColor(236, 236, 206));
    btnClose->SetColorFocused(kButtonFocused);
    btnClose->SetColorDown(RGBColor(240, 202, 166));
    btnClose->SetColorBorder(clWhite);
    btnClose->SetColorShadow(RGBColor(240, 251, 255));
    btnClose->SetAnchors(akTop | akRight);
    btnClose->OnClick = [this](TObject* s) { btnCloseClick(s); };

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

    OnShow = [this](TObject* s) { FormShow(s); };
    OnPaint = [this](TObject* s) { FormPaint(s); };
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

void TMainDlg::FormPaint(TObject*) {}

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

void TMainDlg::PanelTitleMouseDown(TObject*, TMouseButton, TShiftState, int, int)
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
    if (!CheckClientInstalled())
        return;
    // The attachment types dialog opens here.
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
    TExRegistry registry(KEY_READ);
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    if (registry.OpenKey("Software\\Microsoft\\Outlook Express", false) && registry.ExportKey("e:\\exp.txt"))
        Application()->MessageBox("Erfolgreich!");
    registry.CloseKey();
}
