// The file dialogs of the toolkit, over GetOpenFileNameA / GetSaveFileNameA
// (through the seams). Filters are written "text|pattern|text|pattern".
#pragma once

#include "framework/Component.h"

#include <windows.h>
#include <commdlg.h>

#include <string>

class TOpenDialog : public TComponent {
public:
    explicit TOpenDialog(TComponent* owner = nullptr) : TComponent(owner) {}

    std::string Title;
    std::string Filter;
    std::string FileName;
    std::string InitialDir;
    std::string DefaultExt;
    int FilterIndex = 1;
    DWORD Options = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;

    // Runs the dialog; on OK stores the chosen name and filter index.
    virtual bool Execute(HWND owner = nullptr);

protected:
    bool Run(HWND owner, bool save);
};

class TSaveDialog : public TOpenDialog {
public:
    explicit TSaveDialog(TComponent* owner = nullptr) : TOpenDialog(owner)
    {
        Options = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
    }
    bool Execute(HWND owner = nullptr) override;
};

// "a|b|c|d" becomes "a\0b\0c\0d\0\0", the form the system wants.
std::string FilterToSystem(const std::string& filter);
