#include "registry/ExportLines.h"

#include "framework/Exceptions.h"
#include "framework/SysUtils.h"
#include "registry/RegText.h"

void TExportLines::Flush()
{
    const void* bytes = FText.data();
    size_t size = FText.size();
    if (FFormat == TRegFileFormat::Unicode) {
        FWide = WideFromUtf8(FText);
        bytes = FWide.data();
        size = FWide.size() * sizeof(wchar_t);
    }
    DWORD written = 0;
    if (size > 0 && (!WriteFile(FFile, bytes, static_cast<DWORD>(size), &written, nullptr) || written != size))
        throw EFileError(Format(Msg::FileWriteError, FFileName.c_str()));
    FText.clear();
}

void TExportLines::Release(bool discard)
{
    std::string().swap(FText);
    std::wstring().swap(FWide);
    FFile = INVALID_HANDLE_VALUE;
    FFileName.clear();
    if (discard)
        FCount = 0;
}
