// Registry export against Wine's real registry; the files are compared byte
// for byte, and full trees are imported again with Wine's regedit.
#include "RegFileKit.h"

#include <aclapi.h>

namespace {

using namespace regfilekit;

std::vector<BYTE> Pattern(size_t size, unsigned seed = 7)
{
    std::vector<BYTE> bytes(size);
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<BYTE>(i * 37 + seed);
    return bytes;
}

// "xx,xx,...,xx" for bytes[first, first + count)
std::string Pieces(const std::vector<BYTE>& bytes, size_t first, size_t count)
{
    std::string text;
    for (size_t i = first; i < first + count; ++i) {
        char piece[4];
        snprintf(piece, sizeof piece, "%02x", bytes[i]);
        if (!text.empty())
            text += ',';
        text += piece;
    }
    return text;
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t pos; (pos = text.find("\r\n", start)) != std::string::npos; start = pos + 2)
        lines.push_back(text.substr(start, pos - start));
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

void SetBytes(const std::string& path, const std::string& name, DWORD type, const std::string& bytes)
{
    SetValue(HKEY_CURRENT_USER, path, name, type, bytes.data(), static_cast<DWORD>(bytes.size()));
}

class ExRegistryExport : public testing::Test {
protected:
    std::string Header(const std::string& sub) const { return "[HKEY_CURRENT_USER\\" + Box.Sub(sub) + "]"; }

    // Exports the sandbox key sub and returns the file's bytes.
    std::string Export(const std::string& sub, TExRegistry& reg)
    {
        EXPECT_TRUE(reg.OpenKeyReadOnly(Box.Sub(sub)));
        EXPECT_TRUE(reg.ExportKey(Dir.File("out.reg")));
        return ReadFileBytes(Dir.File("out.reg"));
    }
    std::string Export(const std::string& sub)
    {
        TExRegistry reg;
        return Export(sub, reg);
    }

