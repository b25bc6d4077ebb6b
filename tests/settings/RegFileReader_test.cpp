// The program's reader of registry files against the program's writers, and
// the restore built on it: only the client's keys, exactly what the file says.
#include "settings/RegFileReader.h"

#include "registry/RegBackup.h"
#include "registry/RegFileKit.h"
#include "settings/BackupList.h"
#include "settings/MailTemplate.h"
#include "settings/Restore.h"
#include "support/SharedKeyGuard.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using regfilekit::TempDir;

std::wstring Wide(const std::string& s)
{
    return std::wstring(s.begin(), s.end());
}

// Every value below root\path, by key path and name, as the wide calls see it.
using Tree = std::map<std::wstring, std::map<std::wstring, std::pair<DWORD, std::vector<BYTE>>>>;

void Collect(HKEY root, const std::wstring& path, Tree& tree)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
    auto& values = tree[path];
    wchar_t name[512];
    std::vector<BYTE> data(70000);
    for (DWORD i = 0;; ++i) {
        DWORD length = 512, size = static_cast<DWORD>(data.size()), type = 0;
        if (RegEnumValueW(key, i, name, &length, nullptr, &type, data.data(), &size) != ERROR_SUCCESS)
            break;
        values[std::wstring(name, length)] = {type, std::vector<BYTE>(data.begin(), data.begin() + size)};
    }
    std::vector<std::wstring> children;
    for (DWORD i = 0;; ++i) {
        DWORD length = 512;
        if (RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        children.emplace_back(name, length);
    }
    RegCloseKey(key);
    for (const std::wstring& child : children)
        Collect(root, path + L"\\" + child, tree);
}

Tree FromFile(const TRegFileContent& content)
{
    Tree tree;
    for (const TRegFileKey& key : content.Keys) {
        if (key.Delete)
            continue;
        auto& values = tree[key.Path];
        for (const TRegFileValue& v : key.Values)
            values[v.Name] = {v.Type, v.Data};
    }
    return tree;
}

void SetWide(HKEY root, const std::wstring& path, const std::wstring& name, DWORD type, const void* data, size_t size)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr), ERROR_SUCCESS);
    RegSetValueExW(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), static_cast<DWORD>(size));
    RegCloseKey(key);
}

// Both writers: the export in REGEDIT4, and the backups in the Unicode
// format, which also carries names and texts outside the code page.
TEST(RegFileReader, ReadsBackWhatTheWritersWroteByteForByte)
{
    RegSandbox box;
    const std::wstring base = Wide(box.Path());
    const BYTE noNul[] = {'a', 'b'};
    const std::string multi("eins\0zwei\0\0", 11);
    std::vector<BYTE> longBinary(300);
    for (size_t i = 0; i < longBinary.size(); ++i)
        longBinary[i] = static_cast<BYTE>(i * 7);
    const unsigned long long qword = 0x0102030405060708ULL;
    const struct {
        const char* key;
        const char* name;
        DWORD type;
        std::string data;
    } values[] = {
        {"", "", REG_SZ, std::string("Standard\0", 9)},
        {"", "plain", REG_SZ, std::string("C:\\Pfad \"mit\" Zeichen\0", 23)},
        {"", "lines", REG_SZ, std::string("eins\r\nzwei\0", 11)},
        {"", "empty", REG_SZ, std::string("\0", 1)},
        {"", "no nul", REG_SZ, std::string(reinterpret_cast<const char*>(noNul), 2)},
        {"", "nul inside", REG_SZ, std::string("a\0b\0", 4)},
        {"", "expand", REG_EXPAND_SZ, std::string("%WINDIR%\\x\0", 11)},
        {"", "multi", REG_MULTI_SZ, multi},
        {"", "dword", REG_DWORD, std::string("\x01\x02\x03\x04", 4)},
        {"", "long", REG_BINARY, std::string(longBinary.begin(), longBinary.end())},
        {"", "qword", REG_QWORD, std::string(reinterpret_cast<const char*>(&qword), 8)},
        {"", "none", REG_NONE, std::string()},
        {"Sub\\Tiefer", "\"quoted\" \\ name = x", REG_SZ, std::string("\xe4\xf6\xfc\0", 4)},
    };
    for (const auto& v : values)
        SetValue(HKEY_CURRENT_USER, v.key[0] ? box.Sub(v.key) : box.Path(), v.name, v.type, v.data.data(),
                 static_cast<DWORD>(v.data.size()));
    CreateKeyPath(HKEY_CURRENT_USER, box.Sub("Leer"));

    TempDir dir;
    for (const bool unicode : {false, true}) {
        std::string file = dir.Path() + "\\export.reg";
        if (unicode) {
            const std::wstring russian = L"\u041f\u0440\u0438\u0432\u0435\u0442";
            const std::wstring text = L"Poczta \u0141ukasza " + russian;
            SetWide(HKEY_CURRENT_USER, base + L"\\\u041a\u043b\u044e\u0447", russian, REG_SZ, text.c_str(),
                    (text.size() + 1) * 2);
            TBackupPlan plan;
            plan.Key(rcCurrentUser, box.Path());
            const TBackupResult backup = WriteBackup(plan, "Export", dir.Path(), SYSTEMTIME{2026, 12, 0, 9});
            ASSERT_EQ(backup.Status, TBackupStatus::Written) << backup.Error;
            file = backup.FileName;
        } else {
            TExRegistry reg(KEY_READ);
            reg.SetRootKey(HKEY_CURRENT_USER);
            ASSERT_TRUE(reg.OpenKey(box.Path(), false));
            ASSERT_TRUE(reg.ExportKey(file));
        }
        const TRegFileContent content = ReadRegFile(file);
        EXPECT_EQ(content.Unicode, unicode);
        Tree expected;
        Collect(HKEY_CURRENT_USER, base, expected);
        EXPECT_EQ(FromFile(content), expected) << unicode;
    }
}

