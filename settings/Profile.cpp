// Writing profiles, and a read profile as the parts of one apply.
#include "settings/Profile.h"

#include "framework/FileWrite.h"
#include "framework/SysUtils.h"
#include "settings/GlobalSettings.h"
#include "settings/IdentitySettings.h"
#include "settings/StoredText.h"

#include <algorithm>

namespace {

const char* const kGlobalScope = "Allgemeine Einstellungen";

// What a line says of a row: a check box's 0 or 1, a text as shown, but a
// path stored with environment references with them, so that it fits
// every user who loads it and not only the one who saved it.
std::string SavedState(const TSettingRow& row)
{
    if (!row.def.IsText())
        return row.Checked() ? "1" : "0";
    if (row.def.expand && row.stored.Exists && row.stored.Type == REG_EXPAND_SZ)
        return WithReferences(row.stored.Text, row.state);
    return row.state;
}

// Why a row's state cannot stand in a line "name=value", or "".
std::string LeftOutBecause(const TSettingRow& row)
{
    if (!row.readable)
        return "der Wert konnte nicht gelesen werden";
    if (!row.def.IsText())
        return {};
    const std::string text = SavedState(row);
    if (text.find_first_of(std::string("\r\n\0", 3)) != std::string::npos)
        return "der Text enthält einen Zeilenumbruch oder ein NUL-Zeichen";
    // The reader trims a value, as INI files are read.
    if (Trim(text) != text)
        return "der Text beginnt oder endet mit einem Leer- oder Steuerzeichen";
    return {};
}

void AddSection(std::string& text, const char* section, const TSettingModel& model)
{
    text += std::string("\r\n[") + section + "]\r\n";
    for (const TSettingRow& row : model.Rows()) {
        const std::string why = LeftOutBecause(row);
        if (!why.empty())
            text += std::string("; ") + row.def.name + " ausgelassen: " + why + "\r\n";
        else
            text += std::string(row.def.name) + "=" + SavedState(row) + "\r\n";
    }
}

// A name from the registry as part of a comment line.
std::string OneLine(std::string text)
{
    for (char& c : text)
        if (static_cast<unsigned char>(c) < ' ')
            c = ' ';
    return text;
}

// Load reports every row it could not read, each line led by where the row
// lives; only the rows the profile names concern it.
void KeepNamed(const std::vector<std::string>& problems, const std::string& lead, const std::string& base,
               std::span<const TSettingDef> defs, const TNamedStates& states, std::vector<std::string>& kept)
{
    for (const std::string& problem : problems)
        for (const TSettingDef& def : defs) {
            const bool named = std::any_of(states.begin(), states.end(),
                                           [&](const auto& s) { return s.first == def.name; });
            if (named && problem.starts_with(lead + TSettingModel::Where({.def = def}, base) + ": ")) {
                kept.push_back(problem);
                break;
            }
        }
}

} // namespace

std::vector<TRefusedWrite> ProfileLeftOut(const TSettingModel& model)
{
    std::vector<TRefusedWrite> left;
    for (const TSettingRow& row : model.Rows())
        if (std::string why = LeftOutBecause(row); !why.empty())
            left.push_back({row.def.title, std::move(why)});
    return left;
}

std::string ProfileText(const TSettingModel& global, const TSettingModel& identity, const std::string& identityName)
{
    std::string text = "[Zorvane-Profil]\r\nVersion=1\r\n"
                       "; Nicht genannte Einstellungen bleiben beim Laden unverändert.\r\n";
    AddSection(text, "Allgemein", global);
    text += "\r\n; Gespeichert aus der Identität \"" + OneLine(identityName) + "\"";
    AddSection(text, "Identitaet", identity);
    return text;
}

void WriteProfileFile(const std::string& fileName, const std::string& text)
{
    WriteWholeFile(fileName, text);
}

TProfileApply::TProfileApply(const TProfile& profile, std::vector<TIdentityInfo> identities,
                             const std::string& templatesFolder)
    : FGlobal(GlobalSettings(templatesFolder)), FGlobalStates(profile.Global),
      FIdentities(identities, profile.Identity, TGiven::AsStored), FTargets(std::move(identities)),
      FIdentityStates(profile.Identity)
{
}

std::vector<std::string> TProfileApply::Load()
{
    std::vector<std::string> named;
    KeepNamed(FGlobal.Load(""), "", "", GlobalSettingDefs(), FGlobalStates, named);
    for (const auto& [name, state] : FGlobalStates)
        FGlobal.Give(name, state, TGiven::AsStored);
    const std::vector<std::string> problems = FIdentities.Load();
    for (const TIdentityInfo& identity : FTargets)
        KeepNamed(problems, TIdentitiesApply::Scope(identity) + ": ", IdentityBaseKey(identity),
                  IdentitySettingDefs(), FIdentityStates, named);
    return named;
}

bool TProfileApply::HasChange() const
{
    return FGlobal.HasChange() || FIdentities.HasChange();
}

std::vector<TSettingChange> TProfileApply::Changes() const
{
    std::vector<TSettingChange> changes = FGlobal.Changes(kGlobalScope);
    for (TSettingChange& change : FIdentities.Changes())
        changes.push_back(std::move(change));
    return changes;
}

std::vector<TApplyPart*> TProfileApply::Parts()
{
    return {&FGlobal, &FIdentities};
}
