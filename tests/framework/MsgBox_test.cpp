#include "framework/MsgBox.h"

#include "support/SeamRecorder.h"

#include <gtest/gtest.h>

TEST(ShowMsg, KindsGiveIconAndDefaultCaption)
{
    struct Case {
        MsgKind kind;
        UINT icon;
        const char* caption;
    };
    const Case cases[] = {
        {mkError, MB_ICONEXCLAMATION, "Fehler"},
        {mkInformation, MB_ICONINFORMATION, "Information"},
        {mkQuestion, MB_ICONQUESTION, "Frage"},
        {mkWarning, MB_ICONHAND, "Warnung"},
        {mkConfirmation, MB_ICONQUESTION, "Bestätigung"},
        {5, 0, ""},
        {255, 0, ""},
    };
    for (const Case& c : cases) {
        MessageBoxRecorder boxes(IDOK);
        EXPECT_EQ(ShowMsg("Text", "", c.kind, btOK), IDOK);
        ASSERT_EQ(boxes.Boxes.size(), 1u);
        EXPECT_EQ(boxes.Boxes[0].flags, MB_SETFOREGROUND | c.icon) << int(c.kind);
        EXPECT_EQ(boxes.Boxes[0].caption, c.caption) << int(c.kind);
        EXPECT_EQ(boxes.Boxes[0].text, "Text");
    }
}

TEST(ShowMsg, ButtonSetsAddTheirCodesAndAGivenCaptionWins)
{
    struct Case {
        MsgButtons buttons;
        UINT code;
    };
    const Case cases[] = {
        {0, MB_OK},
        {btOK, MB_OK},
        {btAbortRetryIgnore, MB_ABORTRETRYIGNORE},
        {btOKCancel, MB_OKCANCEL},
        {btRetryCancel, MB_RETRYCANCEL},
        {btYesNo, MB_YESNO},
        {btYesNoCancel, MB_YESNOCANCEL},
    };
    for (const Case& c : cases) {
        MessageBoxRecorder boxes(IDNO);
        EXPECT_EQ(ShowMsg("Speichern?", "Zorvane - Anpassen von Outlook Express", mkConfirmation, c.buttons), IDNO);
        ASSERT_EQ(boxes.Boxes.size(), 1u);
        EXPECT_EQ(boxes.Boxes[0].flags, MB_SETFOREGROUND | MB_ICONQUESTION | c.code);
        EXPECT_EQ(boxes.Boxes[0].caption, "Zorvane - Anpassen von Outlook Express");
    }
    EXPECT_EQ(MsgBoxFlags(mkInformation, btOK), 0x10040u);
}

TEST(ShowMsg, OwnerIsTheActiveWindowOrNone)
{
    {
        MessageBoxRecorder boxes;
        ShowMsg("a", "", mkError, btOK);
        EXPECT_EQ(boxes.Boxes.at(0).owner, GetActiveWindow());
    }
    HWND wnd = CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(wnd, nullptr);
    SetActiveWindow(wnd);
    {
        MessageBoxRecorder boxes;
        ShowMsg("b", "", mkError, btOK);
        EXPECT_EQ(boxes.Boxes.at(0).owner, GetActiveWindow());
        EXPECT_EQ(boxes.Boxes.at(0).owner, wnd);
    }
    DestroyWindow(wnd);
}
