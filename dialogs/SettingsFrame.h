// The frame every settings dialog shares: a border-less window centred on the
// screen with its own title bar and close button, a body, and the button row
// "OK", "Abbrechen" and (where the dialog has one) "Übernehmen". A press on
// the title bar, the body or the button row moves the window.
#pragma once

#include "framework/Forms.h"
#include "dialogs/SettingBinding.h"
#include "registry/RegBackup.h"
#include "framework/Layout.h"

#include <string>
#include <vector>

class TFlatPanel;
class TPanel;
class TFlatButton;
class TOpenDialog;
class TSaveDialog;

struct TFrameLook {
    const char* caption;   // the window's own caption (not drawn)
    const char* title;     // the title bar's text
    int clientWidth;
    int clientHeight;
    bool withApply;        // whether the button row has "Übernehmen"
};

// The look of the buttons in the frame's button row.
void RowButtonStyle(TControl& c);

class TSettingsDlg : public TForm {
public:
    // Places the frame's controls; the dialog adds its own rows with its own
    // builder and ends the loading phase with that builder's Finish().
    TSettingsDlg(TComponent* owner, const TFrameLook& look);

    TFlatPanel* PanelTitle = nullptr;
    TFlatButton* btnClose = nullptr;
    TFlatPanel* Panel3 = nullptr;      // the body
    TPanel* Panel2 = nullptr;          // the button row
    TFlatButton* OkBtn = nullptr;
    TFlatButton* CancelBtn = nullptr;
    TFlatButton* BtnTakeIt = nullptr;  // nullptr where the dialog has none

    void FormShow(TObject* sender);
    void OkBtnClick(TObject* sender);
    void BtnTakeItClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void PanelTitleMouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);

    // The change signal: the controls' states go to the model, and
    // "Übernehmen" is enabled exactly when something writable changed.
    void Changed();
    bool ApplyEnabled() const;
    // Something writable differs from what was loaded or last written.
    bool HasChange() const;

    // The file dialog the pickers share; the main window lends its own.
    void SetFileDialog(TOpenDialog* dialog) { FFileDialog = dialog; }
    void SetSaveDialog(TSaveDialog* dialog) { FSaveDialog = dialog; }
    TOpenDialog& FileDialog();
    // Asks for a file with the shared dialog; with initialDir null the folder
    // stays as its last use left it. False when the user cancelled.
    bool PickFile(const std::string& title, const char* filter, const std::string* initialDir, std::string& fileName);
    // The same for a file to be written; the system asks before replacing one.
    bool PickSaveFile(const std::string& title, const char* filter, const char* defaultExt, std::string& fileName);

protected:
    // The parts an apply writes, in this order; a binding's model is one.
    void Attach(TSettingBinding& binding);
    void Attach(TApplyPart& part);
    // Writes what changed; by default the one apply path below. False when
    // something could not be saved (the dialog has said what).
    virtual bool ApplySettings() { return ApplyChanges(); }
    // The one apply path: guard, plan, back up, apply every part, report
    // every refusal of this apply, update "Übernehmen". Nothing to write is
    // no failure.
    bool ApplyChanges();
    // What the backup file is named after ("Allgemein", "Identitaet_...").
    virtual std::string BackupLabel() const { return {}; }
    // Loads the model and shows it: runs when the dialog is first shown,
    // before "Übernehmen" is updated; returns what could not be read.
    virtual std::vector<std::string> Load() { return {}; }
    // Reports values that could not be read, in one message.
    void ReportUnreadable(const std::vector<std::string>& problems);
    // Reports writes the registry refused, in one message.
    void ReportRefused(const std::vector<TRefusedWrite>& refused);
    // Says that the backup could not be written, and so nothing was changed.
    void ReportBackupFailed(const std::string& error);
    // The parts the next apply writes; by default those attached.
    virtual std::vector<TApplyPart*> ApplyParts() { return FParts; }
    // Runs after an apply wrote (some refusals aside), before "Übernehmen"
    // is updated.
    virtual void Applied() {}
    // "Übernehmen" follows the model.
    void UpdateApply();

private:
    bool FLoaded = false;
    TOpenDialog* FFileDialog = nullptr;
    TOpenDialog* FOwnFileDialog = nullptr;
    TSaveDialog* FSaveDialog = nullptr;
    std::vector<TSettingBinding*> FBindings;
    std::vector<TApplyPart*> FParts;
};
