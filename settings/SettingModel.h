// The settings of one scope (the global ones, or one identity's) as a model
// of their own, free of any control: each row remembers the state it read
// and holds the state it is to get. One walker reads the rows, tells what
// changed, plans the backup of it and writes it in row order.
#pragma once

#include "registry/RegError.h"
#include "settings/SettingDef.h"

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class TBackupPlan;

// A setting whose write the registry refused, and why.
struct TRefusedWrite {
    std::string title;
    std::string reason;
};

// Something an apply writes after its backup: a settings model, the list of
// suppressed notices.
class TApplyPart {
public:
    virtual ~TApplyPart() = default;
    virtual bool HasChange() const = 0;
    virtual void PlanBackup(TBackupPlan& plan) const = 0;
    // Writes what changed and adds what could not be written to refused.
    virtual void Apply(std::vector<TRefusedWrite>& refused) = 0;
};

// One setting an apply would change, for previews: where, what, and its
// state before and after in the words the user sees.
struct TSettingChange {
    std::string scope;    // "Allgemeine Einstellungen", "Identität Anna"
    std::string title;
    std::string before;
    std::string after;
};

struct TSettingRow {
    TSettingDef def;
    // States are texts: a check box's number ("0", "1", "255" ...) or the text.
    std::string loaded;
    std::string state;
    // False when the value could not be read: the row is never written.
    bool readable = false;
    // A text row's value as stored, so that its type and its environment
    // references survive an edit.
    TRegText stored;
    // The value's bytes as read, which a backup taken right after the read
    // may keep instead of reading them again; none for hook rows and the
    // classes root.
    std::optional<TRegStored> asRead;
    // A path given with environment references (from a profile): state holds
    // it expanded, and it is stored as given, as REG_EXPAND_SZ.
    std::string referenced;

    // Hooks of rows that are more than one value.
    // Reads the row's state in place of the table.
    std::function<std::string(const std::string& base)> read;
    // Carries out a kRunAction write: empty text when done, else why not.
    std::function<std::string(bool checked)> action;
    // Adds to a backup plan what the action will touch.
    std::function<void(TBackupPlan& plan, bool checked)> planAction;

    bool Changed() const { return readable && state != loaded; }
    bool Checked() const { return !def.IsText() && state != "0"; }
    // A state as the user reads it: "an" or "aus" for a check box.
    std::string Shown(const std::string& someState) const;
};

// How a state given from outside is meant: as the user sees it, or as a
// profile stores it, where a path may name environment references
// ("%USERPROFILE%\start.htm") that each user expands to his own folders.
enum class TGiven { AsShown, AsStored };

class TSettingModel : public TApplyPart {
public:
    explicit TSettingModel(std::span<const TSettingDef> defs);

    // The rows in table order; their number never changes, so references
    // to them stay valid.
    std::vector<TSettingRow>& Rows() { return FRows; }
    const std::vector<TSettingRow>& Rows() const { return FRows; }
    // The row of that name; raises for a name the table does not have.
    TSettingRow& Row(std::string_view name);
    const TSettingRow* Find(std::string_view name) const;

    // Reads every row below base (joined with each row's key). A row whose
    // value cannot be read is left out of every apply; the problems are
    // returned, one line per row.
    std::vector<std::string> Load(const std::string& base);
    const std::string& Base() const { return FBase; }

    bool HasChange() const override;
    // The value of every changed row; for an action what it touches.
    void PlanBackup(TBackupPlan& plan) const override;
    // Writes the changed rows in row order; a written row's state becomes
    // its loaded state. Every refusal is collected, also an error raised by
    // one row: the rows after it are still written.
    void Apply(std::vector<TRefusedWrite>& refused) override;

    // Gives the row of that name a state from outside (a profile, another
    // identity). A check box counts by whether it is set: "1" leaves a box
    // that shows 255 as it is. An unreadable row takes nothing; false when
    // the name is unknown.
    bool Give(std::string_view name, const std::string& state, TGiven how = TGiven::AsShown);
    // The changed rows, for a preview.
    std::vector<TSettingChange> Changes(const std::string& scope) const;

    static std::string KeyPath(const std::string& base, const char* key);
    // How messages name where a row lives: "HKEY_...\path, Wert "name"".
    static std::string Where(const TSettingRow& row, const std::string& base);

private:
    std::string ReadState(TSettingRow& row) const;
    // ERROR_SUCCESS when written, else the system's code; reason set for
    // refusals that are no registry code.
    LONG WriteRow(TSettingRow& row, std::string& reason);

    std::vector<TSettingRow> FRows;
    std::string FBase;
};
