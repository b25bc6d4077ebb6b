// The Explorer's "New" entry for mail against the real per-user and machine
// classes: what Install writes, what Remove takes back and what it leaves to
// other programs, and that the backup plan covers both.
#include "dialogs/MailTemplate.h"

#include "registry/RegBackup.h"
#include "registry/RegFileKit.h"
#include "support/EmlKeys.h"
#include "support/SharedKeyGuard.h"

#include <gtest/gtest.h>
#include <sddl.h>

#include <functional>

namespace {

constexpr const char* kOther = "C:\\Programme\\Andere\\leer.eml";

bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A ShellNew key as text: its value names and sub-keys, or "-" when absent.
std::string State(HKEY root, const std::string& path)
{
    const KeySnapshot key = KeySnapshot::Take(root, path);
    if (!key.Exists)
        return "-";
    std::string text;
    for (const auto& [name, value] : key.Values)
        text += name + ";";
    for (const auto& [name, child] : key.Children)
        text += "[" + name + "]";
    return text;
}

struct MailTemplateTest : testing::Test {
    SharedKeyGuard user{HKEY_CURRENT_USER, kUserEml};
    SharedKeyGuard machine{HKEY_CLASSES_ROOT, kEml};
    regfilekit::TempDir dir;
    std::string own;

    void SetUp() override
    {
        DeleteTree(HKEY_CURRENT_USER, kUserEml);
        DeleteTree(HKEY_CLASSES_ROOT, kEml);
        SetString(HKEY_CLASSES_ROOT, kEml, "", "Microsoft Internet Mail Message");
        own = MailTemplatePath(dir.Path());
        ASSERT_FALSE(own.empty());
    }
};

} // namespace

TEST_F(MailTemplateTest, InstallWritesTheFileAndOnlyTheUsersValue)
{
    EXPECT_FALSE(MailTemplateInstalled());
    EXPECT_EQ(InstallMailTemplate(dir.Path()), "");
    EXPECT_EQ(regfilekit::ReadFileBytes(own), MailTemplateBytes());
    const auto stored = QueryValue(HKEY_CURRENT_USER, kUserShellNew, "FileName");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(stored->AsString(), own + '\0');
    EXPECT_EQ(State(HKEY_CLASSES_ROOT, kShellNew), "-") << "nothing machine-wide";
    EXPECT_TRUE(MailTemplateInstalled());
}