    RegSandbox Box;
    TempDir Dir;
};

TEST_F(ExRegistryExport, EmptyKeyGivesAnEmptyLineAndItsHeader)
{
    CreateKeyPath(HKEY_CURRENT_USER, Box.Sub("K"));
    EXPECT_EQ(Export("K"), "REGEDIT4\r\n\r\n" + Header("K") + "\r\n\r\n");
}

TEST_F(ExRegistryExport, ValueEntriesByType)
{
    const std::string key = Box.Sub("V");
    SetString(HKEY_CURRENT_USER, key, "", "Standard");
    SetDword(HKEY_CURRENT_USER, key, "a1", 1);
    SetDword(HKEY_CURRENT_USER, key, "a2", 0xFFFFFFFF);
    SetDword(HKEY_CURRENT_USER, key, "a3", 0x0A0B0C0D);
    SetString(HKEY_CURRENT_USER, key, "b1", "C:\\Pfad \"zitiert\"\\");
    SetString(HKEY_CURRENT_USER, key, "b2", "Zeile 1\r\nZeile 2");
    SetString(HKEY_CURRENT_USER, key, "b3", "nur\rCR und nur\nLF");
    SetBytes(key, "b4", REG_SZ, "");
    SetBytes(key, "b5", REG_SZ, std::string("vor\0nach", 9));
    SetString(HKEY_CURRENT_USER, key, "b6", "Übernehmen");
    SetExactBytes(HKEY_CURRENT_USER, key, "b7", REG_SZ, "ohne");
    SetBytes(key, "b8", REG_SZ, std::string("zwei\0\0", 6));
    SetString(HKEY_CURRENT_USER, key, "c1", "%TEMP%\\x", REG_EXPAND_SZ);
    SetBytes(key, "d1", REG_BINARY, "");
    SetBytes(key, "d2", REG_DWORD, "");
    SetBytes(key, "d3", REG_DWORD, "\x34\x12");
    SetBytes(key, "e1", REG_QWORD, std::string("\x01\x02\x03\x04\x05\x06\x07\x08", 8));
    SetBytes(key, "e2", REG_MULTI_SZ, std::string("a\0b\0\0", 5));
    SetBytes(key, "e3", REG_NONE, "");
    SetBytes(key, "n\"q\\\r\n", REG_SZ, std::string("x", 2));

    const std::string expected = "REGEDIT4\r\n"
                                 "\r\n" + Header("V") + "\r\n"
                                 "@=\"Standard\"\r\n"
                                 "\"a1\"=dword:00000001\r\n"
                                 "\"a2\"=dword:ffffffff\r\n"
                                 "\"a3\"=dword:0a0b0c0d\r\n"
                                 "\"b1\"=\"C:\\\\Pfad \\\"zitiert\\\"\\\\\"\r\n"
                                 "\"b2\"=\"Zeile 1\\r\\nZeile 2\"\r\n"
                                 "\"b3\"=\"nur\\rCR und nur\\nLF\"\r\n"
                                 "\"b4\"=hex(1):\r\n"
                                 "\"b5\"=hex(1):76,6f,72,00,6e,61,63,68,00\r\n"
                                 "\"b6\"=\"\xDC" "bernehmen\"\r\n"
                                 "\"b7\"=hex(1):6f,68,6e,65\r\n"
                                 "\"b8\"=hex(1):7a,77,65,69,00,00\r\n"
                                 "\"c1\"=hex(2):25,54,45,4d,50,25,5c,78,00\r\n"
                                 "\"d1\"=hex:\r\n"
                                 "\"d2\"=hex(4):\r\n"
                                 "\"d3\"=hex(4):34,12\r\n"
                                 "\"e1\"=hex(b):01,02,03,04,05,06,07,08\r\n"
                                 "\"e2\"=hex(7):61,00,62,00,00\r\n"
                                 "\"e3\"=hex(0):\r\n"
                                 "\"n\\\"q\\\\\\r\\n\"=\"x\"\r\n"
                                 "\r\n";
    EXPECT_EQ(Export("V"), expected);
}

TEST_F(ExRegistryExport, ByteListsBreakBetweenPiecesOnly)
{
    const std::string key = Box.Sub("W");
    const auto bytes = Pattern(49);
    SetValue(HKEY_CURRENT_USER, key, "a", REG_BINARY, bytes.data(), 23);
    SetValue(HKEY_CURRENT_USER, key, "b", REG_BINARY, bytes.data(), 24);
    SetValue(HKEY_CURRENT_USER, key, "cd", REG_BINARY, bytes.data(), 23);
    SetValue(HKEY_CURRENT_USER, key, "e", REG_BINARY, bytes.data(), 48);
    SetValue(HKEY_CURRENT_USER, key, "f", REG_BINARY, bytes.data(), 49);
    SetValue(HKEY_CURRENT_USER, key, "g", REG_MULTI_SZ, bytes.data(), 24);

    const auto lines = SplitLines(Export("W"));
    const std::vector<std::string> expected = {
        "REGEDIT4",
        "",
        Header("W"),
        "\"a\"=hex:" + Pieces(bytes, 0, 23),
        "\"b\"=hex:" + Pieces(bytes, 0, 23) + ",\\",
        "  " + Pieces(bytes, 23, 1),
        "\"cd\"=hex:" + Pieces(bytes, 0, 23),
        "\"e\"=hex:" + Pieces(bytes, 0, 23) + ",\\",
        "  " + Pieces(bytes, 23, 25),
        "\"f\"=hex:" + Pieces(bytes, 0, 23) + ",\\",
        "  " + Pieces(bytes, 23, 25) + ",\\",
        "  " + Pieces(bytes, 48, 1),
        // The longer prefix breaks earlier.
        "\"g\"=hex(7):" + Pieces(bytes, 0, 22) + ",\\",
        "  " + Pieces(bytes, 22, 2),
        "",
    };
    EXPECT_EQ(lines, expected);
    ASSERT_EQ(lines.size(), expected.size());
    EXPECT_EQ(lines[3].size(), 76u);
    EXPECT_EQ(lines[4].size(), 78u);
    EXPECT_EQ(lines[6].size(), 77u);
    EXPECT_EQ(lines[8].size(), 76u);
    EXPECT_EQ(lines[10].size(), 78u);
}

TEST_F(ExRegistryExport, SubKeysFollowDepthFirst)
{
    SetDword(HKEY_CURRENT_USER, Box.Sub("S"), "x", 5);
    CreateKeyPath(HKEY_CURRENT_USER, Box.Sub("S\\A\\B"));
    SetDword(HKEY_CURRENT_USER, Box.Sub("S\\C"), "y", 6);

    TExRegistry reg;
    const std::string file = Export("S", reg);
    EXPECT_EQ(file, "REGEDIT4\r\n"
                    "\r\n" + Header("S") + "\r\n"
                    "\"x\"=dword:00000005\r\n"
                    "\r\n" + Header("S\\A") + "\r\n"
                    "\r\n" + Header("S\\A\\B") + "\r\n"
                    "\r\n" + Header("S\\C") + "\r\n"
                    "\"y\"=dword:00000006\r\n"
                    "\r\n");
    EXPECT_EQ(reg.LastKeyPath(), Box.Sub("S\\C"));
    EXPECT_EQ(reg.ExportLines().Count(), 12u);
    // The object's own key stays open and can export again.
    EXPECT_EQ(reg.CurrentPath(), Box.Sub("S"));
    EXPECT_TRUE(reg.ExportKey(Dir.File("again.reg")));
    EXPECT_EQ(ReadFileBytes(Dir.File("again.reg")), file);
}

TEST_F(ExRegistryExport, WholeRootWhenNoKeyIsOpen)
{
    SetDword(HKEY_CURRENT_USER, Box.Sub("Mark"), "m", 7);
    TExRegistry reg;
    ASSERT_TRUE(reg.ExportKey(Dir.File("root.reg")));
    const std::string file = ReadFileBytes(Dir.File("root.reg"));
    const std::string start = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\]\r\n";
    EXPECT_EQ(file.substr(0, start.size()), start);
    EXPECT_NE(file.find("\r\n" + Header("Mark") + "\r\n\"m\"=dword:00000007\r\n"), std::string::npos);
}

