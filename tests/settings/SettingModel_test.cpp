// The settings walker on a small table of its own, in a sandbox key, with
// no window: how a stored value becomes a state, which rows an apply writes,
// and what it does with rows it could not read or the registry refused.
#include "settings/SettingModel.h"

#include "framework/Exceptions.h"
#include "registry/RegBackup.h"
#include "settings/StoredText.h"
#include "support/RegSandbox.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// What a user's toggle does to a box: 1 or 0.
void Flip(TSettingRow& row)
{
    row.state = row.state != "0" ? "0" : "1";
}

struct Catalog : testing::Test {
    RegSandbox box;
    std::vector<TSettingDef> table;
    std::unique_ptr<TSettingModel> catalog;

    // A row below the sandbox key "k"; rows are numbered in the order added.
    size_t Add(TSettingDef def)
    {
        def.name = "row";
        def.root = rcCurrentUser;
        if (!def.key)
            def.key = "k";
        table.push_back(def);
        return table.size() - 1;
    }
    std::vector<std::string> Load()
    {
        if (!catalog)
            catalog = std::make_unique<TSettingModel>(table);
        return catalog->Load(box.Path());
    }
    TSettingRow& Row(size_t i) { return catalog->Rows()[i]; }
    std::vector<TRefusedWrite> Apply()
    {
        std::vector<TRefusedWrite> refused;
        catalog->Apply(refused);
        return refused;
    }
    std::string Key() const { return box.Sub("k"); }
    std::optional<DWORD> Dword(const char* name) const
    {
        auto v = QueryValue(HKEY_CURRENT_USER, Key(), name);
        if (!v || v->type != REG_DWORD)
            return std::nullopt;
        return *reinterpret_cast<const DWORD*>(v->data.data());
    }
};

TEST_F(Catalog, StoredNumbersBecomeCheckBoxNumbersBySense)
{
    struct Case {
        TSense sense;
        int arg;
        int absent;
        std::optional<DWORD> stored;   // nullopt: absent
        int number;
    };
    const Case cases[] = {
        {TSense::Direct, 0, kNoAbsentState, std::nullopt, 255},
        {TSense::Direct, 0, kNoAbsentState, 0, 0},
        {TSense::Direct, 0, kNoAbsentState, 2, 2},
        {TSense::Direct, 0, kNoAbsentState, 256, 0},
        {TSense::Direct, 0, kNoAbsentState, 0xFFFFFFFF, 255},
        {TSense::Direct, 0, 0, std::nullopt, 0},
        {TSense::Direct, 0, 1, 0xFFFFFFFF, 1},
        {TSense::Direct, 0, 1, 0, 0},
        {TSense::Inverted, 0, kNoAbsentState, std::nullopt, 254},
        {TSense::Inverted, 0, kNoAbsentState, 1, 0},
        {TSense::Inverted, 0, kNoAbsentState, 0, 1},
        {TSense::Inverted, 0, kNoAbsentState, 2, 3},
        {TSense::Inverted, 0, 0, std::nullopt, 0},
        {TSense::Is, 2, kNoAbsentState, 2, 1},
        {TSense::Is, 2, kNoAbsentState, 1, 0},
        {TSense::Is, 2, kNoAbsentState, std::nullopt, 0},
        {TSense::IsNot, 2, kNoAbsentState, 2, 0},
        {TSense::IsNot, 2, kNoAbsentState, 0, 1},
        {TSense::IsNot, 1, kNoAbsentState, std::nullopt, 1},
    };
    std::vector<std::string> names;
    for (size_t i = 0; i < std::size(cases); ++i)
        names.push_back("v" + std::to_string(i));
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        Add({.title = "t", .value = names[i].c_str(), .sense = c.sense, .arg = c.arg, .absent = c.absent});
        if (c.stored)
            SetDword(HKEY_CURRENT_USER, Key(), names[i], *c.stored);
    }
    EXPECT_TRUE(Load().empty());
    for (size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(Row(i).state, std::to_string(cases[i].number)) << "case " << i;
        EXPECT_EQ(Row(i).loaded, Row(i).state) << "case " << i;
    }
    EXPECT_FALSE(catalog->HasChange());
}

TEST_F(Catalog, ApplyWritesOnlyChangedRowsAndNoKeyWithoutChanges)
{
    Add({.title = "a", .value = "a"});
    Add({.title = "b", .value = "b", .checked = Writes(255)});
    Add({.title = "c", .value = "c", .sense = TSense::Is, .arg = 2, .checked = Writes(2), .unchecked = kDeleteValue});
    Load();
    // Nothing changed: nothing written, not even the key.
    EXPECT_TRUE(Apply().empty());
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Key()));

    TSettingRow& a = Row(0);
    TSettingRow& b = Row(1);
    TSettingRow& c = Row(2);
    // a: absent, 255; toggled twice it is 1 - a change, written as 1.
    Flip(a);
    Flip(a);
    Flip(b);   // 255 -> 0
    Flip(b);   // 0 -> 1: written as 255
    Flip(c);   // 0 -> 1: written as 2
    EXPECT_TRUE(Apply().empty());
    EXPECT_EQ(Dword("a"), 1u);
    EXPECT_EQ(Dword("b"), 255u);
    EXPECT_EQ(Dword("c"), 2u);
    EXPECT_FALSE(catalog->HasChange());

    Flip(c);
    EXPECT_TRUE(Apply().empty());
    EXPECT_FALSE(QueryValue(HKEY_CURRENT_USER, Key(), "c"));
    EXPECT_EQ(Dword("a"), 1u);
}

