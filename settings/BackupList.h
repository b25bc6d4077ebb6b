// The backups in the backup folder, as the program lists them: newest
// first, with their time, what was applied, and how many values they hold.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct TBackupEntry {
    std::string FileName;   // with its folder
    SYSTEMTIME When{};      // from the name, else the file's time
    std::string What;       // "Allgemeine Einstellungen", "Identität Anna", ...
    int Values = -1;        // -1: the file cannot be read
};

// Every *.reg file of folder, newest first.
std::vector<TBackupEntry> ListBackups(const std::string& folder);

// What a backup's label in its file name says, in the user's words.
std::string BackupWhat(const std::string& label);
