// Text between the program's code page (1252) and UTF-16, in which the
// registry stores every name and string. Registry files in the Unicode format
// are built as UTF-8 and become UTF-16 only on their way into the file; the
// UTF-8 here also carries a lone surrogate (a name may hold one), so that
// every UTF-16 text comes back unit for unit.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Every byte of code-page text as its UTF-16 character; NULs stay.
std::wstring WidenCodePage(std::string_view text);

// The text in the code page, or none when it holds a character the code page
// lacks (the system's best-fit replacements, like "L" for "Ł", do not count).
std::optional<std::string> NarrowExact(std::wstring_view text);

// The text for display in the code page: a NUL as "\0", a character the code
// page lacks as "?"; with lineBreaks also CR and LF as "\r" and "\n", so that
// it stays on one line.
std::string ShownName(std::wstring_view text, bool lineBreaks = false);

std::string Utf8FromWide(std::wstring_view text);
std::wstring WideFromUtf8(std::string_view text);
