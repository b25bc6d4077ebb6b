#include "app/VersionInfo.h"

#include "framework/SysUtils.h"

#include <cstring>

TVersionInfo::TVersionInfo(const std::string& fileName) : FFileName(fileName)
{
    FSize = static_cast<int>(GetFileVersionInfoSizeA(FFileName.c_str(), &FHandle));
    if (FSize <= 0)
        return;
    FBuffer.resize(static_cast<size_t>(FSize));
    FValid = GetFileVersionInfoA(FFileName.c_str(), FHandle, static_cast<DWORD>(FSize), FBuffer.data()) != FALSE;
}

const void* TVersionInfo::Query(const std::string& subBlock, UINT& length) const
{
    length = 0;
    if (!FValid)
        return nullptr;
    void* data = nullptr;
    // VerQueryValueA converts text entries into spare room of the buffer it
    // is given, so the buffer is not really read-only to it.
    if (!VerQueryValueA(const_cast<BYTE*>(FBuffer.data()), subBlock.c_str(), &data, &length) || !data)
        return nullptr;
    return data;
}

std::string TVersionInfo::GetTranslation() const
{
    UINT length = 0;
    const void* data = Query("\\VarFileInfo\\Translation", length);
    if (!data || length < 2 * sizeof(WORD))
        return {};
    WORD pair[2];
    std::memcpy(pair, data, sizeof pair);
    return Format("%.4X%.4X", pair[0], pair[1]);
}

std::string TVersionInfo::GetStringValue(const std::string& key) const
{
    const std::string translation = GetTranslation();
    if (translation.empty())
        return {};
    UINT length = 0;
    const char* text = static_cast<const char*>(Query("\\StringFileInfo\\" + translation + "\\" + key, length));
    if (!text)
        return {};
    // The length may count the terminating zero (or zeros put in by the
    // resource script); the text ends at the first one.
    return std::string(text, strnlen(text, length));
}

std::string TVersionInfo::GetFileVersion() const
{
    std::string version = GetStringValue("FileVersion");
    if (!version.empty() || !FValid)
        return version;
    UINT length = 0;
    const void* data = Query("\\", length);
    if (!data || length < sizeof(VS_FIXEDFILEINFO))
        return {};
    VS_FIXEDFILEINFO fixed;
    std::memcpy(&fixed, data, sizeof fixed);
    return Format("%d.%d.%d.%d", HIWORD(fixed.dwFileVersionMS), LOWORD(fixed.dwFileVersionMS),
                  HIWORD(fixed.dwFileVersionLS), LOWORD(fixed.dwFileVersionLS));
}
