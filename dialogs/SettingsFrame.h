// The frame every settings dialog shares: a border-less window centred on the
// screen with its own title bar and close button, a body, and the button row
// "OK", "Abbrechen" and (where the dialog has one) "Übernehmen". A press on
// the title bar, the body or the button row moves the window.
#pragma once

#include "framework/Forms.h"
#include "dialogs/SettingCatalog.h"
#include "registry/RegBackup.h"
#include "framework/Layout.h"

#include <string>
#include <vector>

class TFlatPanel;
class TPanel;
class TFlatButton;

struct TFrameLook {
    const char* caption;   // the window's own caption (not drawn)
    const char* title;     // the title bar's text
    int clientWidth;
    int clientHeight;
    bool withApply;        // whether the button row has "Übernehmen"
};

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

    // The change signal: something may differ from what was loaded.
    void Changed();
    bool ApplyEnabled() const;

protected:
    // Writes what changed. False when something could not be saved (the
    // dialog has said what); an error raised here ends the apply and passes on.
    virtual bool ApplySettings() { return true; }
    // Runs when the dialog is shown, after "Übernehmen" was disabled.
    virtual void Shown() {}
    // Reports values that could not be read, in one message.
    void ReportUnreadable(const std::vector<std::string>& problems);
    // Reports writes the registry refused, in one message.
    void ReportRefused(const std::vector<TRefusedWrite>& refused);
    // Writes the backup of what an apply is about to change. False (after
    // telling the user) when it could not be written: then nothing may be
    // written at all. An empty plan writes no file and is no failure.
    bool BackUp(const TBackupPlan& plan, const std::string& label);
};
