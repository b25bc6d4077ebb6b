// The nine settings that act on every identity of the mail client at once,
// kept in the machine's and the current user's hives and the classes root.
#pragma once

#include "settings/SettingModel.h"

#include <span>
#include <string>

std::span<const TSettingDef> GlobalSettingDefs();

// The model of the global settings with the hooks of its special rows: the
// Explorer's "New" entry installs or removes the template file in
// templatesFolder with its registry entry.
TSettingModel GlobalSettings(const std::string& templatesFolder);

// Names of the rows with their own behaviour in the dialogs.
inline constexpr const char* kToolbarBitmap = "Symbolleistengrafik";
inline constexpr const char* kMailSound = "Signalton";
inline constexpr const char* kMailContextEntry = "NeueMailImKontextmenue";
inline constexpr const char* kStandardBitmap = "Standard";
