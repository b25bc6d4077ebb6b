#include "dialogs/Attachments.h"

#include "controls/TFlatButtonUnit.h"
#include "controls/TFlatListBoxUnit.h"
#include "controls/TFlatPanelUnit.h"
#include "controls/TFlatSpeedButtonUnit.h"
#include "dialogs/DialogStyles.h"
#include "framework/StdLabel.h"

#include <algorithm>

TAttachDlg* AttachDlg = nullptr;

namespace {

using Row = TLayoutRow<TAttachDlg>;
using D = TAttachDlg;

constexpr TLayoutFont kListFont = {.name = "Courier New"};

void ListPanelStyle(TControl& c)
{
    static_cast<TFlatPanel&>(c).SetCaption("");
}

// Before the bounds: the layout's height already counts the scroll buttons.
void TypeListStyle(TControl& c)
{
    auto& list = static_cast<TFlatListBox&>(c);
    list.SetMultiSelect(true);
    list.SetScrollBars(true);
}

void HeadingStyle(TControl& c)
{
    static_cast<TLabel&>(c).SetTransparent(true);
}

void CountStyle(TControl& c)
{
    auto& label = static_cast<TLabel&>(c);
    label.SetAutoSize(false);
    label.SetAlignment(taRightJustify);
    label.SetTransparent(true);
}

const Row kContent[] = {
    {.create = Ctl<&D::Label3>, .name = "Label3", .parent = "Panel3", .left = 8, .top = 4, .width = 488, .height = 66,
     .caption = "Dateien mit der Endung .ADE, .ADP, .BAS, .BAT, .CHM, .CMD, .COM, .CPL, .CRT, .EXE, .HLP, .HTA, "
                ".INF, .INS, .ISP, .JS, .JSE, .LNK, .MDB, .MDE, .MSC, .MSI, .MSP, .MST, .PCD, .PIF, .REG, .SCR, "
                ".SCT, .SHB, .SHS, .URL, .VB, .VBE, .VBS, .WSC, .WSF und .WSH können aus Sicherheitsgründen "
                "grundsätzlich nicht vereinzelt freigegeben werden!",
     .style = ExplainStyle},
    {.create = Ctl<&D::FlatPanel1>, .name = "FlatPanel1", .parent = "Panel3", .left = 8, .top = 72, .width = 488,
     .height = 352, .color = kGroupColor, .style = ListPanelStyle},

    {.create = Ctl<&D::Label1>, .name = "Label1", .parent = "FlatPanel1", .left = 8, .top = 8, .width = 201,
     .height = 13, .caption = "Freigegebene E-Mail-Anhänge", .style = HeadingStyle},
    {.create = Ctl<&D::LBoxFree>, .name = "LBoxFree", .parent = "FlatPanel1", .left = 8, .top = 26, .width = 201,
     .height = 309, .font = kListFont, .flags = lfTabStop, .style = TypeListStyle},

    {.create = Ctl<&D::Label2>, .name = "Label2", .parent = "FlatPanel1", .left = 279, .top = 8, .width = 140,
     .height = 13, .caption = "Gesperrte E-Mail-Anhänge:", .style = HeadingStyle},
    {.create = Ctl<&D::lblClosedCount>, .name = "lblClosedCount", .parent = "FlatPanel1", .left = 420, .top = 8,
     .width = 60, .height = 13, .caption = "0", .style = CountStyle},
    {.create = Ctl<&D::LBoxClosed>, .name = "LBoxClosed", .parent = "FlatPanel1", .left = 279, .top = 26,
     .width = 201, .height = 309, .font = kListFont, .flags = lfTabStop, .style = TypeListStyle,
     .onClick = &D::LBoxClosedClick},

    // Moving single types between the lists is not offered yet: both arrows
    // stay without an action, and ">" is never enabled.
    {.create = Ctl<&D::btn2free>, .name = "btn2free", .parent = "FlatPanel1", .left = 232, .top = 130, .width = 25,
     .height = 25, .caption = "<", .flags = lfDisabled},
    {.create = Ctl<&D::btn2Close>, .name = "btn2Close", .parent = "FlatPanel1", .left = 232, .top = 170, .width = 25,
     .height = 25, .caption = ">", .flags = lfDisabled},

    {.create = Ctl<&D::btnClosedOther>, .name = "btnClosedOther", .parent = "FlatPanel1", .left = 259, .top = 285,
     .width = 16, .height = 16, .caption = "<>", .hint = "Auswahl umkehren", .onClick = &D::btnClosedOtherClick},
    {.create = Ctl<&D::btnClosedAll>, .name = "btnClosedAll", .parent = "FlatPanel1", .left = 259, .top = 302,
     .width = 16, .height = 16, .caption = "+", .hint = "Alle Einträge markieren", .onClick = &D::btnClosedAllClick},
    {.create = Ctl<&D::btnClosedNone>, .name = "btnClosedNone", .parent = "FlatPanel1", .left = 259, .top = 319,
     .width = 16, .height = 16, .caption = "-", .hint = "Alle Einträge abwählen", .onClick = &D::btnClosedNoneClick},
};

} // namespace

TAttachDlg::TAttachDlg(TComponent* owner)
    : TSettingsDlg(owner, {"Einzelne E-Mail-Anhänge freigeben", " Zorvane - Einzelne E-Mail-Anhänge freigeben", 504,
                           503, false})
{
    SetName("AttachDlg");
    Font().SetName("MS Sans Serif");
    Font().SetSize(8);
    // The frame made its title bar before this dialog chose its font, and
    // the title's own bold white text no longer follows the dialog's: give
    // it the dialog's face and size again.
    PanelTitle->Font().SetName(Font().Name());
    PanelTitle->Font().SetHeight(Font().Height());
    OkBtn->SetLeft(160);
    CancelBtn->SetLeft(258);

    TLayoutBuilder<TAttachDlg> build(*this);
    build.Add(kContent);
    build.Finish();
}

std::vector<std::string> TAttachDlg::Load()
{
    FExtensions = ReadFileExtensions();
    std::vector<std::string> entries;
    entries.reserve(FExtensions.size());
    for (const TFileExtension& extension : FExtensions)
        entries.push_back(extension.Caption());
    // Thousands of entries on a machine with many programs: one change of
    // the items, so the list box repaints once and not per entry.
    LBoxClosed->Items().Assign(entries);
    lblClosedCount->SetCaption(std::to_string(entries.size()));
    return {};
}

void TAttachDlg::LBoxClosedClick(TObject*)
{
    btn2free->SetEnabled(LBoxClosed->SelectedCount() > 0);
}

// The list box keeps marks for its first entries only; later ones stay unmarked.
template <typename Mark>
void TAttachDlg::MarkClosed(Mark mark)
{
    const int count = std::min(LBoxClosed->Items().Count(), static_cast<int>(TFlatListBox::MaxMarks));
    for (int i = 0; i < count; ++i)
        LBoxClosed->SetItemSelected(i, mark(LBoxClosed->ItemSelected(i)));
}

void TAttachDlg::btnClosedAllClick(TObject*)
{
    MarkClosed([](bool) { return true; });
}

void TAttachDlg::btnClosedNoneClick(TObject*)
{
    MarkClosed([](bool) { return false; });
}

void TAttachDlg::btnClosedOtherClick(TObject*)
{
    MarkClosed([](bool marked) { return !marked; });
}
