// The walk of a branch for TRegFileWriter::Branch: every key depth first,
// with the ANSI calls for REGEDIT4 and the wide calls for the Unicode format.
#include "registry/RegFileWriter.h"

#include "framework/Registry.h"
#include "registry/ExRegistryError.h"
#include "registry/RegHelpers.h"
#include "registry/RegText.h"

#include <vector>

namespace {

constexpr DWORD BufferStep = 65536;

struct TAnsiCalls {
    using Char = char;
    // An ANSI name may take two bytes per character in a multi-byte code page.
    static constexpr DWORD BytesPerChar = 2;
    static std::string Start(const std::string& path) { return path; }
    static std::string FileText(std::string_view name) { return std::string(name); }
    static LONG Open(HKEY parent, const char* name, REGSAM access, HKEY* key)
    {
        return RegOpenKeyExA(parent, name, 0, access, key);
    }
    static LONG QueryInfo(HKEY key, DWORD* subKeys, DWORD* maxSubKeyLength, DWORD* values, DWORD* maxValueNameLength,
                          DWORD* maxDataSize)
    {
        return RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, subKeys, maxSubKeyLength, nullptr, values,
                                maxValueNameLength, maxDataSize, nullptr, nullptr);
    }
    static LONG EnumValue(HKEY key, DWORD index, char* name, DWORD* nameLength, DWORD* type, BYTE* data, DWORD* size)
    {
        return RegEnumValueA(key, index, name, nameLength, nullptr, type, data, size);
    }
    static LONG EnumKey(HKEY key, DWORD index, char* name, DWORD* nameLength)
    {
        return RegEnumKeyExA(key, index, name, nameLength, nullptr, nullptr, nullptr, nullptr);
    }
};

struct TWideCalls {
    using Char = wchar_t;
    static constexpr DWORD BytesPerChar = 1;
    static std::wstring Start(const std::string& path) { return WidenCodePage(path); }
    static std::string FileText(std::wstring_view name) { return Utf8FromWide(name); }
    static LONG Open(HKEY parent, const wchar_t* name, REGSAM access, HKEY* key)
    {
        return RegOpenKeyExW(parent, name, 0, access, key);
    }
    static LONG QueryInfo(HKEY key, DWORD* subKeys, DWORD* maxSubKeyLength, DWORD* values, DWORD* maxValueNameLength,
                          DWORD* maxDataSize)
    {
        return RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, subKeys, maxSubKeyLength, nullptr, values,
                                maxValueNameLength, maxDataSize, nullptr, nullptr);
    }
    static LONG EnumValue(HKEY key, DWORD index, wchar_t* name, DWORD* nameLength, DWORD* type, BYTE* data,
                          DWORD* size)
    {
        return RegEnumValueW(key, index, name, nameLength, nullptr, type, data, size);
    }
    static LONG EnumKey(HKEY key, DWORD index, wchar_t* name, DWORD* nameLength)
    {
        return RegEnumKeyExW(key, index, name, nameLength, nullptr, nullptr, nullptr, nullptr);
    }
};

// A deleted key while the walk reads it is treated as gone: its rest is left
// out like a key that vanished before it could be opened.
bool KeyGone(LONG rc)
{
    return rc == ERROR_KEY_DELETED;
}

// Why a key name cannot stand in a header, or null when it can. A name with
// a NUL could not be opened either: an open stops at the NUL and would reach
// the sibling with the shorter name.
template <class Char>
const char* KeyNameUnfit(std::basic_string_view<Char> name)
{
    for (const Char c : name) {
        if (c == 0)
            return "(Name mit NUL-Zeichen)";
        if (c == '\r' || c == '\n')
            return "(Name mit Zeilenumbruch)";
    }
    return nullptr;
}

} // namespace

// One walk of a branch: the buffers it shares between all keys.
template <class Calls>
class TRegFileWriter::TWalk {
public:
    using Char = typename Calls::Char;
    explicit TWalk(TRegFileWriter& writer) : FWriter(writer), FData(BufferStep), FValueName(256), FKeyName(256) {}

    // Visits the key at path, in the file's text (the path grows and shrinks
    // with the walk).
    void Visit(UniqueHKey key, std::string& path);

private:
    bool FitBuffers(DWORD maxValueNameLength, DWORD maxDataSize);

    TRegFileWriter& FWriter;
    std::vector<BYTE> FData;
    std::vector<Char> FValueName;
    std::vector<Char> FKeyName;
};

