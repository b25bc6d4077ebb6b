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
        // Names in any case and blanks around them, as in INI files.
        WriteProfile("[IDENTITAET]\r\n statusleiste = 0\r\nBccFeld=1\r\n[allgemein]\r\nKontenSchuetzen= 1");
    }
    void WriteProfile(const std::string& body) const
    {
        regfilekit::WriteFileBytes(profile, "[zorvane-profil]\r\n Version = 1 \r\n" + body);
    }
    std::string Base(size_t i) const { return IdentityBaseKey(ids[i]); }
    std::string Stored(size_t identity, const char* name) const
    {
        const auto v = QueryValue(HKEY_CURRENT_USER, Base(identity), name);
        return v ? v->AsString() : "-";
    }
    size_t Backups() const { return regfilekit::FilesIn(dir.File("Zorvane\\Sicherungen")).size(); }
};

} // namespace

TEST(CommandLineArguments, SplitAsTheRuntimeSplitsThem)
{
    const std::pair<const char*, Args> cases[] = {
        {"zorvane.exe", {}},
        {"\"C:\\Pro gramme\\zorvane.exe\"   ", {}},
        {"\"C:\\Pro gramme\\z.exe\" /profil \"C:\\Eigene Dateien\\Büro.ini\"\t/STILL",
         {"/profil", "C:\\Eigene Dateien\\Büro.ini", "/STILL"}},
        {"z.exe a\\\\\\\"b \"c d\"e \\\\\"f g\" h\\i \"\"", {"a\\\"b", "c de", "\\f g", "h\\i", ""}},
    };
    for (const auto& [line, args] : cases)
        EXPECT_EQ(CommandLineArguments(line), args) << line;
}

TEST_F(CommandLineRun, EachOutcomeHasItsExitCodeAndOneMessage)
{
    std::optional<zvtest::FakeClientWindow> client;
    const std::string saved = dir.File("gespeichert.ini"), bad = dir.File("kaputt.ini");
    const std::string backups = dir.File("Zorvane\\Sicherungen");
    // In this order: each case finds what the ones before it left.
    const struct {
        const char* what;
        std::function<void()> arrange;
        Args args;
        int code;
        std::vector<std::string> shown;   // parts of the message
        bool writes;
    } cases[] = {
        {"usage", [] {}, {"/?"}, 0, {"zorvane.exe /profil DATEI [/identitaet NAME | /alle] [/still]", "4 - die Sicherung"}, false},
        {"applied", [] {}, {"/profil", profile}, 0, {"Das Profil wurde übernommen: 3 von 3 Änderungen geschrieben."}, true},
        {"again", [] {}, {"/profil", profile}, 0, {"Das Profil ändert nichts"}, false},
        {"bad switch", [] {}, {"/profil", profile, "/x"}, 1, {"Unbekannter Schalter \"/x\". Es wurde nichts geändert."}, false},
        {"no file", [] {}, {"/profil"}, 1, {"Nach /profil fehlt der Dateiname."}, false},
        {"no name", [] {}, {"/profil", "a", "/identitaet"}, 1, {"Nach /identitaet fehlt der Name."}, false},
        {"stray word", [] {}, {"/profil", "a", "b"}, 1, {"Unerwartetes Argument \"b\"."}, false},
        {"twice", [] {}, {"/profil", "a", "/Profil", "b"}, 1, {"Der Schalter /profil steht zweimal da."}, false},
        {"both jobs", [] {}, {"/profil", "a", "/profilspeichern", "b"}, 1, {"Nur einer der Schalter /profil und /profilspeichern"}, false},
        {"one or all", [] {}, {"/profil", "a", "/alle", "/identitaet", "X"}, 1, {"Nur einer der Schalter /identitaet und /alle"}, false},
        {"save all", [] {}, {"/profilspeichern", "a", "/alle"}, 1, {"/alle gilt nur für /profil: gespeichert wird eine Identität."}, false},
        {"no job", [] {}, {"/alle"}, 1, {"Es fehlt /profil oder /profilspeichern."}, false},
        {"refused profile", [&] { regfilekit::WriteFileBytes(bad, "[Zorvane-Profil]\r\nVersion=1\r\n[Identitaet]\r\nStatusleiste=2"); },
         {"/profil", bad}, 1, {"Das Profil wurde abgelehnt, es wurde nichts geändert:\r\nZeile 4: \"Statusleiste\" ist"}, false},
        {"no such identity", [] {}, {"/profil", profile, "/identitaet", "Zoe"}, 1,
         {"Keine Identität heißt \"Zoe\". Vorhanden: \"Anna\", \"Bert\", \"Carla\"."}, false},
        {"client running", [&] { client.emplace(); }, {"/profil", profile}, 2, {"Beenden Sie bitte das Programm"}, false},
        {"not installed", [&] { client.reset(), DeleteTree(HKEY_LOCAL_MACHINE, std::string(zvtest::kClientKey) + "\\Version Info"); },
         {"/profilspeichern", saved}, 2, {"Das E-Mail-Programm \"Microsoft® Outlook Express\" ist nicht"}, false},
        {"no backup", [&] {
             keys.Install({});
             WriteProfile("[Identitaet]\r\nTitelleiste=Neu\r\n");
             // A file where the backups' folder belongs.
             MoveFileA(backups.c_str(), (backups + ".alt").c_str());
             regfilekit::WriteFileBytes(backups, "x"); },
         {"/profil", profile}, 4, {"Vor dem Übernehmen legt Zorvane eine Sicherung"}, false},
        {"registry refuses", [&] {
             DeleteFileA(backups.c_str());
             MoveFileA((backups + ".alt").c_str(), backups.c_str());
             // Wine makes no lasting key below a volatile one.
             DeleteTree(HKEY_CURRENT_USER, Base(1));
             CreateVolatileKey(HKEY_CURRENT_USER, Base(1));
             WriteProfile("[Identitaet]\r\nStatusleiste=0\r\nBccFeld=1\r\n"); },
         {"/profil", profile, "/identitaet", "bert"}, 3,
         {"übernommen: 1 von 2 Änderungen geschrieben.\r\nSicherung: " + backups,
          ".reg\r\nNicht übernommen:\r\n- Identität Bert: Blindcopy-Feld anzeigen: "}, true},
        {"saved", [] {}, {"/profilspeichern", saved, "/identitaet", "Carla"}, 0,
         {"Das Profil wurde gespeichert, mit der Identität \"Carla\"."}, false},
        {"saved but one unreadable", [&] { SetString(HKEY_CURRENT_USER, Base(2), "Tree", "1"); },
         {"/profilspeichern", saved, "/identitaet", "Carla"}, 3, {"\r\nNicht gespeichert:\r\n- Ordnerliste (rechts): "}, false},
        {"two of that name", [] { SetString(HKEY_CURRENT_USER, "Identities\\{D}", "Username", "bert"); },
         {"/profilspeichern", saved, "/identitaet", "Bert"}, 1, {"2 Identitäten heißen \"Bert\""}, false},
    };
    for (const auto& c : cases) {
        c.arrange();
        const auto before = zvtest::ClientKeys::Snapshot();
        const size_t backupCount = Backups();
        MessageBoxRecorder boxes;
        EXPECT_EQ(RunCommandLine(c.args), c.code) << c.what;
        ASSERT_EQ(boxes.Boxes.size(), 1u) << c.what;
        for (const std::string& part : c.shown)
            EXPECT_NE(boxes.Boxes[0].text.find(part), std::string::npos) << c.what << ": " << boxes.Boxes[0].text;
        EXPECT_EQ(zvtest::ClientKeys::Snapshot() != before, c.writes) << c.what;
        EXPECT_EQ(Backups(), backupCount + c.writes) << c.what;
    }
    EXPECT_EQ(Stored(0, "ShowStatus") + Stored(1, "ShowStatus") + Stored(2, "ShowStatus") + Stored(0, "WindowTitle"),
              std::string("\0\0\0\0\0\0\0\0--", 10));
    const TProfile carla = ReadProfileFile(saved);
    EXPECT_EQ(carla.Identity.size() + carla.Global.size(), 31u);
}

