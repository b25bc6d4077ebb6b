#include "dialogs/SettingBinding.h"

#include "controls/TFlatCheckBoxUnit.h"
#include "controls/TFlatEditUnit.h"

#include <algorithm>
#include <cstdint>

TControl* TSettingBinding::TBound::Control() const
{
    return check ? static_cast<TControl*>(check) : static_cast<TControl*>(edit);
}

void TSettingBinding::Bind(const char* name, TFlatCheckBox* check, TCustomFlatEdit* edit)
{
    FBound.push_back({&FModel.Row(name), check, edit, {}});
}

void TSettingBinding::Companions(const char* name, std::initializer_list<TControl*> companions)
{
    const TSettingRow* row = &FModel.Row(name);
    for (TBound& b : FBound)
        if (b.row == row)
            b.companions.insert(b.companions.end(), companions.begin(), companions.end());
}

void TSettingBinding::Show()
{
    FShowing = true;
    try {
        for (const TBound& b : FBound) {
            const bool readable = b.row->readable;
            if (readable) {
                if (b.edit)
                    b.edit->SetText(b.row->state);
                else if (b.check)
                    b.check->SetChecked(static_cast<std::uint8_t>(std::stoi(b.row->state)));
            }
            b.Control()->SetEnabled(readable);
            for (TControl* c : b.companions)
                c->SetEnabled(readable);
        }
    } catch (...) {
        FShowing = false;
        throw;
    }
    FShowing = false;
}

void TSettingBinding::Take()
{
    for (const TBound& b : FBound) {
        if (!b.row->readable)
            continue;
        if (b.edit)
            b.row->state = b.edit->Text();
        else if (b.check)
            b.row->state = std::to_string(b.check->Checked());
    }
}

const TSettingBinding::TBound* TSettingBinding::BoundOf(const TControl* control) const
{
    for (const TBound& b : FBound)
        if (b.Control() == control || std::find(b.companions.begin(), b.companions.end(), control) != b.companions.end())
            return &b;
    return nullptr;
}

TControl* TSettingBinding::ControlOf(std::string_view name) const
{
    for (const TBound& b : FBound)
        if (name == b.row->def.name && b.Control())
            return b.Control();
    return nullptr;
}

bool TSettingBinding::Readable(const TControl* control) const
{
    const TBound* b = BoundOf(control);
    return !b || b->row->readable;
}

void TSettingBinding::Enable(TControl* control, bool enabled) const
{
    control->SetEnabled(enabled && Readable(control));
}

std::vector<std::string> TSettingBinding::Problems(const TComponent& form) const
{
    std::vector<std::string> problems;
    for (const TSettingRow& row : FModel.Rows()) {
        const auto count = std::count_if(FBound.begin(), FBound.end(), [&](const TBound& b) { return b.row == &row; });
        if (count != 1)
            problems.push_back(std::string("Zeile ") + row.def.name + ": " + std::to_string(count) + " Steuerelemente");
    }
    for (const TComponent* c : form.Components()) {
        const bool setting = dynamic_cast<const TFlatCheckBox*>(c) || dynamic_cast<const TCustomFlatEdit*>(c);
        if (!setting || std::find(FNotSettings.begin(), FNotSettings.end(), c) != FNotSettings.end())
            continue;
        const auto count = std::count_if(FBound.begin(), FBound.end(),
                                         [&](const TBound& b) { return static_cast<const TComponent*>(b.Control()) == c; });
        if (count != 1)
            problems.push_back("Steuerelement " + c->Name() + ": " + std::to_string(count) + " Zeilen");
    }
    return problems;
}
