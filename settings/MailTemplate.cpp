#include "settings/MailTemplate.h"

#include "registry/RegError.h"
#include "framework/FileWrite.h"
#include "framework/Registry.h"
#include "registry/RegHelpers.h"

#include <windows.h>

namespace {

constexpr const char* kShellNewKey = ".eml\\ShellNew";

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

std::string InstallMailTemplate(const std::string& templatesFolder)
{
    const std::string path = MailTemplatePath(templatesFolder);
    if (path.empty())
        return "der Vorlagen-Ordner des Benutzers ist nicht bekannt";
    WriteWholeFile(path, MailTemplateBytes());
    if (const TRegResult written = WriteRegString(rcClassesRoot, kShellNewKey, "FileName", path); !written)
        return RefusalText(written.Code);
    return {};
}

std::string RemoveMailTemplate(const std::string& templatesFolder)
{
    DeleteRegKey(rcClassesRoot, ".eml", "ShellNew");
    TRegistry reg(KEY_READ);
    reg.SetRootKey(HKEY_CLASSES_ROOT);
    if (reg.KeyExists(kShellNewKey))
        return RefusalText(ERROR_ACCESS_DENIED);
    const std::string path = MailTemplatePath(templatesFolder);
    // A missing file leaves nothing to do.
    if (!path.empty())
        DeleteFileA(path.c_str());
    return {};
}
