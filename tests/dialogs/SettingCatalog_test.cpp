// The catalogue walker on a small table of its own, in a sandbox key: how a
// stored value becomes a check box's number, which rows an apply writes and
// what it does with rows it could not read or the registry refused.
#include "dialogs/SettingCatalog.h"

#include "controls/TFlatCheckBoxUnit.h"
#include "controls/TFlatEditUnit.h"
#include "framework/Exceptions.h"
#include "support/RegSandbox.h"
#include "support/TestForm.h"

#include <gtest/gtest.h>

namespace {


// What a user's toggle does to a box: 1 or 0.
void Flip(TFlatCheckBox* box)
{
    box->SetChecked(box->Checked() ? 0 : 1);
}

struct Catalog : zvtest::FormFixture {
    // Rows are kept by reference while more are added.
    Catalog() : zvtest::FormFixture(0, 0, 300, 300) { catalog.Settings().reserve(32); }
    RegSandbox box;

    // A row below the sandbox key "k".
    TSetting& AddCheck(TSettingDef def)
    {
        def.root = rcCurrentUser;
        def.key = "k";
        TSetting s{.def = def};
        s.check = Make<TFlatCheckBox>(0, 0);
        catalog.Add(std::move(s));
        return catalog.Settings().back();
    }
    TSetting& AddEdit(TSettingDef def)
    {
        def.root = rcCurrentUser;
        def.key = "k";
        TSetting s{.def = def};
        s.edit = Make<TFlatEdit>(0, 0);
        catalog.Add(std::move(s));
        return catalog.Settings().back();
    }
    std::string Key() const { return box.Sub("k"); }
    std::optional<DWORD> Dword(const char* name) const
    {
        auto v = QueryValue(HKEY_CURRENT_USER, Key(), name);
        if (!v || v->type != REG_DWORD)
            return std::nullopt;
        return *reinterpret_cast<const DWORD*>(v->data.data());
    }

    TSettingCatalog catalog;
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
        AddCheck({.title = "t", .value = names[i].c_str(), .sense = c.sense, .arg = c.arg, .absent = c.absent});
        if (c.stored)
            SetDword(HKEY_CURRENT_USER, Key(), names[i], *c.stored);
    }
    EXPECT_TRUE(catalog.Load(box.Path()).empty());
    for (size_t i = 0; i < std::size(cases); ++i) {
        const TSetting& s = catalog.Settings()[i];
        EXPECT_EQ(s.check->Checked(), cases[i].number) << "case " << i;
        EXPECT_EQ(s.remembered, std::to_string(cases[i].number)) << "case " << i;
    }
    EXPECT_FALSE(catalog.AnyChanged());
}

TEST_F(Catalog, ApplyWritesOnlyChangedRowsAndNoKeyWithoutChanges)
{
    AddCheck({.title = "a", .value = "a"});
    AddCheck({.title = "b", .value = "b", .checked = Writes(255)});
    AddCheck({.title = "c", .value = "c", .sense = TSense::Is, .arg = 2, .checked = Writes(2),
              .unchecked = kDeleteValue});
    catalog.Load(box.Path());
    // Nothing changed: nothing written, not even the key.
    EXPECT_TRUE(catalog.Apply(box.Path()).empty());
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Key()));

    TSetting& a = catalog.Settings()[0];
    TSetting& b = catalog.Settings()[1];
    TSetting& c = catalog.Settings()[2];
    // a: absent, 255; toggled twice it is 1 - a change, written as 1.
    Flip(a.check);
    Flip(a.check);
    Flip(b.check);   // 255 -> 0
    Flip(b.check);   // 0 -> 1: written as 255
    Flip(c.check);   // 0 -> 1: written as 2
    EXPECT_TRUE(catalog.Apply(box.Path()).empty());
    EXPECT_EQ(Dword("a"), 1u);
    EXPECT_EQ(Dword("b"), 255u);
    EXPECT_EQ(Dword("c"), 2u);
    EXPECT_FALSE(catalog.AnyChanged());

    Flip(c.check);
    EXPECT_TRUE(catalog.Apply(box.Path()).empty());
    EXPECT_FALSE(QueryValue(HKEY_CURRENT_USER, Key(), "c"));
    EXPECT_EQ(Dword("a"), 1u);
}

