#include "registry/unitEXRegistry.h"

#include "framework/FileWrite.h"
#include "framework/SysUtils.h"

#include <algorithm>
#include <cstring>
#include <vector>

std::string SysErrorText(DWORD code)
{
    // Data file only: none of its code runs, we only want its message table.
    HMODULE netmsg = LoadLibraryExA("netmsg.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_FROM_SYSTEM;
    if (netmsg)
        flags |= FORMAT_MESSAGE_FROM_HMODULE;
    char* text = nullptr;
    const DWORD length = FormatMessageA(flags, netmsg, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                                        reinterpret_cast<char*>(&text), 0, nullptr);
    std::string result = length > 0 && text ? std::string(text, length) : std::string();
    if (text)
        LocalFree(text);
    if (netmsg)
        FreeLibrary(netmsg);
    return result;
}

static std::string ErrorPrefix(int32_t code)
{
    const std::string text = SysErrorText(static_cast<DWORD>(code));
    return text.empty() ? Format("Error %d", code) : Format("Error %d : %s", code, text.c_str());
}

EExRegistryException::EExRegistryException(int32_t code, const std::string& what)
    : ERegistryException(ErrorPrefix(code) + ":" + what), FErrorCode(code)
{
}

void TExportLines::Flush()
{
    DWORD written = 0;
    if (!FText.empty()
        && (!WriteFile(FFile, FText.data(), static_cast<DWORD>(FText.size()), &written, nullptr) || written != FText.size()))
        throw EFileError(Format(Msg::FileWriteError, FFileName.c_str()));
    FText.clear();
}

void TExportLines::Release(bool discard)
{
    std::string().swap(FText);
    FFile = INVALID_HANDLE_VALUE;
    FFileName.clear();
    if (discard)
        FCount = 0;
}

namespace {

const char* RootKeyName(HKEY root)
{
    static const struct {
        HKEY Key;
        const char* Name;
    } names[] = {
        {HKEY_CLASSES_ROOT, "HKEY_CLASSES_ROOT"},
        {HKEY_CURRENT_USER, "HKEY_CURRENT_USER"},
        {HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE"},
        {HKEY_USERS, "HKEY_USERS"},
        {HKEY_PERFORMANCE_DATA, "HKEY_PERFORMANCE_DATA"},
        {HKEY_CURRENT_CONFIG, "HKEY_CURRENT_CONFIG"},
        {HKEY_DYN_DATA, "HKEY_DYN_DATA"},
    };
    for (const auto& entry : names)
        if (entry.Key == root)
            return entry.Name;
    return "";
}

// "00," .. "ff,": two digits and a comma per byte, stored four bytes at a
// time without formatting calls; byte lists are most of a large export file.
struct THexTable {
    char Pieces[256][4];
    constexpr THexTable() : Pieces()
    {
        constexpr char hex[] = "0123456789abcdef";
        for (int i = 0; i < 256; ++i) {
            Pieces[i][0] = hex[i >> 4];
            Pieces[i][1] = hex[i & 15];
            Pieces[i][2] = ',';
        }
    }
};
constexpr THexTable HexTable;

// The registry editor breaks a byte list once a line has reached this length.
constexpr size_t MaxLineLength = 77;
constexpr DWORD BufferStep = 65536;

// Backslash and quote get a backslash; CR and LF become \r and \n, because a
// raw line break inside quotes ends the line for the importer and loses the
// value.
void AppendEscaped(std::string& out, const char* text, size_t length)
{
    size_t start = 0;
    for (size_t i = 0; i < length; ++i) {
        const char c = text[i];
        const char* escape;
        switch (c) {
        case '\\': escape = "\\\\"; break;
        case '"': escape = "\\\""; break;
        case '\r': escape = "\\r"; break;
        case '\n': escape = "\\n"; break;
        default: continue;
        }
        out.append(text + start, i - start);
        out.append(escape, 2);
        start = i + 1;
    }
    out.append(text + start, length - start);
}

// Appends the bytes as "xx,xx,...,xx" to the line that began at lineStart and
// returns the number of line breaks put in. After a piece with its comma, a line of 77 characters or more is continued
// with a backslash on a new line that starts with two blanks. The last byte
// never gets a break after it: the importer would drop the value and swallow
// the following line.
size_t AppendByteList(std::string& out, size_t lineStart, const BYTE* data, size_t size)
{
    if (size == 0)
        return 0;
    size_t breaks = 0;
    size_t lineLength = out.size() - lineStart;
    const size_t start = out.size();
    // A long name breaks after the first piece, then every 25 pieces; one
    // byte more for the four-byte stores.
    out.resize(start + size * 3 + (size / 25 + 2) * 5 + 1);
    char* p = out.data() + start;
    const BYTE* const last = data + size - 1;
    while (data < last) {
        // The pieces with comma up to the next break (at least one).
        const size_t fit = lineLength + 3 >= MaxLineLength ? 1 : (MaxLineLength - lineLength + 2) / 3;
        const size_t count = std::min<size_t>(fit, static_cast<size_t>(last - data));
        for (const BYTE* end = data + count; data < end; ++data, p += 3)
            std::memcpy(p, HexTable.Pieces[*data], 4);
        lineLength += count * 3;
        if (lineLength >= MaxLineLength) {
            std::memcpy(p, "\\\r\n  ", 5);
            p += 5;
            lineLength = 2;
            ++breaks;
        }
    }
    std::memcpy(p, HexTable.Pieces[*last], 2);
    p += 2;
    out.resize(static_cast<size_t>(p - out.data()));
    return breaks;
}

void AppendDword(std::string& out, const BYTE* data)
{
    const DWORD value = static_cast<DWORD>(data[0]) | static_cast<DWORD>(data[1]) << 8
        | static_cast<DWORD>(data[2]) << 16 | static_cast<DWORD>(data[3]) << 24;
    char digits[8];
    for (int i = 0; i < 8; ++i)
        digits[i] = HexTable.Pieces[(value >> (28 - 4 * i)) & 15][1];
    out.append(digits, 8);
}

// "hex(<type>):". The importer reads the type number as hexadecimal (hex(b)
// is REG_QWORD), so it is written that way; types 0 to 9 look the same in
// either base.
void AppendTypePrefix(std::string& out, DWORD type)
{
    char digits[8];
    int count = 0;
    do {
        digits[count++] = HexTable.Pieces[type & 15][1];
        type >>= 4;
    } while (type != 0);
    out.append("hex(", 4);
    while (count > 0)
        out += digits[--count];
    out.append("):", 2);
}

// Exactly text with one terminating NUL: only such data survives the quoted
// form, which the importer reads up to the quote and ends with one NUL.
bool IsPlainText(const BYTE* data, size_t size)
{
    return size > 0 && data[size - 1] == 0 && std::memchr(data, 0, size - 1) == nullptr;
}

bool HasNul(std::string_view name)
{
    return name.find('\0') != std::string_view::npos;
}

// A name as a comment line shows it: NUL, CR and LF as \0, \r and \n, so
// that the line stays one line and holds no NUL.
void AppendShown(std::string& out, std::string_view name)
{
    for (const char c : name) {
        switch (c) {
        case '\0': out += "\\0"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        default: out += c;
        }
    }
}

std::string KeyTextOf(const char* rootName, std::string_view path)
{
    std::string text = "[";
    text += rootName;
    text += '\\';
    AppendShown(text, path);
    text += ']';
    return text;
}

// A key deleted while the walk reads it is treated as gone: its rest is left
// out like a key that vanished before it could be opened.
bool KeyGone(LONG rc)
{
    return rc == ERROR_KEY_DELETED;
}

} // namespace

// One walk of a branch: the buffers it shares between all keys.
class TRegFileWriter::TWalk {
public:
    explicit TWalk(TRegFileWriter& writer) : FWriter(writer), FData(BufferStep), FValueName(256), FKeyName(256) {}

    // Visits the key at path (the path grows and shrinks with the walk).
    void Visit(UniqueHKey key, std::string& path);

private:
    bool FitBuffers(DWORD maxValueNameLength, DWORD maxDataSize);

    TRegFileWriter& FWriter;
    std::vector<BYTE> FData;
    std::vector<char> FValueName;
    std::vector<char> FKeyName;
};

// The sizes come in UTF-16 units (characters for names, bytes for data); an
// ANSI name may take two bytes per character in a multi-byte code page. The
// data buffer grows in whole steps and keeps one byte to spare. True when a
// buffer grew.
bool TRegFileWriter::TWalk::FitBuffers(DWORD maxValueNameLength, DWORD maxDataSize)
{
    bool grown = false;
    if (maxDataSize >= FData.size()) {
        FData.resize((maxDataSize / BufferStep + 1) * BufferStep);
        grown = true;
    }
    if (maxValueNameLength * 2 + 2 > FValueName.size()) {
        FValueName.resize(maxValueNameLength * 2 + 2);
        grown = true;
    }
    return grown;
}

void TRegFileWriter::TWalk::Visit(UniqueHKey key, std::string& path)
{
    DWORD subKeys = 0, maxSubKeyLength = 0, values = 0, maxValueNameLength = 0, maxDataSize = 0;
    LONG rc = RegQueryInfoKeyA(key.Get(), nullptr, nullptr, nullptr, &subKeys, &maxSubKeyLength, nullptr,
                               &values, &maxValueNameLength, &maxDataSize, nullptr, nullptr);
    if (rc == ERROR_ACCESS_DENIED || KeyGone(rc))
        return;
    if (rc != ERROR_SUCCESS)
        throw EExRegistryException(rc, "Unable to query key info");

    FWriter.Header(nullptr, path);

    if (values > 0) {
        FitBuffers(maxValueNameLength, maxDataSize);
        for (DWORD index = 0; index < values;) {
            DWORD nameLength = static_cast<DWORD>(FValueName.size());
            DWORD type = REG_NONE;
            DWORD size = static_cast<DWORD>(FData.size());
            rc = RegEnumValueA(key.Get(), index, FValueName.data(), &nameLength, nullptr, &type, FData.data(), &size);
            // Values removed since the query simply end the list.
            if (rc == ERROR_NO_MORE_ITEMS || KeyGone(rc))
                break;
            // A value that has grown since the query is read again with
            // buffers for the new sizes.
            if (rc == ERROR_MORE_DATA
                && RegQueryInfoKeyA(key.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                    &maxValueNameLength, &maxDataSize, nullptr, nullptr) == ERROR_SUCCESS
                && FitBuffers(maxValueNameLength, maxDataSize))
                continue;
            if (rc != ERROR_SUCCESS)
                throw EExRegistryException(rc, "Unable to get value info");
            FWriter.Value(std::string_view(FValueName.data(), nameLength), type, FData.data(), size);
            ++index;
        }
    }

    if (maxSubKeyLength * 2 + 2 > FKeyName.size())
        FKeyName.resize(maxSubKeyLength * 2 + 2);
    for (DWORD index = 0; index < subKeys; ++index) {
        DWORD nameLength = static_cast<DWORD>(FKeyName.size());
        rc = RegEnumKeyExA(key.Get(), index, FKeyName.data(), &nameLength, nullptr, nullptr, nullptr, nullptr);
        if (rc == ERROR_NO_MORE_ITEMS || KeyGone(rc))
            break;
        if (rc != ERROR_SUCCESS)
            throw EExRegistryException(rc, "Unable to get key name");
        const std::string_view name(FKeyName.data(), nameLength);
        const size_t keep = path.size();
        if (!path.empty())
            path += '\\';
        path.append(name);
        // Opening by an ANSI name stops at a NUL and would open a sibling
        // with the shorter name; no header could name the key either.
        if (HasNul(name)) {
            FWriter.LeaveOut("Schlüssel " + KeyTextOf(FWriter.FRootName, path) + " mit allem darunter (Name mit NUL-Zeichen)");
            path.resize(keep);
            continue;
        }
        // Opened relative to the parent, which stays open anyway: the
        // system need not resolve the whole path again for every key.
        UniqueHKey sub;
        if (RegOpenKeyExA(key.Get(), FKeyName.data(), 0, KEY_READ, sub.Put()) == ERROR_SUCCESS)
            Visit(std::move(sub), path);
        path.resize(keep);
    }
}

TRegFileWriter::TRegFileWriter(TExportLines& lines, std::string& lastKeyPath)
    : FLines(lines), FOut(lines.Buffer()), FLastKeyPath(lastKeyPath)
{
}

std::string TRegFileWriter::KeyText(HKEY root, std::string_view path)
{
    return KeyTextOf(RootKeyName(root), path);
}

// Every key gets its header, also the first one of a whole root, whose path
// is as empty as LastKeyPath at the start. A null root keeps the root of the
// last header (the walk's keys all share it).
void TRegFileWriter::HeaderLine(HKEY root, const std::string& path, bool deletion)
{
    if (root)
        FRootName = RootKeyName(root);
    FOut.append(deletion ? "\r\n[-" : "\r\n[", deletion ? 4 : 3);
    if (root)
        FRootKey = root;
    FOut.append(FRootName);
    FOut += '\\';
    FOut.append(ClientViewFilePath(FRootKey, path));
    FOut.append("]\r\n", 3);
    FLines.LinesEnded(2);
    FLastKeyPath = path;
    FLines.FlushIfFull();
}

void TRegFileWriter::Header(HKEY root, const std::string& path)
{
    HeaderLine(root, path, false);
}

void TRegFileWriter::KeyDeletion(HKEY root, const std::string& path)
{
    HeaderLine(root, path, true);
}

void TRegFileWriter::Comment(std::string_view text)
{
    FOut.append("; ", 2);
    FOut.append(text);
    FLines.EndLine();
    FLines.FlushIfFull();
}

void TRegFileWriter::LeaveOut(const std::string& what)
{
    Comment("Ausgelassen: " + what);
    FLeftOut.push_back(what);
}

void TRegFileWriter::LeaveOutValue(std::string_view name)
{
    std::string what = "Wert \"";
    AppendShown(what, name);
    LeaveOut(what + "\" in " + KeyTextOf(FRootName, FLastKeyPath) + " (Name mit NUL-Zeichen)");
}

void TRegFileWriter::Value(std::string_view name, DWORD type, const BYTE* data, size_t size)
{
    if (HasNul(name)) {
        LeaveOutValue(name);
        return;
    }
    const size_t lineStart = FOut.size();
    if (name.empty()) {
        FOut.append("@=", 2);
    } else {
        FOut += '"';
        AppendEscaped(FOut, name.data(), name.size());
        FOut.append("\"=", 2);
    }

    if (type == REG_SZ && IsPlainText(data, size)) {
        FOut += '"';
        AppendEscaped(FOut, reinterpret_cast<const char*>(data), size - 1);
        FOut += '"';
    } else if (type == REG_DWORD && size == 4) {
        FOut.append("dword:", 6);
        AppendDword(FOut, data);
    } else {
        // Everything else as a byte list that gives back the same type and
        // bytes: also text with NULs inside or none at its end, and a DWORD
        // of another size.
        if (type == REG_BINARY)
            FOut.append("hex:", 4);
        else
            AppendTypePrefix(FOut, type);
        FLines.LinesEnded(AppendByteList(FOut, lineStart, data, size));
    }
    FLines.EndLine();
    FLines.FlushIfFull();
}

void TRegFileWriter::ValueDeletion(std::string_view name)
{
    if (HasNul(name)) {
        LeaveOutValue(name);
        return;
    }
    if (name.empty()) {
        FOut.append("@=-", 3);
    } else {
        FOut += '"';
        AppendEscaped(FOut, name.data(), name.size());
        FOut.append("\"=-", 3);
    }
    FLines.EndLine();
    FLines.FlushIfFull();
}

void TRegFileWriter::Branch(HKEY root, const std::string& path)
{
    UniqueHKey start;
    // A start key that cannot be opened is left out like any other.
    if (RegOpenKeyExA(root, path.c_str(), 0, InClientView(root, KEY_READ), start.Put()) != ERROR_SUCCESS)
        return;
    FRootName = RootKeyName(root);
    std::string walkPath = path;
    TWalk walk(*this);
    walk.Visit(std::move(start), walkPath);
}

TRegFile::TRegFile(TExportLines& lines, std::string& lastKeyPath) : FLines(lines), FWriter(lines, lastKeyPath) {}

TRegFile::~TRegFile()
{
    // The lines must not keep the handle of a file that is going away.
    FLines.Release(false);
}

void TRegFile::Begin(const std::string& folder, const std::string& fileNameForErrors)
{
    FTemp = std::make_unique<TPendingFile>();
    if (!FTemp->Create(folder))
        throw EFileError(Format(Msg::FileCreateError, fileNameForErrors.c_str()));
    FLines.SetFile(FTemp->Handle(), FTemp->Name());
    FLines.Add("REGEDIT4");
}

void TRegFile::Finish()
{
    FLines.EndLine();
    FLines.Flush();
    if (!FTemp->Close())
        throw EFileError(Format(Msg::FileWriteError, FTemp->Name().c_str()));
}

bool TRegFile::PlaceAs(const std::string& fileName, bool replace)
{
    return FTemp && FTemp->MoveTo(fileName, replace);
}

bool TExRegistry::ExportKey(const std::string& fileName)
{
    FExportLines.Release(true);
    FLeftOut.clear();
    try {
        // The text goes to a temporary file in the target's folder, which
        // replaces the target only when it was written completely.
        TRegFile file(FExportLines, FLastKeyPath);
        file.Begin(ExtractFilePath(fileName), fileName);
        FLastKeyPath.clear();
        file.Writer().Branch(RootKey(), CurrentPath());
        file.Finish();
        if (!file.PlaceAs(fileName, true))
            throw EFileError(Format(Msg::FileCreateError, fileName.c_str()));
        FLeftOut = file.Writer().LeftOut();
        return true;
    } catch (...) {
        FExportLines.Release(true);
        return false;
    }
}
