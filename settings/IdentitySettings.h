// The 23 settings the mail client keeps for each identity, below the
// identity's own branch of the current user's hive.
#pragma once

#include "registry/IdentityCatalog.h"
#include "settings/SettingModel.h"

#include <span>
#include <string>

std::span<const TSettingDef> IdentitySettingDefs();
TSettingModel IdentitySettings();

// The identity's branch, the base of its model's keys.
std::string IdentityBaseKey(const TIdentityInfo& identity);
// Where the identity's suppressed notices are kept.
std::string IdentityDialogsKey(const TIdentityInfo& identity);

// Names of the rows with their own behaviour in the dialog.
inline constexpr const char* kShowImages = "BilderAnzeigen";
inline constexpr const char* kInfoBar = "Zusatzleiste";
inline constexpr const char* kInfoBarPage = "ZusatzleisteSeite";
