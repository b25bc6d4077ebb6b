// Backups against Wine's real registry: every kind of change is undone by
// importing the backup with Wine's regedit, which must give back exactly the
// export taken before the change.
#include "registry/RegBackup.h"

#include "RegFileKit.h"
#include "registry/ExactNames.h"
#include "support/SharedKeyGuard.h"

#include <functional>

using namespace regfilekit;

namespace {

constexpr RootCode HKCU = 1;
constexpr RootCode HKCR = 3;

const SYSTEMTIME When = {2026, 12, 2, 8, 14, 3, 27, 0};

struct Change {
    const char* Name;
    std::function<void(const std::string& key)> Before;
    std::function<void(TBackupPlan& plan, const std::string& key)> Plan;
    std::function<void(const std::string& key)> Apply;
};

void Tree(const std::string& key)
{
    SetString(HKEY_CURRENT_USER, key + "\\Weg", "", "Standard");
    SetDword(HKEY_CURRENT_USER, key + "\\Weg", "Zahl", 7);
    SetValue(HKEY_CURRENT_USER, key + "\\Weg\\Unter", "bin", REG_BINARY, "\x01\x00\x02", 3);
    SetString(HKEY_CURRENT_USER, key + "\\Weg\\Unter\\Tiefer", "Pfad", "%TEMP%\\x", REG_EXPAND_SZ);
    CreateKeyPath(HKEY_CURRENT_USER, key + "\\Weg\\Leer");
}

const Change Changes[] = {
    {"value set, also to another type",
     [](const std::string& k) {
         SetString(HKEY_CURRENT_USER, k, "s", "alt \"zitiert\"\r\nzweite Zeile");
         SetDword(HKEY_CURRENT_USER, k, "d", 0xFFFFFFFF);
         SetString(HKEY_CURRENT_USER, k, "e", "%SystemRoot%", REG_EXPAND_SZ);
         SetValue(HKEY_CURRENT_USER, k, "nul", REG_SZ, "a\0b", 3);
         SetString(HKEY_CURRENT_USER, k, "", "Standard");
         SetDword(HKEY_CURRENT_USER, k, "bleibt", 1);
     },
     [](TBackupPlan& p, const std::string& k) {
         for (const char* name : {"s", "d", "e", "nul", ""})
             p.Value(HKCU, k, name);
     },
     [](const std::string& k) {
         WriteRegString(HKCU, k, "s", "neu");
         WriteRegInteger(HKCU, k, "d", 2);
         WriteRegString(HKCU, k, "e", "C:\\Windows");
         WriteRegInteger(HKCU, k, "nul", 0);
         WriteRegString(HKCU, k, "", "anders");
     }},
    {"value added, also the default value",
     [](const std::string& k) { SetDword(HKEY_CURRENT_USER, k, "bleibt", 1); },
     [](TBackupPlan& p, const std::string& k) {
         p.Value(HKCU, k, "neu");
         p.Value(HKCU, "\\" + k + "\\", "");
     },
     [](const std::string& k) {
         WriteRegInteger(HKCU, k, "neu", 1);
         WriteRegString(HKCU, k, "", "Standard");
     }},
    {"value deleted",
     [](const std::string& k) {
         SetDword(HKEY_CURRENT_USER, k, "weg", 2);
         SetString(HKEY_CURRENT_USER, k, "", "Standard");
         SetDword(HKEY_CURRENT_USER, k, "bleibt", 1);
     },
     [](TBackupPlan& p, const std::string& k) {
         p.Value(HKCU, k, "weg");
         p.Value(HKCU, k, "");
         p.Value(HKCU, k, "weg");
     },
     [](const std::string& k) {
         DeleteRegValue(HKCU, k, "weg");
         DeleteRegValue(HKCU, k, "");
     }},
    {"keys created",
     [](const std::string& k) { SetDword(HKEY_CURRENT_USER, k + "\\Da", "bleibt", 1); },
     [](TBackupPlan& p, const std::string& k) {
         p.Value(HKCU, k + "\\Da\\Neu\\Tiefer", "x");
         p.Value(HKCU, k + "\\Da\\Neu", "y");
         p.Value(HKCU, k + "\\Ganz\\Neu", "z");
     },
     [](const std::string& k) {
         WriteRegString(HKCU, k + "\\Da\\Neu\\Tiefer", "x", "1");
         WriteRegString(HKCU, k + "\\Da\\Neu", "y", "2");
         WriteRegInteger(HKCU, k + "\\Ganz\\Neu", "z", 3);
     }},
    {"key deleted with values and sub-keys",
     [](const std::string& k) { Tree(k); SetDword(HKEY_CURRENT_USER, k, "bleibt", 1); },
     [](TBackupPlan& p, const std::string& k) { p.Key(HKCU, k + "\\Weg"); },
     [](const std::string& k) { DeleteTree(HKEY_CURRENT_USER, k + "\\Weg"); }},
    {"key deleted and made anew with other values",
     [](const std::string& k) { Tree(k); },
     [](TBackupPlan& p, const std::string& k) {
         p.Key(HKCU, k + "\\Weg");
         p.Value(HKCU, k + "\\Weg\\Unter", "bin");
         p.Value(HKCU, k + "\\Weg\\Neu", "n");
         p.Key(HKCU, k + "\\Weg\\Unter");
     },
     [](const std::string& k) {
         DeleteTree(HKEY_CURRENT_USER, k + "\\Weg");
         WriteRegString(HKCU, k + "\\Weg\\Neu", "n", "neu");
         WriteRegInteger(HKCU, k + "\\Weg", "Zahl", 8);
     }},
    {"text outside the code page in values, value names and key names",
     [](const std::string& k) {
         const std::wstring key = W(k);
         SetWide(HKEY_CURRENT_USER, key, L"WindowTitle", REG_SZ, Utf16Bytes(L"Poczta Łukasza Привет"));
         SetWide(HKEY_CURRENT_USER, key, L"Привет", REG_SZ, Utf16Bytes(L"Привет"));
         // What the code page makes of the name above: a value of its own.
         SetWide(HKEY_CURRENT_USER, key, L"??????", REG_SZ, Utf16Bytes(L"Fragezeichen"));
         SetWide(HKEY_CURRENT_USER, key, L"Pfad", REG_EXPAND_SZ, Utf16Bytes(L"%TEMP%\\Łódź"));
         SetWide(HKEY_CURRENT_USER, key, L"Liste", REG_MULTI_SZ, Utf16Bytes(std::wstring(L"Ключ\0Łódź\0", 10)));
         SetWide(HKEY_CURRENT_USER, key, std::wstring(L"halb\xD800"), REG_SZ, Utf16Bytes(L"a\xDC00"));
         SetWide(HKEY_CURRENT_USER, key + L"\\Weg\\Ключ", L"Привет", REG_SZ, Utf16Bytes(L"Poczta Łukasza Привет"));
         SetWide(HKEY_CURRENT_USER, key + L"\\Weg\\Ключ\\Tiefer", L"", REG_BINARY, "\x01");
     },
     [](TBackupPlan& p, const std::string& k) {
         for (const wchar_t* name : {L"WindowTitle", L"Привет", L"Pfad", L"Liste", L"halb\xD800", L"Neu Ł"})
             p.Value(HKCU, k, std::wstring(name));
         p.Key(HKCU, k + "\\Weg");
     },
     [](const std::string& k) {
         WriteRegString(HKCU, k, "WindowTitle", "Poczta");
         const std::wstring greeting = L"Привет";
         EXPECT_TRUE(DeleteRegValueExact(HKCU, k, greeting));
         WriteRegString(HKCU, k, "Pfad", "C:\\");
         WriteRegString(HKCU, k, "Liste", "");
         EXPECT_TRUE(DeleteRegValueExact(HKCU, k, std::wstring(L"halb\xD800")));
         SetWide(HKEY_CURRENT_USER, W(k), L"Neu Ł", REG_DWORD, std::string(4, '\0'));
         DeleteTree(HKEY_CURRENT_USER, k + "\\Weg");
     }},
    {"key with values only deleted by the helper",
     [](const std::string& k) {
         SetString(HKEY_CURRENT_USER, k + "\\Weg", "FileName", "C:\\x.eml");
         SetString(HKEY_CURRENT_USER, k + "\\Weg", "Command", "notepad");
     },
     [](TBackupPlan& p, const std::string& k) { p.Key(HKCU, k + "\\Weg"); },
     [](const std::string& k) { DeleteRegKey(HKCU, k, "Weg"); }},
};

class RegBackupTest : public testing::Test {
protected:
    TBackupResult Write(const TBackupPlan& plan, const std::string& label = "Allgemein")
    {
        return WriteBackup(plan, label, Dir.File("Sicherungen"), When);
    }