TEST_F(Catalog, TextRows)
{
    TSetting& title = AddEdit({.title = "t", .value = "Title", .sense = TSense::Text, .emptyText = "Standard-Titel"});
    TSetting& path = AddEdit({.title = "p", .value = "Path", .sense = TSense::Text, .expand = true});
    TSetting& pic = AddEdit({.title = "b", .value = "Pic", .sense = TSense::Text, .deleteText = "Standard"});
    SetString(HKEY_CURRENT_USER, Key(), "Title", "");
    SetString(HKEY_CURRENT_USER, Key(), "Path", "%WINDIR%\\x.htm", REG_EXPAND_SZ);
    SetString(HKEY_CURRENT_USER, Key(), "Pic", "c:\\a.bmp");
    catalog.Load(box.Path());
    EXPECT_EQ(title.edit->Text(), "Standard-Titel");
    EXPECT_EQ(path.edit->Text().find('%'), std::string::npos);
    EXPECT_EQ(path.remembered, path.edit->Text());

    // Untouched, the stored form stays as it is.
    catalog.Apply(box.Path());
    EXPECT_EQ(QueryValue(HKEY_CURRENT_USER, Key(), "Path")->type, static_cast<DWORD>(REG_EXPAND_SZ));

    title.edit->SetText("");
    path.edit->SetText("about:blank");
    pic.edit->SetText("Standard");
    EXPECT_TRUE(catalog.Apply(box.Path()).empty());
    auto stored = QueryValue(HKEY_CURRENT_USER, Key(), "Title");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(stored->data, std::vector<BYTE>{0});
    EXPECT_EQ(QueryValue(HKEY_CURRENT_USER, Key(), "Path")->type, static_cast<DWORD>(REG_SZ));
    EXPECT_FALSE(QueryValue(HKEY_CURRENT_USER, Key(), "Pic"));
}

TEST_F(Catalog, UnreadableRowsAreDisabledReportedAndNeverWritten)
{
    TSetting& number = AddCheck({.title = "n", .value = "Number"});
    TSetting& text = AddEdit({.title = "t", .value = "Text", .sense = TSense::Text});
    TSetting& fine = AddCheck({.title = "f", .value = "Fine"});
    SetString(HKEY_CURRENT_USER, Key(), "Number", "1");
    SetDword(HKEY_CURRENT_USER, Key(), "Text", 7);
    SetDword(HKEY_CURRENT_USER, Key(), "Fine", 1);

    const std::vector<std::string> problems = catalog.Load(box.Path());
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_NE(problems[0].find("\"Number\""), std::string::npos) << problems[0];
    EXPECT_NE(problems[0].find(Key()), std::string::npos) << problems[0];
    EXPECT_NE(problems[1].find("\"Text\""), std::string::npos) << problems[1];
    EXPECT_FALSE(number.check->Enabled());
    EXPECT_FALSE(text.edit->Enabled());
    EXPECT_TRUE(fine.check->Enabled());
    EXPECT_EQ(fine.check->Checked(), 1);

    // Even when the user could change them, an apply leaves them alone.
    Flip(number.check);
    text.edit->SetText("x");
    EXPECT_FALSE(catalog.AnyChanged());
    catalog.Apply(box.Path());
    EXPECT_EQ(QueryValue(HKEY_CURRENT_USER, Key(), "Number")->AsString(), std::string("1", 2));
    EXPECT_EQ(Dword("Text"), 7u);
}

TEST_F(Catalog, RefusedWritesStayPendingAndTheRestIsWritten)
{
    // Wine refuses a non-volatile key below a volatile one: "vol\\k" cannot be
    // made. (A volatile create makes its missing parents volatile too.)
    CreateKeyPath(HKEY_CURRENT_USER, box.Path());
    HKEY volatileKey = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, box.Sub("vol").c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                              nullptr, &volatileKey, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(volatileKey);
    TSetting& refused = AddCheck({.title = "Gesperrt", .value = "a", .absent = 0});
    refused.def.key = "vol\\k";
    TSetting& fine = AddCheck({.title = "Frei", .value = "b", .absent = 0});
    catalog.Load(box.Path());
    Flip(refused.check);
    Flip(fine.check);

    const std::vector<TRefusedWrite> result = catalog.Apply(box.Path());
    ASSERT_EQ(result.size(), 1u);
    EXPECT_EQ(result[0].title, "Gesperrt");
    EXPECT_FALSE(result[0].reason.empty());
    EXPECT_EQ(Dword("b"), 1u);
    EXPECT_TRUE(catalog.IsChanged(refused));
    EXPECT_FALSE(catalog.IsChanged(fine));
}

TEST_F(Catalog, AnErrorEndsTheApplyAtItsRowAndKeepsWhatWasWritten)
{
    std::vector<std::string> ran;
    TSetting& first = AddCheck({.title = "1", .value = "first", .absent = 0});
    TSetting& failing = AddCheck({.title = "2", .value = "x", .sense = TSense::NonEmpty, .checked = kRunAction,
                                  .unchecked = kRunAction});
    failing.action = [&](bool) -> std::string { throw EFileError("kaputt"); };
    TSetting& last = AddCheck({.title = "3", .value = "last", .absent = 0});
    catalog.Load(box.Path());
    for (TSetting* s : {&first, &failing, &last})
        Flip(s->check);
    EXPECT_THROW(catalog.Apply(box.Path()), EFileError);
    EXPECT_EQ(Dword("first"), 1u);
    EXPECT_FALSE(Dword("last"));
    EXPECT_FALSE(catalog.IsChanged(first));
    EXPECT_TRUE(catalog.IsChanged(failing));
    EXPECT_TRUE(catalog.IsChanged(last));
}

} // namespace
