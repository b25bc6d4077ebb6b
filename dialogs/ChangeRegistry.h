// The settings the mail client keeps for each identity: the user picks an
// identity, the dialog loads its 23 settings onto six pages and its list of
// suppressed notices onto the seventh, and writes back only what changed.
#pragma once

#include "dialogs/SettingsFrame.h"
#include "registry/IdentityCatalog.h"
#include "settings/SettingModel.h"

#include <functional>
#include <memory>

#include <string>
#include <vector>

class TLabel;
class TFlatCheckBox;
class TFlatCheckListBox;
class TFlatComboBox;
class TFlatEdit;
class TFlatGroupBox;
class TFlatSpeedButton;
class TFlatTabControl;
class TNotebook;
class TNoticeList;
class TIdentitiesApply;
class TFlatButton;

class TseparateDlg : public TSettingsDlg {
public:
    explicit TseparateDlg(TComponent* owner);
    ~TseparateDlg() override;

    TIdentityCatalog* OE = nullptr;
    TFlatGroupBox* FlatGroupBox1 = nullptr;
    TFlatComboBox* IdentChange = nullptr;
    TFlatCheckBox* chkAllIdentities = nullptr;
    TLabel* Label5 = nullptr;
    TFlatTabControl* flTab = nullptr;
    TNotebook* nb = nullptr;

    TFlatCheckBox* chkSplashScreen = nullptr;
    TFlatEdit* edFrontpagePath = nullptr;
    TFlatSpeedButton* btnRegFrontpagepath = nullptr;
    TFlatCheckBox* chkImages = nullptr;
    TFlatCheckBox* chkSounds = nullptr;
    TFlatCheckBox* chkAnims = nullptr;
    TFlatCheckBox* chkVideos = nullptr;
    TFlatCheckBox* chkScriptDebugger = nullptr;
    TFlatEdit* EdWindowTitle = nullptr;
    TFlatCheckBox* ChkKontakte = nullptr;
    TFlatCheckBox* ChkOutlookleiste = nullptr;
    TFlatCheckBox* ChkTipp = nullptr;
    TFlatCheckBox* ChkOrdnerleiste = nullptr;
    TFlatCheckBox* ChkStatusleiste = nullptr;
    TFlatCheckBox* ChkOrdnerliste = nullptr;
    TFlatCheckBox* ChkSymbolleiste = nullptr;
    TFlatCheckBox* ChkInfoBereich = nullptr;
    TFlatEdit* EdInfoBereich = nullptr;
    TFlatCheckBox* chkBcc = nullptr;
    TFlatCheckBox* chkMoreHeader = nullptr;
    TFlatCheckBox* chkURLUnderlined = nullptr;
    TFlatCheckBox* chkURLFull = nullptr;
    TFlatCheckBox* ChkSound = nullptr;
    TFlatCheckBox* ChkSafeAttachments = nullptr;
    TFlatCheckListBox* CBDialogs = nullptr;
    TLabel* lblDialogs = nullptr;   // invisible: holds the mark pattern
    TFlatButton* btnProfileSave = nullptr;
    TFlatButton* btnProfileLoad = nullptr;

    void IdentChangeDropDown(TObject* sender);
    void IdentChangeCloseUp(TObject* sender);
    void IdentChangeChange(TObject* sender);
    void ChkSymbolleisteClick(TObject* sender);
    void ChkInfoBereichClick(TObject* sender);
    void chkImagesClick(TObject* sender);
    void btnRegFrontpagepathClick(TObject* sender);
    void CBDialogsClickCheck(TObject* sender);
    void btnProfileSaveClick(TObject* sender);
    void btnProfileLoadClick(TObject* sender);

    // "1" for each ticked notice, "0" for each other, in entry order.
    std::string MarkPattern() const;

    // Shows the preview of a profile; tests answer it without a modal loop.
    std::function<int(TForm& preview)> ShowPreview = [](TForm& preview) { return preview.ShowModal(); };

    TSettingModel& Model() { return FModel; }
    TSettingBinding& Binding() { return FBinding; }
    const std::vector<TIdentityInfo>& Identities() const { return FIdentities; }
    // The identity whose settings are on display, -1 before the first load.
    int ShownIdentity() const { return FShown; }
    // Something differs from what was loaded or last written.
    bool PendingChanges() const;

    static std::string BaseKey(const TIdentityInfo& identity);
    static std::string DialogsKey(const TIdentityInfo& identity);

protected:
    bool ApplySettings() override;
    std::string BackupLabel() const override;
    std::vector<std::string> Load() override;
    // With "alle Identitäten" ticked: the changed rows go to every identity.
    std::vector<TApplyPart*> ApplyParts() override;
    void Applied() override;

private:
    // What the user answered at this opening of the identity list.
    enum class TAnswer { None, Declined, SaveFailed };

    std::vector<std::string> LoadIdentity(int index);
    bool AskToSave() const;
    void ApplyInfoRule();
    bool PlainTextOnly() const;
    bool ForAllIdentities() const;
    // Pending changes are saved or dropped as the user answers; false when
    // they are still pending.
    bool SettlePending();

    TSettingModel FModel;
    TSettingBinding FBinding{FModel};
    std::unique_ptr<TNoticeList> FNotices;
    std::unique_ptr<TIdentitiesApply> FAllIdentities;
    std::vector<TIdentityInfo> FIdentities;
    int FShown = -1;
    TAnswer FAnswer = TAnswer::None;
};

extern TseparateDlg* SeparateDlg;
