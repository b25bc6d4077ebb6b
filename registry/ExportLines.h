// The lines of a registry file on their way into the file.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <string_view>

enum class TRegFileFormat {
    // "REGEDIT4": text in the code page, as the export button writes it.
    Regedit4,
    // "Windows Registry Editor Version 5.00": UTF-16LE with a byte-order
    // mark, which carries every name and text as the registry stores it.
    Unicode,
};

// The lines collect in one buffer that goes to the file whenever it holds a
// mebibyte: a large branch gives tens of megabytes of text, and a buffer that
// is reused while it is warm costs less than one that grows to the whole file
// (measured under Wine: 40 ms against 90 ms for 13 MB). For the Unicode
// format the buffer holds UTF-8 (see RegText.h), which becomes UTF-16 as it
// goes to the file; it is only ever flushed after a whole line.
class TExportLines {
public:
    TExportLines() = default;
    TExportLines(const TExportLines&) = delete;
    TExportLines& operator=(const TExportLines&) = delete;

    void Add(std::string_view line) { Append(line); EndLine(); }
    // Building a line piece by piece; lines ended inside the text are
    // counted with LinesEnded.
    void Append(std::string_view text) { FText.append(text); }
    void EndLine() { FText.append("\r\n", 2); ++FCount; }
    void LinesEnded(size_t count) { FCount += count; }
    std::string& Buffer() { return FText; }

    // Lines of the export so far, in the file or still in the buffer.
    size_t Count() const { return FCount; }

    // The file the buffer goes to; Flush raises EFileError when it cannot
    // be written.
    void SetFile(HANDLE file, const std::string& name, TRegFileFormat format = TRegFileFormat::Regedit4)
    {
        FFile = file;
        FFileName = name;
        FFormat = format;
    }
    void FlushIfFull()
    {
        if (FText.size() >= ChunkSize)
            Flush();
    }
    void Flush();
    // Frees the buffer; with discard also forgets the count.
    void Release(bool discard);

private:
    static constexpr size_t ChunkSize = 1 << 20;
    std::string FText;
    std::wstring FWide;
    size_t FCount = 0;
    HANDLE FFile = INVALID_HANDLE_VALUE;
    std::string FFileName;
    TRegFileFormat FFormat = TRegFileFormat::Regedit4;
};
