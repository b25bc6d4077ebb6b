// The guards the main window's buttons run before a settings dialog opens.
// Each tells the user why it stops.
#pragma once

// True when the client is installed in version 5 or later; otherwise its
// message (not installed, or version 4) has been shown and the result is
// false. A version value that cannot be read raises.
bool CheckClientInstalled();

// True, after its message, when the client is running.
bool ClientWindowRunning();
