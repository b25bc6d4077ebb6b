// Profiles: the settings as a plain text file of named states, to carry them
// to another identity or machine. Code page 1252, CR LF, INI form:
//
//   [Zorvane-Profil]
//   Version=1
//   [Allgemein]
//   KontenSchuetzen=1
//   [Identitaet]
//   Titelleiste=Post von Anna
//
// A setting absent from the file is left alone; lines starting with ";" are
// comments. Reading is strict: one fault refuses the whole file.
#pragma once

#include "framework/Exceptions.h"
#include "settings/IdentitiesApply.h"
#include "settings/SettingModel.h"

#include <string>
#include <vector>

struct TProfile {
    TNamedStates Global;     // [Allgemein], in file order
    TNamedStates Identity;   // [Identitaet], in file order
};

// A profile that cannot be used; the message names the line ("Zeile 7: ...").
class EProfileError : public Exception {
public:
    EProfileError(int line, const std::string& what);
    int Line() const { return FLine; }

private:
    int FLine;
};

// Reads a profile's text: the header section first with Version=1, known
// sections and names only, each name once, "0" or "1" for a check box.
// Raises EProfileError.
TProfile ReadProfile(const std::string& text);
// The file read whole; raises EFileError when it cannot be read, else as
// ReadProfile.
TProfile ReadProfileFile(const std::string& fileName);

// The profile of the global settings and of one identity's, from loaded
// models; rows that could not be read, and texts a line cannot carry, are
// left out with a comment line.
std::string ProfileText(const TSettingModel& global, const TSettingModel& identity, const std::string& identityName);
// The rows of a model that ProfileText leaves out, each with why.
std::vector<TRefusedWrite> ProfileLeftOut(const TSettingModel& model);
// Written all or nothing; raises EFileError.
void WriteProfileFile(const std::string& fileName, const std::string& text);

// A profile going to the global settings and to the given identities: the
// parts of one apply (see ApplyRun.h), with the preview of what changes.
class TProfileApply {
public:
    TProfileApply(const TProfile& profile, std::vector<TIdentityInfo> identities, const std::string& templatesFolder);

    // Reads everything the profile names; returns what could not be read.
    std::vector<std::string> Load();
    bool HasChange() const;
    std::vector<TSettingChange> Changes() const;
    std::vector<TApplyPart*> Parts();

private:
    TSettingModel FGlobal;
    TNamedStates FGlobalStates;
    TIdentitiesApply FIdentities;
    // What Load needs to tell the identities' problems apart.
    std::vector<TIdentityInfo> FTargets;
    TNamedStates FIdentityStates;
};
