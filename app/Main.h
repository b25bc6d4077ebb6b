// The main window: a border-less window shaped by its skin, with one button
// per dialog, a close button and a sponsor line with a link.
#pragma once

#include "framework/Forms.h"

class TImage;
class TLabel;
class TFlatSpeedButton;
class TFlatButton;
class TFlatGroupBox;
class THTTPLabel;
class TFlatHint;
class TCompileInfo;
class TPathComponent;
class TOpenDialog;
class TSaveDialog;

class TMainDlg : public TForm {
public:
    explicit TMainDlg(TComponent* owner);

    TImage* SkinImg = nullptr;
    TFlatSpeedButton* btnAllgemein = nullptr;
    TFlatSpeedButton* btnIdent = nullptr;
    TFlatSpeedButton* btnAbout = nullptr;
    TFlatSpeedButton* btnMailAttachments = nullptr;
    TFlatSpeedButton* btnBackup = nullptr;
    TFlatGroupBox* FlatGroupBox1 = nullptr;
    TLabel* lblWerbetext = nullptr;
    THTTPLabel* lblWerbeURL = nullptr;
    TFlatButton* btnClose = nullptr;
    TFlatHint* FlatHint = nullptr;
    TCompileInfo* CompileInfo = nullptr;
    TPathComponent* PathComponent = nullptr;
    TSaveDialog* SaveDialog = nullptr;
    TOpenDialog* OpenDialog = nullptr;

    bool SkinApplied = false;

    void FormCreate(TObject* sender);
    void FormShow(TObject* sender);
    void SkinImgMouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
    void btnAllgemeinClick(TObject* sender);
    void btnIdentClick(TObject* sender);
    void btnAboutClick(TObject* sender);
    void btnMailAttachmentsClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void btnBackupClick(TObject* sender);

    // True (after its message) when the mail client's main window exists.
    bool ClientIsRunning();

    // How often the skin region was built and which sponsor was picked last;
    // the region is built at the first show only.
    int SkinRegionBuilds() const { return FSkinRegionBuilds; }
    int SponsorIndex() const { return FSponsorIndex; }

private:
    void ApplySkin();
    void PickSponsor();

    int FSkinRegionBuilds = 0;
    int FSponsorIndex = -1;
};

// The one main window, while it exists.
extern TMainDlg* MainDlg;
