// The one way settings reach the registry, from a dialog or from the command
// line: plan the backup of everything the parts will change, write it, and
// only then write the parts, collecting every refusal.
#pragma once

#include "settings/SettingModel.h"

#include <span>
#include <string>
#include <vector>

struct TApplyOutcome {
    enum Status {
        NothingToDo,    // no part had a change; nothing written, no backup
        BackupFailed,   // the backup could not be written; nothing written
        Done,           // written; refused lists what the registry refused
    } status = NothingToDo;
    std::string backupFile;   // the backup written
    std::string backupError;  // why it could not be
    std::vector<TRefusedWrite> refused;
};

// How old the parts' reads are when the apply runs.
enum class TReadAge {
    // Read when a dialog opened: the backup reads every value again, as it
    // may have changed meanwhile.
    Earlier,
    // Read just before (a command-line apply reads and writes in one go): the
    // backup keeps the bytes read.
    JustNow,
};

// label names the backup file ("Allgemein", "Identitaet_Anna", ...).
TApplyOutcome RunApply(std::span<TApplyPart* const> parts, const std::string& label,
                       TReadAge readAge = TReadAge::Earlier);
