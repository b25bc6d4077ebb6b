#include "framework/StdEdit.h"

#include "framework/Forms.h"
#include "framework/SysUtils.h"

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner)
{
    FWidth = 121;
    FHeight = 21;
    FTabStop = true;
    FParentColor = false;
    FColor = clWindow;
    // Letters typed into an edit are text, not accelerators of the form.
    FWantsAllKeys = true;
}

void TCustomEdit::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.WinClassName = "TEdit";
    params.SysClassName = "EDIT";
    params.Style |= ES_LEFT | ES_AUTOHSCROLL;
    if (FReadOnly)
        params.Style |= ES_READONLY;
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateWnd()
{
    // The text given at creation is no change of the user's.
    FCreating = true;
    try {
        TWinControl::CreateWnd();
    } catch (...) {
        FCreating = false;
        throw;
    }
    FCreating = false;
}

void TCustomEdit::HandleCreated()
{
    if (FMaxLength > 0)
        SendMessageA(FHandle, EM_LIMITTEXT, static_cast<WPARAM>(FMaxLength), 0);
}

std::string TCustomEdit::Text() const
{
    if (!FHandle)
        return FCaption;
    return WindowText(FHandle);
}

void TCustomEdit::SetCaption(const std::string& caption)
{
    // What the user typed is the text we compare with.
    if (FHandle)
        FCaption = Text();
    TWinControl::SetCaption(caption);
}

void TCustomEdit::TextChanged()
{
    TWinControl::TextChanged();
    // With a window the edit reports the change itself (EN_CHANGE).
    if (!FHandle)
        Change();
}

void TCustomEdit::Change()
{
    if (OnChange)
        OnChange(this);
}

bool TCustomEdit::CommandNotify(WORD code)
{
    if (code != EN_CHANGE)
        return false;
    if (FCreating)
        return true;
    FCaption = Text();
    Change();
    return true;
}

void TCustomEdit::SetMaxLength(int length)
{
    if (length < 0)
        length = 0;
    if (length == FMaxLength)
        return;
    FMaxLength = length;
    // EM_LIMITTEXT with 0 restores the system's own limit.
    if (FHandle)
        SendMessageA(FHandle, EM_LIMITTEXT, static_cast<WPARAM>(FMaxLength), 0);
}

void TCustomEdit::SetReadOnly(bool value)
{
    if (value == FReadOnly)
        return;
    FReadOnly = value;
    if (FHandle)
        SendMessageA(FHandle, EM_SETREADONLY, value ? TRUE : FALSE, 0);
}

void TCustomEdit::SelectAll()
{
    if (FHandle)
        SendMessageA(FHandle, EM_SETSEL, 0, -1);
}

int TCustomEdit::SelStart() const
{
    if (!FHandle)
        return 0;
    DWORD start = 0, end = 0;
    SendMessageA(FHandle, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(start);
}

int TCustomEdit::SelLength() const
{
    if (!FHandle)
        return 0;
    DWORD start = 0, end = 0;
    SendMessageA(FHandle, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(end - start);
}

HBRUSH TCustomEdit::CtlColor(HDC dc)
{
    return SolidCtlColor(dc, BackgroundColor());
}

