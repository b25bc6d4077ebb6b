#include "settings/SettingModel.h"

#include "framework/Exceptions.h"
#include "registry/RegBackup.h"
#include "registry/RegKeyCache.h"
#include "settings/StoredText.h"

#include <cstdint>

namespace {

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

TSettingModel::TSettingModel(std::span<const TSettingDef> defs)
{
    FRows.reserve(defs.size());
    for (const TSettingDef& def : defs)
        FRows.push_back({.def = def});
}

TSettingRow& TSettingModel::Row(std::string_view name)
{
    for (TSettingRow& row : FRows)
        if (name == row.def.name)
            return row;
    throw Exception("Unbekannte Einstellung \"" + std::string(name) + "\"");
}

const TSettingRow* TSettingModel::Find(std::string_view name) const
{
    for (const TSettingRow& row : FRows)
        if (name == row.def.name)
            return &row;
    return nullptr;
}

std::string TSettingModel::KeyPath(const std::string& base, const char* key)
{
    if (base.empty())
        return key;
    if (!*key)
        return base;
    return base + "\\" + key;
}

std::string TSettingModel::Where(const TSettingRow& row, const std::string& base)
{
    return std::string(RootKeyName(RootKeyOf(row.def.root))) + "\\" + KeyPath(base, row.def.key) + ", Wert \"" + row.def.value +
           "\"";
}

std::vector<std::string> TSettingModel::Load(const std::string& base)
{
    FBase = base;
    std::vector<std::string> problems;
    // Most rows share a few keys: each is opened once.
    const TRegKeyCache keys;
    for (TSettingRow& row : FRows) {
        row.referenced.clear();
        try {
            row.state = row.loaded = ReadState(row);
            row.readable = true;
        } catch (const Exception& e) {
            // Not read, so nothing may ever be written for it.
            row.readable = false;
            row.loaded.clear();
            row.stored = {};
            row.asRead.reset();
            problems.push_back(Where(row, base) + ": " + e.Message());
        }
    }
    return problems;
}

std::string TSettingModel::ReadState(TSettingRow& row) const
{
    const TSettingDef& def = row.def;
    if (row.read) {
        // A hook reads its own way, and may create what it looks for.
        TRegKeyCache::Forget();
        return row.read(FBase);
    }
    const std::string path = KeyPath(FBase, def.key);
    // One read of the value as stored; the classes root is read through its
    // merged view instead.
    row.asRead.reset();
    if (def.root != rcClassesRoot)
        row.asRead = ReadRegStored(def.root, path, def.value);
    if (def.sense == TSense::Text) {
        row.stored = row.asRead ? TextOf(*row.asRead, def.value) : ReadRegText(def.root, path, def.value);
        // Only a value stored with references shows them expanded; a plain
        // text that merely contains "%NAME%" is shown as it stands.
        std::string text = row.stored.Text;
        if (def.expand && row.stored.Type == REG_EXPAND_SZ)
            text = ExpandEnvPath(text, false);
        if (text.empty() && def.emptyText)
            text = def.emptyText;
        return text;
    }
    if (def.sense == TSense::NonEmpty) {
        const bool set = row.asRead ? NonEmptyOf(*row.asRead, def.value) : !ReadRegString(def.root, path, def.value).empty();
        return set ? "1" : "0";
    }
    return std::to_string(NumberFor(def, row.asRead ? IntegerOf(*row.asRead, def.value)
                                                    : ReadRegInteger(def.root, path, def.value)));
}

std::string TSettingRow::Shown(const std::string& someState) const
{
    if (def.IsText())
        return someState.empty() ? "(leer)" : someState;
    return someState != "0" ? "an" : "aus";
}

bool TSettingModel::Give(std::string_view name, const std::string& state, TGiven how)
{
    for (TSettingRow& row : FRows) {
        if (name != row.def.name)
            continue;
        if (!row.readable)
            return true;
        if (row.def.IsText()) {
            row.state = state;
            row.referenced.clear();
            // Only references this environment knows count; any other "%"
            // stays part of the text, as when reading.
            if (how == TGiven::AsStored && row.def.expand) {
                if (std::string expanded = ExpandEnvPath(state, false); expanded != state) {
                    row.state = std::move(expanded);
                    row.referenced = state;
                }
            }
        } else if ((state != "0") != (row.loaded != "0"))
            row.state.assign(1, state != "0" ? '1' : '0');
        else
            row.state = row.loaded;
        return true;
    }
    return false;
}

std::vector<TSettingChange> TSettingModel::Changes(const std::string& scope) const
{
    std::vector<TSettingChange> changes;
    for (const TSettingRow& row : FRows)
        if (row.Changed())
            changes.push_back({scope, row.def.title, row.Shown(row.loaded), row.Shown(row.state)});
    return changes;
}

bool TSettingModel::HasChange() const
{
    for (const TSettingRow& row : FRows)
        if (row.Changed())
            return true;
    return false;
}

void TSettingModel::PlanBackup(TBackupPlan& plan) const
{
    for (const TSettingRow& row : FRows) {
        if (!row.Changed())
            continue;
        const std::string path = KeyPath(FBase, row.def.key);
        const TWrite write = row.Checked() ? row.def.checked : row.def.unchecked;
        if (row.def.IsText() || write.kind != TWrite::Action)
            plan.Value(row.def.root, path, row.def.value, row.asRead ? &*row.asRead : nullptr);
        else if (row.planAction)
            row.planAction(plan, row.Checked());
        else
            plan.Key(row.def.root, path);
    }
}

void TSettingModel::Apply(std::vector<TRefusedWrite>& refused)
{
    const TRegKeyCache keys;
    for (TSettingRow& row : FRows) {
        if (!row.Changed())
            continue;
        std::string reason;
        try {
            const LONG code = WriteRow(row, reason);
            // What was read is no longer what is stored.
            row.asRead.reset();
            if (code == ERROR_SUCCESS && reason.empty()) {
                row.loaded = row.state;
                continue;
            }
            if (reason.empty())
                reason = RefusalText(code);
        } catch (const Exception& e) {
            reason = e.Message();
        }
        refused.push_back({row.def.title, reason});
    }
}

LONG TSettingModel::WriteRow(TSettingRow& row, std::string& reason)
{
    const TSettingDef& def = row.def;
    const std::string path = KeyPath(FBase, def.key);
    if (def.IsText()) {
        if (def.deleteText && row.state == def.deleteText) {
            const LONG code = DeleteRegValue(def.root, path, def.value).Code;
            if (code != ERROR_SUCCESS && code != ERROR_FILE_NOT_FOUND)
                return code;
            row.stored = {};
            return ERROR_SUCCESS;
        }
        // A path given with references is stored with them; a value stored
        // with references keeps its type and its references.
        const bool given = !row.referenced.empty() && ExpandEnvPath(row.referenced, false) == row.state;
        const bool expandable = given || (row.stored.Exists && row.stored.Type == REG_EXPAND_SZ);
        const std::string text = given        ? row.referenced
                                 : expandable ? WithReferences(row.stored.Text, row.state)
                                              : row.state;
        const TRegResult written = expandable ? WriteRegExpandString(def.root, path, def.value, text)
                                              : WriteRegString(def.root, path, def.value, text);
        if (written)
            row.stored = {true, expandable ? DWORD(REG_EXPAND_SZ) : DWORD(REG_SZ), text};
        return written.Code;
    }
    const TWrite write = row.Checked() ? def.checked : def.unchecked;
    switch (write.kind) {
    case TWrite::Action:
        // An action may delete keys: none of them may stay open past it.
        TRegKeyCache::Forget();
        reason = row.action ? row.action(row.Checked()) : std::string();
        TRegKeyCache::Forget();
        return ERROR_SUCCESS;
    case TWrite::Delete: {
        const LONG code = DeleteRegValue(def.root, path, def.value).Code;
        return code == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : code;
    }
    case TWrite::Number:
        break;
    }
    return WriteRegInteger(def.root, path, def.value, write.value).Code;
}
