// The command line: how arguments are split and read, and whole runs with
// their exit codes against the client's real keys, with a folder of the
// test's own standing in for the user's application data.
#include "app/CommandArgs.h"
#include "app/CommandLine.h"

#include "framework/SysUtils.h"
#include "registry/RegFileKit.h"
#include "settings/IdentitySettings.h"
#include "settings/Profile.h"
#include "support/ClientKeys.h"
#include "support/FakeClientWindow.h"
#include "support/SeamRecorder.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace {

using Args = std::vector<std::string>;

const std::string kExplorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\";

struct CommandLineRun : testing::Test {
    zvtest::ClientKeys keys;
    // The shell notes the folder it finds under "Shell Folders" as well.
    SharedKeyGuard appData{HKEY_CURRENT_USER, kExplorer + "User Shell Folders", "AppData"};
    SharedKeyGuard appDataNoted{HKEY_CURRENT_USER, kExplorer + "Shell Folders", "AppData"};
    regfilekit::TempDir dir;
    std::vector<TIdentityInfo> ids;
    std::string profile = dir.File("Profil eins.ini");

    void SetUp() override
    {
        SetString(HKEY_CURRENT_USER, kExplorer + "User Shell Folders", "AppData", dir.Path(), REG_EXPAND_SZ);
        ids = keys.Install({{"{A0000000-0000-0000-0000-00000000000A}", "Anna"},
                            {"{B0000000-0000-0000-0000-00000000000B}", "Bert"},
                            {"{C0000000-0000-0000-0000-00000000000C}", "Carla"}});
        WriteProfile("[Identitaet]\r\nStatusleiste=0\r\nBccFeld=1\r\n[Allgemein]\r\nKontenSchuetzen=1\r\n");
    }
    void WriteProfile(const std::string& body) const
    {
        regfilekit::WriteFileBytes(profile, "[Zorvane-Profil]\r\nVersion=1\r\n" + body);
    }
    std::string Base(size_t i) const { return IdentityBaseKey(ids[i]); }
    std::optional<DWORD> Dword(size_t identity, const char* key, const char* name) const
    {
        const auto v = QueryValue(HKEY_CURRENT_USER, TSettingModel::KeyPath(Base(identity), key), name);
        return v ? std::optional<DWORD>(*reinterpret_cast<const DWORD*>(v->data.data())) : std::nullopt;
    }
    size_t Backups() const { return regfilekit::FilesIn(dir.File("Zorvane\\Sicherungen")).size(); }
    std::string Log() const { return regfilekit::ReadFileBytes(dir.File("Zorvane\\Protokoll.txt")); }
};

} // namespace