// The sizes come in UTF-16 units (characters for names, bytes for data). The
// data buffer grows in whole steps and keeps one byte to spare. True when a
// buffer grew.
template <class Calls>
bool TRegFileWriter::TWalk<Calls>::FitBuffers(DWORD maxValueNameLength, DWORD maxDataSize)
{
    bool grown = false;
    if (maxDataSize >= FData.size()) {
        FData.resize((maxDataSize / BufferStep + 1) * BufferStep);
        grown = true;
    }
    if (maxValueNameLength * Calls::BytesPerChar + 2 > FValueName.size()) {
        FValueName.resize(maxValueNameLength * Calls::BytesPerChar + 2);
        grown = true;
    }
    return grown;
}

template <class Calls>
void TRegFileWriter::TWalk<Calls>::Visit(UniqueHKey key, std::string& path)
{
    DWORD subKeys = 0, maxSubKeyLength = 0, values = 0, maxValueNameLength = 0, maxDataSize = 0;
    LONG rc = Calls::QueryInfo(key.Get(), &subKeys, &maxSubKeyLength, &values, &maxValueNameLength, &maxDataSize);
    if (rc == ERROR_ACCESS_DENIED || KeyGone(rc))
        return;
    if (rc != ERROR_SUCCESS)
        throw EExRegistryException(rc, "Unable to query key info");

    FWriter.HeaderLine(nullptr, path, false);

    if (values > 0) {
        FitBuffers(maxValueNameLength, maxDataSize);
        for (DWORD index = 0; index < values;) {
            DWORD nameLength = static_cast<DWORD>(FValueName.size());
            DWORD type = REG_NONE;
            DWORD size = static_cast<DWORD>(FData.size());
            rc = Calls::EnumValue(key.Get(), index, FValueName.data(), &nameLength, &type, FData.data(), &size);
            // Values removed since the query simply end the list.
            if (rc == ERROR_NO_MORE_ITEMS || KeyGone(rc))
                break;
            // A value that has grown since the query is read again with
            // buffers for the new sizes.
            if (rc == ERROR_MORE_DATA
                && Calls::QueryInfo(key.Get(), nullptr, nullptr, nullptr, &maxValueNameLength, &maxDataSize) == ERROR_SUCCESS
                && FitBuffers(maxValueNameLength, maxDataSize))
                continue;
            if (rc != ERROR_SUCCESS)
                throw EExRegistryException(rc, "Unable to get value info");
            FWriter.Value(std::basic_string_view<Char>(FValueName.data(), nameLength), type, FData.data(), size);
            ++index;
        }
    }

    if (maxSubKeyLength * Calls::BytesPerChar + 2 > FKeyName.size())
        FKeyName.resize(maxSubKeyLength * Calls::BytesPerChar + 2);
    for (DWORD index = 0; index < subKeys; ++index) {
        DWORD nameLength = static_cast<DWORD>(FKeyName.size());
        rc = Calls::EnumKey(key.Get(), index, FKeyName.data(), &nameLength);
        if (rc == ERROR_NO_MORE_ITEMS || KeyGone(rc))
            break;
        if (rc != ERROR_SUCCESS)
            throw EExRegistryException(rc, "Unable to get key name");
        const std::basic_string_view<Char> name(FKeyName.data(), nameLength);
        const size_t keep = path.size();
        if (!path.empty())
            path += '\\';
        path += Calls::FileText(name);
        if (const char* reason = KeyNameUnfit(name)) {
            FWriter.LeaveOutKey(path, reason, true);
            path.resize(keep);
            continue;
        }
        // Opened relative to the parent, which stays open anyway: the
        // system need not resolve the whole path again for every key.
        UniqueHKey sub;
        if (Calls::Open(key.Get(), FKeyName.data(), KEY_READ, sub.Put()) == ERROR_SUCCESS)
            Visit(std::move(sub), path);
        path.resize(keep);
    }
}

void TRegFileWriter::Branch(HKEY root, const std::string& path)
{
    std::string walkPath = FileText(path);
    if (const char* reason = KeyNameUnfit(std::string_view(walkPath))) {
        FRootName = RootKeyName(root);
        LeaveOutKey(walkPath, reason, true);
        return;
    }
    auto walk = [&](auto calls) {
        using Calls = decltype(calls);
        UniqueHKey start;
        // A start key that cannot be opened is left out like any other.
        if (Calls::Open(root, Calls::Start(path).c_str(), InClientView(root, KEY_READ), start.Put()) != ERROR_SUCCESS)
            return;
        FRootName = RootKeyName(root);
        TWalk<Calls> walker(*this);
        walker.Visit(std::move(start), walkPath);
    };
    if (FFormat == TRegFileFormat::Unicode)
        walk(TWideCalls());
    else
        walk(TAnsiCalls());
}
