#include "framework/Dialogs.h"

#include "framework/Seams.h"

#include <commdlg.h>

#include <vector>

std::string FilterToSystem(const std::string& filter)
{
    std::string out = filter;
    for (char& c : out)
        if (c == '|')
            c = '\0';
    out.push_back('\0');
    out.push_back('\0');
    return out;
}

bool TOpenDialog::Execute(HWND owner)
{
    return Run(owner, false);
}

bool TSaveDialog::Execute(HWND owner)
{
    return Run(owner, true);
}

bool TOpenDialog::Run(HWND owner, bool save)
{
    std::vector<char> name(32768, '\0');
    FileName.copy(name.data(), name.size() - 1);
    const std::string filter = FilterToSystem(Filter);
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner ? owner : GetActiveWindow();
    ofn.lpstrFilter = Filter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(FilterIndex);
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    ofn.lpstrInitialDir = InitialDir.empty() ? nullptr : InitialDir.c_str();
    ofn.lpstrTitle = Title.empty() ? nullptr : Title.c_str();
    ofn.lpstrDefExt = DefaultExt.empty() ? nullptr : DefaultExt.c_str();
    ofn.Flags = Options | OFN_ENABLESIZING | OFN_EXPLORER;
    const BOOL ok = save ? Seams::GetSaveFileName()(&ofn) : Seams::GetOpenFileName()(&ofn);
    if (!ok)
        return false;
    FileName = name.data();
    FilterIndex = static_cast<int>(ofn.nFilterIndex);
    return true;
}
