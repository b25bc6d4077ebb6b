// Where the Explorer's "New" entry for mail lives: the classes root as the
// program reads it, and the user's own classes where it writes.
#pragma once

inline constexpr const char* kEml = ".eml";
inline constexpr const char* kShellNew = ".eml\\ShellNew";
inline constexpr const char* kUserEml = "Software\\Classes\\.eml";
inline constexpr const char* kUserShellNew = "Software\\Classes\\.eml\\ShellNew";
