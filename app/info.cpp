#include "app/info.h"

#include "app/AboutTexts.h"
#include "app/CompileInfo.h"
#include "app/Main.h"
#include "app/WindowStyles.h"
#include "controls/HTTPLabel.h"
#include "controls/TFlatButtonUnit.h"
#include "dialogs/DialogStyles.h"
#include "controls/TFlatGroupBoxUnit.h"
#include "controls/TFlatPanelUnit.h"
#include "framework/DragMove.h"
#include "framework/Layout.h"
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

using A = TAboutDlg;
using Row = TLayoutRow<TAboutDlg>;

constexpr TColor kInfoColor = RGBColor(0xF1, 0xF1, 0xC1);

void InfoGroupStyle(TControl& c)
{
    static_cast<TFlatGroupBox&>(c).SetColorBorder(clWhite);
}

void IconStyle(TControl& c)
{
    auto& image = static_cast<TImage&>(c);
    image.SetCenter(true);
    image.SetTransparent(true);
    image.SetIcon(static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), "MAINICON", IMAGE_ICON, 32, 32, 0)));
}

// A label as wide as its text; the table gives where it starts.
void TextStyle(TControl& c)
{
    auto& label = static_cast<TLabel&>(c);
    label.SetTransparent(true);
    label.SetAutoSize(true);
}

// A label as wide as its text whose right edge stays where the table ends it.
void RightEdgeStyle(TControl& c)
{
    TextStyle(c);
    static_cast<TLabel&>(c).SetAlignment(taRightJustify);
}

void AboutLinkStyle(TControl& c)
{
    LinkStyle(c);
    static_cast<THTTPLabel&>(c).SetTransparent(true);
}

void LineStyle(TControl& c)
{
    static_cast<TBevel&>(c).SetShape(bsTopLine);
}

void OkStyle(TControl& c)
{
    auto& button = static_cast<TFlatButton&>(c);
    button.SetModalResult(mrOk);
    button.SetColorFocused(kInfoColor);
    button.SetColorDown(clWhite);
    button.SetColorBorder(clBlack);
}

