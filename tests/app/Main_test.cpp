#include "app/Main.h"

#include "app/Sponsors.h"
#include "app/info.h"
#include "controls/HTTPLabel.h"
#include "controls/TFlatButtonUnit.h"
#include "controls/TFlatSpeedButtonUnit.h"
#include "framework/StdImage.h"
#include "framework/StdLabel.h"
#include "framework/Timer.h"

#include "VersionResource.h"
#include "support/FakeClientWindow.h"
#include "support/ModalCloser.h"
#include "support/SeamRecorder.h"
#include "support/SharedKeyGuard.h"
#include "support/TestForm.h"

#include <gtest/gtest.h>

namespace {

const char* const kVersionKey = "SOFTWARE\\Microsoft\\Outlook Express\\Version Info";
const char* const kNotInstalled =
    "Das E-Mail-Programm \"Microsoft® Outlook Express\" ist nicht auf Ihrem Rechner installiert!";
const char* const kVersion4 =
    "Vermutlich nutzen Sie \"Microsoft® Outlook Express\" in der Version 4.0.\r\nDiese Version wird jedoch nicht vom "
    "Programm unterstützt.";
const char* const kRunning =
    "Beenden Sie bitte das Programm \"Microsoft® Outlook Express\"! Erst dann können Sie Änderungen an den "
    "Einstellungen vornehmen.,\r\nAnsonsten würden diese wieder von Outlook Express überschrieben werden!";

using RecordingMainDlg = zvtest::SysCommandRecorder<TMainDlg>;

using zvtest::FakeClientWindow;

using zvtest::DrainMessages;

struct MainFixture : testing::Test {
    RecordingMainDlg* dlg = nullptr;
    void SetUp() override { dlg = new RecordingMainDlg(nullptr); }
    void TearDown() override
    {
        delete dlg;
        DrainMessages();
    }
    // The centre of a speed button, in the window's client coordinates.
    POINT Centre(TControl* c) const { return {c->Left() + c->Width() / 2, c->Top() + c->Height() / 2}; }
};

} // namespace

TEST_F(MainFixture, GuardsOfBothSettingsButtonsShowTheirMessagesInOrder)
{
    SharedKeyLock lock;
    KeySnapshot saved = KeySnapshot::Take(HKEY_LOCAL_MACHINE, kVersionKey);
    struct Case {
        const char* what;
        bool key;
        const char* current;   // nullptr: no value
        bool clientWindow;
        const char* text;      // nullptr: no message
        const char* caption;
    };
    const Case cases[] = {
        {"not installed, even with a client window", false, nullptr, true, kNotInstalled, "Zorvane"},
        {"key without Current", true, nullptr, true, kVersion4, "Zorvane"},
        {"version 4", true, "4,00,2600,0000", false, kVersion4, "Zorvane"},
        {"two-digit major version", true, "10,0", false, kVersion4, "Zorvane"},
        {"installed and running (hidden window)", true, "6,00,2900,5512", true, kRunning,
         "Zorvane - Anpassen von Outlook Express"},
        {"installed, not running", true, "5,50,4133,2400", false, nullptr, nullptr},
    };
    HWND wnd = dlg->Handle();
    // The dialog each button opens once the guards let it through.
    const std::pair<TFlatSpeedButton*, const char*> buttons[] = {
        {dlg->btnAllgemein, "Allgemeine Einstellungen von Microsoft® Outlook Express"},
        {dlg->btnIdent, "Identitäten-abhängiges Anpassen von Microsoft® Outlook Express"},
    };
    for (auto [button, opens] : buttons) {
        for (const Case& c : cases) {
            DeleteTree(HKEY_LOCAL_MACHINE, kVersionKey);
            if (c.key)
                CreateKeyPath(HKEY_LOCAL_MACHINE, kVersionKey);
            if (c.current)
                SetString(HKEY_LOCAL_MACHINE, kVersionKey, "Current", c.current);
            std::optional<FakeClientWindow> client;
            if (c.clientWindow)
                client.emplace();
            MessageBoxRecorder boxes;
            ModalCloser closer;
            const POINT p = Centre(button);
            zvtest::Click(wnd, p.x, p.y);
            if (!c.text) {
                if (opens) {
                    ASSERT_EQ(closer.Closed.size(), 1u) << button->Name();
                    EXPECT_EQ(closer.Closed[0], opens);
                } else {
                    EXPECT_TRUE(closer.Closed.empty()) << button->Name();
                }
                for (const ShownBox& box : boxes.Boxes)
                    for (const char* guard : {kNotInstalled, kVersion4, kRunning})
                        EXPECT_NE(box.text, guard) << c.what;
                continue;
            }
            EXPECT_TRUE(closer.Closed.empty()) << button->Name() << ": " << c.what;
            ASSERT_EQ(boxes.Boxes.size(), 1u) << button->Name() << ": " << c.what;
            EXPECT_EQ(boxes.Boxes[0].text, c.text) << c.what;
            EXPECT_EQ(boxes.Boxes[0].caption, c.caption) << c.what;
            EXPECT_EQ(boxes.Boxes[0].flags, static_cast<UINT>(MB_SETFOREGROUND | MB_ICONEXCLAMATION | MB_OK)) << c.what;
        }
    }
    saved.Restore(HKEY_LOCAL_MACHINE, kVersionKey);
}

