#include "app/CompileInfo.h"

#include "framework/SysUtils.h"

#include <gtest/gtest.h>

namespace {
// Names and date pictures as the locale gives them, independent of the
// format-letter parser.
std::string LocaleDate(const SYSTEMTIME& t, DWORD flags, const char* picture)
{
    char buffer[128] = {};
    GetDateFormatA(LOCALE_USER_DEFAULT, flags, &t, picture, buffer, sizeof buffer);
    return buffer;
}
} // namespace

TEST(CompileInfo, DefaultsAndCreationStamp)
{
    const std::string sep(1, DateSeparator());
    const std::string format = "dd" + sep + "mm" + sep + "yyyy tt";
    const std::string before = FormatDateTime(format, Now());
    TComponent owner;
    auto* info = new TCompileInfo(&owner);
    const std::string after = FormatDateTime(format, Now());

    EXPECT_EQ(info->Owner(), &owner);
    EXPECT_EQ(info->Build(), 1);
    EXPECT_EQ(info->CompanyName(), "Zorvane-Team");
    EXPECT_FALSE(info->DateOnly());
    EXPECT_EQ(info->Format(), tfDefault);
    EXPECT_FALSE(info->Update());
    EXPECT_EQ(info->Version(), "1.0");
    EXPECT_EQ(info->FormatString(), format);
    EXPECT_TRUE(info->CompileDate() == before || info->CompileDate() == after) << info->CompileDate();
}

// The test programs run with the German locale, as the program's users do.
TEST(CompileInfo, FormatTableGivesTheStamp)
{
    ASSERT_EQ(DateSeparator(), '.');
    const SYSTEMTIME moment = {2008, 4, 1, 7, 10, 34, 22, 0};
    const std::string shortDate = LocaleDate(moment, DATE_SHORTDATE, nullptr);
    const std::string abbreviated = "08 " + LocaleDate(moment, 0, "MMM") + " " + LocaleDate(moment, 0, "ddd");
    ASSERT_EQ(LocaleDate(moment, 0, "MMMM dddd"), "April Montag");

    struct Case {
        TDateTimeFormat format;
        bool dateOnly;
        const char* formatString;
        std::string stamp;
    };
    const Case cases[] = {
        {tfDefault, false, "dd.mm.yyyy tt", "07.04.2008 10:34:22"},
        {tfDefault, true, "dd.mm.yyyy tt", "07.04.2008 00:00:00"},
        {tfShortDate, true, "ddddd", shortDate},
        {tfLongDate, false, "dddddd", LocaleDate(moment, DATE_LONGDATE, nullptr)},
        {tfAbbreviated, false, "yy mmm ddd t", abbreviated + " 10:34"},
        {tfAbbreviated, true, "yy mmm ddd", abbreviated},
        {tfFullName, false, "yyyy mmmm dddd tt", "2008 April Montag 10:34:22"},
        {tfFullName, true, "yyyy mmmm dddd", "2008 April Montag"},
    };
    for (const Case& c : cases) {
        TCompileInfo info;
        info.SetDateOnly(c.dateOnly);
        // Going through another format makes the setter pick the string anew.
        info.SetFormat(c.format == tfShortDate ? tfLongDate : tfShortDate);
        info.SetFormat(c.format);
        EXPECT_EQ(info.FormatString(), c.formatString) << int(c.format) << c.dateOnly;
        EXPECT_EQ(info.StampText(moment), c.stamp) << int(c.format) << c.dateOnly;
    }
}

TEST(CompileInfo, SettersKeepTheStoredDateInTheRunningProgram)
{
    TCompileInfo info;
    info.SetCompileDate("07.04.2008 10:34:22");
    info.SetUpdate(true);
    EXPECT_TRUE(info.Update());
    EXPECT_EQ(info.CompileDate(), "07.04.2008 10:34:22");

    // A new format picks its string but does not re-stamp outside a designer.
    info.SetFormat(tfFullName);
    EXPECT_EQ(info.FormatString(), "yyyy mmmm dddd tt");
    EXPECT_TRUE(info.Update());
    info.SetUpdate(false);
    EXPECT_FALSE(info.Update());

    // DateOnly counts when a different format is set, not before.
    info.SetDateOnly(true);
    info.SetFormat(tfFullName);
    EXPECT_EQ(info.FormatString(), "yyyy mmmm dddd tt");
    info.SetFormat(tfAbbreviated);
    EXPECT_EQ(info.FormatString(), "yy mmm ddd");

    info.SetBuild(52);
    info.SetCompanyName("Zorvane-Team Berlin");
    info.SetVersion("2.2");
    EXPECT_EQ(info.Build(), 52);
    EXPECT_EQ(info.CompanyName(), "Zorvane-Team Berlin");
    EXPECT_EQ(info.Version(), "2.2");
    EXPECT_EQ(info.CompileDate(), "07.04.2008 10:34:22");
}
