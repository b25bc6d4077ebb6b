#include "app/VersionInfo.h"

#include "VersionResource.h"
#include "framework/SysUtils.h"

#include <gtest/gtest.h>

// The test program carries the same version record as the program.
TEST(VersionInfo, ReadsTheOwnRecord)
{
    const TVersionInfo info(ModuleFileName());
    ASSERT_TRUE(info.Valid());
    EXPECT_EQ(info.FileName(), ModuleFileName());
    EXPECT_EQ(info.GetTranslation(), "040704E4");
    EXPECT_EQ(info.GetFileVersion(), "2.2.8.52");
    EXPECT_EQ(info.GetStringValue("FileVersion"), "2.2.8.52");
    EXPECT_EQ(info.GetStringValue("ProductVersion"), "2.2");
    EXPECT_EQ(info.GetStringValue("OriginalFilename"), "zorvane.exe");
    // Comes back in code page 1252, umlaut included.
    EXPECT_EQ(info.GetStringValue("FileDescription"), "Zorvane - Ändern von OE-Einstellungen");
    EXPECT_EQ(info.GetStringValue("LegalTrademarks"), "");
    EXPECT_EQ(info.GetStringValue("NoSuchKey"), "");
}

TEST(VersionInfo, FilesWithoutRecordGiveEmptyTexts)
{
    TempTextFile text;
    const std::string missing = text.Path() + ".fehlt";
    for (const std::string& path : {text.Path(), missing}) {
        const TVersionInfo info(path);
        EXPECT_FALSE(info.Valid()) << path;
        EXPECT_EQ(info.GetTranslation(), "") << path;
        EXPECT_EQ(info.GetStringValue("FileVersion"), "") << path;
        EXPECT_EQ(info.GetFileVersion(), "") << path;
    }
}

TEST(VersionInfo, EmptyFileVersionFallsBackToTheFixedNumbers)
{
    VersionRecordLayout layout;
    layout.fixed[0] = 3;
    layout.fixed[1] = 1;
    layout.fixed[2] = 4;
    layout.fixed[3] = 15;
    TempVersionedExe exe(layout);
    ASSERT_FALSE(exe.Path().empty()) << exe.Error();

    const TVersionInfo info(exe.Path());
    ASSERT_TRUE(info.Valid());
    EXPECT_EQ(info.GetTranslation(), "040704E4");
    EXPECT_EQ(info.GetStringValue("FileVersion"), "");
    EXPECT_EQ(info.GetStringValue("ProductName"), "Zorvane");
    EXPECT_EQ(info.GetFileVersion(), "3.1.4.15");
}

TEST(VersionInfo, FixedNumbersUseAllSixteenBitsOfEachPart)
{
    VersionRecordLayout layout;
    layout.fixed[0] = 65535;
    layout.fixed[1] = 0;
    layout.fixed[2] = 256;
    layout.fixed[3] = 40000;
    TempVersionedExe exe(layout);
    ASSERT_FALSE(exe.Path().empty()) << exe.Error();
    EXPECT_EQ(TVersionInfo(exe.Path()).GetFileVersion(), "65535.0.256.40000");
}

TEST(VersionInfo, RecordWithoutTranslationHasNoStringsButTheFixedVersion)
{
    VersionRecordLayout layout;
    layout.withTranslation = false;
    layout.fileVersion = L"9.9.9.9";
    TempVersionedExe exe(layout);
    ASSERT_FALSE(exe.Path().empty()) << exe.Error();

    const TVersionInfo info(exe.Path());
    ASSERT_TRUE(info.Valid());
    EXPECT_EQ(info.GetTranslation(), "");
    EXPECT_EQ(info.GetStringValue("ProductName"), "");
    EXPECT_EQ(info.GetFileVersion(), "3.1.4.15");
}