TEST_F(MainFixture, FirstShowAppliesTheSkinOnceAndEveryShowPicksASponsor)
{
    dlg->Show();
    EXPECT_TRUE(dlg->SkinApplied);
    EXPECT_EQ(dlg->SkinRegionBuilds(), 1);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(GetWindowRgn(dlg->Handle(), region), ERROR);
    EXPECT_FALSE(PtInRegion(region, 0, 0)) << "the key-coloured corner is cut away";
    EXPECT_TRUE(PtInRegion(region, 100, 140));
    DeleteObject(region);

    std::string previousUrl;
    for (int show = 0; show < 6; ++show) {
        if (show > 0) {
            dlg->Hide();
            dlg->Show();
        }
        const int i = dlg->SponsorIndex();
        ASSERT_GE(i, 0);
        ASSERT_LT(i, kSponsorCount);
        EXPECT_EQ(dlg->lblWerbetext->Caption(), SponsorText[i]);
        EXPECT_EQ(dlg->lblWerbeURL->Caption(), SponsorAddress[i]);
        EXPECT_EQ(dlg->lblWerbeURL->Url(), std::string("http://") + SponsorAddress[i] + "?zorvane");
        // The hint is set to the bare address first; a changed link then
        // replaces it by the full link, an unchanged one leaves it.
        if (dlg->lblWerbeURL->Url() != previousUrl)
            EXPECT_EQ(dlg->lblWerbeURL->Hint(), dlg->lblWerbeURL->Url());
        else
            EXPECT_EQ(dlg->lblWerbeURL->Hint(), SponsorAddress[i]);
        previousUrl = dlg->lblWerbeURL->Url();
    }
    EXPECT_EQ(dlg->SkinRegionBuilds(), 1) << "the region is built at the first show only";
}

TEST(Sponsors, TextsAndAddressesFitTheLabel)
{
    TForm form(nullptr);
    for (int i = 0; i < kSponsorCount; ++i) {
        const std::string text = SponsorText[i];
        const std::string address = SponsorAddress[i];
        EXPECT_GE(text.size(), 44u) << text;
        EXPECT_LE(text.size(), 57u) << text;
        EXPECT_GE(address.size(), 10u) << address;
        EXPECT_LE(address.size(), 15u) << address;
        EXPECT_EQ(address.find('/'), std::string::npos) << address;
        EXPECT_NE(address.find("example."), std::string::npos) << address;
        TMemoryDC mem(nullptr, 1, 1);
        TCanvas canvas(mem.Handle());
        canvas.Font = form.Font();
        EXPECT_LE(canvas.TextWidth(text), 333) << text;
    }
}