const Row kLayout[] = {
    {.create = Ctl<&A::PanelTitle>, .name = "PanelTitle", .parent = nullptr, .left = 0, .top = 0, .width = 298,
     .height = 20, .caption = " Zorvane", .color = RGBColor(0x3A, 0x6E, 0xA5),
     .font = {.style = fsBold, .color = clWhite}, .align = alTop, .style = TitleBarStyle,
     .onMouseDown = &A::PanelTitleMouseDown},
    {.create = Ctl<&A::btnClose>, .name = "btnClose", .parent = "PanelTitle", .left = 277, .top = 2, .width = 16,
     .height = 16, .caption = "x", .hint = "Fenster schließen", .style = TitleCloseStyle, .onClick = &A::btnCloseClick},
    {.create = Ctl<&A::FlatPanel1>, .name = "FlatPanel1", .parent = nullptr, .left = 0, .top = 20, .width = 298,
     .height = 299, .color = RGBColor(0xC5, 0xD2, 0xD8), .align = alClient, .style = BlackFrameStyle,
     .onMouseDown = &A::PanelTitleMouseDown},
    {.create = Ctl<&A::FlatGroupBox1>, .name = "FlatGroupBox1", .parent = "FlatPanel1", .left = 8, .top = 8,
     .width = 281, .height = 249, .caption = "Info:", .color = kInfoColor, .style = InfoGroupStyle},
    {.create = Ctl<&A::ProgramIcon>, .name = "ProgramIcon", .parent = "FlatGroupBox1", .left = 8, .top = 16,
     .width = 65, .height = 57, .style = IconStyle},
    {.create = Ctl<&A::ProductName>, .name = "ProductName", .parent = "FlatGroupBox1", .left = 88, .top = 24,
     .width = 169, .height = 26, .caption = "ProductName", .style = ExplainStyle},
    {.create = Ctl<&A::CompileDateLabel>, .name = "CompileDateLabel", .parent = "FlatGroupBox1", .left = 88,
     .top = 60, .width = 0, .height = 0, .caption = "CompileDate", .style = TextStyle},
    {.create = Ctl<&A::Version>, .name = "Version", .parent = "FlatGroupBox1", .left = 88, .top = 80, .width = 0,
     .height = 0, .caption = "Version", .style = TextStyle},
    {.create = Ctl<&A::Copyright>, .name = "Copyright", .parent = "FlatGroupBox1", .left = 0, .top = 104, .width = 75,
     .height = 0, .caption = "Copyright:", .style = RightEdgeStyle},
    {.create = Ctl<&A::HTTPMailto>, .name = "HTTPMailto", .parent = "FlatGroupBox1", .left = 88, .top = 105,
     .width = 166, .height = 13, .caption = kMailCaption, .font = {.style = fsBold}, .style = AboutLinkStyle},
    {.create = Ctl<&A::Comments>, .name = "Comments", .parent = "FlatGroupBox1", .left = 0, .top = 131, .width = 72,
     .height = 0, .caption = "Webseite:", .style = RightEdgeStyle},
    {.create = Ctl<&A::HTTPWebsite>, .name = "HTTPWebsite", .parent = "FlatGroupBox1", .left = 88, .top = 131,
     .width = 102, .height = 13, .caption = kWebCaption, .font = {.style = fsBold}, .style = AboutLinkStyle},
    {.create = Ctl<&A::Bevel1>, .name = "Bevel1", .parent = "FlatGroupBox1", .left = 8, .top = 160, .width = 265,
     .height = 2, .style = LineStyle},
    {.create = Ctl<&A::Label1>, .name = "Label1", .parent = "FlatGroupBox1", .left = 16, .top = 172, .width = 0,
     .height = 0, .caption = kClientNotice, .style = TextStyle},
    {.create = Ctl<&A::Bevel2>, .name = "Bevel2", .parent = "FlatGroupBox1", .left = 8, .top = 192, .width = 265,
     .height = 2, .style = LineStyle},
    {.create = Ctl<&A::Label4>, .name = "Label4", .parent = "FlatGroupBox1", .left = 16, .top = 204, .width = 0,
     .height = 0, .caption = "Verwendete Komponenten:", .style = TextStyle},
    {.create = Ctl<&A::Label2>, .name = "Label2", .parent = "FlatGroupBox1", .left = 37, .top = 225, .width = 0,
     .height = 0, .caption = kControlsCredit, .style = TextStyle},
    {.create = Ctl<&A::OkBtn>, .name = "OkBtn", .parent = "FlatPanel1", .left = 104, .top = 265, .width = 89,
     .height = 25, .caption = "OK", .color = RGBColor(0xE0, 0xE8, 0xEA), .style = OkStyle},
};

} // namespace

TAboutDlg::TAboutDlg(TComponent* owner) : TForm(owner)
{
    SetName("AboutDlg");
    SetCaption("Info");
    SetBorderStyle(bsNone);
    SetClientSize(298, 319);
    SetPosition(poScreenCenter);

    TLayoutBuilder<TAboutDlg> build(*this);
    build.Add(kLayout);
    build.Finish();
    HTTPMailto->SetUrl(kMailUrl);
    HTTPWebsite->SetUrl(kWebUrl);

    OnShow = [this](TObject* s) { FormShow(s); };
}

void TAboutDlg::FormShow(TObject*)
{
    ProductName->SetCaption(AboutProductText());
    const std::string date = MainDlg && MainDlg->CompileInfo ? MainDlg->CompileInfo->CompileDate() : std::string();
    CompileDateLabel->SetCaption(AboutDateText(date));
    // A build part that is no number raises here, before the label changes.
    const std::string version = AboutVersionTextOf(VersionFile.empty() ? ModuleFileName() : VersionFile);
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
