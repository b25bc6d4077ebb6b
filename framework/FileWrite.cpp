#include "framework/FileWrite.h"

#include "framework/Exceptions.h"
#include "framework/SysUtils.h"

#include <windows.h>

namespace {

// The temporary file: deleted unless it was moved into place.
class TPendingFile {
public:
    ~TPendingFile()
    {
        Close();
        if (!FName.empty())
            DeleteFileA(FName.c_str());
    }
    bool Create(const std::string& beside)
    {
        const std::string path = ExtractFilePath(beside);
        char buffer[MAX_PATH + 16];
        if (GetTempFileNameA(path.empty() ? "." : path.c_str(), "zvt", 0, buffer) == 0)
            return false;
        FName = buffer;
        FHandle = CreateFileA(FName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        return FHandle != INVALID_HANDLE_VALUE;
    }
    bool Write(const std::string& bytes)
    {
        DWORD written = 0;
        return bytes.empty() ||
               (WriteFile(FHandle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                written == bytes.size());
    }
    bool Close()
    {
        const bool ok = FHandle == INVALID_HANDLE_VALUE || CloseHandle(FHandle);
        FHandle = INVALID_HANDLE_VALUE;
        return ok;
    }
    bool MoveTo(const std::string& fileName)
    {
        if (!MoveFileExA(FName.c_str(), fileName.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED))
            return false;
        FName.clear();
        return true;
    }

private:
    std::string FName;
    HANDLE FHandle = INVALID_HANDLE_VALUE;
};

} // namespace

void WriteWholeFile(const std::string& fileName, const std::string& bytes)
{
    TPendingFile file;
    if (!file.Create(fileName))
        throw EFileError(Format(Msg::FileCreateError, fileName.c_str()));
    if (!file.Write(bytes) || !file.Close())
        throw EFileError(Format(Msg::FileWriteError, fileName.c_str()));
    if (!file.MoveTo(fileName))
        throw EFileError(Format(Msg::FileCreateError, fileName.c_str()));
}
