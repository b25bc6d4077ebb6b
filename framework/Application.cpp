// TApplication: the message loop, the default error display and the hints;
// the program's one application object.
#include "framework/Forms.h"

#include "framework/Exceptions.h"
#include "framework/Seams.h"
#include "framework/SysUtils.h"
#include "framework/Timer.h"

#include <algorithm>

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

TApplication* Application()
{
    // Lives to the end of the process: controls may still ask for it while
    // static objects are being torn down.
    static TApplication* application = new TApplication();
    return application;
}

void HandleApplicationException(const std::exception& e)
{
    Application()->ShowException(e);
}

void HandleUnknownException()
{
    HandleApplicationException(Exception("Unbekannter Fehler"));
}
