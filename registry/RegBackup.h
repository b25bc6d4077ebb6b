// A way back for every apply: before a settings dialog writes anything, it
// lists what it will touch, and one registry file is written that puts exactly
// those values and keys back as they are now. Double-clicking the file in the
// Explorer restores them with the system's registry editor. The file is in the
// editor's Unicode format ("Windows Registry Editor Version 5.00", which
// Windows 2000 and later import), and everything in it is read with the wide
// calls, so that names and texts outside the code page come back exactly.
#pragma once

#include "registry/RegHelpers.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

class TRegFileWriter;

// What an apply will touch, filled before it writes.
class TBackupPlan {
public:
    // A value the apply will set or delete; an empty name is the default value.
    // asRead, when given, is the value as the caller read it (see UseValuesAsRead).
    void Value(RootCode root, const std::string& path, const std::string& name, const TRegStored* asRead = nullptr);
    // The same by the value's exact name, as GetRegValueNamesExact lists it.
    void Value(RootCode root, const std::string& path, const std::wstring& exactName);
    // A key the apply will delete with all its values and sub-keys, or may
    // create: restoring puts it back as it is now, or deletes it.
    void Key(RootCode root, const std::string& path);
    // A comment line at the top of the file, e.g. "Vorlage von Zorvane:
    // <path>" to say that a file named in the backup is the program's own;
    // each line of the text becomes a line of its own. Notes alone make no
    // backup: Empty looks at values and keys only.
    void Note(const std::string& comment);
    bool Empty() const { return FItems.empty(); }
    // The values were read just before the backup is written (a command-line
    // apply reads, plans and writes in one go): the bytes given with them go
    // into the file as they are, without reading every value again. A key
    // that was not there is still looked at.
    void UseValuesAsRead() { FUseValuesAsRead = true; }

    // Writes the notes and the sections that restore the registry's present
    // state of everything planned: an existing value with its type and bytes,
    // a missing value as "name"=-, a missing key (which the apply will create)
    // as [-topmost missing key], a key to be deleted as [-key] followed by the
    // whole key. A key whose path the file cannot carry is left out with
    // everything planned in it (see TRegFileWriter). Raises
    // EExRegistryException when a key exists but cannot be read. The writer
    // should be one for the Unicode format: the values are read with the
    // wide calls.
    void WriteRestore(TRegFileWriter& writer) const;

private:
    struct TItem {
        HKEY Root;
        std::string Path;
        std::wstring Name;
        bool WholeKey;
        std::optional<TRegStored> AsRead;
    };
    std::vector<TItem> FItems;
    std::vector<std::string> FNotes;
    bool FUseValuesAsRead = false;
};

enum class TBackupStatus { NothingToDo, Written, Failed };

struct TBackupResult {
    TBackupStatus Status = TBackupStatus::NothingToDo;
    // The file written.
    std::string FileName;
    // Names the file format cannot carry (a NUL in a name, a line break in a
    // key name): the backup restores everything but these.
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
// an earlier file of the same second has that name. A label of more than 48
// characters is cut to 39 and gets "~" and eight hexadecimal digits of a hash
// of the whole label, so that the whole path stays well within MAX_PATH and
// labels that differ only after the cut still get names of their own. All or
// nothing: a file appears only complete. An empty plan writes no file. On
// Failed the apply must not write anything.
TBackupResult WriteBackup(const TBackupPlan& plan, const std::string& label);
TBackupResult WriteBackup(const TBackupPlan& plan, const std::string& label, const std::string& folder,
                          const SYSTEMTIME& when);
