// TCustomForm: a top-level window with modal showing, tab order and
// accelerators.
#include "framework/Forms.h"
#include "framework/Barrier.h"

#include "framework/Exceptions.h"

#include <algorithm>

namespace {

DWORD FormStyle(TFormBorderStyle border)
{
    switch (border) {
    case bsNone:
        // The system menu style keeps Alt+F4 working on a border-less window.
        return WS_POPUP | WS_SYSMENU;
    case bsSingle:
        return WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    case bsDialog:
        return WS_CAPTION | WS_SYSMENU;
    case bsToolWindow:
        return WS_CAPTION | WS_SYSMENU;
    case bsSizeable:
    default:
        return WS_OVERLAPPEDWINDOW;
    }
}

DWORD FormExStyle(TFormBorderStyle border)
{
    switch (border) {
    case bsDialog:
        return WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
    case bsToolWindow:
        return WS_EX_TOOLWINDOW;
    default:
        return 0;
    }
}

} // namespace

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner)
{
    FVisible = false;
    FParentColor = false;
    FParentFont = false;
    FColor = clBtnFace;
    FWidth = 320;
    FHeight = 240;
    FFont.SetName("Tahoma");
    FFont.SetHeight(-11);
    FParentFont = false;
}

TCustomForm::~TCustomForm()
{
    if (OnDestroy)
        OnDestroy(this);
    if (Application()->MainForm() == this)
        Application()->SetMainForm(nullptr);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style)
{
    if (style == FBorderStyle)
        return;
    const int cw = ClientWidth();
    const int ch = ClientHeight();
    FBorderStyle = style;
    if (FHandle) {
        SetWindowLongA(FHandle, GWL_STYLE, (GetWindowLongA(FHandle, GWL_STYLE) & ~WS_OVERLAPPEDWINDOW & ~WS_POPUP) | FormStyle(style));
        SetWindowLongA(FHandle, GWL_EXSTYLE, FormExStyle(style));
    }
    SetClientSize(cw, ch);
}

void TCustomForm::SetClientSize(int width, int height)
{
    RECT r{0, 0, width, height};
    AdjustWindowRectEx(&r, FormStyle(FBorderStyle), FALSE, FormExStyle(FBorderStyle));
    FClientWidth = width;
    FClientHeight = height;
    SetBounds(FLeft, FTop, r.right - r.left, r.bottom - r.top);
}

RECT TCustomForm::ClientRect() const
{
    if (FHandle) {
        RECT r;
        GetClientRect(FHandle, &r);
        return r;
    }
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, FormStyle(FBorderStyle), FALSE, FormExStyle(FBorderStyle));
    return {0, 0, FWidth - (frame.right - frame.left), FHeight - (frame.bottom - frame.top)};
}

void TCustomForm::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.Style = FormStyle(FBorderStyle) | WS_CLIPCHILDREN;
    params.ExStyle = FormExStyle(FBorderStyle);
    params.WndParent = nullptr;
    params.WinClassName = "ZorvaneForm";
}

void TCustomForm::Paint(TCanvas& canvas)
{
    if (OnPaint)
        OnPaint(this);
}

void TCustomForm::SetVisible(bool visible)
{
    if (visible == FVisible)
        return;
    if (visible) {
        HWND wnd = Handle();
        if (FPosition == poScreenCenter && !FCentred) {
            // On the whole screen, not in the work area: a taskbar does not
            // shift the window.
            SetBounds((Screen()->Width() - FWidth) / 2, (Screen()->Height() - FHeight) / 2, FWidth, FHeight);
            FCentred = true;
        }
        DoShow();
        FVisible = true;
        ShowWindow(wnd, SW_SHOW);
        SetForegroundWindow(wnd);
        if (FActiveControl && FActiveControl->CanFocus())
            ::SetFocus(FActiveControl->Handle());
    } else {
        DoHide();
        FVisible = false;
        if (FHandle)
            ShowWindow(FHandle, SW_HIDE);
    }
    VisibleChanged();
}

void TCustomForm::DoShow()
{
    // A handler that fails ends with its message; the form opens all the same
    // (it may be on the way into a modal loop, which must not be skipped).
    if (OnShow)
        Guarded([this] { OnShow(this); });
}

