// The command line for logon scripts: a profile applied or saved without the
// main window, under the main window's guards, with an exit code a script
// can act on.
//   zorvane.exe /profil DATEI [/identitaet NAME | /alle] [/still]
//   zorvane.exe /profilspeichern DATEI [/identitaet NAME] [/still]
//   zorvane.exe /?
#pragma once

#include <string>
#include <vector>

enum TExitCode {
    ecDone = 0,           // done, or nothing to change
    ecRefusedRun = 1,     // bad arguments or a refused profile; nothing written
    ecClientGuard = 2,    // the client is missing, too old or running; nothing written
    ecSomeRefused = 3,    // some settings refused; the rest written
    ecBackupFailed = 4,   // the backup could not be written; nothing written
};

// Carries out the arguments (those after the program's name), reports the
// outcome and returns the exit code.
int RunCommandLine(const std::vector<std::string>& args);