TEST(CommandLineArguments, SplitAsTheRuntimeSplitsThem)
{
    const struct {
        const char* line;
        Args args;
    } cases[] = {
        {"zorvane.exe", {}},
        {"\"C:\\Pro gramme\\zorvane.exe\"   ", {}},
        {"\"C:\\Pro gramme\\z.exe\" /profil \"C:\\Eigene Dateien\\Büro.ini\"\t/STILL",
         {"/profil", "C:\\Eigene Dateien\\Büro.ini", "/STILL"}},
        {"z.exe a\\\\\\\"b \"c d\"e \\\\\"f g\" h\\i \"\"", {"a\\\"b", "c de", "\\f g", "h\\i", ""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CommandLineArguments(c.line), c.args) << c.line;
}

TEST(ParseCommand, ReadsSwitchesRegardlessOfCaseAndNamesEveryMisuse)
{
    const struct {
        Args args;
        TCommand::Kind kind;
        const char* identity;
        bool all, quiet;
        const char* error;
    } cases[] = {
        {{"/PROFILSPEICHERN", "b.ini", "/Identitaet", "Anna", "/Still"}, TCommand::Save, "Anna", false, true, ""},
        {{"/profil", "a.ini", "/alle"}, TCommand::Apply, "", true, false, ""},
        {{"/profil", "a.ini", "/x", "/?"}, TCommand::Usage, "", false, false, "Unbekannter Schalter \"/x\"."},
        {{"/profil"}, TCommand::Apply, "", false, false, "Nach /profil fehlt der Dateiname."},
        {{"/profil", "a", "/identitaet"}, TCommand::Apply, "", false, false, "Nach /identitaet fehlt der Name."},
        {{"/profil", "a", "b"}, TCommand::Apply, "", false, false, "Unerwartetes Argument \"b\"."},
        {{"/profil", "a", "/Profil", "b"}, TCommand::Apply, "", false, false, "Der Schalter /profil steht zweimal da."},
        {{"/profil", "a", "/profilspeichern", "b"}, TCommand::Apply, "", false, false,
         "Nur einer der Schalter /profil und /profilspeichern ist möglich."},
        {{"/profil", "a", "/alle", "/identitaet", "X"}, TCommand::Apply, "X", true, false,
         "Nur einer der Schalter /identitaet und /alle ist möglich."},
        {{"/profilspeichern", "a", "/alle"}, TCommand::Save, "", true, false,
         "/alle gilt nur für /profil: gespeichert wird eine Identität."},
        {{"/still"}, TCommand::None, "", false, true, "Es fehlt /profil oder /profilspeichern."},
    };
    for (const auto& c : cases) {
        const TCommand command = ParseCommand(c.args);
        EXPECT_EQ(command.kind, c.kind) << c.args[0] << c.error;
        EXPECT_EQ(command.identity, c.identity) << c.error;
        EXPECT_EQ(command.all, c.all) << c.error;
        EXPECT_EQ(command.quiet, c.quiet) << c.error;
        EXPECT_EQ(command.error, c.error);
    }
}

TEST_F(CommandLineRun, EachOutcomeHasItsExitCodeAndOneMessage)
{
    std::optional<zvtest::FakeClientWindow> client;
    const std::string saved = dir.File("gespeichert.ini"), bad = dir.File("kaputt.ini");
    const std::string backupFolder = dir.File("Zorvane\\Sicherungen");
    // In this order: each case finds what the ones before it left.
    const struct {
        const char* what;
        std::function<void()> arrange;
        Args args;
        int code;
        std::vector<std::string> shown;   // parts of the message
        bool writes;
    } cases[] = {
        {"applied", [] {}, {"/profil", profile}, 0, {"Das Profil wurde übernommen: 3 von 3 Änderungen geschrieben."}, true},
        {"again", [] {}, {"/profil", profile}, 0, {"Das Profil ändert nichts"}, false},
        {"bad switch", [] {}, {"/profil", profile, "/x"}, 1, {"Unbekannter Schalter \"/x\". Es wurde nichts geändert."}, false},
        {"refused profile", [&] { regfilekit::WriteFileBytes(bad, "[Zorvane-Profil]\r\nVersion=1\r\n[Identitaet]\r\nStatusleiste=2"); },
         {"/profil", bad}, 1, {"Das Profil wurde abgelehnt, es wurde nichts geändert:\r\nZeile 4: \"Statusleiste\" ist"}, false},
        {"no such identity", [] {}, {"/profil", profile, "/identitaet", "Zoe"}, 1,
         {"Keine Identität heißt \"Zoe\". Vorhanden: \"Anna\", \"Bert\", \"Carla\"."}, false},
        {"client running", [&] { client.emplace(); }, {"/profil", profile}, 2, {"Beenden Sie bitte das Programm"}, false},
        {"not installed", [&] { client.reset(), DeleteTree(HKEY_LOCAL_MACHINE, std::string(zvtest::kClientKey) + "\\Version Info"); },
         {"/profilspeichern", saved}, 2, {"Das E-Mail-Programm \"Microsoft® Outlook Express\" ist nicht"}, false},
        {"no backup", [&] {
             keys.Install({});
             WriteProfile("[Identitaet]\r\nStatusleiste=1\r\n");
             // A file where the backups' folder belongs.
             MoveFileA(backupFolder.c_str(), (backupFolder + ".alt").c_str());
             regfilekit::WriteFileBytes(backupFolder, "x"); },
         {"/profil", profile}, 4, {"Vor dem Übernehmen legt Zorvane eine Sicherung"}, false},
        {"registry refuses", [&] {
             DeleteFileA(backupFolder.c_str());
             MoveFileA((backupFolder + ".alt").c_str(), backupFolder.c_str());
             // Wine makes no lasting key below a volatile one.
             DeleteTree(HKEY_CURRENT_USER, Base(1));
             HKEY k = nullptr;
             RegCreateKeyExA(HKEY_CURRENT_USER, Base(1).c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &k, nullptr);
             RegCloseKey(k);
             WriteProfile("[Identitaet]\r\nStatusleiste=0\r\nBccFeld=1\r\n"); },
         {"/profil", profile, "/identitaet", "bert"}, 3,
         {"Das Profil wurde übernommen: 1 von 2 Änderungen geschrieben.\r\nSicherung: " + backupFolder,
          ".reg\r\nNicht übernommen:\r\n- Identität Bert: Blindcopy-Feld anzeigen: "}, true},
        {"saved", [] {}, {"/profilspeichern", saved, "/identitaet", "Carla"}, 0,
         {"Das Profil wurde gespeichert, mit der Identität \"Carla\"."}, false},
        {"saved but one unreadable", [&] { SetString(HKEY_CURRENT_USER, Base(2), "Tree", "1"); },
         {"/profilspeichern", saved, "/identitaet", "Carla"}, 3,
         {"Das Profil wurde gespeichert, mit der Identität \"Carla\".\r\nNicht gespeichert:\r\n- Ordnerliste (rechts): "}, false},
        {"two of that name", [] { SetString(HKEY_CURRENT_USER, "Identities\\{D}", "Username", "bert"); },
         {"/profilspeichern", saved, "/identitaet", "Bert"}, 1, {"2 Identitäten heißen \"Bert\""}, false},
    };
    for (const auto& c : cases) {
        c.arrange();
        const std::string before = zvtest::ClientKeys::Snapshot();
        const size_t backups = Backups();
        MessageBoxRecorder boxes;
        EXPECT_EQ(RunCommandLine(c.args), c.code) << c.what;
        ASSERT_EQ(boxes.Boxes.size(), 1u) << c.what;
        for (const std::string& part : c.shown)
            EXPECT_NE(boxes.Boxes[0].text.find(part), std::string::npos) << c.what << ": " << boxes.Boxes[0].text;
        EXPECT_EQ(zvtest::ClientKeys::Snapshot() != before, c.writes) << c.what;
        EXPECT_EQ(Backups(), backups + c.writes) << c.what;
    }
    EXPECT_EQ(Dword(0, "", "ShowStatus"), 0u);
    EXPECT_EQ(Dword(0, "Mail", "Show Adv Mail Send"), 1u);
    EXPECT_EQ(Dword(1, "", "ShowStatus"), 0u);
    EXPECT_EQ(Dword(2, "", "ShowStatus"), std::nullopt);
    const TProfile carla = ReadProfileFile(saved);
    EXPECT_EQ(carla.Identity.size(), 22u);
    EXPECT_EQ(carla.Global.size(), 9u);
}

// The program itself as a logon script starts it: its own command line with
// a quoted name that holds a blank, the quiet switch and every identity.
TEST_F(CommandLineRun, AQuietRunOfTheProgramReachesEveryIdentityAndLogsOneLine)
{
    const std::string exe = ExtractFilePath(ModuleFileName()) + "..\\zorvane.exe";
    auto run = [&] {
        std::string line = "\"" + exe + "\" /PROFIL \"" + profile + "\" /alle /Still";
        STARTUPINFOA startup = {sizeof startup};
        PROCESS_INFORMATION process = {};
        EXPECT_TRUE(CreateProcessA(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
        // A message box would wait for ever.
        if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0)
            TerminateProcess(process.hProcess, 99);
        DWORD code = 99;
        GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return code;
    };
    WriteProfile("[Identitaet]\r\nTitelleiste=Gemeinsam\r\n");
    EXPECT_EQ(run(), 0u);
    for (size_t i = 0; i < ids.size(); ++i)
        EXPECT_EQ(QueryValue(HKEY_CURRENT_USER, Base(i), "WindowTitle")->AsString(), std::string("Gemeinsam", 10));
    EXPECT_EQ(Backups(), 1u);
    WriteProfile("[Identitaet]\r\nTitel=x\r\n");
    EXPECT_EQ(run(), 1u);

    const SYSTEMTIME now = Now();
    const std::string day = Format("%04u-%02u-%02u\t", now.wYear, now.wMonth, now.wDay);
    const std::string log = Log();
    const size_t second = log.find("\r\n") + 2;
    ASSERT_EQ(log.find("\r\n", second) + 2, log.size()) << log;
    EXPECT_EQ(log.substr(0, 11), day);
    EXPECT_EQ(log.substr(19, second - 19),
              "\t" + profile + "\t0\tDas Profil wurde übernommen: 3 von 3 Änderungen geschrieben. Sicherung: " +
                  dir.File("Zorvane\\Sicherungen\\") + regfilekit::FilesIn(dir.File("Zorvane\\Sicherungen"))[0] +
                  "\t\r\n");
    EXPECT_EQ(log.substr(second, 11), day);
    EXPECT_EQ(log.substr(second + 19), "\t" + profile + "\t1\tDas Profil wurde abgelehnt, es wurde nichts geändert: "
                                       "Zeile 4: unbekannte Einstellung \"Titel\" im Abschnitt [Identitaet]\t\r\n");
}
