#include "app/info.h"

#include "app/AboutTexts.h"
#include "app/CompileInfo.h"
#include "app/Main.h"
#include "controls/HTTPLabel.h"
#include "controls/TFlatButtonUnit.h"
#include "controls/TFlatGroupBoxUnit.h"
#include "controls/TFlatPanelUnit.h"
#include "framework/DragMove.h"
#include "framework/StdBevel.h"
#include "framework/StdImage.h"
#include "framework/StdLabel.h"
#include "framework/SysUtils.h"

TAboutDlg* AboutDlg = nullptr;

namespace {

constexpr const char* kMailUrl = "mailto:info@example.org";
constexpr const char* kMailCaption = "© 2008 Zorvane-Team";
constexpr const char* kWebUrl = "http://www.example.org";
constexpr const char* kWebCaption = "www.example.org";
constexpr const char* kClientNotice = "Outlook Express ist ein Produkt von Microsoft.";
constexpr const char* kControlsCredit = "Flache Steuerelemente vom Zorvane-Team";

// The two labels whose right edge is fixed.
void AlignRightEdge(TLabel* label, int right)
{
    label->SetLeft(right - label->Width());
}

} // namespace

TAboutDlg::TAboutDlg(TComponent* owner) : TForm(owner)
{
    SetName("AboutDlg");
    SetCaption("Info");
    SetBorderStyle(bsNone);
    SetClientSize(298, 319);
    SetPosition(poScreenCenter);

    auto drag = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) { PanelTitleMouseDown(s, b, sh, x, y); };

    PanelTitle = new TFlatPanel(this);
    PanelTitle->SetName("PanelTitle");
    PanelTitle->SetParent(this);
    PanelTitle->SetHeight(20);
    PanelTitle->SetAlign(alTop);
    PanelTitle->SetCaption(" Zorvane");
    PanelTitle->SetAlignment(taLeftJustify);
    PanelTitle->Font().SetColor(clWhite);
    PanelTitle->Font().SetStyle(fsBold);
    PanelTitle->SetColor(RGBColor(0x3A, 0x6E, 0xA5));
    PanelTitle->SetColorHighLight(clBlack);
    PanelTitle->SetColorShadow(clBlack);
    PanelTitle->OnMouseDown = drag;

    btnClose = new TFlatButton(this);
    btnClose->SetName("btnClose");
    btnClose->SetParent(PanelTitle);
    btnClose->SetBounds(277, 2, 16, 16);
    btnClose->SetCaption("x");
    TBitmap cross;
    cross.LoadFromResource(GetModuleHandleA(nullptr), "CLOSEGLYPH");
    btnClose->SetGlyph(cross);
    btnClose->SetHint("Fenster schließen");
    btnClose->SetShowHint(true);
    btnClose->SetColor(RGBColor(0xEC, 0xEC, 0xCE));
    btnClose->SetColorFocused(RGBColor(0xE0, 0xE8, 0xEA));
    btnClose->SetColorDown(RGBColor(0xF0, 0xCA, 0xA6));
    btnClose->SetColorBorder(clWhite);
    btnClose->SetColorShadow(RGBColor(0xF0, 0xFB, 0xFF));
    btnClose->SetMargin(0);
    btnClose->SetSpacing(0);
    btnClose->OnClick = [this](TObject* s) { btnCloseClick(s); };

    FlatPanel1 = new TFlatPanel(this);
    FlatPanel1->SetName("FlatPanel1");
    FlatPanel1->SetParent(this);
    FlatPanel1->SetAlign(alClient);
    FlatPanel1->SetColor(RGBColor(0xC5, 0xD2, 0xD8));
    FlatPanel1->SetColorHighLight(clBlack);
    FlatPanel1->SetColorShadow(clBlack);
    FlatPanel1->OnMouseDown = drag;

    FlatGroupBox1 = new TFlatGroupBox(this);
    FlatGroupBox1->SetName("FlatGroupBox1");
    FlatGroupBox1->SetParent(FlatPanel1);
    FlatGroupBox1->SetBounds(8, 8, 281, 249);
    FlatGroupBox1->SetCaption("Info:");
    FlatGroupBox1->SetColor(RGBColor(0xF1, 0xF1, 0xC1));
    FlatGroupBox1->SetColorBorder(clWhite);

    ProgramIcon = new TImage(this);
    ProgramIcon->SetName("ProgramIcon");
    ProgramIcon->SetParent(FlatGroupBox1);
    ProgramIcon->SetBounds(8, 16, 65, 57);
    ProgramIcon->SetCenter(true);
    ProgramIcon->SetTransparent(true);
    ProgramIcon->SetIcon(static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), "MAINICON", IMAGE_ICON, 32, 32, 0)));

    ProductName = MakeLabel("ProductName", 88, 24, "ProductName");
    ProductName->SetAutoSize(false);
    ProductName->SetBounds(88, 24, 169, 26);
    ProductName->SetWordWrap(true);
    CompileDateLabel = MakeLabel("CompileDateLabel", 88, 60, "CompileDate");
    Version = MakeLabel("Version", 88, 80, "Version");

    Copyright = MakeLabel("Copyright", 0, 104, "Copyright:");
    AlignRightEdge(Copyright, 75);
    HTTPMailto = MakeLink("HTTPMailto", 88, 105, 166, 13, kMailCaption, kMailUrl);
    Comments = MakeLabel("Comments", 0, 131, "Webseite:");
    AlignRightEdge(Comments, 72);
    HTTPWebsite = MakeLink("HTTPWebsite", 88, 131, 102, 13, kWebCaption, kWebUrl);

    Bevel1 = new TBevel(this);
    Bevel1->SetName("Bevel1");
    Bevel1->SetParent(FlatGroupBox1);
    Bevel1->SetBounds(8, 160, 265, 2);
    Bevel1->SetShape(bsTopLine);
    Label1 = MakeLabel("Label1", 16, 172, kClientNotice);
    Bevel2 = new TBevel(this);
    Bevel2->SetName("Bevel2");
    Bevel2->SetParent(FlatGroupBox1);
    Bevel2->SetBounds(8, 192, 265, 2);
    Bevel2->SetShape(bsTopLine);
    Label4 = MakeLabel("Label4", 16, 204, "Verwendete Komponenten:");
    Label2 = MakeLabel("Label2", 37, 225, kControlsCredit);

    OkBtn = new TFlatButton(this);
    OkBtn->SetName("OkBtn");
    OkBtn->SetParent(FlatPanel1);
    OkBtn->SetBounds(104, 265, 89, 25);
    OkBtn->SetCaption("OK");
    OkBtn->SetModalResult(mrOk);
    OkBtn->SetColor(RGBColor(0xE0, 0xE8, 0xEA));
    OkBtn->SetColorFocused(RGBColor(0xF1, 0xF1, 0xC1));
    OkBtn->SetColorDown(clWhite);
    OkBtn->SetColorBorder(clBlack);

    OnShow = [this](TObject* s) { FormShow(s); };
}

