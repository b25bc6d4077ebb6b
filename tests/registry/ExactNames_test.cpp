// Value names exactly as stored: two names that the code page shows alike
// stay two, and a delete takes exactly the one named.
#include "registry/ExactNames.h"

#include "RegFileKit.h"

namespace {

using namespace regfilekit;

constexpr RootCode HKCU = 1;

TEST(ExactNames, ListAndDeleteByTheStoredName)
{
    RegSandbox box;
    const std::string key = box.Sub("Hinweise");
    for (const std::wstring& name : {std::wstring(L"ab"), std::wstring(L"Привет"), std::wstring(L"??????"), std::wstring(L"Łódź")})
        SetWide(HKEY_CURRENT_USER, W(key), name, REG_DWORD, std::string(4, '\1'));
    HKEY parent = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_ALL_ACCESS, &parent), ERROR_SUCCESS);
    NativeKeys().SetValue(parent, std::wstring(L"ab\0cd", 5), REG_DWORD, std::string(4, '\2'));
    RegCloseKey(parent);

    const auto names = GetRegValueNamesExact(HKCU, "\\" + key);
    ASSERT_TRUE(names.has_value());
    std::vector<std::pair<std::wstring, std::string>> seen;
    for (const TExactName& n : *names)
        seen.emplace_back(n.Name, n.Shown + (n.HasNul() ? " (NUL)" : ""));
    std::sort(seen.begin(), seen.end());
    const std::vector<std::pair<std::wstring, std::string>> expected = {
        {L"??????", "??????"}, {L"ab", "ab"}, {std::wstring(L"ab\0cd", 5), "ab\\0cd (NUL)"}, {L"Łódź", "?ód?"}, {L"Привет", "??????"}};
    EXPECT_EQ(seen, expected);

    struct Case {
        std::wstring Name;
        LONG Code;
    } cases[] = {
        {std::wstring(L"ab\0cd", 5), ERROR_INVALID_NAME},
        {L"Привет", ERROR_SUCCESS},
        {L"Привет", ERROR_FILE_NOT_FOUND},
        {L"Łódź", ERROR_SUCCESS},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DeleteRegValueExact(HKCU, key, c.Name).Code, c.Code) << ShownName(c.Name);
    std::vector<std::wstring> left;
    for (const TExactName& n : GetRegValueNamesExact(HKCU, key).value_or(std::vector<TExactName>{}))
        left.push_back(n.Name);
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::wstring>{L"??????", L"ab", std::wstring(L"ab\0cd", 5)}));

    EXPECT_EQ(DeleteRegValueExact(HKCU, box.Sub("fehlt"), L"ab").Code, ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(GetRegValueNamesExact(HKCU, box.Sub("fehlt")).has_value());
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, box.Sub("fehlt")));
}

} // namespace
