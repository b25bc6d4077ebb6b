#include "dialogs/SettingsFrame.h"

#include "framework/MsgBox.h"
#include "controls/TFlatButtonUnit.h"
#include "controls/TFlatPanelUnit.h"
#include "dialogs/DialogStyles.h"
#include "framework/Dialogs.h"
#include "framework/DragMove.h"
#include "framework/StdPanel.h"
#include "dialogs/ClientGuards.h"
#include "settings/ApplyRun.h"

#include <algorithm>

namespace {

using Row = TLayoutRow<TSettingsDlg>;

constexpr TColor kTitleColor = 10841658;
constexpr TColor kBodyColor = 12710385;
constexpr TColor kButtonColor = 15395040;

void ButtonRowStyle(TControl& c)
{
    auto& panel = static_cast<TPanel&>(c);
    panel.SetCaption("");
}

void OkStyle(TControl& c)
{
    RowButtonStyle(c);
    static_cast<TFlatButton&>(c).SetModalResult(mrOk);
}

void CancelStyle(TControl& c)
{
    RowButtonStyle(c);
    static_cast<TFlatButton&>(c).SetModalResult(mrCancel);
}

} // namespace

void RowButtonStyle(TControl& c)
{
    auto& button = static_cast<TFlatButton&>(c);
    button.SetColorFocused(kBodyColor);
    button.SetColorDown(clWhite);
    button.SetColorBorder(clBlack);
    button.SetColorHighLight(clBlack);
}

TSettingsDlg::TSettingsDlg(TComponent* owner, const TFrameLook& look) : TForm(owner)
{
    SetCaption(look.caption);
    SetBorderStyle(bsNone);
    SetClientSize(look.clientWidth, look.clientHeight);
    SetPosition(poScreenCenter);
    Font().SetName("Tahoma");
    Font().SetSize(8);

    const auto drag = &TSettingsDlg::PanelTitleMouseDown;
    const Row frame[] = {
        {.create = Ctl<&TSettingsDlg::PanelTitle>, .name = "PanelTitle", .parent = nullptr,
         .left = 0, .top = 0, .width = look.clientWidth, .height = 20, .caption = look.title,
         .color = kTitleColor, .font = {.style = fsBold, .color = clWhite}, .align = alTop,
         .style = TitleBarStyle, .onMouseDown = drag},
        {.create = Ctl<&TSettingsDlg::btnClose>, .name = "btnClose", .parent = "PanelTitle",
         .left = look.clientWidth - 18, .top = 2, .width = 16, .height = 16, .caption = "x",
         .hint = "Fenster schließen", .color = 13561068, .anchors = akTop | akRight, .style = TitleCloseStyle,
         .onClick = &TSettingsDlg::btnCloseClick},
        {.create = Ctl<&TSettingsDlg::Panel3>, .name = "Panel3", .parent = nullptr,
         .left = 0, .top = 20, .width = look.clientWidth, .height = look.clientHeight - 20,
         .color = kBodyColor, .align = alClient, .style = BlackFrameStyle, .onMouseDown = drag},
        {.create = Ctl<&TSettingsDlg::Panel2>, .name = "Panel2", .parent = "Panel3",
         .left = 1, .top = look.clientHeight - 20 - 51, .width = look.clientWidth - 2, .height = 50,
         .color = kBodyColor, .align = alBottom, .style = ButtonRowStyle, .onMouseDown = drag},
        {.create = Ctl<&TSettingsDlg::OkBtn>, .name = "OkBtn", .parent = "Panel2",
         .left = 8, .top = 17, .width = 89, .height = 25, .caption = "OK", .color = kButtonColor,
         .anchors = akLeft | akBottom, .flags = lfTabStop, .style = OkStyle, .onClick = &TSettingsDlg::OkBtnClick},
        {.create = Ctl<&TSettingsDlg::CancelBtn>, .name = "CancelBtn", .parent = "Panel2",
         .left = 106, .top = 17, .width = 89, .height = 25, .caption = "Abbrechen", .color = kButtonColor,
         .anchors = akLeft | akBottom, .flags = lfTabStop, .style = CancelStyle},
    };
    const Row apply[] = {
        {.create = Ctl<&TSettingsDlg::BtnTakeIt>, .name = "BtnTakeIt", .parent = "Panel2",
         .left = 204, .top = 17, .width = 89, .height = 25, .caption = "Übernehmen", .color = kButtonColor,
         .anchors = akLeft | akBottom, .flags = lfTabStop | lfDisabled, .style = RowButtonStyle,
         .onClick = &TSettingsDlg::BtnTakeItClick},
    };
    TLayoutBuilder<TSettingsDlg> build(*this);
    build.Add(frame);
    if (look.withApply)
        build.Add(apply);
    OnShow = [this](TObject* s) { FormShow(s); };
}

void TSettingsDlg::FormShow(TObject*)
{
    // Every opening makes a new dialog, which reads the registry once.
    if (FLoaded) {
        UpdateApply();
        return;
    }
    FLoaded = true;
    const std::vector<std::string> problems = Load();
    UpdateApply();
    ReportUnreadable(problems);
}

