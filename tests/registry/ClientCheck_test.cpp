#include "registry/ClientCheck.h"

#include "framework/Exceptions.h"
#include "support/SeamRecorder.h"
#include "support/SharedKeyGuard.h"

#include <gtest/gtest.h>

// The checks only report: no case may put anything before the user.

namespace {

const std::string VersionKey = "SOFTWARE\\Microsoft\\Outlook Express\\Version Info";

const char* NameOf(TClientInstall found)
{
    switch (found) {
    case TClientInstall::Installed:
        return "Installed";
    case TClientInstall::NotInstalled:
        return "NotInstalled";
    case TClientInstall::TooOld:
        return "TooOld";
    case TClientInstall::Unreadable:
        return "Unreadable";
    }
    return "?";
}

} // namespace

TEST(ReadClientInstall, MissingKeyIsNotInstalledMissingValueIsTooOld)
{
    SharedKeyGuard guard(HKEY_LOCAL_MACHINE, VersionKey);
    MessageBoxRecorder boxes;
    ASSERT_TRUE(DeleteTree(HKEY_LOCAL_MACHINE, VersionKey));
    EXPECT_STREQ(NameOf(ReadClientInstall()), "NotInstalled");
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, VersionKey)) << "reading creates nothing";
    SetString(HKEY_LOCAL_MACHINE, VersionKey, "Andere", "6,00");
    EXPECT_STREQ(NameOf(ReadClientInstall()), "TooOld");
    EXPECT_TRUE(boxes.Boxes.empty());
}

TEST(ReadClientInstall, OnlyTheFirstCharacterOfTheVersionCounts)
{
    SharedKeyGuard guard(HKEY_LOCAL_MACHINE, VersionKey);
    MessageBoxRecorder boxes;
    struct Case {
        std::string current;
        DWORD type;
        TClientInstall found;
    };
    const Case cases[] = {
        {"6,00,2900,5512", REG_SZ, TClientInstall::Installed}, {"5,50,4807,1700", REG_SZ, TClientInstall::Installed},
        {"5,0", REG_EXPAND_SZ, TClientInstall::Installed},     {"9", REG_SZ, TClientInstall::Installed},
        {"4,72,3110,0", REG_SZ, TClientInstall::TooOld},       {"10,00,1", REG_SZ, TClientInstall::TooOld},
        {"", REG_SZ, TClientInstall::TooOld},
    };
    for (const Case& c : cases) {
        SetString(HKEY_LOCAL_MACHINE, VersionKey, "Current", c.current, c.type);
        EXPECT_STREQ(NameOf(ReadClientInstall()), NameOf(c.found)) << c.current;
    }

    const std::pair<std::string, std::string> unreadable[] = {
        {"x,1", "'x' ist kein gültiger Integerwert"},
        {" 6", "' ' ist kein gültiger Integerwert"},
        {"-5", "'-' ist kein gültiger Integerwert"},
    };
    for (const auto& [current, error] : unreadable) {
        SetString(HKEY_LOCAL_MACHINE, VersionKey, "Current", current);
        EXPECT_EQ(RaisedText<EConvertError>([] { ReadClientInstall(); }), error);
    }
    // A type that holds no text: the version cannot be read, which is no error.
    SetDword(HKEY_LOCAL_MACHINE, VersionKey, "Current", 6);
    EXPECT_STREQ(NameOf(ReadClientInstall()), "Unreadable");
    SetValue(HKEY_LOCAL_MACHINE, VersionKey, "Current", REG_BINARY, "6,00", 4);
    EXPECT_STREQ(NameOf(ReadClientInstall()), "Unreadable");
    EXPECT_TRUE(boxes.Boxes.empty());
}

TEST(ClientWindowExists, AnyTopLevelWindowOfTheClassCountsEvenHidden)
{
    SharedKeyLock lock;  // the class is ours alone, but the desktop is shared
    MessageBoxRecorder boxes;
    EXPECT_FALSE(ClientWindowExists());
    WNDCLASSA cls{};
    cls.lpfnWndProc = DefWindowProcA;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = "Outlook Express Browser Class";
    ASSERT_NE(RegisterClassA(&cls), 0);
    HWND client = CreateWindowExA(0, cls.lpszClassName, nullptr, WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr, cls.hInstance, nullptr);
    ASSERT_NE(client, nullptr);
    ASSERT_FALSE(IsWindowVisible(client));
    EXPECT_TRUE(ClientWindowExists());
    DestroyWindow(client);
    UnregisterClassA(cls.lpszClassName, cls.hInstance);
    EXPECT_FALSE(ClientWindowExists());
    EXPECT_TRUE(boxes.Boxes.empty());
}