TEST(RegFileReader, RefusesWhatItDoesNotUnderstandNamingTheLine)
{
    const struct {
        std::string text;
        const char* expected;   // the start of the message
    } cases[] = {
        {"", "Dies ist keine Registrierungsdatei"},
        {"REGEDIT5\r\n", "Dies ist keine Registrierungsdatei"},
        {std::string("\xff\xfeW\0i\0n\0", 8), "Dies ist keine Registrierungsdatei"},
        {std::string("\xff\xfe", 2) + "R", "Die Datei ist unvollständig"},
        {"REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\X]\r\nwas soll das\r\n", "Zeile 4: nicht verstanden"},
        {"REGEDIT4\r\n\"a\"=dword:1\r\n", "Zeile 2: ein Wert ohne Schlüssel"},
        {"REGEDIT4\r\n[HKEY_NIRGENDS\\X]\r\n", "Zeile 2: unbekannter Hauptschlüssel"},
        {"REGEDIT4\r\n[HKEY_CURRENT_USER\\X\r\n", "Zeile 2: die Zeile eines Schlüssels"},
        {"REGEDIT4\r\n[HKEY_CURRENT_USER\\X]\r\n\"a\"=dword:xyz\r\n", "Zeile 3: ungültiger DWORD-Wert"},
        {"REGEDIT4\r\n[HKEY_CURRENT_USER\\X]\r\n\"a\"=b\r\n", "Zeile 3: unbekannte Art von Wert"},
        {"REGEDIT4\r\n[HKEY_CURRENT_USER\\X]\r\n\"a=\"b\"\r\n", "Zeile 3: das \"=\" nach dem Namen fehlt"},
        {"REGEDIT4\r\n[HKEY_CURRENT_USER\\X]\r\n\"a\"=\"b\r\n", "Zeile 3: das schließende Anführungszeichen"},
        {"REGEDIT4\r\n[HKEY_CURRENT_USER\\X]\r\n\"a\"=hex:01,0\r\n", "Zeile 3: ungültige Byte-Liste"},
        {"REGEDIT4\r\n[HKEY_CURRENT_USER\\X]\r\n\"a\"=hex:01,\\\r\n  02,zz\r\n", "Zeile 3: ungültige Byte-Liste"},
        {"REGEDIT4\r\n[HKEY_CURRENT_USER\\X]\r\n\"a\\q\"=\"b\"\r\n", "Zeile 3: unbekannte Schreibweise"},
    };
    for (const auto& c : cases) {
        try {
            ReadRegFileText(c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const ERegFileError& e) {
            EXPECT_EQ(e.Message().rfind(c.expected, 0), 0u) << e.Message();
        }
    }
}

// A file that names a key outside the client's, among the client's own.
TEST(Restore, AFileWithAForeignKeyIsRefusedAsAWholeAndWritesNothing)
{
    SharedKeyGuard identities(HKEY_CURRENT_USER, "Identities");
    const std::string ident = "Identities\\{00000000-0000-4000-8000-0000000000F0}";
    DeleteTree(HKEY_CURRENT_USER, ident);
    const std::string text = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\" + ident + "]\r\n\"Username\"=\"Neu\"\r\n\r\n"
                             "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run]\r\n"
                             "\"Zorvane\"=\"C:\\\\boese.exe\"\r\n";
    try {
        TRestore restore(ReadRegFileText(text), "");
        ADD_FAILURE() << "accepted";
    } catch (const ERegFileError& e) {
        EXPECT_NE(e.Message().find("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run"),
                  std::string::npos)
            << e.Message();
    }
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, ident));
}

