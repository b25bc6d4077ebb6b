#include "registry/unitEXRegistry.h"

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

// One walk of ExportKey: the shared buffers and the lines being written.
class TExportWalk {
public:
    TExportWalk(HKEY root, TExportLines& lines, std::string& lastKeyPath)
        : FRootName(RootKeyName(root)), FLines(lines), FOut(lines.Buffer()), FLastKeyPath(lastKeyPath),
          FData(BufferStep), FValueName(256), FKeyName(256)
    {
    }

    // Visits the key at path (the path grows and shrinks with the walk).
    void Visit(UniqueHKey key, std::string& path);

private:
    bool FitBuffers(DWORD maxValueNameLength, DWORD maxDataSize);
    void WriteHeader(const std::string& path);
    void WriteValue(const char* name, size_t nameLength, DWORD type, const BYTE* data, size_t size);

    const char* FRootName;
    TExportLines& FLines;
    std::string& FOut;
    std::string& FLastKeyPath;
    std::vector<BYTE> FData;
    std::vector<char> FValueName;
    std::vector<char> FKeyName;
};

// The sizes come in UTF-16 units (characters for names, bytes for data); an
// ANSI name may take two bytes per character in a multi-byte code page. The
// data buffer grows in whole steps and keeps one byte to spare. True when a
// buffer grew.
bool TExportWalk::FitBuffers(DWORD maxValueNameLength, DWORD maxDataSize)
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

// A key deleted while the walk reads it is treated as gone: its rest is left
// out like a key that vanished before it could be opened.
bool KeyGone(LONG rc)
{
    return rc == ERROR_KEY_DELETED;
}

void TExportWalk::Visit(UniqueHKey key, std::string& path)
{
    DWORD subKeys = 0, maxSubKeyLength = 0, values = 0, maxValueNameLength = 0, maxDataSize = 0;
    LONG rc = RegQueryInfoKeyA(key.Get(), nullptr, nullptr, nullptr, &subKeys, &maxSubKeyLength, nullptr,
                               &values, &maxValueNameLength, &maxDataSize, nullptr, nullptr);
    if (rc == ERROR_ACCESS_DENIED || KeyGone(rc))
        return;
    if (rc != ERROR_SUCCESS)
        throw EExRegistryException(rc, "Unable to query key info");

    WriteHeader(path);

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
            WriteValue(FValueName.data(), nameLength, type, FData.data(), size);
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
        // Opened relative to the parent, which stays open anyway: the
        // system need not resolve the whole path again for every key.
        UniqueHKey sub;
        if (RegOpenKeyExA(key.Get(), FKeyName.data(), 0, KEY_READ, sub.Put()) != ERROR_SUCCESS)
            continue;
        const size_t keep = path.size();
        if (!path.empty())
            path += '\\';
        path.append(FKeyName.data(), nameLength);
        Visit(std::move(sub), path);
        path.resize(keep);
    }
}

// Every key is visited once, so every visit writes its header, also the
// first one of a whole root, whose path is as empty as LastKeyPath at the
// start.
void TExportWalk::WriteHeader(const std::string& path)
{
    FOut.append("\r\n[", 3);
    FOut.append(FRootName);
    FOut += '\\';
    FOut.append(path);
    FOut.append("]\r\n", 3);
    FLines.LinesEnded(2);
    FLastKeyPath = path;
    FLines.FlushIfFull();
}

void TExportWalk::WriteValue(const char* name, size_t nameLength, DWORD type, const BYTE* data, size_t size)
{
    const size_t lineStart = FOut.size();
    if (nameLength == 0) {
        FOut.append("@=", 2);
    } else {
        FOut += '"';
        AppendEscaped(FOut, name, nameLength);
        FOut.append("\"=", 2);
    }

    if (type == REG_SZ) {
        const void* nul = std::memchr(data, 0, size);
        const size_t length = nul ? static_cast<size_t>(static_cast<const BYTE*>(nul) - data) : size;
        FOut += '"';
        AppendEscaped(FOut, reinterpret_cast<const char*>(data), length);
        FOut += '"';
    } else if (type == REG_DWORD && size == 4) {
        FOut.append("dword:", 6);
        AppendDword(FOut, data);
    } else {
        // Everything else, also a DWORD of another size, as a byte list that
        // gives back the same type and bytes.
        if (type == REG_BINARY)
            FOut.append("hex:", 4);
        else
            AppendTypePrefix(FOut, type);
        FLines.LinesEnded(AppendByteList(FOut, lineStart, data, size));
    }
    FLines.EndLine();
    FLines.FlushIfFull();
}

// Creates dir\zvx????.tmp; false when the folder does not exist or cannot
// be written.
bool MakeTempFileBeside(const std::string& fileName, std::string& tempName)
{
    const std::string path = ExtractFilePath(fileName);
    const std::string dir = path.empty() ? std::string(".") : path;
    char buffer[MAX_PATH + 16];
    if (GetTempFileNameA(dir.c_str(), "zvx", 0, buffer) == 0)
        return false;
    tempName = buffer;
    return true;
}

// The temporary file of an export: deleted unless it was put in place.
class TTempFile {
public:
    ~TTempFile()
    {
        Close();
        if (!FName.empty())
            DeleteFileA(FName.c_str());
    }
    bool Create(const std::string& beside)
    {
        if (!MakeTempFileBeside(beside, FName))
            return false;
        FHandle = CreateFileA(FName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        return FHandle != INVALID_HANDLE_VALUE;
    }
    HANDLE Handle() const { return FHandle; }
    const std::string& Name() const { return FName; }
    bool Close()
    {
        const bool ok = FHandle == INVALID_HANDLE_VALUE || CloseHandle(FHandle);
        FHandle = INVALID_HANDLE_VALUE;
        return ok;
    }
    bool MoveTo(const std::string& fileName)
    {
        if (!MoveFileExA(FName.c_str(), fileName.c_str(), MOVEFILE_REPLACE_EXISTING))
            return false;
        FName.clear();
        return true;
    }

private:
    std::string FName;
    HANDLE FHandle = INVALID_HANDLE_VALUE;
};

} // namespace

bool TExRegistry::ExportKey(const std::string& fileName)
{
    FExportLines.Release(true);
    try {
        // The text goes to a temporary file in the target's folder, which
        // replaces the target only when it was written completely.
        TTempFile file;
        if (!file.Create(fileName))
            throw EFileError(Format(Msg::FileCreateError, fileName.c_str()));
        FExportLines.SetFile(file.Handle(), file.Name());
        FExportLines.Add("REGEDIT4");
        FLastKeyPath.clear();
        std::string path = CurrentPath();
        UniqueHKey start;
        // A start key that cannot be opened is left out like any other.
        if (RegOpenKeyExA(RootKey(), path.c_str(), 0, InClientView(RootKey(), KEY_READ), start.Put()) == ERROR_SUCCESS) {
            TExportWalk walk(RootKey(), FExportLines, FLastKeyPath);
            walk.Visit(std::move(start), path);
        }
        FExportLines.EndLine();
        FExportLines.Flush();
        if (!file.Close() || !file.MoveTo(fileName))
            throw EFileError(Format(Msg::FileCreateError, fileName.c_str()));
        FExportLines.Release(false);
        return true;
    } catch (...) {
        FExportLines.Release(true);
        return false;
    }
}
