#include "settings/RegFileReader.h"

#include "framework/GdiHandles.h"
#include "framework/SysUtils.h"

#include <cwctype>

namespace {

constexpr wchar_t kUnicodeHeader[] = L"Windows Registry Editor Version 5.00";
constexpr wchar_t kAnsiHeader[] = L"REGEDIT4";

[[noreturn]] void Fail(int line, const std::string& what)
{
    throw ERegFileError("Zeile " + std::to_string(line) + ": " + what);
}

std::wstring FromCodePage(const char* bytes, size_t size)
{
    if (size == 0)
        return {};
    std::wstring wide(size, L'\0');
    wide.resize(static_cast<size_t>(
        MultiByteToWideChar(CP_ACP, 0, bytes, static_cast<int>(size), wide.data(), static_cast<int>(size))));
    return wide;
}

// The file as text, and whether it is in the Unicode format.
std::wstring Decode(const std::string& bytes, bool& unicode)
{
    unicode = bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
              static_cast<unsigned char>(bytes[1]) == 0xFE;
    if (!unicode)
        return FromCodePage(bytes.data(), bytes.size());
    if (bytes.size() % 2 != 0)
        throw ERegFileError("Die Datei ist unvollständig: ihr letztes Zeichen ist abgeschnitten.");
    std::wstring text((bytes.size() - 2) / 2, L'\0');
    for (size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[2 + 2 * i]) |
                                       static_cast<unsigned char>(bytes[3 + 2 * i]) << 8);
    return text;
}

std::vector<std::wstring> Lines(const std::wstring& text)
{
    std::vector<std::wstring> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(L'\n', start);
        std::wstring line = text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
        if (!line.empty() && line.back() == L'\r')
            line.pop_back();
        lines.push_back(std::move(line));
        if (end == std::wstring::npos)
            break;
        start = end + 1;
    }
    return lines;
}

std::wstring Trim(const std::wstring& s)
{
    const size_t first = s.find_first_not_of(L" \t");
    if (first == std::wstring::npos)
        return {};
    return s.substr(first, s.find_last_not_of(L" \t") - first + 1);
}

std::string Shown(const std::wstring& text)
{
    std::string out;
    for (wchar_t c : text.substr(0, 60))
        out += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
    return text.size() > 60 ? out + "..." : out;
}

// A quoted text from pos (at the opening quote); pos ends after the closing one.
std::wstring Quoted(const std::wstring& line, size_t& pos, int number)
{
    std::wstring text;
    for (++pos; pos < line.size(); ++pos) {
        const wchar_t c = line[pos];
        if (c == L'"') {
            ++pos;
            return text;
        }
        if (c != L'\\') {
            text += c;
            continue;
        }
        if (++pos >= line.size())
            break;
        switch (line[pos]) {
        case L'\\': text += L'\\'; break;
        case L'"': text += L'"'; break;
        case L'r': text += L'\r'; break;
        case L'n': text += L'\n'; break;
        default: Fail(number, "unbekannte Schreibweise \"\\" + Shown(std::wstring(1, line[pos])) + "\" in Anführungszeichen");
        }
    }
    Fail(number, "das schließende Anführungszeichen fehlt");
}

std::vector<BYTE> TextBytes(const std::wstring& text)
{
    std::vector<BYTE> bytes;
    for (wchar_t c : text) {
        bytes.push_back(static_cast<BYTE>(c & 0xFF));
        bytes.push_back(static_cast<BYTE>(c >> 8));
    }
    return bytes;
}

int HexDigit(wchar_t c)
{
    if (c >= L'0' && c <= L'9')
        return c - L'0';
    if (c >= L'a' && c <= L'f')
        return c - L'a' + 10;
    if (c >= L'A' && c <= L'F')
        return c - L'A' + 10;
    return -1;
}

std::vector<BYTE> ByteList(const std::wstring& list, int number)
{
    std::vector<BYTE> bytes;
    const std::wstring trimmed = Trim(list);
    if (trimmed.empty())
        return bytes;
    size_t pos = 0;
    for (;;) {
        while (pos < trimmed.size() && trimmed[pos] == L' ')
            ++pos;
        if (pos + 2 > trimmed.size() || HexDigit(trimmed[pos]) < 0 || HexDigit(trimmed[pos + 1]) < 0)
            Fail(number, "ungültige Byte-Liste");
        bytes.push_back(static_cast<BYTE>(HexDigit(trimmed[pos]) * 16 + HexDigit(trimmed[pos + 1])));
        pos += 2;
        while (pos < trimmed.size() && trimmed[pos] == L' ')
            ++pos;
        if (pos == trimmed.size())
            return bytes;
        if (trimmed[pos] != L',')
            Fail(number, "ungültige Byte-Liste");
        ++pos;
    }
}

bool StartsWith(const std::wstring& s, size_t pos, const wchar_t* prefix)
{
    return s.compare(pos, wcslen(prefix), prefix) == 0;
}