// What the program's backup holds comes back through the program's restore:
// a value changed, one added, one deleted, a key made.
TEST(Restore, ABackupRestoredByTheProgramPutsBackWhatItHeld)
{
    SharedKeyGuard identities(HKEY_CURRENT_USER, "Identities");
    const std::string ident = "Identities\\{00000000-0000-4000-8000-0000000000F1}";
    const std::string branch = ident + "\\Software\\Microsoft\\Outlook Express\\5.0";
    DeleteTree(HKEY_CURRENT_USER, ident);
    SetString(HKEY_CURRENT_USER, ident, "Username", "Rück");
    SetString(HKEY_CURRENT_USER, branch, "WindowTitle", "Post", REG_EXPAND_SZ);
    SetDword(HKEY_CURRENT_USER, branch, "Weg", 7);
    Tree before;
    Collect(HKEY_CURRENT_USER, Wide(ident), before);

    TBackupPlan plan;
    plan.Value(rcCurrentUser, branch, "WindowTitle");
    plan.Value(rcCurrentUser, branch, "Weg");
    plan.Value(rcCurrentUser, branch, "Neu");
    plan.Value(rcCurrentUser, branch + "\\Mail", "Show Adv Mail Send");
    TempDir dir;
    SYSTEMTIME when{};
    when.wYear = 2026;
    when.wMonth = 12;
    when.wDay = 9;
    const TBackupResult backup = WriteBackup(plan, "Identitaet_Rück", dir.Path(), when);
    ASSERT_EQ(backup.Status, TBackupStatus::Written) << backup.Error;

    SetString(HKEY_CURRENT_USER, branch, "WindowTitle", "Anders");
    DeleteValue(HKEY_CURRENT_USER, branch, "Weg");
    SetDword(HKEY_CURRENT_USER, branch, "Neu", 1);
    SetDword(HKEY_CURRENT_USER, branch + "\\Mail", "Show Adv Mail Send", 1);

    TRestore restore(ReadRegFile(backup.FileName), "");
    EXPECT_EQ(restore.Changes().size(), 4u);
    std::vector<TRefusedWrite> refused;
    restore.Apply(refused);
    EXPECT_TRUE(refused.empty());
    Tree after;
    Collect(HKEY_CURRENT_USER, Wide(ident), after);
    EXPECT_EQ(after, before);
    EXPECT_FALSE(restore.HasChange());

    // The list names it by its time and what was applied.
    const std::vector<TBackupEntry> list = ListBackups(dir.Path());
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].What, "Identität Rück");
    EXPECT_EQ(list[0].Values, 3);
    DeleteTree(HKEY_CURRENT_USER, ident);
}

// The "New" entry back from a backup names the program's own template,
// which went when the entry was removed: the restore writes it again.
TEST(Restore, TheMailEntryBroughtBackGetsItsTemplateFileAgain)
{
    SharedKeyGuard userEml(HKEY_CURRENT_USER, "Software\\Classes\\.eml");
    DeleteTree(HKEY_CURRENT_USER, "Software\\Classes\\.eml");
    TempDir templates;
    const std::string path = MailTemplatePath(templates.Path());
    std::string escaped;
    for (char c : path)
        escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
    TRestore restore(ReadRegFileText("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Classes\\.eml\\ShellNew]\r\n"
                                     "\"FileName\"=\"" + escaped + "\"\r\n"),
                     templates.Path());
    std::vector<TRefusedWrite> refused;
    restore.Apply(refused);
    EXPECT_TRUE(refused.empty());
    EXPECT_EQ(regfilekit::ReadFileBytes(path), MailTemplateBytes());
    DeleteTree(HKEY_CURRENT_USER, "Software\\Classes\\.eml");
}

TEST(BackupList, LabelsInTheUsersWords)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Allgemein", "Allgemeine Einstellungen"}, {"Identitaet_Anna Maier", "Identität Anna Maier"},
        {"Identitaeten_alle", "Alle Identitäten"},  {"Profil_Büro", "Profil Büro"},
        {"Wiederherstellung", "Wiederherstellung"}, {"Gesamtsicherung", "Gesamtsicherung"},
        {"Allgemeines", "Allgemeines"},
    };
    for (const auto& [label, shown] : cases)
        EXPECT_EQ(BackupWhat(label), shown) << label;
}

} // namespace
