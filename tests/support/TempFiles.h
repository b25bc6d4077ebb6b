// Files of a test in TEMP, removed when the test ends.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

class TempFiles {
public:
    using Bytes = std::vector<BYTE>;

    TempFiles() = default;
    TempFiles(const TempFiles&) = delete;
    TempFiles& operator=(const TempFiles&) = delete;
    ~TempFiles()
    {
        for (const std::string& file : FFiles)
            DeleteFileA(file.c_str());
    }
    std::string Write(const std::string& name, const Bytes& bytes)
    {
        char temp[MAX_PATH] = {};
        GetTempPathA(sizeof temp, temp);
        FFiles.push_back(std::string(temp) + "zv" + std::to_string(GetCurrentProcessId()) + "_" + name);
        HANDLE h = CreateFileA(FFiles.back().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        EXPECT_TRUE(WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) << name;
        CloseHandle(h);
        return FFiles.back();
    }

private:
    std::vector<std::string> FFiles;
};
