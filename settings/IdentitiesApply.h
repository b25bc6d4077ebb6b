// Settings given by name going to several identities at once: each
// identity's own model is read and given the states, so that only rows that
// differ there are written, and one backup covers them all.
#pragma once

#include "registry/IdentityCatalog.h"
#include "settings/SettingModel.h"

#include <string>
#include <utility>
#include <vector>

using TNamedStates = std::vector<std::pair<std::string, std::string>>;

class TIdentitiesApply : public TApplyPart {
public:
    TIdentitiesApply(std::vector<TIdentityInfo> identities, TNamedStates states, TGiven given = TGiven::AsShown);

    // Reads every identity and gives it the states. Returns what could not be
    // read, each line with its identity.
    std::vector<std::string> Load();

    bool HasChange() const override;
    void PlanBackup(TBackupPlan& plan) const override;
    // Refusals are named "Identität <Name>: <setting>".
    void Apply(std::vector<TRefusedWrite>& refused) override;
    std::vector<TSettingChange> Changes() const;

    static std::string Scope(const TIdentityInfo& identity) { return "Identität " + identity.UserName; }

private:
    std::vector<TIdentityInfo> FIdentities;
    TNamedStates FStates;
    TGiven FGiven;
    std::vector<TSettingModel> FModels;
};