// The data after "=": its type and bytes as the wide calls take them.
void ParseData(const std::wstring& data, bool unicode, TRegFileValue& value, int number)
{
    if (data == L"-") {
        value.Delete = true;
        return;
    }
    if (!data.empty() && data.front() == L'"') {
        size_t pos = 0;
        const std::wstring text = Quoted(data, pos, number);
        if (!Trim(data.substr(pos)).empty())
            Fail(number, "Text nach dem schließenden Anführungszeichen");
        value.Type = REG_SZ;
        value.Data = TextBytes(text + L'\0');
        return;
    }
    if (StartsWith(data, 0, L"dword:")) {
        const std::wstring digits = Trim(data.substr(6));
        if (digits.empty() || digits.size() > 8)
            Fail(number, "ungültiger DWORD-Wert");
        DWORD number32 = 0;
        for (wchar_t c : digits) {
            if (HexDigit(c) < 0)
                Fail(number, "ungültiger DWORD-Wert");
            number32 = number32 * 16 + static_cast<DWORD>(HexDigit(c));
        }
        value.Type = REG_DWORD;
        value.Data = {static_cast<BYTE>(number32), static_cast<BYTE>(number32 >> 8), static_cast<BYTE>(number32 >> 16),
                      static_cast<BYTE>(number32 >> 24)};
        return;
    }
    size_t listStart = 0;
    if (StartsWith(data, 0, L"hex:")) {
        value.Type = REG_BINARY;
        listStart = 4;
    } else if (StartsWith(data, 0, L"hex(")) {
        const size_t close = data.find(L"):", 4);
        if (close == std::wstring::npos || close == 4 || close > 12)
            Fail(number, "ungültiger Typ in \"hex(...)\"");
        DWORD type = 0;
        for (size_t i = 4; i < close; ++i) {
            if (HexDigit(data[i]) < 0)
                Fail(number, "ungültiger Typ in \"hex(...)\"");
            type = type * 16 + static_cast<DWORD>(HexDigit(data[i]));
        }
        value.Type = type;
        listStart = close + 2;
    } else {
        Fail(number, "unbekannte Art von Wert: " + Shown(data));
    }
    value.Data = ByteList(data.substr(listStart), number);
    // In REGEDIT4 the texts of these types are code-page bytes.
    if (!unicode && (value.Type == REG_SZ || value.Type == REG_EXPAND_SZ || value.Type == REG_MULTI_SZ))
        value.Data = TextBytes(FromCodePage(reinterpret_cast<const char*>(value.Data.data()), value.Data.size()));
}

} // namespace

HKEY RootKeyNamed(const std::wstring& name)
{
    static const struct {
        const wchar_t* name;
        HKEY key;
    } kRoots[] = {
        {L"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE}, {L"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
        {L"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},   {L"HKEY_USERS", HKEY_USERS},
        {L"HKEY_CURRENT_CONFIG", HKEY_CURRENT_CONFIG},
    };
    for (const auto& root : kRoots)
        if (name == root.name)
            return root.key;
    return nullptr;
}

TRegFileContent ReadRegFileText(const std::string& bytes)
{
    TRegFileContent content;
    const std::vector<std::wstring> lines = Lines(Decode(bytes, content.Unicode));
    const std::wstring header = lines.empty() ? std::wstring() : Trim(lines[0]);
    if (header != (content.Unicode ? kUnicodeHeader : kAnsiHeader))
        throw ERegFileError("Dies ist keine Registrierungsdatei: die Kopfzeile \"REGEDIT4\" oder \"Windows Registry "
                            "Editor Version 5.00\" fehlt.");
    TRegFileKey* key = nullptr;
    for (size_t i = 1; i < lines.size(); ++i) {
        const int number = static_cast<int>(i + 1);
        std::wstring line = Trim(lines[i]);
        if (line.empty())
            continue;
        if (line.front() == L';') {
            content.Comments.push_back(line.substr(1));
            continue;
        }
        if (line.front() == L'[') {
            if (line.back() != L']')
                Fail(number, "die Zeile eines Schlüssels endet nicht mit \"]\"");
            std::wstring name = line.substr(1, line.size() - 2);
            const bool deletion = !name.empty() && name.front() == L'-';
            if (deletion)
                name.erase(0, 1);
            const size_t slash = name.find(L'\\');
            const HKEY root = RootKeyNamed(name.substr(0, slash));
            if (!root)
                Fail(number, "unbekannter Hauptschlüssel in \"" + Shown(name) + "\"");
            content.Keys.push_back({root, slash == std::wstring::npos ? std::wstring() : name.substr(slash + 1),
                                    deletion, number, {}});
            key = deletion ? nullptr : &content.Keys.back();
            continue;
        }
        if (line.front() != L'"' && line.front() != L'@')
            Fail(number, "nicht verstanden: " + Shown(line));
        if (!key)
            Fail(number, "ein Wert ohne Schlüssel davor");
        // A byte list goes on over lines ending in a backslash.
        while (line.back() == L'\\' && i + 1 < lines.size())
            line = line.substr(0, line.size() - 1) + Trim(lines[++i]);
        TRegFileValue value;
        size_t pos = 1;
        if (line.front() == L'"') {
            pos = 0;
            value.Name = Quoted(line, pos, number);
        }
        if (pos >= line.size() || line[pos] != L'=')
            Fail(number, "das \"=\" nach dem Namen fehlt");
        ParseData(Trim(line.substr(pos + 1)), content.Unicode, value, number);
        key->Values.push_back(std::move(value));
    }
    return content;
}

TRegFileContent ReadRegFile(const std::string& fileName)
{
    const UniqueFile file(CreateFileA(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        throw EFileError("Die Datei \"" + fileName + "\" kann nicht gelesen werden.");
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    return ReadRegFileText(bytes);
}