TEST_F(Catalog, TextRowsKeepTheirTypeAndTheirReferences)
{
    const size_t title = Add({.title = "t", .value = "Title", .sense = TSense::Text, .emptyText = "Standard-Titel"});
    const size_t path = Add({.title = "p", .value = "Path", .sense = TSense::Text, .expand = true});
    const size_t plain = Add({.title = "l", .value = "Plain", .sense = TSense::Text, .expand = true});
    const size_t pic = Add({.title = "b", .value = "Pic", .sense = TSense::Text, .deleteText = "Standard"});
    SetString(HKEY_CURRENT_USER, Key(), "Title", "");
    SetString(HKEY_CURRENT_USER, Key(), "Path", "%WINDIR%\\x.htm", REG_EXPAND_SZ);
    SetString(HKEY_CURRENT_USER, Key(), "Plain", "%WINDIR%\\y.htm");
    SetString(HKEY_CURRENT_USER, Key(), "Pic", "c:\\a.bmp");
    Load();
    const std::string windir = ExpandEnvPath("%WINDIR%", false);
    EXPECT_EQ(Row(title).state, "Standard-Titel");
    EXPECT_EQ(Row(path).state, windir + "\\x.htm");
    // A plain text is shown as it stands, references or not.
    EXPECT_EQ(Row(plain).state, "%WINDIR%\\y.htm");

    // Untouched, the stored form stays as it is.
    Apply();
    EXPECT_EQ(QueryValue(HKEY_CURRENT_USER, Key(), "Path")->type, static_cast<DWORD>(REG_EXPAND_SZ));

    Row(title).state = "";
    Row(path).state = windir + "\\x.html";
    Row(plain).state = "%WINDIR%\\z.htm";
    Row(pic).state = "Standard";
    EXPECT_TRUE(Apply().empty());
    auto stored = QueryValue(HKEY_CURRENT_USER, Key(), "Title");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(stored->data, std::vector<BYTE>{0});
    stored = QueryValue(HKEY_CURRENT_USER, Key(), "Path");
    EXPECT_EQ(stored->type, static_cast<DWORD>(REG_EXPAND_SZ));
    EXPECT_EQ(stored->AsString(), std::string("%WINDIR%\\x.html") + '\0');
    stored = QueryValue(HKEY_CURRENT_USER, Key(), "Plain");
    EXPECT_EQ(stored->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(stored->AsString(), std::string("%WINDIR%\\z.htm") + '\0');
    EXPECT_FALSE(QueryValue(HKEY_CURRENT_USER, Key(), "Pic"));

    // Edited away from the expansion, the text stays expandable but plain.
    Row(path).state = "about:blank";
    EXPECT_TRUE(Apply().empty());
    stored = QueryValue(HKEY_CURRENT_USER, Key(), "Path");
    EXPECT_EQ(stored->type, static_cast<DWORD>(REG_EXPAND_SZ));
    EXPECT_EQ(stored->AsString(), std::string("about:blank", 12));
}

TEST(StoredText, ReferencesComeBackForTheirExpansion)
{
    SetEnvironmentVariableA("ZV_HOME", "C:\\Users\\anna");
    SetEnvironmentVariableA("ZV_SUB", "Web");
    struct Case {
        const char* stored;
        const char* edited;
        const char* expected;
    };
    const Case cases[] = {
        {"%ZV_HOME%\\start.htm", "C:\\Users\\anna\\start.html", "%ZV_HOME%\\start.html"},
        {"%ZV_HOME%\\%ZV_SUB%\\a.htm", "C:\\Users\\anna\\Web\\b.htm", "%ZV_HOME%\\%ZV_SUB%\\b.htm"},
        {"%ZV_HOME%\\%ZV_SUB%\\a.htm", "C:\\Users\\anna\\Mail\\b.htm", "%ZV_HOME%\\Mail\\b.htm"},
        {"%ZV_HOME%\\start.htm", "D:\\other.htm", "D:\\other.htm"},
        {"%ZV_UNKNOWN%\\a", "%ZV_UNKNOWN%\\b", "%ZV_UNKNOWN%\\b"},
        {"plain", "plainer", "plainer"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WithReferences(c.stored, c.edited), c.expected) << c.stored << " / " << c.edited;
}

TEST_F(Catalog, UnreadableRowsAreReportedAndNeverWritten)
{
    const size_t number = Add({.title = "n", .value = "Number"});
    const size_t text = Add({.title = "t", .value = "Text", .sense = TSense::Text});
    const size_t fine = Add({.title = "f", .value = "Fine"});
    const size_t foreign = Add({.title = "x", .value = "Foreign", .sense = TSense::Text});
    SetString(HKEY_CURRENT_USER, Key(), "Number", "1");
    SetDword(HKEY_CURRENT_USER, Key(), "Text", 7);
    SetDword(HKEY_CURRENT_USER, Key(), "Fine", 1);
    // Text the code page cannot hold would come back as question marks.
    HKEY k = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, Key().c_str(), 0, KEY_SET_VALUE, &k), ERROR_SUCCESS);
    const wchar_t title[] = L"Poczta \u0141ukasza \u041f\u0440\u0438\u0432\u0435\u0442";
    RegSetValueExW(k, L"Foreign", 0, REG_SZ, reinterpret_cast<const BYTE*>(title), sizeof title);
    RegCloseKey(k);

    const std::vector<std::string> problems = Load();
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_NE(problems[0].find("\"Number\""), std::string::npos) << problems[0];
    EXPECT_NE(problems[0].find(Key()), std::string::npos) << problems[0];
    EXPECT_NE(problems[1].find("\"Text\""), std::string::npos) << problems[1];
    EXPECT_NE(problems[2].find("\"Foreign\""), std::string::npos) << problems[2];
    EXPECT_FALSE(Row(number).readable);
    EXPECT_FALSE(Row(text).readable);
    EXPECT_FALSE(Row(foreign).readable);
    EXPECT_EQ(Row(fine).state, "1");

    // Whatever states they are given, an apply leaves them alone.
    Flip(Row(number));
    Row(text).state = "x";
    Row(foreign).state = "Poczta";
    EXPECT_FALSE(catalog->HasChange());
    Apply();
    EXPECT_EQ(QueryValue(HKEY_CURRENT_USER, Key(), "Number")->AsString(), std::string("1", 2));
    EXPECT_EQ(Dword("Text"), 7u);
    wchar_t now[64] = {};
    DWORD size = sizeof now;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, Key().c_str(), 0, KEY_QUERY_VALUE, &k), ERROR_SUCCESS);
    EXPECT_EQ(RegQueryValueExW(k, L"Foreign", nullptr, nullptr, reinterpret_cast<BYTE*>(now), &size), ERROR_SUCCESS);
    RegCloseKey(k);
    EXPECT_EQ(std::wstring(now), std::wstring(title));
}

