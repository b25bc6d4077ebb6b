// The guards the main window's buttons run before a settings dialog opens.
// Each tells the user why it stops.
#pragma once

#include <string>

// True when the client is installed in version 5 or later; otherwise its
// message (not installed, or version 4) has been shown and the result is
// false. A version value that cannot be read raises.
bool CheckClientInstalled();

// True, after its message, when the client is running.
bool ClientWindowRunning();

// The guards' findings in the words of their messages, for reports that show
// no message box: empty when the guard passes.
std::string ClientInstallProblem();
std::string ClientRunningProblem();
