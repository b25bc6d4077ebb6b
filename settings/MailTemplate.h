// The "New" menu entry of the Explorer for mail messages: the template file
// "ZorvaneMail.eml" in the user's Templates folder and the value
// ".eml\ShellNew" "FileName" that points at it. The file lies in one user's
// profile, so the value goes below HKEY_CURRENT_USER\Software\Classes, never
// machine-wide.
#pragma once

#include <string>

class TBackupPlan;

inline constexpr const char* kMailTemplateName = "ZorvaneMail.eml";

// The template's full path in templatesFolder; empty when the folder is not
// known (then nothing may be written: a bare name would land in whatever the
// current folder happens to be).
std::string MailTemplatePath(const std::string& templatesFolder);

// The 725 bytes of the template resource.
std::string MailTemplateBytes();

// Whether the Explorer offers an entry: ".eml\ShellNew" "FileName" holds
// text, whichever file it names, as the classes root shows it with the
// user's own classes merged in. A value of another type raises, as
// ReadRegString does.
bool MailTemplateInstalled();

// Writes the file, then the user's value. Returns empty text when both are
// in place, else why not (the folder is unknown, or the registry refused the
// value; the file then stays). A file that cannot be written raises, and the
// value is not written, so no entry points at a missing file.
std::string InstallMailTemplate(const std::string& templatesFolder);

// Takes back what Install wrote: the user's "FileName" when it names this
// template, then the machine-wide one that the classes root still shows when
// it names it too (written there by earlier versions); each ".eml\ShellNew"
// key that is then empty; and the file once no entry names it. Whatever
// other programs put there stays. Returns empty text when no entry is left,
// else why one is: the system's refusal, or an entry of another program.
std::string RemoveMailTemplate(const std::string& templatesFolder);

// Everything Install (install true) or Remove may change, for the backup
// taken before either runs.
void PlanMailTemplate(TBackupPlan& plan, bool install);
