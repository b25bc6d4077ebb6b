#include "registry/IdentityCatalog.h"

#include "framework/Exceptions.h"
#include "RegFileKit.h"
#include "support/SharedKeyGuard.h"

#include <gtest/gtest.h>

namespace {
const std::string Identities = "Identities";
}

TEST(TIdentityCatalog, NoIdentitiesKeyGivesAnEmptyListAndCreatesNothing)
{
    SharedKeyGuard guard(HKEY_CURRENT_USER, Identities);
    ASSERT_TRUE(DeleteTree(HKEY_CURRENT_USER, Identities));
    TIdentityCatalog catalog;
    EXPECT_TRUE(catalog.ReadIdentities().empty());
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Identities));

    SetDword(HKEY_CURRENT_USER, Identities + "\\{5E000000-0000-0000-0000-000000000005}", "Username", 1);
    EXPECT_TRUE(catalog.ReadIdentities().empty());
    EXPECT_EQ(catalog.Unreadable().size(), 1u);
}

// One bad identity must not hide the others; each is named once with its key.
TEST(TIdentityCatalog, UnreadableIdentitiesAreNamedAndTheRestListed)
{
    SharedKeyGuard guard(HKEY_CURRENT_USER, Identities);
    DeleteTree(HKEY_CURRENT_USER, Identities);
    const std::string a = "{1A000000-0000-0000-0000-000000000001}", b = "{2B000000-0000-0000-0000-000000000002}",
                      c = "{3C000000-0000-0000-0000-000000000003}";
    SetString(HKEY_CURRENT_USER, Identities + "\\" + a, "Username", "Anna");
    SetDword(HKEY_CURRENT_USER, Identities + "\\" + b, "Username", 1);
    SetString(HKEY_CURRENT_USER, Identities + "\\" + c, "Username", "Carl");
    // Through the code page this name reads "{??????}", another key's name.
    regfilekit::SetWide(HKEY_CURRENT_USER, L"Identities\\{Привет}", L"Username", REG_SZ, regfilekit::Utf16Bytes(L"Fremd"));

    TIdentityCatalog catalog;
    for (int round = 0; round < 2; ++round) {
        const std::vector<TIdentityInfo> list = catalog.ReadIdentities();
        ASSERT_EQ(list.size(), 2u);
        EXPECT_EQ(list[0].UserName, "Anna");
        EXPECT_EQ(list[1].KeyPath, "\\" + c + "\\");
        EXPECT_EQ(catalog.Unreadable(),
                  (std::vector<std::string>{
                      "Identität HKEY_CURRENT_USER\\Identities\\" + b + ": Name nicht lesbar (Ungültiger Datentyp für 'Username')",
                      "Identität HKEY_CURRENT_USER\\Identities\\{??????}: Schlüsselname nicht verwendbar (Zeichen außerhalb der Codepage oder NUL)"}));
    }
}

TEST(TIdentityCatalog, RecordsInRegistryOrderSkippingKeysWithoutUsername)
{
    SharedKeyGuard guard(HKEY_CURRENT_USER, Identities);
    DeleteTree(HKEY_CURRENT_USER, Identities);
    // Created in sorted order, so that Windows and Wine enumerate them alike.
    const std::string a = "{1A000000-0000-0000-0000-000000000001}", b = "{2B000000-0000-0000-0000-000000000002}",
                      c = "{3C000000-0000-0000-0000-000000000003}", d = "{4D000000-0000-0000-0000-000000000004}";
    SetString(HKEY_CURRENT_USER, Identities + "\\" + a, "Username", "Anna");
    SetString(HKEY_CURRENT_USER, Identities + "\\" + b, "User ID", b);
    SetString(HKEY_CURRENT_USER, Identities + "\\" + b + "\\Software", "Username", "tiefer, zählt nicht");
    SetString(HKEY_CURRENT_USER, Identities + "\\" + c, "Username", "");
    SetString(HKEY_CURRENT_USER, Identities + "\\" + d, "Username", "Dörte", REG_EXPAND_SZ);
    SetString(HKEY_CURRENT_USER, Identities, "Username", "kein Profil");

    TIdentityCatalog catalog;
    const std::vector<TIdentityInfo> list = catalog.ReadIdentities();
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].UserName, "Anna");
    EXPECT_EQ(list[0].KeyPath, "\\" + a + "\\");
    EXPECT_EQ(list[1].UserName, "");
    EXPECT_EQ(list[1].KeyPath, "\\" + c + "\\");
    EXPECT_EQ(list[2].UserName, "Dörte");
    EXPECT_EQ(list[2].KeyPath, "\\" + d + "\\");
    EXPECT_FALSE(QueryValue(HKEY_CURRENT_USER, Identities + "\\" + b, "Username"));

    DeleteTree(HKEY_CURRENT_USER, Identities + "\\" + a);
    EXPECT_EQ(catalog.ReadIdentities().size(), 2u);
}
