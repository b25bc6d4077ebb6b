#include "registry/RegHelpers.h"

#include "framework/Exceptions.h"
#include "support/SharedKeyGuard.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

constexpr RootCode HKCU = rcCurrentUser;

std::vector<std::string> EnumKeys(HKEY root, const std::string& path)
{
    std::vector<std::string> names;
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return names;
    char name[256];
    DWORD length = sizeof name;
    for (DWORD i = 0; length = sizeof name, RegEnumKeyExA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS; ++i)
        names.emplace_back(name, length);
    RegCloseKey(key);
    return names;
}

} // namespace

TEST(RootCode, NamedCodesKeepTheStoredNumbersAndUnknownOnesMeanTheCurrentUser)
{
    // Setting tables store the numbers, so the names must not drift from them.
    const std::pair<RootCode, HKEY> cases[] = {
        {rcCurrentUser, HKEY_CURRENT_USER}, {rcLocalMachine, HKEY_LOCAL_MACHINE}, {rcClassesRoot, HKEY_CLASSES_ROOT},
        {1, HKEY_CURRENT_USER},             {2, HKEY_LOCAL_MACHINE},              {3, HKEY_CLASSES_ROOT},
        {0, HKEY_CURRENT_USER},             {4, HKEY_CURRENT_USER},               {255, HKEY_CURRENT_USER},
    };
    for (const auto& [code, hive] : cases)
        EXPECT_EQ(RootKeyOf(code), hive) << int(code);
}

TEST(RegHelpersRead, StringsIntegersAbsenceAndErrors)
{
    RegSandbox box;
    const HKEY r = box.Root();
    const std::string& p = box.Path();
    SetString(r, p, "s", "Ölwechsel");
    SetString(r, p, "e", "%TEMP%\\x", REG_EXPAND_SZ);
    SetString(r, p, "", "Standard");
    SetValue(r, p, "nul", REG_SZ, "ab\0cd", 6);
    SetValue(r, p, "zero", REG_BINARY, "", 0);  // size before type: reads as ""
    SetDword(r, p, "d", 0xFFFFFFFE);
    SetString(r, p, "one", "1");                // 2 bytes
    SetString(r, p, "five", "12345");           // 6 bytes
    SetValue(r, p, "bin4", REG_BINARY, "1234", 4);

    EXPECT_EQ(ReadRegString(HKCU, "\\" + p, "s"), "Ölwechsel");
    EXPECT_EQ(ReadRegString(0, p, "s"), "Ölwechsel");    // other codes: current user
    EXPECT_EQ(ReadRegString(200, p, "s"), "Ölwechsel");
    EXPECT_EQ(ReadRegString(2, p, "s"), "");
    EXPECT_EQ(ReadRegString(HKCU, p, "e"), "%TEMP%\\x");
    EXPECT_EQ(ReadRegString(HKCU, p, ""), "Standard");
    EXPECT_EQ(ReadRegString(HKCU, p, "nul"), "ab");
    EXPECT_EQ(ReadRegString(HKCU, p, "zero"), "");
    EXPECT_EQ(ReadRegString(HKCU, p, "fehlt"), "");
    EXPECT_EQ(RaisedText<ERegistryException>([&] { ReadRegString(HKCU, p, "d"); }), "Ungültiger Datentyp für 'd'");

    EXPECT_EQ(ReadRegInteger(HKCU, "\\" + p, "d"), -2);
    EXPECT_EQ(ReadRegInteger(HKCU, p, "fehlt"), -1);
    EXPECT_EQ(RaisedText<ERegistryException>([&] { ReadRegInteger(HKCU, p, "one"); }), "Ungültiger Datentyp für 'one'");
    EXPECT_EQ(RaisedText<ERegistryException>([&] { ReadRegInteger(HKCU, p, "five"); }), "Konnte Daten für 'five' nicht holen");
    EXPECT_EQ(RaisedText<ERegistryException>([&] { ReadRegInteger(HKCU, p, "bin4"); }), "Ungültiger Datentyp für 'bin4'");

    EXPECT_EQ(ReadRegString(HKCU, box.Sub("nicht\\da"), "s"), "");
    EXPECT_EQ(ReadRegInteger(HKCU, box.Sub("nicht\\da"), "d"), -1);
    EXPECT_FALSE(GetRegValueNames(HKCU, box.Sub("nicht")).has_value());
    EXPECT_FALSE(KeyExists(r, box.Sub("nicht")));
}

