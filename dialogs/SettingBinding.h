// The tie between a settings dialog's controls and its model: each setting
// control shows its row's state and hands changes back to it. Rows are bound
// by name, so the order of the tables may change freely.
#pragma once

#include "settings/SettingModel.h"

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

class TComponent;
class TControl;
class TFlatCheckBox;
class TCustomFlatEdit;
class TFlatEdit;

class TSettingBinding {
public:
    explicit TSettingBinding(TSettingModel& model) : FModel(model) {}
    TSettingBinding(const TSettingBinding&) = delete;
    TSettingBinding& operator=(const TSettingBinding&) = delete;

    TSettingModel& Model() { return FModel; }
    const TSettingModel& Model() const { return FModel; }

    // Binds the row of that name to its control (a check box or an edit).
    void Bind(const char* name, TFlatCheckBox* check, TCustomFlatEdit* edit);
    // Controls that change a bound row's control (its picker buttons and the
    // like): greyed with it.
    void Companions(const char* name, std::initializer_list<TControl*> companions);

    // Model to controls: every readable row's control shows its state; an
    // unreadable row's control keeps what it showed and is greyed with its
    // companions. Events that this raises are no user's changes.
    void Show();
    bool Showing() const { return FShowing; }
    // Controls to model: every readable row takes its control's state.
    void Take();

    // A check box or edit of the form that is no setting (an option of the
    // dialog itself): Problems passes over it.
    void NotASetting(TControl* control) { FNotSettings.push_back(control); }

    // Enables a bound control or a companion, unless its row could not be
    // read: what cannot be written must not be changed either.
    void Enable(TControl* control, bool enabled) const;
    bool Readable(const TControl* control) const;
    // The control bound to the row of that name; null when there is none.
    TControl* ControlOf(std::string_view name) const;

    // What does not add up between the model, the bindings and the setting
    // controls (check boxes and edits) that form owns: a row with no control
    // or more than one, a control with no row or more than one.
    std::vector<std::string> Problems(const TComponent& form) const;

private:
    struct TBound {
        TSettingRow* row;
        TFlatCheckBox* check;
        TCustomFlatEdit* edit;
        std::vector<TControl*> companions;
        TControl* Control() const;
    };
    const TBound* BoundOf(const TControl* control) const;

    TSettingModel& FModel;
    std::vector<TBound> FBound;
    std::vector<TControl*> FNotSettings;
    bool FShowing = false;
};

// A dialog's binding table: a row's name and the field of its control.
template <class Dlg>
struct TBindRow {
    const char* name;
    TFlatCheckBox* Dlg::*check;
    TFlatEdit* Dlg::*edit;
};

template <class Dlg, size_t N>
void BindRows(TSettingBinding& binding, Dlg& dlg, const TBindRow<Dlg> (&rows)[N])
{
    for (const TBindRow<Dlg>& row : rows)
        binding.Bind(row.name, row.check ? dlg.*row.check : nullptr,
                     row.edit ? static_cast<TCustomFlatEdit*>(dlg.*row.edit) : nullptr);
}
