#include "registry/RegText.h"

#include <windows.h>

namespace {

constexpr UINT CodePage = 1252;

} // namespace

std::wstring WidenCodePage(std::string_view text)
{
    std::wstring wide(text.size(), L'\0');
    if (!text.empty())
        wide.resize(static_cast<size_t>(MultiByteToWideChar(CodePage, 0, text.data(), static_cast<int>(text.size()),
                                                            wide.data(), static_cast<int>(wide.size()))));
    return wide;
}

std::optional<std::string> NarrowExact(std::wstring_view text)
{
    std::string narrow(text.size() * 2, '\0');
    BOOL usedDefault = FALSE;
    if (!text.empty())
        narrow.resize(static_cast<size_t>(WideCharToMultiByte(CodePage, WC_NO_BEST_FIT_CHARS, text.data(),
                                                              static_cast<int>(text.size()), narrow.data(),
                                                              static_cast<int>(narrow.size()), nullptr, &usedDefault)));
    if (usedDefault || (narrow.empty() && !text.empty()))
        return std::nullopt;
    return narrow;
}

std::string ShownName(std::wstring_view text, bool lineBreaks)
{
    std::string shown;
    for (size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (c == L'\0') {
            shown += "\\0";
        } else if (lineBreaks && (c == L'\r' || c == L'\n')) {
            shown += c == L'\r' ? "\\r" : "\\n";
        } else {
            // A surrogate pair is one character and one "?".
            const bool pair = c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000;
            const std::optional<std::string> narrow = pair ? std::nullopt : NarrowExact(text.substr(i, 1));
            shown += narrow ? *narrow : "?";
            i += pair ? 1 : 0;
        }
    }
    return shown;
}

// UTF-8 with surrogates that have no partner encoded like any other code
// unit below 0x10000 (three bytes), as the decoder below reads them back.
std::string Utf8FromWide(std::wstring_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned long c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<unsigned long>(text[++i]) - 0xDC00);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | c >> 6);
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | c >> 12);
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | c >> 18);
            out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// Reads only what Utf8FromWide writes.
std::wstring WideFromUtf8(std::string_view text)
{
    std::wstring out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const auto byte = [&](size_t k) { return static_cast<unsigned long>(static_cast<unsigned char>(text[i + k])); };
        const unsigned long lead = byte(0);
        const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (i + length > text.size())
            break;
        unsigned long c = lead;
        if (length == 2)
            c = (lead & 0x1F) << 6 | (byte(1) & 0x3F);
        else if (length == 3)
            c = (lead & 0x0F) << 12 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F);
        else if (length == 4)
            c = (lead & 0x07) << 18 | (byte(1) & 0x3F) << 12 | (byte(2) & 0x3F) << 6 | (byte(3) & 0x3F);
        if (c >= 0x10000) {
            out += static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out += static_cast<wchar_t>(c);
        }
        i += length;
    }
    return out;
}
