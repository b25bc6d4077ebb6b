#include "dialogs/NoticeList.h"

#include "controls/TFlatCheckListBoxUnit.h"
#include "framework/StdLabel.h"
#include "registry/RegBackup.h"

namespace {

// Neither a backup nor a delete by name can reach such a value exactly.
constexpr const char* kNulReason = "der Name enthält ein NUL-Zeichen; Zorvane kann diesen Hinweis weder sichern noch "
                                   "gezielt entfernen";

std::string Title(const TExactName& name)
{
    return "Hinweis \"" + name.Shown + "\"";
}

} // namespace

void TNoticeList::Load(const std::string& key)
{
    FKey = key;
    FNames = GetRegValueNamesExact(rcCurrentUser, key).value_or(std::vector<TExactName>{});
    std::vector<std::string> shown;
    for (const TExactName& name : FNames)
        shown.push_back(name.HasNul() ? name.Shown + " (nicht entfernbar)" : name.Shown);
    // The list clears every tick when its entries change.
    FList.Items().Assign(shown);
    MarksChanged();
}

std::string TNoticeList::MarkPattern() const
{
    std::string pattern;
    for (int i = 0; i < FList.Items().Count(); ++i)
        pattern += FList.ItemChecked(i) ? '1' : '0';
    return pattern;
}

void TNoticeList::MarksChanged()
{
    FMarks.SetCaption(MarkPattern());
}

bool TNoticeList::HasChange() const
{
    return MarkPattern().find('1') != std::string::npos;
}

void TNoticeList::PlanBackup(TBackupPlan& plan) const
{
    for (size_t i = 0; i < FNames.size(); ++i)
        if (FList.ItemChecked(static_cast<int>(i)) && !FNames[i].HasNul())
            plan.Value(rcCurrentUser, FKey, FNames[i].Name);
}

void TNoticeList::Apply(std::vector<TRefusedWrite>& refused)
{
    for (size_t i = 0; i < FNames.size(); ++i) {
        if (!FList.ItemChecked(static_cast<int>(i)))
            continue;
        const TExactName& name = FNames[i];
        if (name.HasNul()) {
            refused.push_back({Title(name), kNulReason});
            continue;
        }
        const TRegResult deleted = DeleteRegValueExact(rcCurrentUser, FKey, name.Name);
        if (!deleted && deleted.Code != ERROR_FILE_NOT_FOUND)
            refused.push_back({Title(name), RefusalText(deleted.Code)});
    }
    Load(FKey);
}
