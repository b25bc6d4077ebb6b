#include "registry/RegFileWriter.h"

#include "framework/Registry.h"
#include "registry/RegHelpers.h"
#include "registry/RegText.h"

#include <algorithm>
#include <cstring>

namespace {

const char* const NulReason = "(Name mit NUL-Zeichen)";
const char* const BreakReason = "(Name mit Zeilenumbruch)";
const char* const CodePageReason = "(Name mit Zeichen außerhalb der Codepage)";

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
// returns the number of line breaks put in. After a piece with its comma, a
// line of 77 characters or more is continued with a backslash on a new line
// that starts with two blanks. The last byte never gets a break after it: the
// importer would drop the value and swallow the following line.
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
// form, which the importer reads up to the quote and ends with one NUL. In
// the Unicode format the text and its NUL are UTF-16 units.
bool IsPlainText(const BYTE* data, size_t size, size_t unit)
{
    if (unit == 1)
        return size > 0 && data[size - 1] == 0 && std::memchr(data, 0, size - 1) == nullptr;
    if (size < unit || size % unit != 0)
        return false;
    for (size_t i = 0; i < size; i += unit)
        if (data[i] == 0 && data[i + 1] == 0)
            return i == size - unit;
    return false;
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

std::string KeyTextOf(const char* rootName, std::string_view shownPath)
{
    return std::string("[") + rootName + "\\" + std::string(shownPath) + "]";
}

// Why a key path cannot stand in a header, or null when it can.
const char* HeaderUnfit(std::string_view path)
{
    if (path.find('\0') != std::string_view::npos)
        return NulReason;
    if (path.find_first_of("\r\n") != std::string_view::npos)
        return BreakReason;
    return nullptr;
}

} // namespace

TRegFileWriter::TRegFileWriter(TExportLines& lines, std::string& lastKeyPath, TRegFileFormat format)
    : FLines(lines), FOut(lines.Buffer()), FLastKeyPath(lastKeyPath), FFormat(format)
{
}

std::string TRegFileWriter::KeyText(HKEY root, std::string_view path)
{
    std::string shown;
    AppendShown(shown, path);
    return KeyTextOf(RootKeyName(root), shown);
}

std::string TRegFileWriter::FileText(std::string_view programText) const
{
    if (FFormat == TRegFileFormat::Regedit4)
        return std::string(programText);
    return Utf8FromWide(WidenCodePage(programText));
}

std::string TRegFileWriter::Shown(std::string_view fileText) const
{
    if (FFormat == TRegFileFormat::Unicode)
        return ShownName(WideFromUtf8(fileText), true);
    std::string shown;
    AppendShown(shown, fileText);
    return shown;
}

void TRegFileWriter::LeaveOutKey(std::string_view path, const char* reason, bool withAllBelow)
{
    LeaveOut("Schlüssel " + KeyTextOf(FRootName, Shown(path)) + (withAllBelow ? " mit allem darunter " : " ") + reason);
}

// Every key gets its header, also the first one of a whole root, whose path
// is as empty as LastKeyPath at the start. A null root keeps the root of the
// last header (the walk's keys all share it). The path is in the buffer's form.
bool TRegFileWriter::HeaderLine(HKEY root, const std::string& path, bool deletion)
{
    if (root) {
        FRootName = RootKeyName(root);
        FRootKey = root;
    }
    if (const char* reason = HeaderUnfit(path)) {
        FSectionOpen = false;
        LeaveOutKey(path, reason, deletion);
        return false;
    }
    FOut.append(deletion ? "\r\n[-" : "\r\n[", deletion ? 4 : 3);
    FOut.append(FRootName);
    FOut += '\\';
    FOut.append(ClientViewFilePath(FRootKey, path));
    FOut.append("]\r\n", 3);
    FLines.LinesEnded(2);
    FLastKeyPath = path;
    FSectionOpen = !deletion;
    FLines.FlushIfFull();
    return true;
}

bool TRegFileWriter::Header(HKEY root, const std::string& path)
{
    return HeaderLine(root, FileText(path), false);
}

bool TRegFileWriter::KeyDeletion(HKEY root, const std::string& path)
{
    return HeaderLine(root, FileText(path), true);
}

void TRegFileWriter::Comment(std::string_view text)
{
    // One comment line per line of the text: a line break would end the
    // comment and make the rest a line of the file.
    size_t start = 0;
    do {
        const size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        std::string line;
        AppendShown(line, text.substr(start, end - start));
        FOut.append("; ", 2);
        FOut.append(FileText(line));
        FLines.EndLine();
        start = text.find_first_not_of("\r\n", end);
    } while (start != std::string_view::npos);
    FLines.FlushIfFull();
}

void TRegFileWriter::LeaveOut(const std::string& what)
{
    Comment("Ausgelassen: " + what);
    FLeftOut.push_back(what);
}

// False, after a comment, when the name cannot be written (reason set) or
// there is no section to write it into (the key was left out already).
bool TRegFileWriter::ValueNameFits(std::string_view name, const char* reason)
{
    if (!reason && name.find('\0') != std::string_view::npos)
        reason = NulReason;
    if (reason && FSectionOpen)
        LeaveOut("Wert \"" + Shown(name) + "\" in " + KeyTextOf(FRootName, Shown(FLastKeyPath)) + " " + reason);
    return !reason && FSectionOpen;
}

void TRegFileWriter::Value(std::string_view name, DWORD type, const BYTE* data, size_t size)
{
    if (FFormat == TRegFileFormat::Regedit4) {
        PutValue(name, type, data, size);
        return;
    }
    PutValue(FileText(name), type, data, size);
}

void TRegFileWriter::Value(std::wstring_view name, DWORD type, const BYTE* data, size_t size)
{
    if (FFormat == TRegFileFormat::Unicode) {
        PutValue(Utf8FromWide(name), type, data, size);
        return;
    }
    if (const auto narrow = NarrowExact(name))
        PutValue(*narrow, type, data, size);
    else
        ValueNameFits(ShownName(name), CodePageReason);
}

void TRegFileWriter::ValueDeletion(std::string_view name)
{
    PutValueDeletion(FFormat == TRegFileFormat::Regedit4 ? std::string(name) : FileText(name));
}

void TRegFileWriter::ValueDeletion(std::wstring_view name)
{
    if (FFormat == TRegFileFormat::Unicode) {
        PutValueDeletion(Utf8FromWide(name));
        return;
    }
    if (const auto narrow = NarrowExact(name))
        PutValueDeletion(*narrow);
    else
        ValueNameFits(ShownName(name), CodePageReason);
}

void TRegFileWriter::PutValue(std::string_view name, DWORD type, const BYTE* data, size_t size)
{
    if (!ValueNameFits(name, nullptr))
        return;
    const size_t lineStart = FOut.size();
    if (name.empty()) {
        FOut.append("@=", 2);
    } else {
        FOut += '"';
        AppendEscaped(FOut, name.data(), name.size());
        FOut.append("\"=", 2);
    }

    const size_t unit = FFormat == TRegFileFormat::Unicode ? sizeof(wchar_t) : 1;
    if (type == REG_SZ && IsPlainText(data, size, unit)) {
        FOut += '"';
        if (unit == 1) {
            AppendEscaped(FOut, reinterpret_cast<const char*>(data), size - 1);
        } else {
            std::wstring text(size / unit - 1, L'\0');
            std::memcpy(text.data(), data, size - unit);
            const std::string utf8 = Utf8FromWide(text);
            AppendEscaped(FOut, utf8.data(), utf8.size());
        }
        FOut += '"';
    } else if (type == REG_DWORD && size == 4) {
        FOut.append("dword:", 6);
        AppendDword(FOut, data);
    } else {
        // Everything else as a byte list that gives back the same type and
        // bytes: also text with NULs inside or none at its end, and a DWORD
        // of another size. In the Unicode format the text of hex(2) and
        // hex(7) is UTF-16, as the wide calls read it.
        if (type == REG_BINARY)
            FOut.append("hex:", 4);
        else
            AppendTypePrefix(FOut, type);
        FLines.LinesEnded(AppendByteList(FOut, lineStart, data, size));
    }
    FLines.EndLine();
    FLines.FlushIfFull();
}

void TRegFileWriter::PutValueDeletion(std::string_view name)
{
    if (!ValueNameFits(name, nullptr))
        return;
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
