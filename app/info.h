// The about dialog: product line, build date, version and the maker's links.
#pragma once

#include "framework/Forms.h"

#include <string>

class TFlatPanel;
class TFlatButton;
class TFlatGroupBox;
class TImage;
class TLabel;
class THTTPLabel;
class TBevel;

class TAboutDlg : public TForm {
public:
    explicit TAboutDlg(TComponent* owner);

    TFlatPanel* PanelTitle = nullptr;
    TFlatButton* btnClose = nullptr;
    TFlatPanel* FlatPanel1 = nullptr;
    TFlatGroupBox* FlatGroupBox1 = nullptr;
    TImage* ProgramIcon = nullptr;
    TLabel* ProductName = nullptr;
    TLabel* CompileDateLabel = nullptr;
    TLabel* Version = nullptr;
    TLabel* Copyright = nullptr;
    THTTPLabel* HTTPMailto = nullptr;
    TLabel* Comments = nullptr;
    THTTPLabel* HTTPWebsite = nullptr;
    TBevel* Bevel1 = nullptr;
    TLabel* Label1 = nullptr;
    TBevel* Bevel2 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label2 = nullptr;
    TFlatButton* OkBtn = nullptr;

    // The file whose version record the dialog shows; empty: the program.
    std::string VersionFile;

    void FormShow(TObject* sender);
    void PanelTitleMouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
    void btnCloseClick(TObject* sender);
};

// The about dialog while it is open.
extern TAboutDlg* AboutDlg;
