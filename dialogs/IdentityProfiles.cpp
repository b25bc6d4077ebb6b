// The identity dialog's profile buttons: save the global settings with those
// of the identity on display, and load a profile into the identity on
// display or, with "alle Identitäten" ticked, into every identity.
#include "dialogs/ChangeRegistry.h"

#include "controls/TFlatCheckBoxUnit.h"
#include "dialogs/ChangesDlg.h"
#include "framework/MsgBox.h"
#include "framework/SysUtils.h"
#include "registry/PathComp.h"
#include "registry/RegBackup.h"
#include "settings/GlobalSettings.h"
#include "settings/Profile.h"

namespace {

constexpr const char* kCaption = "Zorvane - Anpassen von Outlook Express";
constexpr const char* kFilter = "Zorvane-Profile (*.ini)|*.ini|Alle Dateien (*.*)|*.*";

std::string TemplatesFolder()
{
    return TPathComponent().ShellTemplatesFolder();
}

} // namespace

bool TseparateDlg::SettlePending()
{
    if (!PendingChanges())
        return true;
    if (AskToSave())
        return ApplyChanges();
    ReportUnreadable(LoadIdentity(FShown));
    return true;
}

void TseparateDlg::btnProfileSaveClick(TObject*)
{
    if (FShown < 0) {
        ShowMsg("Wählen Sie eine Identität aus!", kCaption, mkInformation, btOK);
        return;
    }
    const TIdentityInfo& identity = FIdentities[static_cast<size_t>(FShown)];
    std::string file = "Profil_" + FileSafeName(identity.UserName) + ".ini";
    if (!PickSaveFile("Profil speichern", kFilter, "ini", file))
        return;
    // What the dialog shows is what goes into the profile, pending changes too.
    Changed();
    TSettingModel global = GlobalSettings(TemplatesFolder());
    global.Load("");
    WriteProfileFile(file, ProfileText(global, FModel, identity.UserName));
    ShowMsg("Das Profil wurde gespeichert:\r\n" + file, kCaption, mkInformation, btOK);
}

void TseparateDlg::btnProfileLoadClick(TObject*)
{
    const bool all = ForAllIdentities();
    if (!all && FShown < 0) {
        ShowMsg("Wählen Sie eine Identität aus!", kCaption, mkInformation, btOK);
        return;
    }
    if (!SettlePending())
        return;
    std::string file;
    if (!PickFile("Profil zum Laden wählen", kFilter, nullptr, file))
        return;
    TProfile profile;
    try {
        profile = ReadProfileFile(file);
    } catch (const EProfileError& e) {
        ShowMsg("Das Profil \"" + file + "\" kann nicht geladen werden:\r\n\r\n" + e.Message() +
                    "\r\n\r\nEs wurde nichts geändert.",
                kCaption, mkError, btOK);
        return;
    }
    std::vector<TIdentityInfo> targets = FIdentities;
    if (!all)
        targets = {FIdentities[static_cast<size_t>(FShown)]};
    TProfileApply run(profile, targets, TemplatesFolder());
    ReportUnreadable(run.Load());
    const std::string name = ChangeFileExt(ExtractFileName(file), "");
    TChangesDlg preview(nullptr, "Profil laden", run.Parts(), run.Changes(), "Profil_" + name);
    if (ShowPreview(preview) != mrOk)
        return;
    if (FShown >= 0)
        ReportUnreadable(LoadIdentity(FShown));
}
