// The backup files the settings dialogs write before an apply.
#pragma once

#include "registry/RegBackup.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

// Every backup file, sorted by name (and so by time).
inline std::vector<std::string> BackupFiles()
{
    std::vector<std::string> files;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((BackupFolder() + "\\*.reg").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return files;
    do
        files.push_back(BackupFolder() + "\\" + data.cFileName);
    while (FindNextFileA(find, &data));
    FindClose(find);
    std::sort(files.begin(), files.end());
    return files;
}

// The files of before's time that are new now and carry label in their name
// (tests running beside each other write backups of their own).
inline std::vector<std::string> NewBackups(const std::vector<std::string>& before, const std::string& label)
{
    std::vector<std::string> fresh;
    for (const std::string& f : BackupFiles())
        if (std::find(before.begin(), before.end(), f) == before.end() && f.find(label) != std::string::npos)
            fresh.push_back(f);
    return fresh;
}
