// The extension list against Wine's real classes root, which other tests
// read too: the keys are added and removed under the shared-key lock.
#include "registry/ExtensionList.h"

#include "support/SharedKeyGuard.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct Key {
    std::string Name;
    DWORD Type;  // of the default value; REG_NONE: none
    std::string Data;
};

// Removes its keys again, also when the test stops early.
class ClassKeys {
public:
    explicit ClassKeys(const std::vector<Key>& keys) : FKeys(keys)
    {
        for (const Key& key : FKeys) {
            DeleteTree(HKEY_CLASSES_ROOT, key.Name);
            if (key.Type == REG_NONE)
                CreateKeyPath(HKEY_CLASSES_ROOT, key.Name);
            else
                SetValue(HKEY_CLASSES_ROOT, key.Name, "", key.Type, key.Data.data(), static_cast<DWORD>(key.Data.size()));
        }
    }
    ~ClassKeys()
    {
        for (const Key& key : FKeys)
            DeleteTree(HKEY_CLASSES_ROOT, key.Name);
    }

private:
    std::vector<Key> FKeys;
};

std::string Text(const std::string& text)
{
    return text + '\0';
}

TEST(ReadFileExtensions, ListsExtensionKeysSortedByTheLocaleWithTheirFileType)
{
    SharedKeyLock lock;
    // Given out of order; bytes would sort upper case first and umlauts last.
    const ClassKeys keys({
        {".zvtestPilz", REG_SZ, Text("Pilzdatei")},
        {".zvtestärger", REG_SZ, Text("Ärger-Datei")},
        {".zvtestOase", REG_DWORD, std::string("\x01\0\0\0", 4)},
        {".ZVTESTCODE", REG_EXPAND_SZ, Text("%TEMP%\\typ")},
        {".zvtestÖl", REG_BINARY, "Oel"},
        {".zvtestBaum", REG_NONE, ""},
        {".zvtestApfel", REG_SZ, Text("Apfeldatei - rot")},
        {".zvtestZaun", REG_SZ, std::string("vor\0nach", 9)},
        {".zvtestzebra", REG_SZ, ""},
        {"zvtestOhnePunkt", REG_SZ, Text("kein Typ")},
        {"zvtest.mitte", REG_SZ, Text("kein Typ")},
    });

    const auto list = ReadFileExtensions();
    std::vector<std::string> ours;
    for (const auto& entry : list) {
        ASSERT_FALSE(entry.Extension.empty());
        EXPECT_EQ(entry.Extension[0], '.') << entry.Extension;
        if (entry.Extension.compare(0, 7, ".zvtest") == 0 || entry.Extension.compare(0, 7, ".ZVTEST") == 0)
            ours.push_back(entry.Caption());
    }
    const std::vector<std::string> expected = {
        ".zvtestApfel - Apfeldatei - rot",
        ".zvtestärger - Ärger-Datei",
        ".zvtestBaum - ",
        ".ZVTESTCODE - %TEMP%\\typ",
        ".zvtestOase - ",
        ".zvtestÖl - ",
        ".zvtestPilz - Pilzdatei",
        ".zvtestZaun - vor",
        ".zvtestzebra - ",
    };
    EXPECT_EQ(ours, expected);
    // The whole list in the order of the locale's comparison.
    for (size_t i = 1; i < list.size(); ++i) {
        const std::string& a = list[i - 1].Extension;
        const std::string& b = list[i].Extension;
        EXPECT_NE(CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                                 static_cast<int>(b.size())), CSTR_GREATER_THAN) << a << " before " << b;
    }

    // Every extension key of the root is there, and nothing else.
    size_t extensions = 0;
    HKEY root = HKEY_CLASSES_ROOT;
    char name[512];
    DWORD length = sizeof name;
    for (DWORD i = 0; length = sizeof name, RegEnumKeyExA(root, i, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS; ++i)
        extensions += name[0] == '.';
    EXPECT_EQ(list.size(), extensions);
    EXPECT_GT(extensions, expected.size());
}

} // namespace