// Sets an empty DACL (nobody may read) on a key; the owner may still change it back.
class LockedKey {
public:
    explicit LockedKey(const std::string& path) : FPath(path)
    {
        CreateKeyPath(HKEY_CURRENT_USER, path);
        ACL acl;
        InitializeAcl(&acl, sizeof acl, ACL_REVISION);
        Apply(&acl);
    }
    ~LockedKey() { Apply(nullptr); }

private:
    void Apply(PACL acl)
    {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, FPath.c_str(), 0, WRITE_DAC, &key) == ERROR_SUCCESS) {
            SetSecurityInfo(reinterpret_cast<HANDLE>(key), SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, acl, nullptr);
            RegCloseKey(key);
        }
    }
    std::string FPath;
};

TEST_F(ExRegistryExport, KeysThatCannotBeReadAreLeftOut)
{
    SetDword(HKEY_CURRENT_USER, Box.Sub("P\\Locked\\Inner"), "i", 1);
    SetDword(HKEY_CURRENT_USER, Box.Sub("P\\Open"), "o", 2);
    LockedKey locked(Box.Sub("P\\Locked"));
    HKEY probe = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, Box.Sub("P\\Locked").c_str(), 0, KEY_READ, &probe), ERROR_ACCESS_DENIED);

    EXPECT_EQ(Export("P"), "REGEDIT4\r\n"
                           "\r\n" + Header("P") + "\r\n"
                           "\r\n" + Header("P\\Open") + "\r\n"
                           "\"o\"=dword:00000002\r\n"
                           "\r\n");
}

