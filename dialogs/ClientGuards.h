// The guards the main window's buttons run before a settings dialog opens,
// and the settings dialogs again before every apply. Each tells the user why
// it stops.
#pragma once

#include <string>

// True when the client is installed in version 5 or later; otherwise its
// message (not installed, version 4, or a version that cannot be read) has
// been shown and the result is false. A version value that does not start
// with a digit raises.
bool CheckClientInstalled();

// True, after its message, when the client is running.
bool ClientWindowRunning();

// The guards' findings in the words of their messages, for reports that show
// no message box (the command line): empty when the guard passes.
std::string ClientInstallProblem();
std::string ClientRunningProblem();