// The classes root as Windows shows it, also under Wine, which does not merge
// the user's own classes in: a user's value comes first.
TEST(RegHelpersRead, ClassesRootSeesTheUsersOwnClassesFirst)
{
    const std::string type = ".zvmerge" + std::to_string(GetCurrentProcessId()), user = "Software\\Classes\\" + type;
    for (const auto& [mine, machine, read] : {std::tuple{"b", "", "b"}, {"", "m", "m"}, {"b", "m", "b"}}) {
        SetString(HKEY_CURRENT_USER, user, *mine ? "Text" : "Anderes", mine);
        SetString(HKEY_CLASSES_ROOT, type, *machine ? "Text" : "Anderes", machine);
        EXPECT_EQ(ReadRegString(rcClassesRoot, "\\" + type, "Text"), read);
        DeleteTree(HKEY_CURRENT_USER, user);
        DeleteTree(HKEY_CLASSES_ROOT, type);
    }
}

TEST(RegHelpersList, SubKeysCreateAMissingKeyValueNamesDoNot)
{
    RegSandbox box;
    for (const char* name : {"Beta", "alpha", "Gamma", "Beta\\Enkel"})
        CreateKeyPath(box.Root(), box.Sub(name));
    SetString(box.Root(), box.Path(), "b", "1");
    SetDword(box.Root(), box.Path(), "a", 1);

    const std::vector<std::string> names = GetRegSubKeyNames(HKCU, "\\" + box.Path());
    EXPECT_EQ(names.size(), 3u);
    EXPECT_EQ(names, EnumKeys(box.Root(), box.Path()));
    const auto values = GetRegValueNames(HKCU, box.Path());
    ASSERT_TRUE(values.has_value());
    EXPECT_EQ(values->size(), 2u);
    const auto none = GetRegValueNames(HKCU, box.Sub("alpha"));
    ASSERT_TRUE(none.has_value());
    EXPECT_TRUE(none->empty());

    EXPECT_TRUE(GetRegSubKeyNames(HKCU, box.Sub("Neu\\Tief")).empty());
    EXPECT_TRUE(KeyExists(box.Root(), box.Sub("Neu\\Tief")));

    const std::vector<std::string> classes = GetRegSubKeyNames(3, "");
    EXPECT_GT(classes.size(), 10u);
    EXPECT_EQ(classes, EnumKeys(HKEY_CLASSES_ROOT, ""));

    CreateVolatileKey(box.Root(), box.Sub("Fluechtig"));
    const std::string blocked = box.Sub("Fluechtig\\Kind");
    EXPECT_EQ(RaisedText<ERegistryException>([&] { GetRegSubKeyNames(HKCU, blocked); }), "Erzeugung von Schlüssel " + blocked + " misslungen");
}

TEST(RegHelpersWrite, TypesBytesCreationAndReplacement)
{
    RegSandbox box;
    const std::string deep = box.Sub("Eins\\Zwei");
    const auto bytes = [&](const std::string& name) { return QueryValue(box.Root(), deep, name).value_or(RegValue{}); };

    EXPECT_TRUE(WriteRegInteger(HKCU, deep, "zahl", -2));  // no level exists yet
    EXPECT_EQ(bytes("zahl").type, DWORD(REG_DWORD));
    EXPECT_EQ(bytes("zahl").data, (std::vector<BYTE>{0xFE, 0xFF, 0xFF, 0xFF}));
    SetString(box.Root(), deep, "andere", "bleibt");

    EXPECT_TRUE(WriteRegString(HKCU, "\\" + deep, "leer", ""));
    EXPECT_EQ(bytes("leer").type, DWORD(REG_SZ));
    EXPECT_EQ(bytes("leer").data, std::vector<BYTE>{0});
    EXPECT_TRUE(WriteRegString(HKCU, deep, "", "Übel"));
    EXPECT_EQ(bytes("").data, (std::vector<BYTE>{0xDC, 'b', 'e', 'l', 0}));

    // Replacing changes the type both ways.
    EXPECT_TRUE(WriteRegInteger(HKCU, deep, "", 258));
    EXPECT_EQ(bytes("").type, DWORD(REG_DWORD));
    EXPECT_EQ(bytes("").data, (std::vector<BYTE>{0x02, 0x01, 0, 0}));
    SetString(box.Root(), deep, "exp", "%X%", REG_EXPAND_SZ);
    EXPECT_TRUE(WriteRegString(HKCU, deep, "exp", "%X%"));
    EXPECT_EQ(bytes("exp").type, DWORD(REG_SZ));

    EXPECT_EQ(bytes("andere").AsString(), std::string("bleibt", 7));
    EXPECT_FALSE(QueryValue(box.Root(), box.Sub("Eins"), "zahl"));

    CreateVolatileKey(box.Root(), box.Sub("Fluechtig"));
    EXPECT_FALSE(WriteRegString(HKCU, box.Sub("Fluechtig\\Kind"), "s", "x"));
    EXPECT_FALSE(WriteRegInteger(HKCU, box.Sub("Fluechtig\\Kind"), "i", 1));
    EXPECT_FALSE(KeyExists(box.Root(), box.Sub("Fluechtig\\Kind")));
    // Value names end at 16,383 characters.
    const std::string tooLong(16400, 'v');
    EXPECT_EQ(RaisedText<ERegistryException>([&] { WriteRegString(HKCU, deep, tooLong, "x"); }), "Konnte Daten für '" + tooLong + "' nicht setzen");
    EXPECT_EQ(RaisedText<ERegistryException>([&] { WriteRegInteger(HKCU, deep, tooLong, 1); }), "Konnte Daten für '" + tooLong + "' nicht setzen");
}

