#include "settings/MailTemplate.h"

#include "registry/RegError.h"
#include "framework/FileWrite.h"
#include "framework/Registry.h"
#include "framework/SysUtils.h"
#include "registry/RegBackup.h"
#include "registry/RegHelpers.h"

#include <windows.h>

namespace {

constexpr const char* kFileName = "FileName";
constexpr const char* kNoFolder = "der Vorlagen-Ordner des Benutzers ist nicht bekannt";

// One place of the entry: the user's own classes, or the classes root as it
// shows once the user's entry is gone (on Windows the machine's classes then,
// on Wine always).
struct TEntryPlace {
    RootCode Root;
    const char* Parent;     // the ".eml" key
    const char* ShellNew;   // its "ShellNew" key
};
constexpr TEntryPlace kUser{rcCurrentUser, "Software\\Classes\\.eml", "Software\\Classes\\.eml\\ShellNew"};
constexpr TEntryPlace kClasses{rcClassesRoot, ".eml", ".eml\\ShellNew"};

bool IsEmptyKey(RootCode root, const std::string& path)
{
    TRegistry reg(KEY_READ);
    reg.SetRootKey(RootKeyOf(root));
    return reg.OpenKey(path, false) && reg.GetValueNames().empty() && !reg.HasSubKeys();
}

// Deletes the place's "FileName" when it names own, then its ShellNew key if
// nothing else is left in it. Returns the refusal, or empty text.
std::string TakeBack(const TEntryPlace& place, const std::string& own)
{
    if (!SameText(ReadRegString(place.Root, place.ShellNew, kFileName), own))
        return {};
    const TRegResult deleted = DeleteRegValue(place.Root, place.ShellNew, kFileName);
    if (!deleted && deleted.Code != ERROR_FILE_NOT_FOUND)
        return RefusalText(deleted.Code);
    // Without "FileName" the key offers nothing any more, so a key that
    // cannot be deleted is no failure.
    if (IsEmptyKey(place.Root, place.ShellNew))
        DeleteRegKey(place.Root, place.Parent, "ShellNew");
    return {};
}

} // namespace

std::string MailTemplatePath(const std::string& templatesFolder)
{
    const std::string folder = ExpandEnvPath(templatesFolder, true);
    if (folder.empty() || folder == "\\")
        return {};
    return folder + kMailTemplateName;
}

std::string MailTemplateBytes()
{
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC info = FindResourceA(module, "EMLTemplate", MAKEINTRESOURCEA(10));   // RT_RCDATA
    HGLOBAL data = info ? LoadResource(module, info) : nullptr;
    const void* bytes = data ? LockResource(data) : nullptr;
    if (!bytes)
        return {};
    return std::string(static_cast<const char*>(bytes), SizeofResource(module, info));
}

bool MailTemplateInstalled()
{
    return !ReadRegString(kClasses.Root, kClasses.ShellNew, kFileName).empty();
}

std::string InstallMailTemplate(const std::string& templatesFolder)
{
    const std::string path = MailTemplatePath(templatesFolder);
    if (path.empty())
        return kNoFolder;
    WriteWholeFile(path, MailTemplateBytes());
    if (const TRegResult written = WriteRegString(kUser.Root, kUser.ShellNew, kFileName, path); !written)
        return RefusalText(written.Code);
    return {};
}

std::string RemoveMailTemplate(const std::string& templatesFolder)
{
    const std::string path = MailTemplatePath(templatesFolder);
    // Without the folder no entry can be told to be the program's own.
    if (path.empty())
        return kNoFolder;
    for (const TEntryPlace& place : {kUser, kClasses})
        if (std::string refused = TakeBack(place, path); !refused.empty())
            return refused;
    const std::string left = ReadRegString(kClasses.Root, kClasses.ShellNew, kFileName);
    // Still ours: on Windows the classes root deletes in the user's ShellNew
    // key while that one exists (kept for another program's values), so a
    // machine-wide value can be out of its reach.
    if (SameText(left, path))
        return "der Eintrag für alle Benutzer ließ sich nicht entfernen";
    // No entry names the file any more; a missing file leaves nothing to do.
    DeleteFileA(path.c_str());
    if (!left.empty())
        return "der Eintrag gehört zu einer anderen Datei (" + left + ") und bleibt erhalten";
    return {};
}

void PlanMailTemplate(TBackupPlan& plan, bool install)
{
    if (install) {
        plan.Value(kUser.Root, kUser.ShellNew, kFileName);
        return;
    }
    // Remove may delete either ShellNew key as a whole.
    plan.Key(kUser.Root, kUser.ShellNew);
    plan.Key(kClasses.Root, kClasses.ShellNew);
}
