// How the registry answered a write or a delete, and how the program words a
// refusal. Every helper that changes the registry reports the system's own
// code, so that a refusal is named for what it is.
#pragma once

#include <windows.h>

#include <string>

struct TRegResult {
    LONG Code = ERROR_SUCCESS;
    explicit operator bool() const { return Code == ERROR_SUCCESS; }
};

// The German text of a refusal: "keine Berechtigung" for access denied, else
// the system's message for the code (or "Fehler <code>" when it has none).
std::string RefusalText(LONG code);
