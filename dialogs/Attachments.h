// Single attachment types: every file extension registered on the machine
// as a blocked type, with tools to mark entries. A viewer: it writes nothing.
#pragma once

#include "dialogs/SettingsFrame.h"
#include "registry/ExtensionList.h"

#include <vector>

class TLabel;
class TFlatListBox;
class TFlatSpeedButton;

class TAttachDlg : public TSettingsDlg {
public:
    explicit TAttachDlg(TComponent* owner);

    TLabel* Label3 = nullptr;
    TFlatPanel* FlatPanel1 = nullptr;
    TLabel* Label1 = nullptr;
    TFlatListBox* LBoxFree = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* lblClosedCount = nullptr;
    TFlatListBox* LBoxClosed = nullptr;
    TFlatSpeedButton* btn2free = nullptr;
    TFlatSpeedButton* btn2Close = nullptr;
    TFlatSpeedButton* btnClosedOther = nullptr;
    TFlatSpeedButton* btnClosedAll = nullptr;
    TFlatSpeedButton* btnClosedNone = nullptr;

    void LBoxClosedClick(TObject* sender);
    void btnClosedAllClick(TObject* sender);
    void btnClosedNoneClick(TObject* sender);
    void btnClosedOtherClick(TObject* sender);

    // The extensions read when the dialog was shown; entry i of LBoxClosed
    // is extension i.
    const std::vector<TFileExtension>& Extensions() const { return FExtensions; }

protected:
    std::vector<std::string> Load() override;

private:
    // Sets or flips the marks the right list can hold.
    template <typename Mark>
    void MarkClosed(Mark mark);

    std::vector<TFileExtension> FExtensions;
};

extern TAttachDlg* AttachDlg;
