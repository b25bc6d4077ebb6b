// The "New" menu entry of the Explorer for mail messages: the template file
// "ZorvaneMail.eml" in the user's Templates folder and the value
// HKEY_CLASSES_ROOT\.eml\ShellNew "FileName" that points at it.
#pragma once

#include <string>

inline constexpr const char* kMailTemplateName = "ZorvaneMail.eml";

// The template's full path in templatesFolder; empty when the folder is not
// known (then nothing may be written: a bare name would land in whatever the
// current folder happens to be).
std::string MailTemplatePath(const std::string& templatesFolder);

// The 725 bytes of the template resource.
std::string MailTemplateBytes();

// Writes the file, then the registry value. Returns empty text when both are
// in place, else why not (the folder is unknown, or the registry refused the
// value; the file then stays). A file that cannot be written raises, and the
// value is not written, so no entry points at a missing file.
std::string InstallMailTemplate(const std::string& templatesFolder);

// Deletes the key ".eml\ShellNew" with its values, then the file. Returns
// empty text, or why the key is still there.
std::string RemoveMailTemplate(const std::string& templatesFolder);
