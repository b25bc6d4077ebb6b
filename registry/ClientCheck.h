// The guards the main window runs before it opens a settings dialog: the mail
// client must be installed in version 5 or later, and it must not be running,
// since a running client writes its own values back when it closes.
#pragma once

// True when the client is installed with a major version of 5 or more;
// otherwise a message has been shown and the result is false. A version value
// of the wrong type or one that does not start with a digit raises.
bool CheckClientInstalled();

// True, after a message, when a window of the client's main window class
// exists (hidden or minimised ones count). The main window's ClientIsRunning
// is this check.
bool ClientWindowRunning();
