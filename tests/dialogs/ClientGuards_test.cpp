#include "dialogs/ClientGuards.h"

#include "framework/MsgBox.h"
#include "framework/Exceptions.h"
#include "support/FakeClientWindow.h"
#include "support/SeamRecorder.h"
#include "support/SharedKeyGuard.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const std::string VersionKey = "SOFTWARE\\Microsoft\\Outlook Express\\Version Info";
const std::string NotInstalled = "Das E-Mail-Programm \"Microsoft® Outlook Express\" ist nicht auf Ihrem Rechner installiert!";
const std::string Version4 = "Vermutlich nutzen Sie \"Microsoft® Outlook Express\" in der Version 4.0.\r\n"
                             "Diese Version wird jedoch nicht vom Programm unterstützt.";
const std::string Unreadable = "Die Version von \"Microsoft® Outlook Express\" lässt sich nicht lesen: Der Wert \"Current\" unter "
                               "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Outlook Express\\Version Info hat einen ungültigen "
                               "Datentyp.\r\nSolange die Version nicht feststeht, ändert das Programm keine Einstellungen.";

} // namespace

TEST(CheckClientInstalled, EachFindingHasItsOwnMessageAndOnlyASupportedClientPasses)
{
    SharedKeyGuard guard(HKEY_LOCAL_MACHINE, VersionKey);
    struct Case {
        const char* state;
        std::function<void()> arrange;
        bool passes;
        std::string shown;   // empty: no message
    };
    const Case cases[] = {
        {"no key", [] { DeleteTree(HKEY_LOCAL_MACHINE, VersionKey); }, false, NotInstalled},
        {"no value", [] { SetString(HKEY_LOCAL_MACHINE, VersionKey, "Andere", "6,00"); }, false, Version4},
        {"version 4", [] { SetString(HKEY_LOCAL_MACHINE, VersionKey, "Current", "4,72,3110,0"); }, false, Version4},
        {"empty", [] { SetString(HKEY_LOCAL_MACHINE, VersionKey, "Current", ""); }, false, Version4},
        {"wrong type", [] { SetDword(HKEY_LOCAL_MACHINE, VersionKey, "Current", 6); }, false, Unreadable},
        {"version 6", [] { SetString(HKEY_LOCAL_MACHINE, VersionKey, "Current", "6,00,2900,5512"); }, true, ""},
    };
    for (const Case& c : cases) {
        c.arrange();
        MessageBoxRecorder boxes;
        EXPECT_EQ(CheckClientInstalled(), c.passes) << c.state;
        if (c.shown.empty()) {
            EXPECT_TRUE(boxes.Boxes.empty()) << c.state;
            continue;
        }
        ASSERT_EQ(boxes.Boxes.size(), 1u) << c.state;
        EXPECT_EQ(boxes.Boxes[0].text, c.shown) << c.state;
        EXPECT_EQ(boxes.Boxes[0].caption, "Zorvane") << c.state;
        EXPECT_EQ(boxes.Boxes[0].flags, MsgBoxFlags(mkError, btOK)) << c.state;
    }
    // An unreadable version is an error for the application's display, not a message of ours.
    SetString(HKEY_LOCAL_MACHINE, VersionKey, "Current", "x,1");
    MessageBoxRecorder boxes;
    EXPECT_EQ(RaisedText<EConvertError>([] { CheckClientInstalled(); }), "'x' ist kein gültiger Integerwert");
    EXPECT_TRUE(boxes.Boxes.empty());
}

TEST(ClientWindowRunning, ARunningClientIsReportedWithItsMessage)
{
    SharedKeyLock lock;
    {
        MessageBoxRecorder boxes;
        EXPECT_FALSE(ClientWindowRunning());
        EXPECT_TRUE(boxes.Boxes.empty());
    }
    {
        const zvtest::FakeClientWindow client;
        MessageBoxRecorder boxes;
        EXPECT_TRUE(ClientWindowRunning());
        ASSERT_EQ(boxes.Boxes.size(), 1u);
        EXPECT_EQ(boxes.Boxes[0].text,
                  "Beenden Sie bitte das Programm \"Microsoft® Outlook Express\"! Erst dann können Sie Änderungen an den "
                  "Einstellungen vornehmen.,\r\nAnsonsten würden diese wieder von Outlook Express überschrieben werden!");
        EXPECT_EQ(boxes.Boxes[0].caption, "Zorvane - Anpassen von Outlook Express");
        EXPECT_EQ(boxes.Boxes[0].flags, MsgBoxFlags(mkError, btOK));
    }
}