TEST_F(MailTemplateTest, RemoveTakesBackOnlyWhatIsTheProgramsOwn)
{
    struct Case {
        const char* name;
        std::function<void(const std::string& own)> seed;
        const char* userAfter;
        const char* machineAfter;
        bool removed;   // no entry left, and the file is gone
    } const cases[] = {
        {"own, for the user",
         [](const std::string& o) { SetString(HKEY_CURRENT_USER, kUserShellNew, "FileName", o); }, "-", "-", true},
        {"own beside other programs' values",
         [](const std::string& o) {
             SetString(HKEY_CURRENT_USER, kUserShellNew, "FileName", o);
             SetString(HKEY_CURRENT_USER, kUserShellNew, "NullFile", "");
             SetString(HKEY_CURRENT_USER, kUserShellNew, "Command", "notepad.exe");
         },
         "Command;NullFile;", "-", true},
        {"own, in a key with a sub-key",
         [](const std::string& o) {
             SetString(HKEY_CURRENT_USER, kUserShellNew, "FileName", o);
             CreateKeyPath(HKEY_CURRENT_USER, std::string(kUserShellNew) + "\\Config");
         },
         "[Config]", "-", true},
        {"another file, for the user",
         [](const std::string&) { SetString(HKEY_CURRENT_USER, kUserShellNew, "FileName", kOther); }, "FileName;",
         "-", false},
        {"own, machine-wide from before",
         [](const std::string& o) { SetString(HKEY_CLASSES_ROOT, kShellNew, "FileName", o); }, "-", "-", true},
        {"own, machine-wide beside another program's value",
         [](const std::string& o) {
             SetString(HKEY_CLASSES_ROOT, kShellNew, "FileName", o);
             SetString(HKEY_CLASSES_ROOT, kShellNew, "NullFile", "");
         },
         "-", "NullFile;", true},
        {"own for the user, another file machine-wide",
         [](const std::string& o) {
             SetString(HKEY_CURRENT_USER, kUserShellNew, "FileName", o);
             SetString(HKEY_CLASSES_ROOT, kShellNew, "FileName", kOther);
         },
         "-", "FileName;", false},
        {"another program's key without a file name",
         [](const std::string&) { SetString(HKEY_CLASSES_ROOT, kShellNew, "NullFile", ""); }, "-", "NullFile;",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        InstallMailTemplate(dir.Path());
        DeleteTree(HKEY_CURRENT_USER, kUserEml);
        c.seed(own);

        const std::string result = RemoveMailTemplate(dir.Path());
        EXPECT_EQ(State(HKEY_CURRENT_USER, kUserShellNew), c.userAfter);
        EXPECT_EQ(State(HKEY_CLASSES_ROOT, kShellNew), c.machineAfter);
        EXPECT_EQ(ReadRegString(rcClassesRoot, kEml, ""), "Microsoft Internet Mail Message");
        EXPECT_EQ(result.empty(), c.removed) << result;
        EXPECT_EQ(MailTemplateInstalled(), !c.removed);
        if (!c.removed)
            EXPECT_NE(result.find(kOther), std::string::npos) << result;
        // The file goes once no entry names it.
        EXPECT_FALSE(FileExists(own));
    }
}

TEST_F(MailTemplateTest, AMachineWideEntryThatCannotBeRemovedIsRefusedAndKeepsItsFile)
{
    InstallMailTemplate(dir.Path());
    DeleteTree(HKEY_CURRENT_USER, kUserEml);
    SetString(HKEY_CLASSES_ROOT, kShellNew, "FileName", own);
    // Everyone may read the key, nobody may change it.
    auto protect = [](const char* sddl) {
        PSECURITY_DESCRIPTOR sd = nullptr;
        ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &sd, nullptr));
        HKEY key = nullptr;
        ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, kShellNew, 0, WRITE_DAC, &key), ERROR_SUCCESS);
        EXPECT_EQ(RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, sd), ERROR_SUCCESS);
        RegCloseKey(key);
        LocalFree(sd);
    };
    protect("D:P(A;;KR;;;WD)");
    const std::string result = RemoveMailTemplate(dir.Path());
    protect("D:P(A;;KA;;;WD)");
    EXPECT_EQ(result, RefusalText(ERROR_ACCESS_DENIED));
    EXPECT_EQ(State(HKEY_CLASSES_ROOT, kShellNew), "FileName;");
    EXPECT_TRUE(FileExists(own)) << "the entry still names it";
}

// The backup planned before Install or Remove, imported afterwards, brings
// back both the user's and the machine-wide entry exactly.
TEST_F(MailTemplateTest, ThePlannedBackupRestoresWhatInstallAndRemoveChanged)
{
    for (bool install : {true, false}) {
        SCOPED_TRACE(install ? "install" : "remove");
        SetUp();
        if (!install) {
            SetString(HKEY_CURRENT_USER, kUserShellNew, "FileName", own);
            SetString(HKEY_CLASSES_ROOT, kShellNew, "FileName", own);
            SetString(HKEY_CLASSES_ROOT, kShellNew, "NullFile", "");
        }
        const std::string before = State(HKEY_CURRENT_USER, kUserEml) + State(HKEY_CURRENT_USER, kUserShellNew) +
                                   State(HKEY_CLASSES_ROOT, kEml) + State(HKEY_CLASSES_ROOT, kShellNew);
        TBackupPlan plan;
        PlanMailTemplate(plan, install);
        const TBackupResult backup = WriteBackup(plan, "Vorlage", dir.File("Sicherungen"), SYSTEMTIME{2026, 1, 4, 1});
        ASSERT_EQ(backup.Status, TBackupStatus::Written) << backup.Error;
        EXPECT_EQ((install ? InstallMailTemplate : RemoveMailTemplate)(dir.Path()), "");
        regfilekit::RunRegedit(backup.FileName);
        EXPECT_EQ(State(HKEY_CURRENT_USER, kUserEml) + State(HKEY_CURRENT_USER, kUserShellNew) +
                      State(HKEY_CLASSES_ROOT, kEml) + State(HKEY_CLASSES_ROOT, kShellNew),
                  before);
        EXPECT_EQ(QueryValue(HKEY_CLASSES_ROOT, kShellNew, "FileName").has_value(), !install);
    }
}
