#include "framework/Exceptions.h"
#include "framework/Registry.h"

#include "support/RegSandbox.h"

#include <gtest/gtest.h>

TEST(UniqueHKey, NeverClosesAPredefinedKeyButClosesItsOwn)
{
    for (HKEY root : {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS})
        EXPECT_TRUE(IsPredefinedKey(root));
    RegSandbox box;
    CreateKeyPath(HKEY_CURRENT_USER, box.Path());
    HKEY opened = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, box.Path().c_str(), 0, KEY_READ, &opened), ERROR_SUCCESS);
    EXPECT_FALSE(IsPredefinedKey(opened));
    {
        UniqueHKey own(opened);
    }
    DWORD count = 0;
    EXPECT_NE(RegQueryInfoKeyA(opened, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr, nullptr, nullptr,
                               nullptr, nullptr),
              ERROR_SUCCESS)
        << "the handle was closed";
    {
        UniqueHKey root(HKEY_CURRENT_USER);
    }
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, box.Path())) << "the root handle still works";
}

TEST(TRegistry, LeadingBackslashAndTheErrorsOfIntegerReads)
{
    RegSandbox box;
    SetString(HKEY_CURRENT_USER, box.Path(), "one", "1");
    SetString(HKEY_CURRENT_USER, box.Path(), "five", "12345");
    TRegistry reg(KEY_READ);
    ASSERT_TRUE(reg.OpenKey("\\" + box.Path(), false));
    EXPECT_EQ(reg.CurrentPath(), box.Path());
    try {
        reg.ReadInteger("one");
        ADD_FAILURE();
    } catch (const ERegistryException& e) {
        EXPECT_EQ(e.Message(), "Ungültiger Datentyp für 'one'");
    }
    try {
        reg.ReadInteger("five");
        ADD_FAILURE();
    } catch (const ERegistryException& e) {
        EXPECT_EQ(e.Message(), "Konnte Daten für 'five' nicht holen");
    }
}
