// An identity's suppressed notices, the values of its "Dont Show Dialogs"
// key: one tick box per notice, and applying deletes the ticked values so
// that the client shows those notices again.
#pragma once

#include "registry/ExactNames.h"
#include "settings/SettingModel.h"

#include <string>
#include <vector>

class TFlatCheckListBox;
class TLabel;

class TNoticeList : public TApplyPart {
public:
    // marks is the invisible label that holds the tick pattern.
    TNoticeList(TFlatCheckListBox& list, TLabel& marks) : FList(list), FMarks(marks) {}

    // The notices below key, in the registry's order, none ticked.
    void Load(const std::string& key);
    // "1" for each ticked entry, "0" for each other, in entry order.
    std::string MarkPattern() const;
    // After a tick changed: the pattern label follows the list.
    void MarksChanged();

    bool HasChange() const override;
    void PlanBackup(TBackupPlan& plan) const override;
    // Deletes exactly the ticked notices, then reads the list again.
    void Apply(std::vector<TRefusedWrite>& refused) override;

private:
    TFlatCheckListBox& FList;
    TLabel& FMarks;
    std::string FKey;
    std::vector<TExactName> FNames;
};
