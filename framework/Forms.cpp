#include "framework/Forms.h"

#include "framework/Exceptions.h"
#include "framework/Seams.h"
#include "framework/SysUtils.h"
#include "framework/Timer.h"

#include <algorithm>

// ---------------------------------------------------------------- TCustomForm

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
    if (Application() && Application()->MainForm() == this)
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

void TCustomForm::CreateWnd()
{
    TWinControl::CreateWnd();
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
            RECT work;
            SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
            const int x = work.left + (work.right - work.left - FWidth) / 2;
            const int y = work.top + (work.bottom - work.top - FHeight) / 2;
            SetBounds(x, y, FWidth, FHeight);
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
    if (OnShow)
        OnShow(this);
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
    if (Application())
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
    if (Application() && Application()->MainForm() == this) {
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
    case WM_CLOSE:
        Close();
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && FActiveControl && FActiveControl->HandleAllocated()
            && FActiveControl->CanFocus()) {
            DefaultHandler(msg, wParam, lParam);
            ::SetFocus(FActiveControl->Handle());
            return 0;
        }
        break;
    default:
        break;
    }
    return TWinControl::WndProc(msg, wParam, lParam);
}

// ---------------------------------------------------------------- THintWindow

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner)
{
    FVisible = false;
    FParentColor = false;
    FParentFont = false;
    FColor = clInfoBk;
}

void THintWindow::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    params.Style = WS_POPUP | WS_BORDER;
    params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    params.WndParent = nullptr;
    params.WindowClassStyle = CS_SAVEBITS;
    params.WinClassName = "ZorvaneHintWindow";
}

RECT THintWindow::CalcHintRect(int maxWidth, const std::string& hint)
{
    WindowDC screen(nullptr);
    TCanvas canvas(screen.Get());
    canvas.Font = FFont;
    RECT r{0, 0, maxWidth, 0};
    canvas.DrawText(hint, r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    r.right += 6;
    r.bottom += 2;
    return r;
}

void THintWindow::ActivateHint(RECT r, const std::string& hint)
{
    FCaption = hint;
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    SetWindowPos(Handle(), HWND_TOPMOST, r.left, r.top, w, h, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    FLeft = r.left;
    FTop = r.top;
    FWidth = w;
    FHeight = h;
    FVisible = true;
    InvalidateRect(FHandle, nullptr, TRUE);
}

void THintWindow::ReleaseHint()
{
    if (FHandle)
        ShowWindow(FHandle, SW_HIDE);
    FVisible = false;
}

void THintWindow::Paint(TCanvas& canvas)
{
    RECT r = ClientRect();
    canvas.FillRect(r, FColor);
    InflateRect(&r, -2, -1);
    canvas.DrawText(FCaption, r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

LRESULT THintWindow::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    default:
        return TCustomControl::WndProc(msg, wParam, lParam);
    }
}

// ---------------------------------------------------------------- TApplication

TApplication::TApplication()
{
    FTitle = ChangeFileExt(ExtractFileName(ModuleFileName()), "");
    HintWindowClass = [](TComponent* owner) { return new THintWindow(owner); };
}

TApplication::~TApplication() = default;

void TApplication::Run()
{
    if (FMainForm)
        FMainForm->Show();
    while (!FTerminated && HandleMessage()) {
    }
}

void TApplication::Terminate()
{
    if (!FTerminated) {
        FTerminated = true;
        PostQuitMessage(0);
    }
}

bool TApplication::HandleMessage()
{
    MSG msg;
    if (GetMessageA(&msg, nullptr, 0, 0) <= 0) {
        FTerminated = true;
        return false;
    }
    DispatchOne(msg);
    return true;
}

void TApplication::ProcessMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            FTerminated = true;
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        DispatchOne(msg);
    }
}

void TApplication::DispatchOne(MSG& msg)
{
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_MOUSEWHEEL:
        CancelHint();
        break;
    default:
        break;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, UINT flags)
{
    const std::string title = caption.empty() ? FTitle : caption;
    return Seams::MessageBox()(GetActiveWindow(), text.c_str(), title.c_str(), flags);
}

void TApplication::ShowException(const std::exception& e)
{
    CancelHint();
    Seams::MessageBox()(GetActiveWindow(), e.what(), FTitle.c_str(), MB_OK | MB_ICONSTOP);
}

void TApplication::SetShowHint(bool show)
{
    if (show == FShowHint)
        return;
    FShowHint = show;
    if (!show) {
        CancelHint();
        delete FHintWindow;
        FHintWindow = nullptr;
    }
}

void TApplication::StartHintTimer(int interval)
{
    if (!FHintTimer) {
        FHintTimer = new TTimer(this);
        FHintTimer->SetEnabled(false);
        FHintTimer->OnTimer = [this](TObject*) { HintTimerExpired(); };
    }
    FHintTimer->SetEnabled(false);
    FHintTimer->SetInterval(static_cast<unsigned>(std::max(interval, 1)));
    FHintTimer->SetEnabled(true);
}

void TApplication::HintTimerExpired()
{
    FHintTimer->SetEnabled(false);
    POINT cursor;
    GetCursorPos(&cursor);
    ActivateHint(cursor);
}

