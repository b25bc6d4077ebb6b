#include "settings/ApplyRun.h"

#include "registry/RegBackup.h"

TApplyOutcome RunApply(std::span<TApplyPart* const> parts, const std::string& label, TReadAge readAge)
{
    TApplyOutcome outcome;
    TBackupPlan plan;
    if (readAge == TReadAge::JustNow)
        plan.UseValuesAsRead();
    bool any = false;
    for (const TApplyPart* part : parts)
        if (part->HasChange()) {
            part->PlanBackup(plan);
            any = true;
        }
    if (!any)
        return outcome;
    const TBackupResult backup = WriteBackup(plan, label);
    if (backup.Status == TBackupStatus::Failed) {
        outcome.status = TApplyOutcome::BackupFailed;
        outcome.backupError = backup.Error;
        return outcome;
    }
    outcome.status = TApplyOutcome::Done;
    outcome.backupFile = backup.FileName;
    for (TApplyPart* part : parts)
        if (part->HasChange())
            part->Apply(outcome.refused);
    return outcome;
}