TOpenDialog& TSettingsDlg::FileDialog()
{
    if (FFileDialog)
        return *FFileDialog;
    if (!FOwnFileDialog)
        FOwnFileDialog = new TOpenDialog(this);
    return *FOwnFileDialog;
}

bool TSettingsDlg::PickFile(const std::string& title, const char* filter, const std::string* initialDir,
                            std::string& fileName)
{
    TOpenDialog& dialog = FileDialog();
    dialog.Title = title;
    dialog.FileName.clear();
    dialog.Filter = filter;
    if (initialDir)
        dialog.InitialDir = *initialDir;
    if (!dialog.Execute(Handle()))
        return false;
    fileName = dialog.FileName;
    return true;
}

bool TSettingsDlg::PickSaveFile(const std::string& title, const char* filter, const char* defaultExt,
                                std::string& fileName)
{
    if (!FSaveDialog)
        FSaveDialog = new TSaveDialog(this);   // none lent
    FSaveDialog->Title = title;
    FSaveDialog->Filter = filter;
    FSaveDialog->DefaultExt = defaultExt;
    FSaveDialog->FileName = fileName;
    if (!FSaveDialog->Execute(Handle()))
        return false;
    fileName = FSaveDialog->FileName;
    return true;
}

void TSettingsDlg::Attach(TSettingBinding& binding)
{
    FBindings.push_back(&binding);
    Attach(binding.Model());
}

void TSettingsDlg::Attach(TApplyPart& part)
{
    FParts.push_back(&part);
}

bool TSettingsDlg::HasChange() const
{
    for (const TApplyPart* part : FParts)
        if (part->HasChange())
            return true;
    return false;
}

void TSettingsDlg::Changed()
{
    for (TSettingBinding* binding : FBindings)
        if (!binding->Showing())
            binding->Take();
    UpdateApply();
}

void TSettingsDlg::UpdateApply()
{
    if (BtnTakeIt)
        BtnTakeIt->SetEnabled(HasChange());
}

bool TSettingsDlg::ApplyChanges()
{
    for (TSettingBinding* binding : FBindings)
        binding->Take();
    const std::vector<TApplyPart*> parts = ApplyParts();
    if (std::none_of(parts.begin(), parts.end(), [](const TApplyPart* p) { return p->HasChange(); }))
        return true;
    // The client may have been started since the dialog opened; it would
    // write its own values back when it closes.
    if (ClientWindowRunning())
        return false;
    const TApplyOutcome outcome = RunApply(parts, BackupLabel());
    if (outcome.status == TApplyOutcome::BackupFailed) {
        ReportBackupFailed(outcome.backupError);
        return false;
    }
    Applied();
    UpdateApply();
    ReportRefused(outcome.refused);
    return outcome.refused.empty();
}

bool TSettingsDlg::ApplyEnabled() const
{
    return BtnTakeIt && BtnTakeIt->Enabled();
}

void TSettingsDlg::OkBtnClick(TObject*)
{
    // The button has set the result 1 already; a failed apply keeps the
    // dialog open with its changes pending, so the user can retry or cancel.
    bool saved = false;
    try {
        saved = ApplySettings();
    } catch (...) {
        SetModalResult(mrNone);
        throw;
    }
    if (!saved)
        SetModalResult(mrNone);
}

void TSettingsDlg::BtnTakeItClick(TObject*)
{
    ApplySettings();
}

void TSettingsDlg::btnCloseClick(TObject*)
{
    SetModalResult(mrCancel);
    Close();
}

void TSettingsDlg::PanelTitleMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    DragMoveWindow(Handle());
}

void TSettingsDlg::ReportUnreadable(const std::vector<std::string>& problems)
{
    if (problems.empty())
        return;
    std::string text = "Folgende Einstellungen konnten nicht gelesen werden. Sie werden grau angezeigt und "
                       "von Zorvane nicht verändert:\r\n";
    for (const std::string& p : problems)
        text += "\r\n- " + p;
    ShowMsg(text, "", mkError, btOK);
}

void TSettingsDlg::ReportRefused(const std::vector<TRefusedWrite>& refused)
{
    if (refused.empty())
        return;
    std::string text = "Folgende Einstellungen konnten nicht gespeichert werden:\r\n";
    for (const TRefusedWrite& r : refused)
        text += "\r\n- " + r.title + ": " + r.reason;
    text += "\r\n\r\nAlle übrigen Änderungen wurden gespeichert.";
    ShowMsg(text, "", mkError, btOK);
}

void TSettingsDlg::ReportBackupFailed(const std::string& error)
{
    ShowMsg("Vor dem Speichern legt Zorvane eine Sicherung der bisherigen Einstellungen an. Diese Sicherung "
            "konnte nicht geschrieben werden:\r\n\r\n" +
                error + "\r\n\r\nEs wurde nichts geändert.",
            "", mkError, btOK);
}