TEST_F(Catalog, EveryRefusalOfAnApplyIsReportedAndTheRestIsWritten)
{
    // Wine refuses a non-volatile key below a volatile one: "vol\\k" cannot be
    // made.
    CreateVolatileKey(HKEY_CURRENT_USER, box.Sub("vol"));
    const size_t refused = Add({.title = "Gesperrt", .key = "vol\\k", .value = "a", .absent = 0});
    const size_t failing = Add({.title = "Kaputt", .value = "x", .sense = TSense::NonEmpty, .checked = kRunAction,
                                .unchecked = kRunAction});
    const size_t fine = Add({.title = "Frei", .value = "b", .absent = 0});
    Load();
    Row(failing).action = [&](bool) -> std::string { throw EFileError("kaputt"); };
    for (size_t i : {refused, failing, fine})
        Flip(Row(i));

    // A row that raises does not end the apply, and nothing is lost.
    const std::vector<TRefusedWrite> result = Apply();
    ASSERT_EQ(result.size(), 2u);
    EXPECT_EQ(result[0].title, "Gesperrt");
    EXPECT_FALSE(result[0].reason.empty());
    EXPECT_EQ(result[1].title, "Kaputt");
    EXPECT_EQ(result[1].reason, "kaputt");
    EXPECT_EQ(Dword("b"), 1u);
    EXPECT_TRUE(Row(refused).Changed());
    EXPECT_TRUE(Row(failing).Changed());
    EXPECT_FALSE(Row(fine).Changed());
}

TEST_F(Catalog, BackupPlanCoversExactlyTheChangedRows)
{
    const size_t a = Add({.title = "a", .value = "a", .absent = 0});
    Add({.title = "b", .value = "b", .absent = 0});
    const size_t action = Add({.title = "c", .key = "sub", .value = "c", .sense = TSense::NonEmpty,
                               .checked = kRunAction, .unchecked = kRunAction});
    SetDword(HKEY_CURRENT_USER, Key(), "b", 0);
    Load();
    TBackupPlan none;
    catalog->PlanBackup(none);
    EXPECT_TRUE(none.Empty());
    Flip(Row(a));
    Flip(Row(action));
    std::vector<std::string> planned;
    Row(action).planAction = [&](TBackupPlan&, bool checked) { planned.push_back(checked ? "an" : "aus"); };
    TBackupPlan plan;
    catalog->PlanBackup(plan);
    EXPECT_FALSE(plan.Empty());
    EXPECT_EQ(planned, std::vector<std::string>{"an"});
}

} // namespace
