// The setting catalogue of a settings dialog: one table row per setting
// (control, hive, key, value, how a stored value becomes the control's state,
// what is written), and the one walker that loads the rows, finds the changed
// ones by their remembered texts and writes them in row order.
#pragma once

#include "registry/RegError.h"
#include "registry/RegHelpers.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class TFlatCheckBox;
class TCustomFlatEdit;
class TFlatEdit;
class TBackupPlan;

// How a stored value becomes a check box's number (only its lowest byte counts).
enum class TSense {
    Direct,      // the lowest byte of the value
    Inverted,    // the lowest byte with its lowest bit flipped
    Is,          // 1 when the value equals arg, else 0
    IsNot,       // 0 when the value equals arg, else 1
    NonEmpty,    // a text value: 1 when it is not empty
    Text,        // an edit's text
};

// What applying writes for one state of a check box.
struct TWrite {
    enum Kind { Number, Delete, Action } kind = Number;
    int value = 0;
};
inline constexpr TWrite Writes(int value) { return {TWrite::Number, value}; }
inline constexpr TWrite kDeleteValue{TWrite::Delete, 0};
inline constexpr TWrite kRunAction{TWrite::Action, 0};

inline constexpr int kNoAbsentState = -1;

// The part of a row that does not depend on the dialog's class.
struct TSettingDef {
    const char* title;      // how messages name the setting
    RootCode root;
    const char* key;        // relative to the dialog's base key; "" is the base
    const char* value;      // "" is the key's default value
    TSense sense;
    int arg = 0;            // the number Is / IsNot compare with
    int absent = kNoAbsentState;   // a check box's fixed number for an absent value
    TWrite checked = Writes(1);
    TWrite unchecked = Writes(0);
    bool expand = false;            // a text with environment references expanded
    const char* emptyText = nullptr;   // shown for an absent or empty text
    const char* deleteText = nullptr;  // the text that deletes the value
};

// One row bound to its control in a dialog.
struct TSetting {
    TSettingDef def;
    TFlatCheckBox* check = nullptr;
    TCustomFlatEdit* edit = nullptr;
    // Runs after the control got its loaded state (previews and the like).
    std::function<void()> loaded;
    // Carries out a kRunAction write: empty text when done, else why the
    // registry refused it; may raise.
    std::function<std::string(bool checked)> action;

    std::string remembered;
    bool readable = true;   // false: the value could not be read; never written
};

// A setting whose write the registry refused, and why.
struct TRefusedWrite {
    std::string title;
    std::string reason;
};

class TSettingCatalog {
public:
    void Add(TSetting setting) { FSettings.push_back(std::move(setting)); }
    std::vector<TSetting>& Settings() { return FSettings; }
    const std::vector<TSetting>& Settings() const { return FSettings; }

    // Reads every row below base (joined with each row's key), sets its
    // control and remembers its state text. A row whose value cannot be read
    // is disabled and left out of every apply; the problems are returned, one
    // line per row, so the dialog can name them in one message.
    std::vector<std::string> Load(const std::string& base);

    // The control's current state in the form the remembered texts have.
    static std::string StateText(const TSetting& setting);
    bool IsChanged(const TSetting& setting) const;
    bool AnyChanged() const;

    // Writes the changed rows in row order and remembers each written state.
    // Rows the registry refused stay changed and are returned. An error raised
    // by a write ends the apply at that row and passes on; the rows before it
    // stay written and remembered.
    std::vector<TRefusedWrite> Apply(const std::string& base);

    // Adds what an apply would write to plan: the value of every changed
    // row, and the whole key of a row whose write is an action (which may
    // create or delete its key).
    void PlanBackup(const std::string& base, TBackupPlan& plan) const;

    // Remembers the current states as they are (after loading by hand).
    void RememberAll();

    static std::string KeyPath(const std::string& base, const char* key);

private:
    void LoadRow(TSetting& setting, const std::string& base);
    // True when written; false (with reason) when the registry refused it.
    bool WriteRow(TSetting& setting, const std::string& base, std::string& reason);

    std::vector<TSetting> FSettings;
};

// A dialog's catalogue row: the setting and the field of its control.
template <class Dlg>
struct TCatalogRow {
    TSettingDef def;
    TFlatCheckBox* Dlg::*check;
    TFlatEdit* Dlg::*edit;
};

// Binds every row to its control in dlg and adds it to catalog, in row order.
template <class Dlg, size_t N>
void AddCatalogRows(TSettingCatalog& catalog, Dlg& dlg, const TCatalogRow<Dlg> (&rows)[N])
{
    for (const TCatalogRow<Dlg>& row : rows) {
        TSetting setting{.def = row.def};
        if (row.check)
            setting.check = dlg.*row.check;
        if (row.edit)
            setting.edit = dlg.*row.edit;
        catalog.Add(std::move(setting));
    }
}
