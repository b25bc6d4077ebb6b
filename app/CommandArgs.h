// The program's arguments: split from the command line and read into what a
// run is to do. Nothing here touches the registry or shows anything.
#pragma once

#include <string>
#include <vector>

// The arguments after the program's own name, split as the C runtime splits
// them: blanks separate, quotes group, and backslashes escape a quote only.
std::vector<std::string> CommandLineArguments(const char* commandLine);

struct TCommand {
    enum Kind { None, Usage, Apply, Save } kind = None;
    std::string file;
    std::string identity;   // empty: the first identity of the client
    bool all = false;
    bool quiet = false;
    // Why the arguments cannot be carried out; empty when they can.
    std::string error;
};

// Switches are matched regardless of case; the word after /profil,
// /profilspeichern and /identitaet is always their value.
TCommand ParseCommand(const std::vector<std::string>& args);

// What /? shows.
std::string UsageText();