TEST(RegHelpersDelete, ValuesAndLeafKeysOnlyNeverCreating)
{
    RegSandbox box;
    SetString(box.Root(), box.Path(), "weg", "1");
    SetString(box.Root(), box.Path(), "bleibt", "2");
    SetString(box.Root(), box.Sub("Blatt"), "v", "mit Wert");
    SetString(box.Root(), box.Sub("Ast\\Zweig"), "v", "tiefer");

    EXPECT_TRUE(DeleteRegValue(HKCU, "\\" + box.Path(), "weg"));
    EXPECT_FALSE(QueryValue(box.Root(), box.Path(), "weg"));
    EXPECT_FALSE(DeleteRegValue(HKCU, box.Path(), "weg"));
    EXPECT_FALSE(DeleteRegValue(HKCU, box.Sub("fehlt"), "bleibt"));

    EXPECT_TRUE(DeleteRegKey(HKCU, "\\" + box.Path(), "Blatt"));
    EXPECT_FALSE(KeyExists(box.Root(), box.Sub("Blatt")));
    EXPECT_FALSE(DeleteRegKey(HKCU, box.Path(), "Ast"));
    EXPECT_TRUE(QueryValue(box.Root(), box.Sub("Ast\\Zweig"), "v"));
    EXPECT_FALSE(DeleteRegKey(HKCU, box.Path(), "Blatt"));
    EXPECT_FALSE(DeleteRegKey(HKCU, box.Sub("fehlt"), "Blatt"));
    // An empty name names no sub-key; the system would delete the parent.
    EXPECT_FALSE(DeleteRegKey(HKCU, box.Sub("Ast\\Zweig"), ""));
    EXPECT_TRUE(KeyExists(box.Root(), box.Sub("Ast\\Zweig")));

    EXPECT_TRUE(QueryValue(box.Root(), box.Path(), "bleibt"));
    EXPECT_FALSE(KeyExists(box.Root(), box.Sub("fehlt")));
}

TEST(ExpandEnvPath, ReferencesBackslashAndLength)
{
    char temp[MAX_PATH] = {};
    ASSERT_GT(GetEnvironmentVariableA("TEMP", temp, sizeof temp), 0u);
    std::string tempDir = temp;
    while (!tempDir.empty() && tempDir.back() == '\\')
        tempDir.pop_back();

    EXPECT_EQ(ExpandEnvPath("", true), "");
    EXPECT_EQ(ExpandEnvPath("%TEMP%", true), tempDir + "\\");
    EXPECT_EQ(ExpandEnvPath("%TEMP%\\", true), tempDir + "\\");
    EXPECT_EQ(ExpandEnvPath("%TEMP%\\sub", false), tempDir + "\\sub");
    EXPECT_EQ(ExpandEnvPath("%ZV_GIBT_ES_NICHT%\\a", false), "%ZV_GIBT_ES_NICHT%\\a");

    const std::string longValue(1500, 'a');
    ASSERT_TRUE(SetEnvironmentVariableA("ZV_LANG", longValue.c_str()));
    EXPECT_EQ(ExpandEnvPath("C:\\%ZV_LANG%\\%ZV_LANG%", true), "C:\\" + longValue + "\\" + longValue + "\\");
}