// The program itself as a logon script starts it: its own command line with
// a quoted name that holds a blank, the quiet switch and every identity.
TEST_F(CommandLineRun, AQuietRunOfTheProgramReachesEveryIdentityAndLogsOneLine)
{
    const std::string exe = ExtractFilePath(ModuleFileName()) + "..\\zorvane.exe";
    std::string line = "\"" + exe + "\" /PROFIL \"" + profile + "\" /alle /Still";
    auto run = [&] {
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
    EXPECT_EQ(Stored(0, "WindowTitle") + Stored(1, "WindowTitle") + Stored(2, "WindowTitle"),
              std::string("Gemeinsam\0Gemeinsam\0Gemeinsam\0", 30));
    ASSERT_EQ(Backups(), 1u);
    WriteProfile("[Identitaet]\r\nTitel=x\r\n");
    EXPECT_EQ(run(), 1u);

    const SYSTEMTIME now = Now();
    const std::string day = Format("%04u-%02u-%02u\t", now.wYear, now.wMonth, now.wDay);
    const std::string backup = dir.File("Zorvane\\Sicherungen\\") + regfilekit::FilesIn(dir.File("Zorvane\\Sicherungen"))[0];
    std::string log = regfilekit::ReadFileBytes(dir.File("Zorvane\\Protokoll.txt"));
    // The times of day (hh:mm:ss) as dots.
    for (size_t at = log.find(day); at != std::string::npos; at = log.find(day, at + 1))
        log.replace(at + day.size(), 8, "..:..:..");
    EXPECT_EQ(log, day + "..:..:..\t" + profile + "\t0\tDas Profil wurde übernommen: 3 von 3 Änderungen geschrieben. "
                         "Sicherung: " + backup + "\t\r\n" +
                   day + "..:..:..\t" + profile + "\t1\tDas Profil wurde abgelehnt, es wurde nichts geändert: Zeile 4: "
                         "unbekannte Einstellung \"Titel\" im Abschnitt [Identitaet]\t\r\n");
}
