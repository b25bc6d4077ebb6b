#include "settings/IdentitiesApply.h"

#include "settings/IdentitySettings.h"

TIdentitiesApply::TIdentitiesApply(std::vector<TIdentityInfo> identities, TNamedStates states, TGiven given)
    : FIdentities(std::move(identities)), FStates(std::move(states)), FGiven(given)
{
}

std::vector<std::string> TIdentitiesApply::Load()
{
    std::vector<std::string> problems;
    FModels.clear();
    FModels.reserve(FIdentities.size());
    for (const TIdentityInfo& identity : FIdentities) {
        TSettingModel& model = FModels.emplace_back(IdentitySettings());
        for (const std::string& problem : model.Load(IdentityBaseKey(identity)))
            problems.push_back(Scope(identity) + ": " + problem);
        for (const auto& [name, state] : FStates)
            model.Give(name, state, FGiven);
    }
    return problems;
}

bool TIdentitiesApply::HasChange() const
{
    for (const TSettingModel& model : FModels)
        if (model.HasChange())
            return true;
    return false;
}

void TIdentitiesApply::PlanBackup(TBackupPlan& plan) const
{
    for (const TSettingModel& model : FModels)
        model.PlanBackup(plan);
}

void TIdentitiesApply::Apply(std::vector<TRefusedWrite>& refused)
{
    for (size_t i = 0; i < FModels.size(); ++i) {
        std::vector<TRefusedWrite> own;
        FModels[i].Apply(own);
        for (TRefusedWrite& r : own)
            refused.push_back({Scope(FIdentities[i]) + ": " + r.title, std::move(r.reason)});
    }
}

std::vector<TSettingChange> TIdentitiesApply::Changes() const
{
    std::vector<TSettingChange> changes;
    for (size_t i = 0; i < FModels.size(); ++i)
        for (TSettingChange& c : FModels[i].Changes(Scope(FIdentities[i])))
            changes.push_back(std::move(c));
    return changes;
}
