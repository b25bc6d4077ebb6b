#include "dialogs/SettingCatalog.h"

#include "controls/TFlatCheckBoxUnit.h"
#include "controls/TFlatEditUnit.h"
#include "framework/Exceptions.h"
#include "framework/Registry.h"
#include "registry/RegBackup.h"
#include "registry/unitEXRegistry.h"

namespace {

const char* RootName(RootCode root)
{
    const HKEY key = RootKeyOf(root);
    if (key == HKEY_LOCAL_MACHINE)
        return "HKEY_LOCAL_MACHINE";
    if (key == HKEY_CLASSES_ROOT)
        return "HKEY_CLASSES_ROOT";
    return "HKEY_CURRENT_USER";
}

std::uint8_t NumberFor(const TSettingSpec& spec, int stored)
{
    // ReadRegInteger gives -1 for an absent value (and for all bits set).
    if (stored == -1 && spec.absent != kNoAbsentState)
        return static_cast<std::uint8_t>(spec.absent);
    const auto low = static_cast<std::uint8_t>(stored & 0xFF);
    switch (spec.sense) {
    case TSense::Inverted:
        return static_cast<std::uint8_t>(low ^ 1);
    case TSense::Is:
        return stored == spec.arg ? 1 : 0;
    case TSense::IsNot:
        return stored == spec.arg ? 0 : 1;
    default:
        return low;
    }
}

// A value that an apply was to delete and that is still there was refused.
bool ValueStillThere(RootCode root, const std::string& path, const char* name)
{
    TRegistry reg(KEY_READ);
    reg.SetRootKey(RootKeyOf(root));
    return reg.OpenKey(path, false) && reg.ValueExists(name);
}

} // namespace

std::string RefusalText(LONG code)
{
    if (code == ERROR_ACCESS_DENIED)
        return "keine Berechtigung (dafür sind Administratorrechte nötig)";
    std::string text = SysErrorText(static_cast<DWORD>(code));
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ' || text.back() == '.'))
        text.pop_back();
    return text.empty() ? "Fehler " + std::to_string(code) : text;
}

std::string TSettingCatalog::KeyPath(const std::string& base, const char* key)
{
    if (base.empty())
        return key;
    if (!*key)
        return base;
    return base + "\\" + key;
}

std::string TSettingCatalog::StateText(const TSetting& setting)
{
    if (setting.edit)
        return setting.edit->Text();
    return std::to_string(setting.check->Checked());
}

bool TSettingCatalog::IsChanged(const TSetting& setting) const
{
    return setting.readable && StateText(setting) != setting.remembered;
}

bool TSettingCatalog::AnyChanged() const
{
    for (const TSetting& s : FSettings)
        if (IsChanged(s))
            return true;
    return false;
}

void TSettingCatalog::RememberAll()
{
    for (TSetting& s : FSettings)
        if (s.readable)
            s.remembered = StateText(s);
}

std::vector<std::string> TSettingCatalog::Load(const std::string& base)
{
    std::vector<std::string> problems;
    for (TSetting& s : FSettings) {
        TControl* control = s.edit ? static_cast<TControl*>(s.edit) : static_cast<TControl*>(s.check);
        try {
            LoadRow(s, base);
            s.readable = true;
            control->SetEnabled(true);
        } catch (const Exception& e) {
            // The control keeps what it showed, greyed: it was not read, so
            // nothing may ever be written for it from this dialog.
            s.readable = false;
            s.remembered.clear();
            control->SetEnabled(false);
            problems.push_back(std::string(RootName(s.spec.root)) + "\\" + KeyPath(base, s.spec.key) + ", Wert \"" +
                               s.spec.value + "\": " + e.Message());
        }
    }
    return problems;
}

void TSettingCatalog::LoadRow(TSetting& s, const std::string& base)
{
    const TSettingSpec& spec = s.spec;
    const std::string path = KeyPath(base, spec.key);
    if (spec.sense == TSense::Text) {
        std::string text = ReadRegString(spec.root, path, spec.value);
        if (spec.expand)
            text = ExpandEnvPath(text, false);
        if (text.empty() && spec.emptyText)
            text = spec.emptyText;
        s.edit->SetText(text);
    } else if (spec.sense == TSense::NonEmpty) {
        s.check->SetChecked(ReadRegString(spec.root, path, spec.value).empty() ? 0 : 1);
    } else {
        s.check->SetChecked(NumberFor(spec, ReadRegInteger(spec.root, path, spec.value)));
    }
    if (s.loaded)
        s.loaded();
    s.remembered = StateText(s);
}

void TSettingCatalog::PlanBackup(const std::string& base, TBackupPlan& plan) const
{
    for (const TSetting& s : FSettings) {
        if (!IsChanged(s))
            continue;
        const std::string path = KeyPath(base, s.spec.key);
        const bool action = s.check && (s.check->Checked() ? s.spec.checked : s.spec.unchecked).kind == TWrite::Action;
        if (action)
            plan.Key(s.spec.root, path);
        else
            plan.Value(s.spec.root, path, s.spec.value);
    }
}

std::vector<TRefusedWrite> TSettingCatalog::Apply(const std::string& base)
{
    std::vector<TRefusedWrite> refused;
    for (TSetting& s : FSettings) {
        if (!IsChanged(s))
            continue;
        std::string reason;
        if (WriteRow(s, base, reason))
            s.remembered = StateText(s);
        else
            refused.push_back({s.spec.title, reason});
    }
    return refused;
}

bool TSettingCatalog::WriteRow(TSetting& s, const std::string& base, std::string& reason)
{
    const TSettingSpec& spec = s.spec;
    const std::string path = KeyPath(base, spec.key);
    LONG code = ERROR_SUCCESS;
    if (spec.sense == TSense::Text) {
        const std::string text = s.edit->Text();
        if (spec.deleteText && text == spec.deleteText) {
            DeleteRegValue(spec.root, path, spec.value);
            if (ValueStillThere(spec.root, path, spec.value)) {
                reason = RefusalText(ERROR_ACCESS_DENIED);
                return false;
            }
            return true;
        }
        if (WriteRegString(spec.root, path, spec.value, text, &code))
            return true;
        reason = RefusalText(code);
        return false;
    }
    const TWrite write = s.check->Checked() ? spec.checked : spec.unchecked;
    switch (write.kind) {
    case TWrite::Action:
        reason = s.action ? s.action(s.check->Checked() != 0) : std::string();
        return reason.empty();
    case TWrite::Delete:
        DeleteRegValue(spec.root, path, spec.value);
        if (ValueStillThere(spec.root, path, spec.value)) {
            reason = RefusalText(ERROR_ACCESS_DENIED);
            return false;
        }
        return true;
    case TWrite::Number:
        break;
    }
    if (WriteRegInteger(spec.root, path, spec.value, write.value, &code))
        return true;
    reason = RefusalText(code);
    return false;
}
