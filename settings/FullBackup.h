// The complete backup: every key of the client that the program reads or
// writes, for the machine and every identity, in one file of the backups'
// format, which the program restores like any other backup.
#pragma once

#include <string>

// Empty text when written, else why not.
std::string WriteFullBackup(const std::string& fileName);
