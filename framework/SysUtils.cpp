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

char TimeSeparator()
{
    return LocaleChar(LOCALE_STIME, ':');
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
    const size_t n = format.size();
    bool afterHour = false;
    size_t i = 0;
    auto run = [&](char c) {
        size_t count = 0;
        while (i + count < n && std::tolower(static_cast<unsigned char>(format[i + count])) == c)
            ++count;
        return count;
    };
    while (i < n) {
        const char c = format[i];
        const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (c == '\'' || c == '"') {
            const size_t end = format.find(c, i + 1);
            const size_t stop = end == std::string::npos ? n : end;
            out.append(format, i + 1, stop - i - 1);
            i = stop == n ? n : stop + 1;
            continue;
        }
        if (c == '/') {
            out += DateSeparator();
            ++i;
            continue;
        }
        if (c == ':') {
            out += TimeSeparator();
            ++i;
            continue;
        }
        if (lower == 'a' && (format.compare(i, 5, "am/pm") == 0 || format.compare(i, 5, "AM/PM") == 0)) {
            out += when.wHour < 12 ? "am" : "pm";
            i += 5;
            continue;
        }
        size_t count = 0;
        switch (lower) {
        case 'd':
            count = run('d');
            if (count == 1)
                out += IntToStr(when.wDay);
            else if (count == 2)
                out += TwoDigits(when.wDay);
            else if (count == 3)
                out += DatePicture(when, 0, "ddd");
            else if (count == 4)
                out += DatePicture(when, 0, "dddd");
            else if (count == 5)
                out += DatePicture(when, DATE_SHORTDATE, nullptr);
            else
                out += DatePicture(when, DATE_LONGDATE, nullptr);
            i += std::min<size_t>(count, 6);
            afterHour = false;
            continue;
        case 'm':
            count = std::min<size_t>(run('m'), 4);
            if (afterHour && count <= 2)
                out += count == 1 ? IntToStr(when.wMinute) : TwoDigits(when.wMinute);
            else if (count == 1)
                out += IntToStr(when.wMonth);
            else if (count == 2)
                out += TwoDigits(when.wMonth);
            else if (count == 3)
                out += DatePicture(when, 0, "MMM");
            else
                out += DatePicture(when, 0, "MMMM");
            i += count;
            afterHour = false;
            continue;
        case 'y':
            count = run('y');
            out += count <= 2 ? TwoDigits(when.wYear % 100) : Format("%04d", when.wYear);
            i += count;
            afterHour = false;
            continue;
        case 'h':
            count = std::min<size_t>(run('h'), 2);
            out += count == 1 ? IntToStr(when.wHour) : TwoDigits(when.wHour);
            i += count;
            afterHour = true;
            continue;
        case 'n':
            count = std::min<size_t>(run('n'), 2);
            out += count == 1 ? IntToStr(when.wMinute) : TwoDigits(when.wMinute);
            i += count;
            afterHour = false;
            continue;
        case 's':
            count = std::min<size_t>(run('s'), 2);
            out += count == 1 ? IntToStr(when.wSecond) : TwoDigits(when.wSecond);
            i += count;
            afterHour = false;
            continue;
        case 't':
            count = std::min<size_t>(run('t'), 2);
            out += TimePicture(when, count == 1 ? TIME_NOSECONDS : 0);
            i += count;
            afterHour = false;
            continue;
        default:
            break;
        }
        out += c;
        ++i;
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
