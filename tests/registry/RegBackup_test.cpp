// Backups against Wine's real registry: every kind of change is undone by
// importing the backup with Wine's regedit, which must give back exactly the
// export taken before the change.
#include "registry/RegBackup.h"

#include "RegFileKit.h"
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
        const std::string before = ExportText(HKEY_CURRENT_USER, key, Dir.File("before.reg"));

        TBackupPlan plan;
        change.Plan(plan, key);
        const TBackupResult result = Write(plan);
        ASSERT_EQ(result.Status, TBackupStatus::Written) << result.Error;
        EXPECT_TRUE(result.LeftOut.empty());
        const std::string backup = ReadFileBytes(result.FileName);
        EXPECT_EQ(backup.substr(0, 10), "REGEDIT4\r\n");

        change.Apply(key);
        ASSERT_NE(ExportText(HKEY_CURRENT_USER, key, Dir.File("changed.reg")), before);
        RunRegedit(result.FileName);
        EXPECT_EQ(ExportText(HKEY_CURRENT_USER, key, Dir.File("after.reg")), before) << backup;
        DeleteFileA(result.FileName.c_str());
    }
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

    const TBackupResult result = Write(plan);
    ASSERT_EQ(result.Status, TBackupStatus::Written) << result.Error;
    const std::string root = "HKEY_CURRENT_USER\\" + k;
    EXPECT_EQ(ReadFileBytes(result.FileName), "REGEDIT4\r\n"
                                              "\r\n[-" + root + "\\Weg]\r\n"
                                              "\r\n[" + root + "\\Weg]\r\n"
                                              "\"w\"=dword:00000001\r\n"
                                              "\r\n[" + root + "]\r\n"
                                              "\"fehlt\"=-\r\n"
                                              "\"da\"=dword:00000005\r\n"
                                              "@=-\r\n"
                                              "\r\n[-" + root + "\\Neu]\r\n"
                                              "\r\n");
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
    const std::string text = ReadFileBytes(result.FileName);
    EXPECT_NE(text.find("\r\n; Ausgelassen: " + what + "\r\n\"v\"=dword:00000001\r\n"), std::string::npos);
    EXPECT_EQ(text.find('\0'), std::string::npos);
}

} // namespace
