#include "app/AboutTexts.h"

#include "app/VersionInfo.h"
#include "framework/SysUtils.h"

std::string FormatBuildNumber(const std::string& text)
{
    std::string number = IntToStr(StrToInt(text));
    if (number.size() < 4)
        number.insert(0, 4 - number.size(), '0');
    return number;
}

std::string AboutDateText(const std::string& compileDate)
{
    const size_t blank = compileDate.find(' ');
    return "vom " + (blank == std::string::npos ? std::string() : compileDate.substr(0, blank + 1));
}

// Takes the text before the next dot off the front of rest. Without a further
// dot the whole rest is the part.
static std::string NextPart(std::string& rest)
{
    const size_t dot = rest.find('.');
    std::string part = rest.substr(0, dot);
    rest = dot == std::string::npos ? std::string() : rest.substr(dot + 1);
    return part;
}

std::string AboutVersionText(const std::string& fileVersion)
{
    if (fileVersion.empty())
        return "Version ";
    std::string rest = fileVersion;
    const std::string major = NextPart(rest);
    const std::string minor = NextPart(rest);
    const std::string release = NextPart(rest);
    // Whatever follows the third dot is the build, dots and all.
    const std::string build = rest;
    return "Version " + major + "." + minor + " [" + major + "." + minor + "." + release + "." +
           FormatBuildNumber(build) + "]";
}

std::string AboutVersionTextOf(const std::string& exePath)
{
    const TVersionInfo info(exePath);
    return AboutVersionText(info.GetFileVersion());
}

std::string AboutProductText()
{
    return "Zorvane - Anpassen von Outlook Express";
}
