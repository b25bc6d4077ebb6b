#include "app/CompileInfo.h"

#include "framework/SysUtils.h"

TCompileInfo::TCompileInfo(TComponent* owner)
    : TComponent(owner), FFormatString(FormatStringOf(tfDefault, false))
{
    FCompileDate = StampText(Now());
}

std::string TCompileInfo::FormatStringOf(TDateTimeFormat format, bool dateOnly)
{
    switch (format) {
    case tfShortDate:
        return "ddddd";
    case tfLongDate:
        return "dddddd";
    case tfAbbreviated:
        return dateOnly ? "yy mmm ddd" : "yy mmm ddd t";
    case tfFullName:
        return dateOnly ? "yyyy mmmm dddd" : "yyyy mmmm dddd tt";
    case tfDefault:
    default: {
        // Built with the user's separator rather than "/", so the stored
        // format string reads like the date it gives.
        const std::string sep(1, DateSeparator());
        return "dd" + sep + "mm" + sep + "yyyy" + " tt";
    }
    }
}

std::string TCompileInfo::StampText(const SYSTEMTIME& when) const
{
    SYSTEMTIME moment = when;
    if (FDateOnly) {
        moment.wHour = 0;
        moment.wMinute = 0;
        moment.wSecond = 0;
        moment.wMilliseconds = 0;
    }
    return FormatDateTime(FFormatString, moment);
}

void TCompileInfo::SetBuild(int value)
{
    if (value != FBuild)
        FBuild = value;
}

void TCompileInfo::SetCompanyName(const std::string& value)
{
    if (value != FCompanyName)
        FCompanyName = value;
}

void TCompileInfo::SetCompileDate(const std::string& value)
{
    if (value != FCompileDate)
        FCompileDate = value;
}

void TCompileInfo::SetVersion(const std::string& value)
{
    if (value != FVersion)
        FVersion = value;
}

void TCompileInfo::SetFormat(TDateTimeFormat value)
{
    if (value == FFormat)
        return;
    FFormat = value;
    FFormatString = FormatStringOf(value, FDateOnly);
    SetUpdate(FUpdate);
}

void TCompileInfo::SetUpdate(bool value)
{
    FUpdate = value;
}
