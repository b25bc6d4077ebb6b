#include "framework/Exceptions.h"
#include "framework/SysUtils.h"

#include <gtest/gtest.h>

TEST(StrToInt, AcceptsDecimalWithSignAndBlanks)
{
    EXPECT_EQ(StrToInt("52"), 52);
    EXPECT_EQ(StrToInt(" -7 "), -7);
    EXPECT_EQ(StrToInt("+2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
}

TEST(StrToInt, RejectsEverythingElseWithTheGermanText)
{
    for (const char* bad : {"", " ", "x", "4a", "1.5", "2147483648", "-", "0x10"}) {
        try {
            StrToInt(bad);
            ADD_FAILURE() << "no error for '" << bad << "'";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), std::string("'") + bad + "' ist kein gültiger Integerwert");
        }
    }
    EXPECT_EQ(StrToIntDef("zz", 9), 9);
}

TEST(FormatDateTime, FixedLettersAndSeparators)
{
    SYSTEMTIME t{};
    t.wYear = 2008;
    t.wMonth = 4;
    t.wDay = 7;
    t.wHour = 10;
    t.wMinute = 34;
    t.wSecond = 22;
    EXPECT_EQ(FormatDateTime("dd.mm.yyyy", t), "07.04.2008");
    EXPECT_EQ(FormatDateTime("d.m.yy t", t), "7.4.08 10:34");
    char shortDate[64] = {};
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &t, nullptr, shortDate, sizeof shortDate);
    EXPECT_EQ(FormatDateTime("ddddd", t), shortDate) << "the locale's short date";
    EXPECT_EQ(FormatDateTime("[dd/mm] x", t), "[07/04] x") << "other characters stand for themselves";
    EXPECT_EQ(FormatDateTime("tt", t), "10:34:22");
    EXPECT_EQ(FormatDateTime("mmmm", t), "April");
    EXPECT_EQ(FormatDateTime("dddd", t), "Montag");
}

TEST(FileNameParts, SplitPathNameAndExtension)
{
    EXPECT_EQ(ExtractFilePath("C:\\a\\b.txt"), "C:\\a\\");
    EXPECT_EQ(ExtractFileDir("C:\\a\\b.txt"), "C:\\a");
    EXPECT_EQ(ExtractFileDir("C:\\b.txt"), "C:\\");
    EXPECT_EQ(ExtractFileName("C:\\a\\b.txt"), "b.txt");
    EXPECT_EQ(ExtractFileExt("C:\\a.d\\b"), "");
    EXPECT_EQ(ExtractFileExt("b.tar.JPG"), ".JPG");
    EXPECT_EQ(ChangeFileExt("C:\\a\\b.txt", ".tmp"), "C:\\a\\b.tmp");
    EXPECT_EQ(IncludeTrailingBackslash("C:\\a"), "C:\\a\\");
    EXPECT_EQ(IncludeTrailingBackslash("C:\\a\\"), "C:\\a\\");
}

TEST(UpperCase, FollowsCodePage1252)
{
    EXPECT_EQ(UpperCase("größe.bmp"), "GRÖßE.BMP");
}
