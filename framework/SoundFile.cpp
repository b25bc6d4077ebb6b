#include "framework/SoundFile.h"

#include "framework/GdiHandles.h"

#include <cstring>

bool IsWaveFile(const std::string& fileName) noexcept
{
    const UniqueFile file(CreateFileA(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    // "RIFF", the chunk size, then the form.
    char header[12];
    DWORD read = 0;
    return file && ReadFile(file.Get(), header, sizeof header, &read, nullptr) && read == sizeof header &&
           std::memcmp(header, "RIFF", 4) == 0 && std::memcmp(header + 8, "WAVE", 4) == 0;
}
