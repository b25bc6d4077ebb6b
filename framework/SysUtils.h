// Text helpers: formatting, number conversion, dates and file-name parts.
// Strings are single-byte code page 1252 throughout.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// printf-style formatting into a std::string.
std::string Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

std::string IntToStr(long long value);
// Decimal text, optional surrounding blanks and sign; anything else raises
// EConvertError "'%s' ist kein gültiger Integerwert".
int StrToInt(const std::string& text);
// Like StrToInt, but returns fallback instead of raising.
int StrToIntDef(const std::string& text, int fallback);

std::string UpperCase(std::string text);
std::string LowerCase(std::string text);
std::string Trim(const std::string& text);
bool SameText(const std::string& a, const std::string& b);

// The build stamp's date and time in the letters of the usual format language:
// d dd (day), ddd dddd (day name), ddddd dddddd (short and long date), m mm
// (month), mmm mmmm (month name), yy yyyy, t tt (time without and with
// seconds). Names, dates and times come from the user's locale; every other
// character stands for itself.
std::string FormatDateTime(const std::string& format, const SYSTEMTIME& when);
SYSTEMTIME Now();
char DateSeparator();

// File-name parts; both "\" and ":" end the path part.
std::string ExtractFilePath(const std::string& fileName);  // with trailing "\"
std::string ExtractFileDir(const std::string& fileName);   // without
std::string ExtractFileName(const std::string& fileName);
std::string ExtractFileExt(const std::string& fileName);   // with the dot
std::string ChangeFileExt(const std::string& fileName, const std::string& ext);
std::string IncludeTrailingBackslash(const std::string& path);
std::string ExcludeTrailingBackslash(const std::string& path);

// The running program's own file name.
std::string ModuleFileName(HMODULE module = nullptr);

// A window's text as it is now (what the user typed into an edit).
std::string WindowText(HWND wnd);
