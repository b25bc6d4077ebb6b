// The global settings: what acts on every identity of the mail client at
// once (attachments, accounts, Messenger, toolbar bitmap, new-mail sound,
// shared contacts, the Explorer's "New" entry for mail).
#pragma once

#include "dialogs/SettingsFrame.h"
#include "settings/SettingModel.h"

class TLabel;
class TImage;
class TFlatCheckBox;
class TFlatEdit;
class TFlatGroupBox;
class TFlatSpeedButton;
class TFlatTabControl;
class TNotebook;
class TOpenDialog;
class TPathComponent;

class TAllDlg : public TSettingsDlg {
public:
    explicit TAllDlg(TComponent* owner);

    TLabel* Label5 = nullptr;
    TFlatTabControl* flTab = nullptr;
    TNotebook* nb = nullptr;
    TPathComponent* PathComponent = nullptr;

    TLabel* Label6 = nullptr;
    TFlatCheckBox* ChkAttachments = nullptr;
    TLabel* Label3 = nullptr;
    TFlatCheckBox* ChkSaveKonto = nullptr;
    TFlatGroupBox* GroupBoxHTTPMail = nullptr;
    TLabel* lblHTTPMail = nullptr;
    TFlatCheckBox* chkHTTPMail = nullptr;
    TFlatGroupBox* GroupBoxHotmail = nullptr;
    TLabel* lblHotmail = nullptr;
    TFlatCheckBox* chkHotMail = nullptr;
    TLabel* Label1 = nullptr;
    TFlatCheckBox* chkMessenger = nullptr;
    TLabel* Label11 = nullptr;
    TFlatEdit* edGrafik = nullptr;
    TFlatSpeedButton* btnRegBmp = nullptr;
    TImage* ImageSymb = nullptr;
    TImage* ImageSymbStandard = nullptr;
    TFlatButton* btnStandardBmp = nullptr;
    TLabel* Label13 = nullptr;
    TFlatEdit* edSound = nullptr;
    TFlatSpeedButton* btnRegSound = nullptr;
    TFlatSpeedButton* ImageSoundPlay = nullptr;
    TLabel* Label7 = nullptr;
    TFlatCheckBox* ChkUseOutlook = nullptr;
    TLabel* Label9 = nullptr;
    TFlatCheckBox* chkMailKontext = nullptr;

    void chkHotMailClick(TObject* sender);
    void ChkSaveKontoClick(TObject* sender);
    void chkHTTPMailClick(TObject* sender);
    void btnRegBmpClick(TObject* sender);
    void btnStandardBmpClick(TObject* sender);
    void btnRegSoundClick(TObject* sender);
    void ImageSoundPlayClick(TObject* sender);

    TSettingModel& Model() { return FModel; }
    TSettingBinding& Binding() { return FBinding; }

protected:
    std::string BackupLabel() const override { return "Allgemein"; }
    std::vector<std::string> Load() override;

private:
    void ShowPreview(const std::string& fileName);
    // The account boxes' rules: a locked account menu greys HTTP mail and
    // Hotmail; HTTP mail switched off greys Hotmail.
    void LockRule();
    void HttpRule();

    TSettingModel FModel;
    TSettingBinding FBinding{FModel};
};

extern TAllDlg* AllDlg;
