#include "app/AboutTexts.h"

#include "VersionResource.h"
#include "framework/Exceptions.h"
#include "framework/SysUtils.h"

#include <gtest/gtest.h>

TEST(AboutTexts, BuildNumberHasAtLeastFourDigits)
{
    EXPECT_EQ(FormatBuildNumber("52"), "0052");
    EXPECT_EQ(FormatBuildNumber("0"), "0000");
    EXPECT_EQ(FormatBuildNumber("007"), "0007");
    EXPECT_EQ(FormatBuildNumber("1234"), "1234");
    EXPECT_EQ(FormatBuildNumber("12345"), "12345");
    EXPECT_EQ(FormatBuildNumber(" 52"), "0052");
}

TEST(AboutTexts, BuildNumberThatIsNoNumberRaisesTheConversionError)
{
    for (const char* text : {"", "5a", "x", "1.2", "99999999999"}) {
        try {
            FormatBuildNumber(text);
            ADD_FAILURE() << "no error for '" << text << "'";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), Format("'%s' ist kein gültiger Integerwert", text));
        }
    }
}

TEST(AboutTexts, DateTextEndsAfterTheFirstBlank)
{
    EXPECT_EQ(AboutDateText("07.04.2008 10:34:22"), "vom 07.04.2008 ");
    EXPECT_EQ(AboutDateText("07.04.2008"), "vom ");
    EXPECT_EQ(AboutDateText(""), "vom ");
    EXPECT_EQ(AboutDateText(" 10:34"), "vom  ");
    EXPECT_EQ(AboutDateText("2008 April Montag 10:34:22"), "vom 2008 ");
}

TEST(AboutTexts, VersionTextSplitsAtTheDots)
{
    EXPECT_EQ(AboutVersionText("2.2.8.52"), "Version 2.2 [2.2.8.0052]");
    EXPECT_EQ(AboutVersionText("2.2.8.12345"), "Version 2.2 [2.2.8.12345]");
    EXPECT_EQ(AboutVersionText("10.0.19041.1"), "Version 10.0 [10.0.19041.0001]");
    EXPECT_EQ(AboutVersionText(""), "Version ");
    EXPECT_THROW(AboutVersionText("2.2.8.52b"), EConvertError);
    // The build part is everything after the third dot.
    EXPECT_THROW(AboutVersionText("2.2.8.5.2"), EConvertError);
    // Too few parts leave no build number.
    EXPECT_THROW(AboutVersionText("2.2"), EConvertError);
}

TEST(AboutTexts, ProductText)
{
    EXPECT_EQ(AboutProductText(), "Zorvane - Anpassen von Outlook Express");
}

TEST(AboutTexts, VersionTextOfFiles)
{
    EXPECT_EQ(AboutVersionTextOf(ModuleFileName()), "Version 2.2 [2.2.8.0052]");
    // Built anew at every call: the second text is the same, not appended to.
    EXPECT_EQ(AboutVersionTextOf(ModuleFileName()), "Version 2.2 [2.2.8.0052]");

    TempTextFile text;
    EXPECT_EQ(AboutVersionTextOf(text.Path()), "Version ");

    TempVersionedExe fallback(VersionRecordLayout{});
    ASSERT_FALSE(fallback.Path().empty()) << fallback.Error();
    EXPECT_EQ(AboutVersionTextOf(fallback.Path()), "Version 3.1 [3.1.4.0015]");
    EXPECT_EQ(AboutVersionTextOf(ModuleFileName()), "Version 2.2 [2.2.8.0052]");

    VersionRecordLayout bad;
    bad.fileVersion = L"2.2.8.beta";
    TempVersionedExe badExe(bad);
    ASSERT_FALSE(badExe.Path().empty()) << badExe.Error();
    EXPECT_THROW(AboutVersionTextOf(badExe.Path()), EConvertError);
}