TEST_F(MainFixture, DragMoveStartsForAnyMouseButtonOnTheSkin)
{
    dlg->Show();
    HWND wnd = dlg->Handle();
    // A spot of the skin with no button on it.
    SendMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 100));
    SendMessageA(wnd, WM_LBUTTONUP, 0, MAKELPARAM(40, 100));
    SendMessageA(wnd, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(40, 100));
    SendMessageA(wnd, WM_RBUTTONUP, 0, MAKELPARAM(40, 100));
    SendMessageA(wnd, WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(40, 100));
    SendMessageA(wnd, WM_MBUTTONUP, 0, MAKELPARAM(40, 100));
    EXPECT_EQ(dlg->commands, (std::vector<WPARAM>{0xF012, 0xF012, 0xF012}));
}

TEST_F(MainFixture, AboutDialogOpensWithTheConversionErrorOfABadVersion)
{
    VersionRecordLayout bad;
    bad.fileVersion = L"2.2.8.beta";
    TempVersionedExe badExe(bad);
    ASSERT_FALSE(badExe.Path().empty()) << badExe.Error();
    TAboutDlg about(nullptr);
    about.VersionFile = badExe.Path();
    MessageBoxRecorder boxes;
    about.Show();
    EXPECT_TRUE(IsWindowVisible(about.Handle()));
    EXPECT_EQ(about.Version->Caption(), "Version");
    ASSERT_EQ(boxes.Boxes.size(), 1u);
    EXPECT_NE(boxes.Boxes[0].text.find("ist kein gültiger Integerwert"), std::string::npos) << boxes.Boxes[0].text;
    EXPECT_EQ(boxes.Boxes[0].flags & MB_ICONSTOP, static_cast<UINT>(MB_ICONSTOP));
}

TEST_F(MainFixture, AboutDialogTextsAreBuiltAtEveryShow)
{
    TAboutDlg about(nullptr);
    about.FormShow(&about);
    EXPECT_EQ(about.ProductName->Caption(), "Zorvane - Anpassen von Outlook Express");
    EXPECT_EQ(about.CompileDateLabel->Caption(), "vom 07.04.2008 ");
    EXPECT_EQ(about.Version->Caption(), "Version 2.2 [2.2.8.0052]");
    about.ProductName->SetCaption("alt");
    about.CompileDateLabel->SetCaption("alt");
    about.Version->SetCaption("alt");
    about.FormShow(&about);
    EXPECT_EQ(about.ProductName->Caption(), "Zorvane - Anpassen von Outlook Express");
    EXPECT_EQ(about.CompileDateLabel->Caption(), "vom 07.04.2008 ");
    EXPECT_EQ(about.Version->Caption(), "Version 2.2 [2.2.8.0052]");
    EXPECT_EQ(about.HTTPMailto->Url().rfind("mailto:", 0), 0u);
    EXPECT_FALSE(about.HTTPWebsite->ShowHint());
    EXPECT_EQ(about.Copyright->Left() + about.Copyright->Width(), 75);
    EXPECT_EQ(about.Comments->Left() + about.Comments->Width(), 72);
}

TEST_F(MainFixture, InfoOpensTheAboutDialogModallyAndOkClosesIt)
{
    dlg->Show();
    ASSERT_EQ(AboutDlg, nullptr);
    bool sawDialog = false;
    // Once the dialog is up, press its OK button; then check it is gone.
    SetTimer(nullptr, 0, 50, nullptr);
    struct Poke {
        static void Run(bool& saw)
        {
            if (!AboutDlg || !AboutDlg->Visible())
                return;
            saw = true;
            HWND ok = AboutDlg->OkBtn->Handle();
            SendMessageA(ok, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
            SendMessageA(ok, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        }
    };
    TTimer poke;
    poke.SetInterval(50);
    poke.OnTimer = [&](TObject*) { Poke::Run(sawDialog); };
    const POINT p = Centre(dlg->btnAbout);
    zvtest::Click(dlg->Handle(), p.x, p.y);
    EXPECT_TRUE(sawDialog);
    EXPECT_EQ(AboutDlg, nullptr) << "destroyed and the reference cleared after the modal loop";
    EXPECT_TRUE(IsWindowEnabled(dlg->Handle()));
}
