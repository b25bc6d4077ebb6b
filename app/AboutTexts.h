// The texts that the about dialog shows: product, build date and version.
#pragma once

#include <string>

// The build number with at least four digits ("52" -> "0052"); a text that is
// not a whole number raises EConvertError.
std::string FormatBuildNumber(const std::string& text);

// "vom " and the build date up to and including its first blank.
std::string AboutDateText(const std::string& compileDate);

// "Version major.minor [major.minor.release.build]" for a file version
// "major.minor.release.build"; "Version " for an empty one.
std::string AboutVersionText(const std::string& fileVersion);

// The same for the version record of an executable file.
std::string AboutVersionTextOf(const std::string& exePath);

std::string AboutProductText();
