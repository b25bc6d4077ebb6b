// A way back for every apply: before a settings dialog writes anything, it
// lists what it will touch, and one REGEDIT4 file is written that puts exactly
// those values and keys back as they are now. Double-clicking the file in the
// Explorer restores them with the system's registry editor.
#pragma once

#include "registry/RegHelpers.h"

#include <windows.h>

#include <string>
#include <vector>

class TRegFileWriter;

// What an apply will touch, filled before it writes.
class TBackupPlan {
public:
    // A value the apply will set or delete; an empty name is the default value.
    void Value(RootCode root, const std::string& path, const std::string& name);
    // A key the apply will delete with all its values and sub-keys, or may
    // create: restoring puts it back as it is now, or deletes it.
    void Key(RootCode root, const std::string& path);
    bool Empty() const { return FItems.empty(); }

    // Writes the sections that restore the registry's present state of
    // everything planned: an existing value with its type and bytes, a
    // missing value as "name"=-, a missing key (which the apply will create)
    // as [-topmost missing key], a key to be deleted as [-key] followed by
    // the whole key. Raises EExRegistryException when a key exists but
    // cannot be read.
    void WriteRestore(TRegFileWriter& writer) const;

private:
    struct TItem {
        HKEY Root;
        std::string Path;
        std::string Name;
        bool WholeKey;
    };
    std::vector<TItem> FItems;
};

enum class TBackupStatus { NothingToDo, Written, Failed };

struct TBackupResult {
    TBackupStatus Status = TBackupStatus::NothingToDo;
    // The file written.
    std::string FileName;
    // Names the file format cannot carry (they contain a NUL): the backup
    // restores everything but these.
    std::vector<std::string> LeftOut;
    // Why no backup could be written.
    std::string Error;
};

// <application data>\Zorvane\Sicherungen; empty when the system names no
// application-data folder.
std::string BackupFolder();

// The text with every character that a file name cannot hold replaced by "_".
std::string FileSafeName(const std::string& text);

// Writes the backup of plan into BackupFolder(), creating the folder, as
// "YYYY-MM-DD_hh-mm-ss_<label>.reg" (label made file-safe, e.g. "Allgemein"
// or "Identitaet_" + identity name), with "_02", "_03" ... before ".reg" when
// an earlier file of the same second has that name. All or nothing: a file
// appears only complete. An empty plan writes no file. On Failed the apply
// must not write anything.
TBackupResult WriteBackup(const TBackupPlan& plan, const std::string& label);
TBackupResult WriteBackup(const TBackupPlan& plan, const std::string& label, const std::string& folder,
                          const SYSTEMTIME& when);