void TCustomForm::DoHide()
{
    if (OnHide)
        OnHide(this);
}

void TCustomForm::DoClose(TCloseAction& action)
{
    if (OnClose)
        OnClose(this, action);
}

namespace {

struct DisabledWindows {
    HWND keep;
    std::vector<HWND> windows;
};

BOOL CALLBACK DisableOne(HWND wnd, LPARAM param)
{
    auto* state = reinterpret_cast<DisabledWindows*>(param);
    if (wnd != state->keep && IsWindowVisible(wnd) && IsWindowEnabled(wnd)) {
        EnableWindow(wnd, FALSE);
        state->windows.push_back(wnd);
    }
    return TRUE;
}

} // namespace

int TCustomForm::ShowModal()
{
    if (FVisible || FModal)
        throw Exception("Ein sichtbares Fenster kann nicht modal gemacht werden");
    if (GetCapture())
        ReleaseCapture();
    Application()->CancelHint();
    HWND activeBefore = GetActiveWindow();
    DisabledWindows disabled{Handle(), {}};
    EnumThreadWindows(GetCurrentThreadId(), DisableOne, reinterpret_cast<LPARAM>(&disabled));
    FModal = true;
    FModalResult = mrNone;
    struct Restore {
        TCustomForm* form;
        DisabledWindows& disabled;
        HWND activeBefore;
        ~Restore()
        {
            // Enable the others before hiding, so that the system hands the
            // activation back to one of them.
            for (HWND wnd : disabled.windows)
                if (IsWindow(wnd))
                    EnableWindow(wnd, TRUE);
            if (form->Visible())
                form->Hide();
            if (activeBefore && IsWindow(activeBefore))
                SetActiveWindow(activeBefore);
            form->FModal = false;
        }
    } restore{this, disabled, activeBefore};

    Show();
    while (FModalResult == mrNone) {
        MSG msg;
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // WM_QUIT ends the modal loop and is left for the outer loop.
            PostQuitMessage(static_cast<int>(msg.wParam));
            FModalResult = mrCancel;
            break;
        }
        Application()->DispatchOne(msg);
    }
    return FModalResult;
}

void TCustomForm::Close()
{
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone)
        return;
    if (FModal) {
        if (FModalResult == mrNone)
            FModalResult = mrCancel;
        return;
    }
    if (Application()->MainForm() == this) {
        Hide();
        Application()->Terminate();
        return;
    }
    Hide();
}

void TCustomForm::SetActiveControl(TWinControl* control)
{
    FActiveControl = control;
}

void TCustomForm::SelectNext(TWinControl* current, bool forward)
{
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    const size_t n = list.size();
    if (n == 0)
        return;
    // Walk on from current's place in the whole order: a focused control that
    // is no tab stop itself (the tab strip after a click) hands on to the one
    // after it, not to the first of the form.
    auto it = std::find(list.begin(), list.end(), current);
    const size_t start = it != list.end() ? static_cast<size_t>(it - list.begin()) : forward ? n - 1 : 0;
    for (size_t step = 1; step <= n; ++step) {
        TWinControl* c = list[forward ? (start + step) % n : (start + n - step) % n];
        if (c->TabStop() && c->CanFocus()) {
            c->SetFocus();
            return;
        }
    }
}

bool TCustomForm::DialogCharFor(char key)
{
    return BroadcastDialogChar(key);
}

LRESULT TCustomForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CLOSE:    return WMClose();
    case WM_ACTIVATE: return WMActivate(msg, wParam, lParam);
    default:          return TWinControl::WndProc(msg, wParam, lParam);
    }
}

LRESULT TCustomForm::WMClose()
{
    Close();
    return 0;
}

LRESULT TCustomForm::WMActivate(UINT msg, WPARAM wParam, LPARAM lParam)
{
    // Coming back to the form puts the focus back on its active control.
    if (LOWORD(wParam) != WA_INACTIVE && FActiveControl && FActiveControl->HandleAllocated() && FActiveControl->CanFocus()) {
        DefaultHandler(msg, wParam, lParam);
        ::SetFocus(FActiveControl->Handle());
        return 0;
    }
    return TWinControl::WndProc(msg, wParam, lParam);
}
