#include "framework/SysUtils.h"

#include "framework/Exceptions.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdarg>
#include <cstdio>

std::string Format(const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, fmt, copy);
    va_end(copy);
    std::string result;
    if (length > 0) {
        result.resize(static_cast<size_t>(length) + 1);
        std::vsnprintf(result.data(), result.size(), fmt, args);
        result.resize(static_cast<size_t>(length));
    }
    va_end(args);
    return result;
}

std::string IntToStr(long long value)
{
    return std::to_string(value);
}

static bool ParseInt(const std::string& text, int& out)
{
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i >= n || !std::isdigit(static_cast<unsigned char>(text[i])))
        return false;
    long long value = 0;
    while (i < n && std::isdigit(static_cast<unsigned char>(text[i]))) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            return false;
        ++i;
    }
    while (i < n && text[i] == ' ')
        ++i;
    if (i != n)
        return false;
    if (negative)
        value = -value;
    if (value > INT_MAX || value < INT_MIN)
        return false;
    out = static_cast<int>(value);
    return true;
}

int StrToInt(const std::string& text)
{
    int value = 0;
    if (!ParseInt(text, value))
        throw EConvertError(Format(Msg::InvalidInteger, text.c_str()));
    return value;
}

int StrToIntDef(const std::string& text, int fallback)
{
    int value = 0;
    return ParseInt(text, value) ? value : fallback;
}

// Upper and lower case by the system's rules for code page 1252, so that
// umlauts change case too.
std::string UpperCase(std::string text)
{
    if (!text.empty())
        CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

std::string LowerCase(std::string text)
{
    if (!text.empty())
        CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

std::string Trim(const std::string& text)
{
    size_t first = 0;
    size_t last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= ' ')
        ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ')
        --last;
    return text.substr(first, last - first);
}

bool SameText(const std::string& a, const std::string& b)
{
    return UpperCase(a) == UpperCase(b);
}

SYSTEMTIME Now()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now;
}

static char LocaleChar(LCTYPE type, char fallback)
{
    char buffer[8] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof buffer) > 1)
        return buffer[0];
    return fallback;
}

char DateSeparator()
{
    return LocaleChar(LOCALE_SDATE, '.');
}

static std::string DatePicture(const SYSTEMTIME& when, DWORD flags, const char* picture)
{
    char buffer[256] = {};
    if (GetDateFormatA(LOCALE_USER_DEFAULT, flags, &when, picture, buffer, sizeof buffer) > 0)
        return buffer;
    return {};
}

static std::string TimePicture(const SYSTEMTIME& when, DWORD flags)
{
    char buffer[256] = {};
    if (GetTimeFormatA(LOCALE_USER_DEFAULT, flags, &when, nullptr, buffer, sizeof buffer) > 0)
        return buffer;
    return {};
}

static std::string TwoDigits(int value)
{
    return Format("%02d", value);
}

std::string FormatDateTime(const std::string& format, const SYSTEMTIME& when)
{
    std::string out;
    for (size_t i = 0; i < format.size();) {
        const char letter = format[i];
        const size_t start = i;
        while (i < format.size() && format[i] == letter)
            ++i;
        const size_t count = i - start;
        switch (letter) {
        case 'd':
            out += count <= 2 ? (count == 1 ? IntToStr(when.wDay) : TwoDigits(when.wDay))
                 : count <= 4 ? DatePicture(when, 0, count == 3 ? "ddd" : "dddd")
                              : DatePicture(when, count == 5 ? DATE_SHORTDATE : DATE_LONGDATE, nullptr);
            break;
        case 'm':
            out += count <= 2 ? (count == 1 ? IntToStr(when.wMonth) : TwoDigits(when.wMonth))
                              : DatePicture(when, 0, count == 3 ? "MMM" : "MMMM");
            break;
        case 'y':
            out += count <= 2 ? TwoDigits(when.wYear % 100) : Format("%04d", when.wYear);
            break;
        case 't':
            out += TimePicture(when, count == 1 ? TIME_NOSECONDS : 0);
            break;
        default:
            out.append(count, letter);
            break;
        }
    }
    return out;
}

static bool IsPathDelimiter(char c)
{
    return c == '\\' || c == ':' || c == '/';
}

static size_t NameStart(const std::string& fileName)
{
    size_t i = fileName.size();
    while (i > 0 && !IsPathDelimiter(fileName[i - 1]))
        --i;
    return i;
}

std::string ExtractFilePath(const std::string& fileName)
{
    return fileName.substr(0, NameStart(fileName));
}

std::string ExtractFileDir(const std::string& fileName)
{
    std::string dir = ExtractFilePath(fileName);
    // "C:\" stays as it is: the root needs its backslash.
    if (dir.size() > 1 && dir.back() == '\\' && dir[dir.size() - 2] != ':')
        dir.pop_back();
    return dir;
}

std::string ExtractFileName(const std::string& fileName)
{
    return fileName.substr(NameStart(fileName));
}

std::string ExtractFileExt(const std::string& fileName)
{
    const size_t start = NameStart(fileName);
    const size_t dot = fileName.rfind('.');
    if (dot == std::string::npos || dot < start)
        return {};
    return fileName.substr(dot);
}

std::string ChangeFileExt(const std::string& fileName, const std::string& ext)
{
    const size_t start = NameStart(fileName);
    const size_t dot = fileName.rfind('.');
    if (dot == std::string::npos || dot < start)
        return fileName + ext;
    return fileName.substr(0, dot) + ext;
}

std::string IncludeTrailingBackslash(const std::string& path)
{
    if (!path.empty() && path.back() == '\\')
        return path;
    return path + '\\';
}

std::string ExcludeTrailingBackslash(const std::string& path)
{
    if (!path.empty() && path.back() == '\\')
        return path.substr(0, path.size() - 1);
    return path;
}

std::string ModuleFileName(HMODULE module)
{
    std::string name(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetModuleFileNameA(module, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0)
            return {};
        if (length < name.size()) {
            name.resize(length);
            return name;
        }
        name.resize(name.size() * 2);
    }
}

std::string WindowText(HWND wnd)
{
    const int length = GetWindowTextLengthA(wnd);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int got = GetWindowTextA(wnd, text.data(), length + 1);
    text.resize(static_cast<size_t>(got > 0 ? got : 0));
    return text;
}
