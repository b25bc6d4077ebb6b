// What the registry and the desktop tell about the mail client: whether it is
// installed in a version the program supports, and whether it is running (a
// running client writes its own values back when it closes). Nothing here
// speaks to the user; the main window turns the findings into messages.
#pragma once

enum class TClientInstall {
    Installed,      // major version 5 or later
    NotInstalled,   // no version key
    TooOld,         // version 4: no "Current" value, an empty one, or a major version below 5
    Unreadable,     // a "Current" value of a type that holds no text: the version cannot be read
};

// Reads "Current" below the client's version key. Only its first character,
// the major version, counts. A value that does not start with a digit raises.
TClientInstall ReadClientInstall();

// True when a window of the client's main window class exists (hidden or
// minimised ones count).
bool ClientWindowExists();
