// Profiles: the strict reader, the writer's lines, and a round trip through
// the registry from one identity to another.
#include "settings/Profile.h"

#include "registry/RegFileKit.h"
#include "settings/ApplyRun.h"
#include "settings/GlobalSettings.h"
#include "settings/IdentitySettings.h"
#include "settings/MailTemplate.h"
#include "support/ClientKeys.h"

#include <gtest/gtest.h>

namespace {

const std::string kHead = "[Zorvane-Profil]\r\nVersion=1\r\n";

} // namespace

TEST(ReadProfile, RefusesTheWholeProfileNamingTheLineAndTheFault)
{
    const std::string mustBegin = "das Profil muss mit dem Abschnitt [Zorvane-Profil] beginnen";
    const std::string noVersion = "\"Version=1\" fehlt im Abschnitt [Zorvane-Profil]";
    const struct {
        std::string text;
        int line;
        std::string what;
    } cases[] = {
        {"", 1, mustBegin},
        {"; Kommentar\r\n\r\n[Allgemein]\r\n", 3, mustBegin},
        {"\xEF\xBB\xBF" + kHead, 1, "die Datei ist als Unicode gespeichert; ein Profil ist Text in der Codepage Windows-1252 (ANSI)"},
        {"[Zorvane-Profil]\r\n", 1, noVersion},
        {"[Zorvane-Profil]\r\n[Allgemein]\r\nHotmailAus=1\r\n", 2, noVersion},
        {"[Zorvane-Profil]\r\nVersion=2\r\n", 2, "Version \"2\" wird nicht unterstützt, nur Version 1"},
        {kHead + "Sprache=de\r\n", 3, "unbekannter Eintrag \"Sprache\" im Abschnitt [Zorvane-Profil]"},
        {kHead + "[Allgemein]\r\n[Sonstiges]\r\n", 4, "unbekannter Abschnitt [Sonstiges]"},
        {kHead + "[Allgemein]\r\n[allgemein]\r\n", 4, "der Abschnitt [Allgemein] steht zweimal im Profil"},
        {kHead + "[Identitaet\r\n", 3, "keine Abschnittszeile der Form [Name]: \"[Identitaet\""},
        // Line ends of LF alone count as well.
        {"[Zorvane-Profil]\nVersion=1\n\n[Identitaet]\nTitelleiste=x\n; c\nFoo=1\n", 7,
         "unbekannte Einstellung \"Foo\" im Abschnitt [Identitaet]"},
        {kHead + "[Identitaet]\r\nKontenSchuetzen=1\r\n", 4,
         "unbekannte Einstellung \"KontenSchuetzen\" im Abschnitt [Identitaet] (sie gehört in den Abschnitt [Allgemein])"},
        {kHead + "[Allgemein]\r\nHotmailAus=1\r\nhotmailaus=0\r\n", 5,
         "die Einstellung \"HotmailAus\" steht zweimal im Abschnitt [Allgemein]"},
        {kHead + "[Identitaet]\r\nKopfzeilen=255\r\n", 4,
         "\"Kopfzeilen\" ist ein Kontrollkästchen und verlangt 0 oder 1, nicht \"255\""},
        {kHead + "[Identitaet]\r\nStatusleiste\r\n", 4, "keine Zeile der Form Name=Wert: \"Statusleiste\""},
        {kHead + "[Identitaet]\r\nTitelleiste=a\rb\r\n", 4,
         "die Zeile enthält ein CR- oder NUL-Zeichen, das ein Profil nicht tragen kann"},
        {kHead + "[Identitaet]\r\nTitelleiste=a" + std::string(1, '\0') + "\r\n", 4,
         "die Zeile enthält ein CR- oder NUL-Zeichen, das ein Profil nicht tragen kann"},
    };
    for (const auto& c : cases) {
        try {
            ReadProfile(c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const EProfileError& e) {
            EXPECT_EQ(e.Line(), c.line) << c.text;
            EXPECT_EQ(e.Message(), "Zeile " + std::to_string(c.line) + ": " + c.what) << c.text;
        }
    }
}

TEST(ProfileText, LeavesOutWhatALineCannotCarryWithItsReason)
{
    TSettingModel global = GlobalSettings("");
    TSettingModel identity = IdentitySettings();
    for (TSettingModel* model : {&global, &identity})
        for (TSettingRow& row : model->Rows()) {
            row.readable = true;
            row.state = row.def.IsText() ? "C:\\x" : "0";
        }
    identity.Row("Kopfzeilen").state = "255";
    identity.Row("Titelleiste").state = "Zeile 1\r\nZeile 2";
    identity.Row("Startseite").state = " C:\\start.htm";
    identity.Row("ZusatzleisteSeite").readable = false;

    const std::string text = ProfileText(global, identity, "Anna\r\nB");
    EXPECT_NE(text.find("\r\n; Gespeichert aus der Identität \"Anna  B\"\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\n; Titelleiste ausgelassen: der Text enthält einen Zeilenumbruch oder ein NUL-Zeichen\r\n"),
              std::string::npos) << text;
    const TProfile back = ReadProfile(text);
    EXPECT_EQ(back.Global.size() + back.Identity.size(), 29u);
    EXPECT_EQ(std::count(back.Identity.begin(), back.Identity.end(), std::pair<std::string, std::string>{"Kopfzeilen", "1"}), 1);
    EXPECT_EQ(ProfileLeftOut(identity).size(), 3u);
    EXPECT_NE(text.find("\r\n; ZusatzleisteSeite ausgelassen: der Wert konnte nicht gelesen werden\r\nSignaltonEin=0\r\n"
                        "; Startseite ausgelassen: der Text beginnt oder endet mit einem Leer- oder Steuerzeichen\r\n"),
              std::string::npos);
}

TEST(ProfileRoundTrip, SavedFromOneIdentityLoadsIntoAnotherWithTypeAndBytes)
{
    zvtest::ClientKeys keys;
    regfilekit::TempDir templates;
    const auto ids = keys.Install({{"{A0000000-0000-0000-0000-00000000000A}", "Anna"},
                                   {"{B0000000-0000-0000-0000-00000000000B}", "Bert"}});
    const std::string a = IdentityBaseKey(ids[0]), b = IdentityBaseKey(ids[1]);
    // Anna's boxes stand at one of the numbers their rows write, Bert's at the
    // other; texts keep their type but differ. The references stand for
    // folders that differ from user to user.
    ASSERT_TRUE(SetEnvironmentVariableA("ZVHOME", "C:\\Benutzer\\Anna"));
    const std::span<const TSettingDef> defs = IdentitySettingDefs();
    for (size_t i = 0; i < defs.size(); ++i) {
        const TSettingDef& d = defs[i];
        for (const auto& [base, first] : {std::pair{a, true}, {b, false}}) {
            const std::string path = TSettingModel::KeyPath(base, d.key);
            if (d.IsText())
                SetString(HKEY_CURRENT_USER, path, d.value, std::string("%ZVHOME%\\") + (first ? "a" : "b") + d.name,
                          d.expand ? REG_EXPAND_SZ : REG_SZ);
            else
                SetDword(HKEY_CURRENT_USER, path, d.value, (i % 2 == 0) == first ? d.checked.value : d.unchecked.value);
        }
    }
    SetString(HKEY_CURRENT_USER, "Software\\Microsoft\\Internet Explorer\\Toolbar", "smBrandBitmap", "C:\\logo.bmp");
    SetString(HKEY_CURRENT_USER, "AppEvents\\Schemes\\Apps\\.Default\\MailBeep\\.Current", "", "C:\\ding.wav");
    SetDword(HKEY_CURRENT_USER, "Software\\Microsoft\\WAB\\WAB4", "UseOutlook", 1);
    for (const auto& [name, value] : {std::pair{"Hide Messenger", 2}, {"No Modify Accts", 1},
                                      {"BlockExeAttachments", 1}, {"Disable Hotmail", 2}, {"HTTP Mail Enabled", 1}})
        SetDword(HKEY_LOCAL_MACHINE, zvtest::kClientKey, name, value);
    SetString(HKEY_CURRENT_USER, "Software\\Classes\\.eml\\ShellNew", "FileName", MailTemplatePath(templates.Path()));

    TSettingModel global = GlobalSettings(templates.Path());
    TSettingModel anna = IdentitySettings();
    ASSERT_TRUE(global.Load("").empty());
    ASSERT_TRUE(anna.Load(a).empty());
    const std::string text = ProfileText(global, anna, "Anna");
    const auto globalValues = zvtest::StoredValues(GlobalSettingDefs(), "");
    const auto annaValues = zvtest::StoredValues(defs, a);
    // Bert is another user, and meanwhile every global setting is gone.
    ASSERT_TRUE(SetEnvironmentVariableA("ZVHOME", "C:\\Benutzer\\Bert"));
    for (size_t k = 1; k < std::size(zvtest::kClientKeys); ++k)
        DeleteTree(zvtest::kClientKeys[k].first, zvtest::kClientKeys[k].second);

    TProfileApply apply(ReadProfile(text), {ids[1]}, templates.Path());
    EXPECT_TRUE(apply.Load().empty());
    EXPECT_EQ(apply.Changes().size(), 32u);
    const std::vector<TApplyPart*> parts = apply.Parts();
    const TApplyOutcome outcome = RunApply(parts, "Profil_Rundreise");
    EXPECT_EQ(outcome.status, TApplyOutcome::Done);
    EXPECT_TRUE(outcome.refused.empty());
    EXPECT_EQ(zvtest::StoredValues(defs, b), annaValues);
    EXPECT_EQ(zvtest::StoredValues(GlobalSettingDefs(), ""), globalValues);
    SetEnvironmentVariableA("ZVHOME", nullptr);
    EXPECT_TRUE(DeleteFileA(outcome.backupFile.c_str()));
}
