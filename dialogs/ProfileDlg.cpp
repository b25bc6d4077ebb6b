#include "dialogs/ProfileDlg.h"

#include "controls/TFlatListBoxUnit.h"
#include "dialogs/DialogStyles.h"
#include "framework/StdLabel.h"

namespace {

using Row = TLayoutRow<TProfileDlg>;
using D = TProfileDlg;

void ChangeListStyle(TControl& c)
{
    auto& list = static_cast<TFlatListBox&>(c);
    list.SetColor(clWhite);
    list.SetScrollBars(true);
}

const Row kContent[] = {
    {.create = Ctl<&D::lblChanges>, .name = "lblChanges", .parent = "Panel3", .left = 8, .top = 8, .width = 481,
     .height = 30, .style = ExplainStyle},
    {.create = Ctl<&D::LBoxChanges>, .name = "LBoxChanges", .parent = "Panel3", .left = 8, .top = 42, .width = 481,
     .height = 226, .flags = lfTabStop, .style = ChangeListStyle},
};

} // namespace

TProfileDlg::TProfileDlg(TComponent* owner, std::vector<TApplyPart*> parts, const std::vector<TSettingChange>& changes,
                         std::string label)
    : TSettingsDlg(owner, {"Profil laden", " Zorvane - Profil laden", 497, 345, false}), FParts(std::move(parts)),
      FLabel(std::move(label))
{
    SetName("ProfileDlg");
    TLayoutBuilder<TProfileDlg> build(*this);
    build.Add(kContent);
    build.Finish();
    std::vector<std::string> lines;
    for (const TSettingChange& change : changes)
        lines.push_back(ChangeLine(change));
    LBoxChanges->Items().Assign(lines);
    lblChanges->SetCaption(changes.empty()
                               ? std::string("Das Profil stimmt mit den vorhandenen Einstellungen überein. Es gibt "
                                             "nichts zu ändern.")
                               : "Mit \"OK\" werden diese " + std::to_string(changes.size()) +
                                     " Einstellungen geändert. Zuvor legt Zorvane eine Sicherung an:");
}

std::string TProfileDlg::ChangeLine(const TSettingChange& change)
{
    return change.scope + " - " + change.title + ": " + change.before + " -> " + change.after;
}
