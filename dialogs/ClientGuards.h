// The guards the main window's buttons run before a settings dialog opens,
// and the settings dialogs again before every apply. Each tells the user why
// it stops.
#pragma once

// True when the client is installed in version 5 or later; otherwise its
// message (not installed, version 4, or a version that cannot be read) has
// been shown and the result is false. A version value that does not start
// with a digit raises.
bool CheckClientInstalled();

// True, after its message, when the client is running.
bool ClientWindowRunning();