TEST_F(ExRegistryExport, FailedExportKeepsTheOlderFile)
{
    SetDword(HKEY_CURRENT_USER, Box.Sub("F"), "v", 1);
    TExRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly(Box.Sub("F")));

    // A folder that does not exist: nothing is created.
    EXPECT_FALSE(reg.ExportKey(Dir.File("fehlt\\out.reg")));
    EXPECT_EQ(reg.ExportLines().Count(), 0u);
    EXPECT_EQ(GetFileAttributesA(Dir.File("fehlt").c_str()), INVALID_FILE_ATTRIBUTES);

    // A target that cannot be replaced keeps its content, and no temporary
    // file is left behind.
    const std::string target = Dir.File("out.reg");
    const std::string older = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Older]\r\n\"alt\"=dword:00000009\r\n\"mehr\"=\"Text\"\r\n\r\n";
    WriteFileBytes(target, older);
    HANDLE busy = CreateFileA(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(busy, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(reg.ExportKey(target));
    CloseHandle(busy);
    EXPECT_EQ(ReadFileBytes(target), older);
    EXPECT_EQ(FilesIn(Dir.Path()), std::vector<std::string>{"out.reg"});

    // Once it can be replaced, the whole new content is in its place.
    EXPECT_TRUE(reg.ExportKey(target));
    EXPECT_EQ(ReadFileBytes(target), "REGEDIT4\r\n\r\n" + Header("F") + "\r\n\"v\"=dword:00000001\r\n\r\n");
    EXPECT_EQ(FilesIn(Dir.Path()), std::vector<std::string>{"out.reg"});
}

struct TValue {
    std::string Key;
    std::string Name;
    DWORD Type;
    std::string Data;
};

TEST_F(ExRegistryExport, RegeditImportsTheFileAgain)
{
    std::vector<TValue> values;
    auto bytes = [](size_t size, unsigned seed) {
        const auto pattern = Pattern(size, seed);
        return std::string(pattern.begin(), pattern.end());
    };
    for (size_t size : {22, 23, 24, 48, 49}) {
        const std::string key = "L" + std::to_string(size);
        values.push_back({key, "a", REG_BINARY, bytes(size, 1)});
        values.push_back({key, "ab", REG_BINARY, bytes(size, 2)});
        values.push_back({key, "c", REG_MULTI_SZ, bytes(size, 3)});
        // Each followed by a value that a dangling break would swallow.
        values.push_back({key, "z", REG_DWORD, std::string("\x01\x00\x00\x00", 4)});
    }
    const std::string texts[] = {"a\r\nb", "\r", "\n", "x\ry\nz\r\n", "\"zitiert\"", "C:\\Pfad\\", "\\\"", "Übernehmen ß", ""};
    for (size_t i = 0; i < std::size(texts); ++i) {
        values.push_back({"Text", "s" + std::to_string(i), REG_SZ, texts[i] + '\0'});
        values.push_back({"Text", "x" + std::to_string(i), REG_EXPAND_SZ, texts[i] + '\0'});
        values.push_back({"Text", "n" + texts[i] + std::to_string(i), REG_DWORD, std::string("\x02\x00\x00\x00", 4)});
    }
    values.push_back({"Text", "", REG_SZ, std::string("Standard\0", 9)});
    // Text that is not exactly one string with its NUL comes back as it was.
    const std::string odd[] = {"", "ohne NUL", std::string("vor\0nach\0", 9), std::string("zwei\0\0", 6),
                               std::string("\0", 1), std::string("\0\0", 2), std::string("a\0b", 3)};
    for (size_t i = 0; i < std::size(odd); ++i) {
        values.push_back({"Odd", "s" + std::to_string(i), REG_SZ, odd[i]});
        values.push_back({"Odd", "x" + std::to_string(i), REG_EXPAND_SZ, odd[i]});
    }
    const std::pair<DWORD, std::string> typed[] = {
        {REG_NONE, "\x01\x02"}, {REG_DWORD, std::string("\xff\xff\xff\xff", 4)}, {REG_DWORD, "\x01\x02"},
        {REG_DWORD, "123456"}, {REG_DWORD_BIG_ENDIAN, std::string("\x00\x00\x01\x00", 4)},
        {REG_QWORD, "12345678"}, {REG_LINK, std::string("L\0n\0k\0", 6)}, {REG_RESOURCE_LIST, "rl"},
        {0x20, "t"}, {0x1234, "typ"}};
    for (const auto& [type, data] : typed) {
        values.push_back({"Typed", "t" + std::to_string(type) + "-" + std::to_string(data.size()), type, data});
        values.push_back({"Empty", "t" + std::to_string(type), type, ""});
    }
    values.push_back({"Empty", "bin", REG_BINARY, ""});
    values.push_back({"Empty", "exp", REG_EXPAND_SZ, ""});
    // Over a mebibyte of text: the file is written in several pieces.
    values.push_back({"Big", "groß", REG_BINARY, bytes(400000, 4)});
    values.push_back({"Big", "mittel", REG_BINARY, bytes(150000, 8)});
    values.push_back({"Big", "klein", REG_BINARY, bytes(3, 5)});
    values.push_back({"Long", std::string(300, 'N'), REG_BINARY, bytes(30, 6)});
    values.push_back({"Long", std::string(2000, 'M'), REG_SZ, std::string("lang\0", 5)});
    values.push_back({"Long", std::string(1999, 'M') + "\"", REG_DWORD, std::string("\x03\x00\x00\x00", 4)});
    values.push_back({"Nest\\Tief\\Tiefer", "v", REG_SZ, std::string("unten\0", 6)});
    for (const auto& value : values) {
        if (value.Key == "Odd")
            SetExactBytes(HKEY_CURRENT_USER, Box.Sub("Src\\Odd"), value.Name, value.Type, value.Data);
        else
            SetBytes(Box.Sub("Src\\" + value.Key), value.Name, value.Type, value.Data);
    }
    CreateKeyPath(HKEY_CURRENT_USER, Box.Sub("Src\\Leer\\Leerer"));

    TExRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly(Box.Sub("Src")));
    ASSERT_TRUE(reg.ExportKey(Dir.File("src.reg")));

    // The same sections under Dst.
    const std::string from = "\r\n[HKEY_CURRENT_USER\\" + Box.Sub("Src");
    const std::string to = "\r\n[HKEY_CURRENT_USER\\" + Box.Sub("Dst");
    std::string file = ReadFileBytes(Dir.File("src.reg"));
    EXPECT_EQ(SplitLines(file).size(), reg.ExportLines().Count());
    size_t headers = 0;
    for (size_t pos = 0; (pos = file.find(from, pos)) != std::string::npos; pos += to.size(), ++headers)
        file.replace(pos, from.size(), to);
    EXPECT_EQ(headers, 17u);
    WriteFileBytes(Dir.File("dst.reg"), file);
    RunRegedit(Dir.File("dst.reg"));

    for (const auto& value : values) {
        const auto original = QueryValue(HKEY_CURRENT_USER, Box.Sub("Src\\" + value.Key), value.Name);
        const auto copy = QueryValue(HKEY_CURRENT_USER, Box.Sub("Dst\\" + value.Key), value.Name);
        const std::string label = value.Key + " / " + value.Name.substr(0, 40) + " type " + std::to_string(value.Type);
        ASSERT_TRUE(original.has_value()) << label;
        ASSERT_TRUE(copy.has_value()) << label;
        EXPECT_EQ(copy->type, value.Type) << label;
        if (value.Key == "Odd")
            EXPECT_EQ(original->AsString(), value.Data) << label;
        // The importer stores text through the system's string setter, which
        // adds the NUL that text without one at its end lacks (Windows does
        // the same): all the format cannot carry of such a value.
        std::string expected = original->AsString();
        if ((value.Type == REG_SZ || value.Type == REG_EXPAND_SZ) && !expected.empty() && expected.back() != '\0')
            expected += '\0';
        EXPECT_EQ(copy->AsString(), expected) << label;
    }
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, Box.Sub("Dst\\Leer\\Leerer")));
}