TLabel* TAboutDlg::MakeLabel(const char* name, int left, int top, const char* caption)
{
    auto* label = new TLabel(this);
    label->SetName(name);
    label->SetParent(FlatGroupBox1);
    label->SetTransparent(true);
    label->SetAutoSize(true);
    label->SetCaption(caption);
    label->SetLeft(left);
    label->SetTop(top);
    return label;
}

THTTPLabel* TAboutDlg::MakeLink(const char* name, int left, int top, int width, int height, const char* caption,
                                const char* url)
{
    auto* link = new THTTPLabel(this);
    link->SetName(name);
    link->SetParent(FlatGroupBox1);
    link->SetAutoSize(false);
    link->SetBounds(left, top, width, height);
    link->SetTransparent(true);
    link->SetCaption(caption);
    link->Font().SetStyle(fsBold);
    link->SetBGColorNormal(clWhite);
    link->SetBGColorHighlight(RGBColor(0x54, 0x77, 0x8A));
    link->SetFontColorNormal(clBackground);
    link->SetFontColHighlightFocused(clWhite);
    link->SetFontColHighlightNoneFocused(clRed);
    link->SetFontStyleNormal(fsBold);
    link->SetFontStyleHighlightFocused(fsBold | fsUnderline);
    link->SetFontStyleHighlightNoneFocused(fsUnderline);
    link->SetUrl(url);
    link->SetShowUrlAsHint(true);
    link->SetShowHint(false);
    return link;
}

void TAboutDlg::FormShow(TObject*)
{
    ProductName->SetCaption(AboutProductText());
    const std::string date = MainDlg && MainDlg->CompileInfo ? MainDlg->CompileInfo->CompileDate() : std::string();
    CompileDateLabel->SetCaption(AboutDateText(date));
    // A build part that is no number raises here, before the label changes.
    const std::string version = AboutVersionTextOf(ModuleFileName());
    Version->SetCaption(version);
}

void TAboutDlg::PanelTitleMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    DragMoveWindow(Handle());
}

void TAboutDlg::btnCloseClick(TObject*)
{
    Close();
}