void TApplication::HideTimerExpired()
{
    FHideTimer->SetEnabled(false);
    if (FHintWindow)
        FHintWindow->ReleaseHint();
}

void TApplication::ActivateHint(POINT cursor)
{
    if (!FShowHint || !FHintControl)
        return;
    THintInfo info;
    info.HintControl = FHintControl;
    info.CursorPos = cursor;
    info.HintMaxWidth = Screen()->Width();
    info.HintColor = HintColor;
    info.HintPos = {cursor.x, cursor.y + GetSystemMetrics(SM_CYCURSOR) / 2 + 4};
    std::string hint = FHintControl->Hint();
    bool canShow = true;
    if (OnShowHint)
        OnShowHint(hint, canShow, info);
    if (!canShow || hint.empty())
        return;
    if (!FHintWindow)
        FHintWindow = HintWindowClass(this);
    FHintWindow->SetColor(info.HintColor);
    RECT r = FHintWindow->CalcHintRect(info.HintMaxWidth, hint);
    OffsetRect(&r, info.HintPos.x, info.HintPos.y);
    FHintWindow->ActivateHint(r, hint);
    FHintActive = true;
    if (!FHideTimer) {
        FHideTimer = new TTimer(this);
        FHideTimer->SetEnabled(false);
        FHideTimer->OnTimer = [this](TObject*) { HideTimerExpired(); };
    }
    FHideTimer->SetEnabled(false);
    FHideTimer->SetInterval(static_cast<unsigned>(std::max(HintHidePause, 1)));
    FHideTimer->SetEnabled(true);
}

void TApplication::CancelHint()
{
    if (FHintTimer)
        FHintTimer->SetEnabled(false);
    if (FHideTimer)
        FHideTimer->SetEnabled(false);
    if (FHintWindow)
        FHintWindow->ReleaseHint();
    FHintActive = false;
}

void TApplication::MouseOver(TControl* control, HWND)
{
    if (control != FMouseControl) {
        TControl* old = FMouseControl;
        FMouseControl = control;
        if (old)
            old->MouseLeave();
        if (control && FMouseControl == control)
            control->MouseEnter();
    }
    TControl* hintControl = control && control->ShowHint() && !control->Hint().empty() ? control : nullptr;
    if (hintControl == FHintControl)
        return;
    FHintControl = hintControl;
    if (!FShowHint)
        return;
    if (FHintActive) {
        if (FHintWindow)
            FHintWindow->ReleaseHint();
        if (FHideTimer)
            FHideTimer->SetEnabled(false);
        if (hintControl)
            StartHintTimer(HintShortPause);
        else {
            FHintActive = false;
            if (FHintTimer)
                FHintTimer->SetEnabled(false);
        }
    } else if (hintControl) {
        StartHintTimer(HintPause);
    } else if (FHintTimer) {
        FHintTimer->SetEnabled(false);
    }
}

void TApplication::MouseLeftWindow(HWND wnd)
{
    POINT p;
    GetCursorPos(&p);
    HWND under = WindowFromPoint(p);
    // Moving onto another window of ours is handled by its own mouse move.
    if (under && under != wnd && FindControl(under))
        return;
    if (FMouseControl) {
        const TControl* c = FMouseControl;
        while (c && !c->IsWindowed())
            c = c->Parent();
        auto* owner = const_cast<TWinControl*>(static_cast<const TWinControl*>(c));
        if (owner && owner->HandleAllocated() && owner->Handle() == wnd)
            MouseOver(nullptr, nullptr);
    }
}

void TApplication::ControlDestroying(TControl* control)
{
    if (FMouseControl == control)
        FMouseControl = nullptr;
    if (FHintControl == control) {
        FHintControl = nullptr;
        CancelHint();
    }
    if (control == FHintWindow)
        FHintWindow = nullptr;
}

// ---------------------------------------------------------------- TScreen

TScreen::TScreen()
{
    FCursors[crDefault] = LoadCursorA(nullptr, IDC_ARROW);
    FCursors[crArrow] = LoadCursorA(nullptr, IDC_ARROW);
    FCursors[crIBeam] = LoadCursorA(nullptr, IDC_IBEAM);
    FCursors[crHandPoint] = LoadCursorA(nullptr, IDC_HAND);
    FCursors[crSizeAll] = LoadCursorA(nullptr, IDC_SIZEALL);
}

HCURSOR TScreen::Cursors(TCursor index) const
{
    auto it = FCursors.find(index);
    return it != FCursors.end() && it->second ? it->second : FCursors.at(crDefault);
}

void TScreen::SetCursors(TCursor index, HCURSOR cursor)
{
    if (index == crDefault && !cursor)
        cursor = LoadCursorA(nullptr, IDC_ARROW);
    FCursors[index] = cursor;
}

// ---------------------------------------------------------------- globals

TApplication* Application()
{
    // Lives to the end of the process: controls may still ask for it while
    // static objects are being torn down.
    static TApplication* application = new TApplication();
    return application;
}

TScreen* Screen()
{
    static TScreen* screen = new TScreen();
    return screen;
}

void HandleApplicationException(const std::exception& e)
{
    Application()->ShowException(e);
}
