#include "registry/ClientCheck.h"

#include "app/MsgBox.h"
#include "framework/Exceptions.h"
#include "support/SharedKeyGuard.h"
#include "support/SeamRecorder.h"

#include <gtest/gtest.h>

namespace {

const std::string VersionKey = "SOFTWARE\\Microsoft\\Outlook Express\\Version Info";
const std::string NotInstalled = "Das E-Mail-Programm \"Microsoft® Outlook Express\" ist nicht auf Ihrem Rechner installiert!";
const std::string Version4 = "Vermutlich nutzen Sie \"Microsoft® Outlook Express\" in der Version 4.0.\r\n"
                             "Diese Version wird jedoch nicht vom Programm unterstützt.";

void ExpectOneError(const MessageBoxRecorder& boxes, const std::string& text, const std::string& caption = "Zorvane")
{
    ASSERT_EQ(boxes.Boxes.size(), 1u) << text;
    EXPECT_EQ(boxes.Boxes[0].text, text);
    EXPECT_EQ(boxes.Boxes[0].caption, caption);
    EXPECT_EQ(boxes.Boxes[0].flags, MsgBoxFlags(mkError, btOK));
}

} // namespace

TEST(CheckClientInstalled, MissingKeyOrValueShowsItsOwnMessage)
{
    SharedKeyGuard guard(HKEY_LOCAL_MACHINE, VersionKey);
    ASSERT_TRUE(DeleteTree(HKEY_LOCAL_MACHINE, VersionKey));
    {
        MessageBoxRecorder boxes;
        EXPECT_FALSE(CheckClientInstalled());
        ExpectOneError(boxes, NotInstalled);
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, VersionKey));
    }
    SetString(HKEY_LOCAL_MACHINE, VersionKey, "Andere", "6,00");
    MessageBoxRecorder boxes;
    EXPECT_FALSE(CheckClientInstalled());
    ExpectOneError(boxes, Version4);
}

TEST(CheckClientInstalled, OnlyTheFirstCharacterOfTheVersionCounts)
{
    SharedKeyGuard guard(HKEY_LOCAL_MACHINE, VersionKey);
    struct Case {
        std::string current;
        DWORD type;
        bool installed;
    };
    const Case cases[] = {
        {"6,00,2900,5512", REG_SZ, true}, {"5,50,4807,1700", REG_SZ, true}, {"5,0", REG_EXPAND_SZ, true},
        {"4,72,3110,0", REG_SZ, false},   {"10,00,1", REG_SZ, false},        {"", REG_SZ, false},
    };
    for (const Case& c : cases) {
        SetString(HKEY_LOCAL_MACHINE, VersionKey, "Current", c.current, c.type);
        MessageBoxRecorder boxes;
        EXPECT_EQ(CheckClientInstalled(), c.installed) << c.current;
        if (c.installed)
            EXPECT_TRUE(boxes.Boxes.empty()) << c.current;
        else
            ExpectOneError(boxes, Version4);
    }

    const std::pair<std::string, std::string> unreadable[] = {
        {"x,1", "'x' ist kein gültiger Integerwert"},
        {" 6", "' ' ist kein gültiger Integerwert"},
        {"-5", "'-' ist kein gültiger Integerwert"},
    };
    for (const auto& [current, error] : unreadable) {
        SetString(HKEY_LOCAL_MACHINE, VersionKey, "Current", current);
        MessageBoxRecorder boxes;
        EXPECT_EQ(RaisedText<EConvertError>([] { CheckClientInstalled(); }), error);
        EXPECT_TRUE(boxes.Boxes.empty()) << current;
    }
    SetDword(HKEY_LOCAL_MACHINE, VersionKey, "Current", 6);
    MessageBoxRecorder boxes;
    EXPECT_EQ(RaisedText<ERegistryException>([] { CheckClientInstalled(); }), "Ungültiger Datentyp für 'Current'");
    EXPECT_TRUE(boxes.Boxes.empty());
}

TEST(ClientWindowRunning, AnyTopLevelWindowOfTheClassCountsEvenHidden)
{
    SharedKeyLock lock;  // the class is ours alone, but the desktop is shared
    {
        MessageBoxRecorder boxes;
        EXPECT_FALSE(ClientWindowRunning());
        EXPECT_TRUE(boxes.Boxes.empty());
    }
    WNDCLASSA cls{};
    cls.lpfnWndProc = DefWindowProcA;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = "Outlook Express Browser Class";
    ASSERT_NE(RegisterClassA(&cls), 0);
    HWND client = CreateWindowExA(0, cls.lpszClassName, nullptr, WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr, cls.hInstance, nullptr);
    ASSERT_NE(client, nullptr);
    ASSERT_FALSE(IsWindowVisible(client));
    {
        MessageBoxRecorder boxes;
        EXPECT_TRUE(ClientWindowRunning());
        ExpectOneError(boxes,
                       "Beenden Sie bitte das Programm \"Microsoft® Outlook Express\"! Erst dann können Sie Änderungen an den "
                       "Einstellungen vornehmen.,\r\nAnsonsten würden diese wieder von Outlook Express überschrieben werden!",
                       "Zorvane - Anpassen von Outlook Express");
    }
    DestroyWindow(client);
    UnregisterClassA(cls.lpszClassName, cls.hInstance);
}
