#include "app/CommandLine.h"

#include "dialogs/ClientGuards.h"
#include "app/CommandArgs.h"
#include "app/RunReport.h"
#include "framework/MsgBox.h"
#include "framework/SysUtils.h"
#include "registry/PathComp.h"
#include "settings/ApplyRun.h"
#include "settings/GlobalSettings.h"
#include "settings/IdentitySettings.h"
#include "settings/Profile.h"

namespace {

// Ends a run early with its exit code and what to tell.
class ERunStop : public Exception {
public:
    ERunStop(int code, const std::string& text) : Exception(text), FCode(code) {}
    int Code() const { return FCode; }

private:
    int FCode;
};

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

std::string FullPath(const std::string& file)
{
    char full[MAX_PATH];
    const DWORD length = GetFullPathNameA(file.c_str(), sizeof full, full, nullptr);
    return length > 0 && length < sizeof full ? std::string(full, length) : file;
}

// The main window's guards, without their message boxes.
void Guard()
{
    std::string problem;
    try {
        problem = ClientInstallProblem();
    } catch (const Exception& e) {
        throw ERunStop(ecClientGuard, e.Message());
    }
    if (problem.empty())
        problem = ClientRunningProblem();
    if (!problem.empty())
        throw ERunStop(ecClientGuard, problem + "\r\nEs wurde nichts geändert.");
}

std::vector<TIdentityInfo> ChooseIdentities(const TCommand& command)
{
    std::vector<TIdentityInfo> identities = TIdentityCatalog().ReadIdentities();
    if (identities.empty())
        throw ERunStop(ecRefusedRun, "Outlook Express hat noch keine Identität. Es wurde nichts geändert.");
    if (command.all)
        return identities;
    if (command.identity.empty())
        return {identities.front()};
    std::vector<TIdentityInfo> named;
    std::string present;
    for (const TIdentityInfo& identity : identities) {
        if (SameText(identity.UserName, command.identity))
            named.push_back(identity);
        present += (present.empty() ? "" : ", ") + Quoted(identity.UserName);
    }
    if (named.empty())
        throw ERunStop(ecRefusedRun, "Keine Identität heißt " + Quoted(command.identity) + ". Vorhanden: " + present +
                                         ". Es wurde nichts geändert.");
    if (named.size() > 1)
        throw ERunStop(ecRefusedRun, std::to_string(named.size()) + " Identitäten heißen " + Quoted(command.identity) +
                                         "; der Name muss eindeutig sein. Es wurde nichts geändert.");
    return named;
}

TRunResult ApplyProfile(const TCommand& command)
{
    TProfile profile;
    try {
        profile = ReadProfileFile(command.file);
    } catch (const EProfileError& e) {
        throw ERunStop(ecRefusedRun, "Das Profil wurde abgelehnt, es wurde nichts geändert:\r\n" + e.Message());
    }
    Guard();
    TProfileApply apply(profile, ChooseIdentities(command), TPathComponent().ShellTemplatesFolder());
    TRunResult result{.file = command.file};
    // A setting the profile names but that could not be read is never written.
    result.refused = apply.Load();
    const size_t changes = apply.Changes().size();
    const std::vector<TApplyPart*> parts = apply.Parts();
    const TApplyOutcome outcome =
        RunApply(parts, "Profil_" + ChangeFileExt(ExtractFileName(command.file), ""), TReadAge::JustNow);
    if (outcome.status == TApplyOutcome::BackupFailed)
        throw ERunStop(ecBackupFailed, "Vor dem Übernehmen legt Zorvane eine Sicherung der bisherigen Einstellungen "
                                       "an. Diese Sicherung konnte nicht geschrieben werden, es wurde nichts "
                                       "geändert:\r\n" + outcome.backupError);
    for (const TRefusedWrite& r : outcome.refused)
        result.refused.push_back(r.title + ": " + r.reason);
    const std::string backup = outcome.backupFile.empty() ? "" : "\r\nSicherung: " + outcome.backupFile;
    if (outcome.status == TApplyOutcome::NothingToDo)
        result.text = "Das Profil ändert nichts: die Einstellungen haben schon seine Werte.";
    else
        result.text = "Das Profil wurde übernommen: " + std::to_string(changes - outcome.refused.size()) + " von " +
                      std::to_string(changes) + " Änderungen geschrieben." + backup;
    if (!result.refused.empty()) {
        result.code = ecSomeRefused;
        result.text += "\r\nNicht übernommen:";
    }
    return result;
}

TRunResult SaveProfile(const TCommand& command)
{
    Guard();
    const TIdentityInfo identity = ChooseIdentities(command).front();
    TSettingModel global = GlobalSettings(TPathComponent().ShellTemplatesFolder());
    global.Load("");
    TSettingModel own = IdentitySettings();
    own.Load(IdentityBaseKey(identity));
    try {
        WriteProfileFile(command.file, ProfileText(global, own, identity.UserName));
    } catch (const EFileError& e) {
        throw ERunStop(ecRefusedRun, "Das Profil konnte nicht gespeichert werden:\r\n" + e.Message());
    }
    TRunResult result{.file = command.file,
                      .text = "Das Profil wurde gespeichert, mit der Identität " + Quoted(identity.UserName) + "."};
    for (const TSettingModel* model : {&global, &own})
        for (const TRefusedWrite& r : ProfileLeftOut(*model))
            result.refused.push_back(r.title + ": " + r.reason);
    if (!result.refused.empty()) {
        result.code = ecSomeRefused;
        result.text += "\r\nNicht gespeichert:";
    }
    return result;
}

TRunResult Run(TCommand command)
{
    if (!command.error.empty())
        return {ecRefusedRun, command.file, command.error + " Es wurde nichts geändert."};
    command.file = FullPath(command.file);
    try {
        return command.kind == TCommand::Save ? SaveProfile(command) : ApplyProfile(command);
    } catch (const ERunStop& stop) {
        return {stop.Code(), command.file, stop.Message()};
    } catch (const Exception& e) {
        // Raised before anything was written: every write collects its own refusals.
        return {ecRefusedRun, command.file, e.Message() + "\r\nEs wurde nichts geändert."};
    }
}

} // namespace

int RunCommandLine(const std::vector<std::string>& args)
{
    const TCommand command = ParseCommand(args);
    if (command.kind == TCommand::Usage) {
        ShowMsg(UsageText(), "Zorvane", mkInformation, btOK);
        return ecDone;
    }
    TRunResult result = Run(command);
    if (!command.error.empty() && !command.quiet)
        result.text += "\r\n\r\n" + UsageText();
    ReportRun(result, command.quiet);
    return result.code;
}