// Names with a NUL cannot be carried by the file: they are left out with a
// comment, no NUL byte gets into the file, and everything else imports into
// the keys it came from.
TEST_F(ExRegistryExport, NamesWithANulAreLeftOutAndNothingElseIsLost)
{
    const std::string src = Box.Sub("Src");
    // The sibling that an ANSI open of "x\0y" would reach instead.
    SetDword(HKEY_CURRENT_USER, src + "\\x", "echt", 1);
    SetDword(HKEY_CURRENT_USER, src, "a", 1);
    // A long line first: the importer's buffer keeps the longest line so far.
    SetBytes(src, "b", REG_BINARY, std::string(3000, 'B'));
    SetString(HKEY_CURRENT_USER, src, "w", "danach");
    SetDword(HKEY_CURRENT_USER, src + "\\z", "danach", 3);

    NativeKeys native;
    HKEY parent = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, src.c_str(), 0, KEY_ALL_ACCESS, &parent), ERROR_SUCCESS);
    native.SetValue(parent, std::wstring(L"v\0w", 3), REG_DWORD, std::string("\x02\0\0\0", 4));
    HANDLE odd = native.CreateKey(parent, std::wstring(L"x\0y", 3));
    RegCloseKey(parent);
    ASSERT_NE(odd, nullptr);
    native.SetValue(odd, L"drin", REG_SZ, std::string("falsch", 7));

    TExRegistry reg;
    const std::string text = Export("Src", reg);
    native.DeleteKey(odd);
    CloseHandle(odd);

    EXPECT_EQ(text.find('\0'), std::string::npos);
    const std::string key = "[HKEY_CURRENT_USER\\" + src;
    const std::vector<std::string> leftOut = {
        "Wert \"v\\0w\" in " + key + "] (Name mit NUL-Zeichen)",
        "Schlüssel " + key + "\\x\\0y] mit allem darunter (Name mit NUL-Zeichen)",
    };
    EXPECT_EQ(reg.LeftOut(), leftOut);
    std::string expected = text;
    for (const auto& what : leftOut) {
        const std::string line = "; Ausgelassen: " + what + "\r\n";
        const size_t pos = expected.find(line);
        ASSERT_NE(pos, std::string::npos) << what;
        expected.erase(pos, line.size());
    }
    EXPECT_EQ(expected.find("falsch"), std::string::npos);

    // Imported under Dst, it gives back everything but the two names.
    std::string moved = text;
    for (size_t pos = 0; (pos = moved.find(src, pos)) != std::string::npos;)
        moved.replace(pos, src.size(), Box.Sub("Dst"));
    WriteFileBytes(Dir.File("dst.reg"), moved);
    RunRegedit(Dir.File("dst.reg"));
    std::string again = ExportText(HKEY_CURRENT_USER, Box.Sub("Dst"), Dir.File("again.reg"));
    for (size_t pos = 0; (pos = again.find(Box.Sub("Dst"), pos)) != std::string::npos;)
        again.replace(pos, Box.Sub("Dst").size(), src);
    EXPECT_EQ(again, expected);
}

