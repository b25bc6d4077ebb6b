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

std::uint8_t NumberFor(const TSettingDef& def, int stored)
{
    // ReadRegInteger gives -1 for an absent value (and for all bits set).
    if (stored == -1 && def.absent != kNoAbsentState)
        return static_cast<std::uint8_t>(def.absent);
    const auto low = static_cast<std::uint8_t>(stored & 0xFF);
    switch (def.sense) {
    case TSense::Inverted:
        return static_cast<std::uint8_t>(low ^ 1);
    case TSense::Is:
        return stored == def.arg ? 1 : 0;
    case TSense::IsNot:
        return stored == def.arg ? 0 : 1;
    default:
        return low;
    }
}

} // namespace

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
            problems.push_back(std::string(RootName(s.def.root)) + "\\" + KeyPath(base, s.def.key) + ", Wert \"" +
                               s.def.value + "\": " + e.Message());
        }
    }
    return problems;
}

void TSettingCatalog::LoadRow(TSetting& s, const std::string& base)
{
    const TSettingDef& def = s.def;
    const std::string path = KeyPath(base, def.key);
    if (def.sense == TSense::Text) {
        std::string text = ReadRegString(def.root, path, def.value);
        if (def.expand)
            text = ExpandEnvPath(text, false);
        if (text.empty() && def.emptyText)
            text = def.emptyText;
        s.edit->SetText(text);
    } else if (def.sense == TSense::NonEmpty) {
        s.check->SetChecked(ReadRegString(def.root, path, def.value).empty() ? 0 : 1);
    } else {
        s.check->SetChecked(NumberFor(def, ReadRegInteger(def.root, path, def.value)));
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
        const std::string path = KeyPath(base, s.def.key);
        const bool action = s.check && (s.check->Checked() ? s.def.checked : s.def.unchecked).kind == TWrite::Action;
        if (action)
            plan.Key(s.def.root, path);
        else
            plan.Value(s.def.root, path, s.def.value);
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
            refused.push_back({s.def.title, reason});
    }
    return refused;
}

bool TSettingCatalog::WriteRow(TSetting& s, const std::string& base, std::string& reason)
{
    const TSettingDef& def = s.def;
    const std::string path = KeyPath(base, def.key);
    LONG code = ERROR_SUCCESS;
    if (def.sense == TSense::Text) {
        const std::string text = s.edit->Text();
        if (def.deleteText && text == def.deleteText)
            code = DeleteRegValue(def.root, path, def.value).Code;
        else
            code = WriteRegString(def.root, path, def.value, text).Code;
        if (code == ERROR_SUCCESS || code == ERROR_FILE_NOT_FOUND)
            return true;
        reason = RefusalText(code);
        return false;
    }
    const TWrite write = s.check->Checked() ? def.checked : def.unchecked;
    switch (write.kind) {
    case TWrite::Action:
        reason = s.action ? s.action(s.check->Checked() != 0) : std::string();
        return reason.empty();
    case TWrite::Delete:
        code = DeleteRegValue(def.root, path, def.value).Code;
        if (code == ERROR_SUCCESS || code == ERROR_FILE_NOT_FOUND)
            return true;
        reason = RefusalText(code);
        return false;
    case TWrite::Number:
        break;
    }
    code = WriteRegInteger(def.root, path, def.value, write.value).Code;
    if (code == ERROR_SUCCESS)
        return true;
    reason = RefusalText(code);
    return false;
}