    RegSandbox Box;
    TempDir Dir;
};

TEST_F(RegBackupTest, ImportingTheBackupUndoesEveryKindOfChange)
{
    for (const Change& change : Changes) {
        SCOPED_TRACE(change.Name);
        const std::string key = Box.Sub("K");
        DeleteTree(HKEY_CURRENT_USER, key);
        CreateKeyPath(HKEY_CURRENT_USER, key);
        change.Before(key);
        const std::wstring before = WideTree(HKEY_CURRENT_USER, W(key));

        TBackupPlan plan;
        change.Plan(plan, key);
        const TBackupResult result = Write(plan);
        ASSERT_EQ(result.Status, TBackupStatus::Written) << result.Error;
        EXPECT_TRUE(result.LeftOut.empty());
        const std::wstring backup = ReadUnicodeFile(result.FileName);
        EXPECT_EQ(backup.substr(0, 38), L"Windows Registry Editor Version 5.00\r\n");

        change.Apply(key);
        ASSERT_NE(WideTree(HKEY_CURRENT_USER, W(key)), before);
        RunRegedit(result.FileName);
        EXPECT_EQ(WideTree(HKEY_CURRENT_USER, W(key)), before) << backup;
        DeleteFileA(result.FileName.c_str());
    }
}

// A backup taken right after the read keeps the bytes read, of every type,
// and still names a key that was missing; one taken later reads again.
TEST_F(RegBackupTest, ValuesAsReadComeBackAsReadAndLaterBackupsReadAgain)
{
    const std::string key = Box.Sub("K");
    SetString(HKEY_CURRENT_USER, key, "Text", "Ölwechsel");
    SetString(HKEY_CURRENT_USER, key, "Pfad", "%TEMP%\\x", REG_EXPAND_SZ);
    SetDword(HKEY_CURRENT_USER, key, "Zahl", 7);
    SetValue(HKEY_CURRENT_USER, key, "Bin", REG_BINARY, "\x01\x00\x02", 3);
    const std::wstring before = WideTree(HKEY_CURRENT_USER, W(Box.Path()));
    TBackupPlan asRead, later;
    asRead.UseValuesAsRead();
    for (const auto& [path, name] : {std::pair{key, "Text"}, {key, "Pfad"}, {key, "Zahl"}, {key, "Bin"}, {key, "Fehlt"},
                                     {key + "\\Neu", "n"}}) {
        const TRegStored stored = ReadRegStored(HKCU, path, name);
        asRead.Value(HKCU, path, name, &stored);
        later.Value(HKCU, path, name, &stored);
    }
    SetDword(HKEY_CURRENT_USER, key, "Zahl", 8);
    const TBackupResult first = Write(asRead, "gelesen");
    const TBackupResult second = Write(later, "spaeter");
    ASSERT_EQ(first.Status, TBackupStatus::Written) << first.Error;
    ASSERT_EQ(second.Status, TBackupStatus::Written) << second.Error;
    EXPECT_NE(ReadUnicodeFile(second.FileName).find(L"\"Zahl\"=dword:00000008"), std::wstring::npos);

    for (const char* name : {"Text", "Pfad", "Bin"})
        WriteRegInteger(HKCU, key, name, 0);
    WriteRegString(HKCU, key, "Fehlt", "neu");
    WriteRegString(HKCU, key + "\\Neu", "n", "neu");
    RunRegedit(first.FileName);
    EXPECT_EQ(WideTree(HKEY_CURRENT_USER, W(Box.Path())), before) << ReadUnicodeFile(first.FileName);
}

// The mail template's key below the classes root, which the global dialog
// deletes or creates.
TEST_F(RegBackupTest, TemplateKeyOfTheClassesRootComesBack)
{
    SharedKeyGuard guard(HKEY_CLASSES_ROOT, ".eml");
    struct Case {
        const char* Name;
        bool Exists;
        std::function<void()> Apply;
    } cases[] = {
        {"deleted", true, [] { DeleteRegKey(HKCR, ".eml", "ShellNew"); }},
        {"created", false, [] { WriteRegString(HKCR, ".eml\\ShellNew", "FileName", "C:\\Vorlagen\\ZorvaneMail.eml"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        DeleteTree(HKEY_CLASSES_ROOT, ".eml");
        if (c.Exists) {
            SetString(HKEY_CLASSES_ROOT, ".eml", "", "Microsoft Internet Mail Message");
            SetString(HKEY_CLASSES_ROOT, ".eml\\ShellNew", "FileName", "C:\\Vorlagen\\Alt.eml");
            SetValue(HKEY_CLASSES_ROOT, ".eml\\ShellNew", "Data", REG_BINARY, "\x00\x01", 2);
        }
        const std::string before = ExportText(HKEY_CLASSES_ROOT, ".eml", Dir.File("before.reg"));

        TBackupPlan plan;
        if (c.Exists)
            plan.Key(HKCR, ".eml\\ShellNew");
        else
            plan.Value(HKCR, ".eml\\ShellNew", "FileName");
        const TBackupResult result = Write(plan);
        ASSERT_EQ(result.Status, TBackupStatus::Written) << result.Error;

        c.Apply();
        EXPECT_NE(KeyExists(HKEY_CLASSES_ROOT, ".eml\\ShellNew"), c.Exists);
        RunRegedit(result.FileName);
        EXPECT_EQ(KeyExists(HKEY_CLASSES_ROOT, ".eml\\ShellNew"), c.Exists);
        EXPECT_EQ(KeyExists(HKEY_CLASSES_ROOT, ".eml"), c.Exists);
        EXPECT_EQ(ExportText(HKEY_CLASSES_ROOT, ".eml", Dir.File("after.reg")), before);
        DeleteFileA(result.FileName.c_str());
    }
}

TEST_F(RegBackupTest, FileHoldsOnlyWhatThePlanTouches)
{
    const std::string k = Box.Sub("K");
    SetDword(HKEY_CURRENT_USER, k, "da", 5);
    SetDword(HKEY_CURRENT_USER, k, "fremd", 6);
    SetString(HKEY_CURRENT_USER, k, "pfad", "%A%", REG_EXPAND_SZ);
    SetWide(HKEY_CURRENT_USER, W(k), L"Привет", REG_SZ, Utf16Bytes(L"Łódź \"1\""));
    SetDword(HKEY_CURRENT_USER, k + "\\Weg", "w", 1);
    SetDword(HKEY_CURRENT_USER, k + "\\Fremd", "f", 1);
    TBackupPlan plan;
    plan.Value(HKCU, k, "fehlt");
    plan.Value(HKCU, k + "\\Neu\\Tiefer", "x");
    plan.Value(HKCU, k, "da");
    plan.Value(HKCU, k, "");
    plan.Key(HKCU, k + "\\Weg");
    plan.Value(HKCU, k + "\\Neu", "y");
    plan.Value(HKCU, k + "\\Weg", "w");
    plan.Value(HKCU, k, "pfad");
    plan.Value(HKCU, k, std::wstring(L"Привет"));
    plan.Note("Vorlage von Zorvane: C:\\Vorlagen\\Zorvane.eml");
    plan.Note("zwei\r\nZeilen");

    const TBackupResult result = Write(plan);
    ASSERT_EQ(result.Status, TBackupStatus::Written) << result.Error;
    const std::wstring root = L"HKEY_CURRENT_USER\\" + W(k);
    const std::wstring expected = L"Windows Registry Editor Version 5.00\r\n"
                                  L"; Vorlage von Zorvane: C:\\Vorlagen\\Zorvane.eml\r\n"
                                  L"; zwei\r\n"
                                  L"; Zeilen\r\n"
                                  L"\r\n[-" + root + L"\\Weg]\r\n"
                                  L"\r\n[" + root + L"\\Weg]\r\n"
                                  L"\"w\"=dword:00000001\r\n"
                                  L"\r\n[" + root + L"]\r\n"
                                  L"\"fehlt\"=-\r\n"
                                  L"\"da\"=dword:00000005\r\n"
                                  L"@=-\r\n"
                                  L"\"pfad\"=hex(2):25,00,41,00,25,00,00,00\r\n"
                                  L"\"Привет\"=\"Łódź \\\"1\\\"\"\r\n"
                                  L"\r\n[-" + root + L"\\Neu]\r\n"
                                  L"\r\n";
    EXPECT_EQ(ReadUnicodeFile(result.FileName), expected);
}

TEST_F(RegBackupTest, NamesSortByTimeAndNeverReplaceAnEarlierBackup)
{
    SetDword(HKEY_CURRENT_USER, Box.Path(), "v", 1);
    TBackupPlan plan;
    plan.Value(HKCU, Box.Path(), "v");
    const std::string folder = Dir.File("Sicherungen") + "\\";
    const struct {
        std::string Label;
        std::string File;
    } cases[] = {
        {"Allgemein", "2026-12-08_14-03-27_Allgemein.reg"},
        {"Allgemein", "2026-12-08_14-03-27_Allgemein_02.reg"},
        {"Allgemein", "2026-12-08_14-03-27_Allgemein_03.reg"},
        {"Identitaet_Max <Haupt>: a/b\\c?*|\"\t.", "2026-12-08_14-03-27_Identitaet_Max _Haupt__ a_b_c______.reg"},
        {"Identitaet_Jörg", "2026-12-08_14-03-27_Identitaet_Jörg.reg"},
    };
    for (const auto& c : cases) {
        const TBackupResult result = Write(plan, c.Label);
        EXPECT_EQ(result.Status, TBackupStatus::Written) << result.Error;
        EXPECT_EQ(result.FileName, folder + c.File);
    }
    EXPECT_EQ(FilesIn(Dir.File("Sicherungen")).size(), std::size(cases));
    EXPECT_EQ(ReadFileBytes(folder + cases[0].File), ReadFileBytes(folder + cases[1].File));
}

// Labels beyond 48 characters are cut and told apart by a hash of the whole.
TEST_F(RegBackupTest, LongLabelsGiveShortNamesOfTheirOwn)
{
    SetDword(HKEY_CURRENT_USER, Box.Path(), "v", 1);
    TBackupPlan plan;
    plan.Value(HKCU, Box.Path(), "v");
    const std::string start = Dir.File("Sicherungen") + "\\2026-12-08_14-03-27_";
    const std::string labels[] = {"Identitaet_" + std::string(300, 'N'), "Identitaet_" + std::string(299, 'N') + "M",
                                  "Identitaet_" + std::string(38, 'N'), "Identitaet_" + std::string(37, 'N')};
    std::vector<std::string> names;
    for (const std::string& label : labels) {
        const TBackupResult result = Write(plan, label);
        ASSERT_EQ(result.Status, TBackupStatus::Written) << result.Error;
        ASSERT_EQ(result.FileName.substr(0, start.size()), start);
        names.push_back(result.FileName.substr(start.size()));
    }
    // 48 characters stay whole; beyond, 39 and "~" with eight hex digits.
    EXPECT_EQ(names[3], labels[3] + ".reg");
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(names[i].substr(0, 40), labels[i].substr(0, 39) + "~");
        EXPECT_EQ(names[i].find_first_not_of("0123456789abcdef", 40), 48u) << names[i];
        EXPECT_EQ(names[i].substr(48), ".reg");
    }
    EXPECT_NE(names[0], names[1]);
}

// A key name may hold "]" and line breaks (the registry allows both). Only
// the header could carry such a name, and it cannot: the key is left out,
// and no name puts a line of its own into the restore.
TEST_F(RegBackupTest, KeyNamesCannotAddLinesToTheRestore)
{
    // At the top of the hive, where the deletion hidden in the name points.
    const std::string victim = "ZorvaneOpfer-Sicherung";
    DeleteTree(HKEY_CURRENT_USER, victim);
    SetDword(HKEY_CURRENT_USER, victim + "\\Unter", "bleibt", 1);
    const std::wstring victimBefore = WideTree(HKEY_CURRENT_USER, W(victim));
    // Made level by level at each backslash. The first line break ends the
    // header, the second makes the rest of the path a comment.
    const std::string evil = "{4444}]\r\n[-HKEY_CURRENT_USER\\" + victim + "]\r\n;";
    const std::string k = Box.Sub("K");
    SetDword(HKEY_CURRENT_USER, k, "ok", 1);
    SetDword(HKEY_CURRENT_USER, k + "\\" + evil + "\\Software", "x", 1);
    SetString(HKEY_CURRENT_USER, k + "\\ShellNew", "FileName", "C:\\x.eml");
    SetString(HKEY_CURRENT_USER, k + "\\ShellNew\\b]c", "v", "mit Klammer");
    SetString(HKEY_CURRENT_USER, k + "\\ShellNew\\" + evil, "v", "drin");

    TBackupPlan plan;
    plan.Value(HKCU, k, "ok");
    plan.Value(HKCU, k + "\\" + evil + "\\Software", "x");
    plan.Key(HKCU, k + "\\ShellNew");
    const TBackupResult result = Write(plan);
    ASSERT_EQ(result.Status, TBackupStatus::Written) << result.Error;
    const std::string key = "[HKEY_CURRENT_USER\\" + k + "\\";
    EXPECT_EQ(result.LeftOut,
              (std::vector<std::string>{
                  "Schlüssel " + key + "ShellNew\\{4444}]\\r\\n[-HKEY_CURRENT_USER] mit allem darunter (Name mit Zeilenumbruch)",
                  "Schlüssel " + key + "{4444}]\\r\\n[-HKEY_CURRENT_USER\\" + victim + "]\\r\\n;\\Software] (Name mit Zeilenumbruch)"}));

    WriteRegInteger(HKCU, k, "ok", 2);
    WriteRegInteger(HKCU, k + "\\" + evil + "\\Software", "x", 2);
    DeleteTree(HKEY_CURRENT_USER, k + "\\ShellNew");
    RunRegedit(result.FileName);
    EXPECT_EQ(WideTree(HKEY_CURRENT_USER, W(victim)), victimBefore);
    EXPECT_EQ(ReadRegInteger(HKCU, k, "ok"), 1);
    EXPECT_EQ(ReadRegString(HKCU, k + "\\ShellNew", "FileName"), "C:\\x.eml");
    EXPECT_EQ(ReadRegString(HKCU, k + "\\ShellNew\\b]c", "v"), "mit Klammer");
    // What was left out stays as the apply left it.
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, k + "\\ShellNew\\" + evil));
    EXPECT_EQ(ReadRegInteger(HKCU, k + "\\" + evil + "\\Software", "x"), 2);
    DeleteTree(HKEY_CURRENT_USER, victim);
}

TEST_F(RegBackupTest, NothingPlannedWritesNoFile)
{
    const TBackupResult result = Write(TBackupPlan());
    EXPECT_EQ(result.Status, TBackupStatus::NothingToDo);
    EXPECT_EQ(result.FileName, "");
    EXPECT_EQ(GetFileAttributesA(Dir.File("Sicherungen").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(RegBackupTest, FolderThatCannotBeWrittenIsReported)
{
    SetDword(HKEY_CURRENT_USER, Box.Path(), "v", 1);
    TBackupPlan plan;
    plan.Value(HKCU, Box.Path(), "v");
    // A file where a folder of the path should be.
    WriteFileBytes(Dir.File("Datei"), "x");
    for (const std::string& folder : {Dir.File("Datei"), Dir.File("Datei\\Sicherungen"), std::string()}) {
        const TBackupResult result = WriteBackup(plan, "Allgemein", folder, When);
        EXPECT_EQ(result.Status, TBackupStatus::Failed) << folder;
        EXPECT_NE(result.Error, "") << folder;
        EXPECT_EQ(result.FileName, "");
    }
    EXPECT_EQ(FilesIn(Dir.Path()), std::vector<std::string>{"Datei"});
}

TEST_F(RegBackupTest, ValueNameWithANulIsReportedAsLeftOut)
{
    SetDword(HKEY_CURRENT_USER, Box.Path(), "v", 1);
    TBackupPlan plan;
    plan.Value(HKCU, Box.Path(), std::string("a\0b", 3));
    plan.Value(HKCU, Box.Path(), "v");
    const TBackupResult result = Write(plan);
    ASSERT_EQ(result.Status, TBackupStatus::Written) << result.Error;
    const std::string what = "Wert \"a\\0b\" in [HKEY_CURRENT_USER\\" + Box.Path() + "] (Name mit NUL-Zeichen)";
    EXPECT_EQ(result.LeftOut, std::vector<std::string>{what});
    const std::wstring text = ReadUnicodeFile(result.FileName);
    EXPECT_NE(text.find(L"\r\n; Ausgelassen: " + W(what) + L"\r\n\"v\"=dword:00000001\r\n"), std::wstring::npos);
    EXPECT_EQ(text.find(L'\0'), std::wstring::npos);
}

} // namespace