// A key name with a line break would end the header and begin a line of its
// own; the export leaves such a key out. A "]" alone is carried: the importer
// reads a header up to the last "]" of its line.
TEST_F(ExRegistryExport, KeyNamesCannotAddLinesToTheFile)
{
    const std::string victim = "ZorvaneOpfer-Export";
    DeleteTree(HKEY_CURRENT_USER, victim);
    SetDword(HKEY_CURRENT_USER, victim, "bleibt", 1);
    const std::string src = Box.Sub("Src");
    // Made level by level at each backslash.
    SetDword(HKEY_CURRENT_USER, src + "\\a]\r\n[-HKEY_CURRENT_USER\\" + victim + "]\r\n;", "v", 1);
    SetDword(HKEY_CURRENT_USER, src + "\\b]c", "w", 2);

    TExRegistry reg;
    const std::string text = Export("Src", reg);
    EXPECT_EQ(reg.LeftOut(), std::vector<std::string>{"Schlüssel " + Header("Src\\a]\\r\\n[-HKEY_CURRENT_USER") +
                                                      " mit allem darunter (Name mit Zeilenumbruch)"});
    EXPECT_EQ(text, "REGEDIT4\r\n"
                    "\r\n" + Header("Src") + "\r\n"
                    "; Ausgelassen: " + reg.LeftOut()[0] + "\r\n"
                    "\r\n" + Header("Src\\b]c") + "\r\n"
                    "\"w\"=dword:00000002\r\n"
                    "\r\n");
    WriteFileBytes(Dir.File("src.reg"), text);
    DeleteTree(HKEY_CURRENT_USER, src + "\\b]c");
    RunRegedit(Dir.File("src.reg"));
    EXPECT_TRUE(QueryValue(HKEY_CURRENT_USER, victim, "bleibt").has_value());
    EXPECT_TRUE(QueryValue(HKEY_CURRENT_USER, src + "\\b]c", "w").has_value());
    DeleteTree(HKEY_CURRENT_USER, victim);
}

TEST(EExRegistryException, MessageCarriesCodeAndSystemText)
{
    const std::string text = SysErrorText(ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(text.empty());
    EXPECT_EQ(SysErrorText(0xDEADBEEF), "");

    try {
        throw EExRegistryException(ERROR_FILE_NOT_FOUND, "Unable to query key info");
    } catch (const ERegistryException& error) {
        const auto& ex = dynamic_cast<const EExRegistryException&>(error);
        EXPECT_EQ(ex.ErrorCode(), 2);
        EXPECT_EQ(ex.Message(), "Error 2 : " + text + ":Unable to query key info");
    }
    const EExRegistryException unknown(static_cast<int32_t>(0xDEADBEEF), "Unable to get value info");
    EXPECT_EQ(unknown.ErrorCode(), -559038737);
    EXPECT_EQ(unknown.Message(), "Error -559038737:Unable to get value info");
}

} // namespace
