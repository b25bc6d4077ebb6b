// The Explorer's "New" entry for mail against the real per-user and machine
// classes: what Remove takes back and what it leaves to other programs, a
// refused machine-wide entry, and the backup plan of Install and Remove.
#include "settings/MailTemplate.h"

#include "registry/RegBackup.h"
#include "registry/RegFileKit.h"
#include "support/EmlKeys.h"
#include "support/SharedKeyGuard.h"

#include <gtest/gtest.h>
#include <sddl.h>

namespace {

constexpr const char* kOther = "C:\\Programme\\Andere\\leer.eml";

// "name=text|..." into a ShellNew key; "own" stands for the template's path.
void Seed(HKEY root, const char* key, const std::string& values, const std::string& own)
{
    for (size_t at = 0; at < values.size();) {
        const size_t end = std::min(values.find('|', at), values.size()), eq = values.find('=', at);
        const std::string text = values.substr(eq + 1, end - eq - 1);
        SetString(root, key, values.substr(at, eq - at), text == "own" ? own : text);
        at = end + 1;
    }
}

// A ShellNew key as its value names, or "-" when it is absent.
std::string State(HKEY root, const char* key)
{
    const KeySnapshot k = KeySnapshot::Take(root, key);
    std::string names = k.Exists ? "" : "-";
    for (const auto& [name, value] : k.Values)
        names += name + ";";
    return names;
}

struct MailTemplateTest : testing::Test {
    SharedKeyGuard user{HKEY_CURRENT_USER, kUserEml};
    SharedKeyGuard machine{HKEY_CLASSES_ROOT, kEml};
    regfilekit::TempDir dir;
    std::string own = MailTemplatePath(dir.Path());

    void SetUp() override
    {
        DeleteTree(HKEY_CURRENT_USER, kUserEml);
        DeleteTree(HKEY_CLASSES_ROOT, kEml);
        regfilekit::WriteFileBytes(own, MailTemplateBytes());
    }
};

} // namespace

TEST_F(MailTemplateTest, RemoveTakesBackOnlyWhatIsTheProgramsOwn)
{
    const struct {
        const char *user, *machine, *userAfter, *machineAfter;
        bool removed;   // no entry left
    } cases[] = {
        {"FileName=own", "", "-", "-", true},
        {"FileName=own|NullFile=|Command=notepad.exe", "", "Command;NullFile;", "-", true},
        {"FileName=C:\\Programme\\Andere\\leer.eml", "", "FileName;", "-", false},
        {"", "FileName=own|NullFile=", "-", "NullFile;", true},
        {"FileName=own", "FileName=C:\\Programme\\Andere\\leer.eml", "-", "FileName;", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.user) + " / " + c.machine);
        SetUp();
        Seed(HKEY_CURRENT_USER, kUserShellNew, c.user, own);
        Seed(HKEY_CLASSES_ROOT, kShellNew, c.machine, own);
        const std::string result = RemoveMailTemplate(dir.Path());
        EXPECT_EQ(State(HKEY_CURRENT_USER, kUserShellNew), c.userAfter);
        EXPECT_EQ(State(HKEY_CLASSES_ROOT, kShellNew), c.machineAfter);
        EXPECT_EQ(result.empty(), c.removed) << result;
        EXPECT_EQ(result.find(kOther) != std::string::npos, !c.removed) << "names the file that stays";
        EXPECT_EQ(MailTemplateInstalled(), !c.removed);
        EXPECT_EQ(GetFileAttributesA(own.c_str()), INVALID_FILE_ATTRIBUTES) << "no entry names it any more";
    }
}

TEST_F(MailTemplateTest, AMachineWideEntryThatCannotBeRemovedIsRefusedAndKeepsItsFile)
{
    Seed(HKEY_CLASSES_ROOT, kShellNew, "FileName=own", own);
    auto protect = [](const char* sddl) {
        PSECURITY_DESCRIPTOR sd = nullptr;
        ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &sd, nullptr));
        HKEY key = nullptr;
        ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, kShellNew, 0, WRITE_DAC, &key), ERROR_SUCCESS);
        EXPECT_EQ(RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, sd), ERROR_SUCCESS);
        RegCloseKey(key);
        LocalFree(sd);
    };
    protect("D:P(A;;KR;;;WD)");   // everyone may read it, nobody change it
    const std::string result = RemoveMailTemplate(dir.Path());
    protect("D:P(A;;KA;;;WD)");
    EXPECT_EQ(result, RefusalText(ERROR_ACCESS_DENIED));
    EXPECT_EQ(State(HKEY_CLASSES_ROOT, kShellNew), "FileName;");
    EXPECT_NE(GetFileAttributesA(own.c_str()), INVALID_FILE_ATTRIBUTES) << "the entry still names it";
}

// The backup planned before Install or Remove, imported afterwards, brings
// back both the user's and the machine-wide entry exactly.
TEST_F(MailTemplateTest, ThePlannedBackupRestoresWhatInstallAndRemoveChanged)
{
    for (bool install : {true, false}) {
        SCOPED_TRACE(install);
        SetUp();
        Seed(HKEY_CURRENT_USER, kUserShellNew, install ? "" : "FileName=own", own);
        Seed(HKEY_CLASSES_ROOT, kShellNew, install ? "" : "FileName=own|NullFile=", own);
        auto all = [] { return State(HKEY_CURRENT_USER, kUserEml) + State(HKEY_CURRENT_USER, kUserShellNew) +
                               State(HKEY_CLASSES_ROOT, kEml) + State(HKEY_CLASSES_ROOT, kShellNew); };
        const std::string before = all();
        TBackupPlan plan;
        PlanMailTemplate(plan, install);
        const TBackupResult backup = WriteBackup(plan, "Vorlage", dir.File("Sicherungen"), SYSTEMTIME{2026, 1, 4, 1});
        ASSERT_EQ(backup.Status, TBackupStatus::Written) << backup.Error;
        EXPECT_EQ((install ? InstallMailTemplate : RemoveMailTemplate)(dir.Path()), "");
        EXPECT_NE(all(), before);
        regfilekit::RunRegedit(backup.FileName);
        EXPECT_EQ(all(), before);
    }
}
