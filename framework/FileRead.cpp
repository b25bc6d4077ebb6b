#include "framework/FileRead.h"

#include "framework/Exceptions.h"
#include "framework/GdiHandles.h"
#include "framework/SysUtils.h"

std::string ReadFileBytes(const std::string& fileName)
{
    const UniqueFile file(CreateFileA(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        throw EFileError(Format(Msg::FileOpenError, fileName.c_str()));
    // In pieces to the end, so no size asked beforehand can be outgrown.
    std::string bytes;
    char piece[65536];
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file.Get(), piece, sizeof piece, &read, nullptr))
            throw EFileError(Format(Msg::FileOpenError, fileName.c_str()));
        if (read == 0)
            return bytes;
        bytes.append(piece, read);
    }
}
