#include "framework/FileWrite.h"

#include "framework/Exceptions.h"
#include "framework/SysUtils.h"

TPendingFile::~TPendingFile()
{
    Close();
    if (!FName.empty())
        DeleteFileA(FName.c_str());
}

bool TPendingFile::Create(const std::string& folder)
{
    char buffer[MAX_PATH + 16];
    if (GetTempFileNameA(folder.empty() ? "." : folder.c_str(), "zvx", 0, buffer) == 0)
        return false;
    FName = buffer;
    FHandle = CreateFileA(FName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    return FHandle != INVALID_HANDLE_VALUE;
}

bool TPendingFile::Write(const std::string& bytes)
{
    DWORD written = 0;
    return bytes.empty() ||
           (WriteFile(FHandle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
            written == bytes.size());
}

bool TPendingFile::Close()
{
    const bool ok = FHandle == INVALID_HANDLE_VALUE || CloseHandle(FHandle);
    FHandle = INVALID_HANDLE_VALUE;
    return ok;
}

bool TPendingFile::MoveTo(const std::string& fileName, bool replace)
{
    if (!MoveFileExA(FName.c_str(), fileName.c_str(), replace ? MOVEFILE_REPLACE_EXISTING : 0))
        return false;
    FName.clear();
    return true;
}

void WriteWholeFile(const std::string& fileName, const std::string& bytes)
{
    TPendingFile file;
    if (!file.Create(ExtractFilePath(fileName)))
        throw EFileError(Format(Msg::FileCreateError, fileName.c_str()));
    if (!file.Write(bytes) || !file.Close())
        throw EFileError(Format(Msg::FileWriteError, fileName.c_str()));
    if (!file.MoveTo(fileName, true))
        throw EFileError(Format(Msg::FileCreateError, fileName.c_str()));
}
