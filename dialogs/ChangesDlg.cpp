#include "dialogs/ChangesDlg.h"

#include "controls/TFlatListBoxUnit.h"
#include "dialogs/DialogStyles.h"
#include "framework/StdLabel.h"

namespace {

using Row = TLayoutRow<TChangesDlg>;
using D = TChangesDlg;

const Row kContent[] = {
    {.create = Ctl<&D::lblChanges>, .name = "lblChanges", .parent = "Panel3", .left = 8, .top = 8, .width = 481,
     .height = 30, .style = ExplainStyle},
    {.create = Ctl<&D::LBoxChanges>, .name = "LBoxChanges", .parent = "Panel3", .left = 8, .top = 42, .width = 481,
     .height = 226, .flags = lfTabStop, .style = ScrollingListStyle},
};

} // namespace

TChangesDlg::TChangesDlg(TComponent* owner, const std::string& title, std::vector<TApplyPart*> parts,
                         const std::vector<TSettingChange>& changes, std::string label)
    : TSettingsDlg(owner, {title.c_str(), (" Zorvane - " + title).c_str(), 497, 345, false}), FParts(std::move(parts)),
      FLabel(std::move(label))
{
    SetName("ChangesDlg");
    TLayoutBuilder<TChangesDlg> build(*this);
    build.Add(kContent);
    build.Finish();
    std::vector<std::string> lines;
    for (const TSettingChange& change : changes)
        lines.push_back(ChangeLine(change));
    LBoxChanges->Items().Assign(lines);
    lblChanges->SetCaption(changes.empty()
                               ? std::string("Alles ist schon so eingestellt. Es gibt nichts zu ändern.")
                               : "Mit \"OK\" werden diese " + std::to_string(changes.size()) +
                                     " Einstellungen geändert. Zuvor legt Zorvane eine Sicherung an:");
}

std::string TChangesDlg::ChangeLine(const TSettingChange& change)
{
    return change.scope + " - " + change.title + ": " + change.before + " -> " + change.after;
}
