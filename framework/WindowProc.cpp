// Our window classes, the one window procedure they all run, and the
// message handlers of TWinControl: one named handler per message.
#include "framework/WindowClass.h"

#include "framework/Barrier.h"
#include "framework/Exceptions.h"
#include "framework/Forms.h"

#include <windowsx.h>

#include <algorithm>
#include <map>

namespace {

struct ClassInfo {
    WNDPROC SystemProc = nullptr;
};

std::map<std::string, ClassInfo>& RegisteredClasses()
{
    static std::map<std::string, ClassInfo> classes;
    return classes;
}

const ClassInfo* EnsureClass(const TCreateParams& params)
{
    auto& classes = RegisteredClasses();
    auto it = classes.find(params.WinClassName);
    if (it != classes.end())
        return &it->second;
    ClassInfo info;
    WNDCLASSA wc{};
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!params.SysClassName.empty()) {
        // Build on a system class: same look and behaviour, our procedure in
        // front, theirs behind it.
        if (!GetClassInfoA(nullptr, params.SysClassName.c_str(), &wc))
            throw Exception("Fensterklasse " + params.SysClassName + " fehlt");
        info.SystemProc = wc.lpfnWndProc;
        wc.style |= params.WindowClassStyle;
    } else {
        wc.style = params.WindowClassStyle;
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    }
    wc.lpfnWndProc = ZorvaneWndProc;
    wc.hInstance = instance;
    wc.lpszClassName = params.WinClassName.c_str();
    wc.hbrBackground = nullptr;
    if (!RegisterClassA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw Exception("Fensterklasse " + params.WinClassName + " kann nicht registriert werden");
    return &(classes[params.WinClassName] = info);
}

// Only for the few messages a window gets before it is bound to its control.
WNDPROC SystemProcOf(HWND wnd)
{
    char name[128] = {};
    GetClassNameA(wnd, name, sizeof name);
    auto& classes = RegisteredClasses();
    auto it = classes.find(name);
    return it != classes.end() ? it->second.SystemProc : nullptr;
}

const char* kBoundProperty = "ZorvaneControl";

} // namespace

WNDPROC EnsureWindowClass(const TCreateParams& params)
{
    return EnsureClass(params)->SystemProc;
}

void UnbindWindow(HWND wnd)
{
    RemovePropA(wnd, kBoundProperty);
}

TWinControl* FindControl(HWND wnd)
{
    if (!wnd)
        return nullptr;
    return static_cast<TWinControl*>(GetPropA(wnd, kBoundProperty));
}

LRESULT CALLBACK ZorvaneWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TWinControl* control = FindControl(wnd);
    if (!control && msg == WM_NCCREATE) {
        control = static_cast<TWinControl*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (control) {
            SetPropA(wnd, kBoundProperty, control);
            control->FHandle = wnd;
        }
    }
    if (!control) {
        WNDPROC system = SystemProcOf(wnd);
        return system ? CallWindowProcA(system, wnd, msg, wParam, lParam) : DefWindowProcA(wnd, msg, wParam, lParam);
    }
    if (msg == WM_NCDESTROY) {
        const LRESULT result = control->DefaultHandler(msg, wParam, lParam);
        UnbindWindow(wnd);
        control->FHandle = nullptr;
        return result;
    }
    return Guarded([&] { return control->WndProc(msg, wParam, lParam); });
}

// ---------------------------------------------------------------- TWinControl

LRESULT TWinControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_PAINT:            return HandlePaint();
    case WM_ERASEBKGND:       return WMEraseBkgnd(msg, wParam, lParam);
    case WM_MOUSEMOVE:        return WMMouse(msg, wParam, lParam);
    case WM_LBUTTONDOWN:      return WMMouse(msg, wParam, lParam);
    case WM_LBUTTONUP:        return WMMouse(msg, wParam, lParam);
    case WM_LBUTTONDBLCLK:    return WMMouse(msg, wParam, lParam);
    case WM_RBUTTONDOWN:      return WMMouse(msg, wParam, lParam);
    case WM_RBUTTONUP:        return WMMouse(msg, wParam, lParam);
    case WM_RBUTTONDBLCLK:    return WMMouse(msg, wParam, lParam);
    case WM_MBUTTONDOWN:      return WMMouse(msg, wParam, lParam);
    case WM_MBUTTONUP:        return WMMouse(msg, wParam, lParam);
    case WM_MBUTTONDBLCLK:    return WMMouse(msg, wParam, lParam);
    case WM_MOUSELEAVE:       return WMMouseLeave(msg, wParam, lParam);
    case WM_CAPTURECHANGED:   return WMCaptureChanged(msg, wParam, lParam);
    case WM_SETCURSOR:        return WMSetCursor(msg, wParam, lParam);
    case WM_KEYDOWN:          return WMKeyDown(msg, wParam, lParam);
    case WM_SYSKEYDOWN:       return WMKeyDown(msg, wParam, lParam);
    case WM_KEYUP:            return WMKeyUp(msg, wParam, lParam);
    case WM_SYSKEYUP:         return WMKeyUp(msg, wParam, lParam);
    case WM_CHAR:             return WMChar(msg, wParam, lParam);
    case WM_SYSCHAR:          return WMSysChar(msg, wParam, lParam);
    case WM_SETFOCUS:         return WMSetFocus(msg, wParam, lParam);
    case WM_KILLFOCUS:        return WMKillFocus(msg, wParam, lParam);
    case WM_WINDOWPOSCHANGED: return WMWindowPosChanged(msg, wParam, lParam);
    case WM_COMMAND:          return WMCommand(msg, wParam, lParam);
    case WM_CTLCOLOREDIT:     return WMCtlColor(msg, wParam, lParam);
    case WM_CTLCOLORSTATIC:   return WMCtlColor(msg, wParam, lParam);
    case WM_CTLCOLORLISTBOX:  return WMCtlColor(msg, wParam, lParam);
    case WM_SYSCOLORCHANGE:   return WMSysColorChange(msg, wParam, lParam);
    default:                  return DefaultHandler(msg, wParam, lParam);
    }
}

// ---------------------------------------------------------------- message handlers

LRESULT TWinControl::WMEraseBkgnd(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (FSystemProc && !CustomPaint())
        return DefaultHandler(msg, wParam, lParam);
    return EraseBackground(reinterpret_cast<HDC>(wParam)) ? 1 : 0;
}

LRESULT TWinControl::WMMouse(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_MOUSEMOVE) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, FHandle, 0};
        TrackMouseEvent(&track);
    }
    const LRESULT result = HandleMouse(msg, wParam, lParam);
    // System controls still need the mouse for their own behaviour.
    if (FSystemProc)
        return DefaultHandler(msg, wParam, lParam);
    return result;
}

LRESULT TWinControl::WMMouseLeave(UINT msg, WPARAM wParam, LPARAM lParam)
{
    Application()->MouseLeftWindow(FHandle);
    return DefaultHandler(msg, wParam, lParam);
}

LRESULT TWinControl::WMCaptureChanged(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (reinterpret_cast<HWND>(lParam) != FHandle)
        FCaptureControl = nullptr;
    return DefaultHandler(msg, wParam, lParam);
}

LRESULT TWinControl::WMSetCursor(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(lParam) == HTCLIENT && reinterpret_cast<HWND>(wParam) == FHandle) {
        POINT p;
        GetCursorPos(&p);
        ::ScreenToClient(FHandle, &p);
        TControl* c = FCaptureControl ? FCaptureControl : ControlAtPos(p, true, true);
        if (!c)
            c = this;
        if (c->Cursor() != crDefault) {
            ::SetCursor(Screen()->Cursors(c->Cursor()));
            return TRUE;
        }
    }
    return DefaultHandler(msg, wParam, lParam);
}

LRESULT TWinControl::WMKeyDown(UINT msg, WPARAM wParam, LPARAM lParam)
{
    WORD key = static_cast<WORD>(wParam);
    if (key == VK_TAB && msg == WM_KEYDOWN && !(KeyboardShiftState() & (ssCtrl | ssAlt))) {
        if (TCustomForm* form = GetParentForm()) {
            form->SelectNext(this, (KeyboardShiftState() & ssShift) == 0);
            return 0;
        }
    }
    KeyDown(key, KeyboardShiftState());
    if (key == 0)
        return 0;
    return DefaultHandler(msg, wParam, lParam);
}

LRESULT TWinControl::WMKeyUp(UINT msg, WPARAM wParam, LPARAM lParam)
{
    WORD key = static_cast<WORD>(wParam);
    KeyUp(key, KeyboardShiftState());
    if (key == 0)
        return 0;
    return DefaultHandler(msg, wParam, lParam);
}

LRESULT TWinControl::WMChar(UINT msg, WPARAM wParam, LPARAM lParam)
{
    char key = static_cast<char>(wParam);
    // The Tab that moved the focus would only make an edit beep.
    if (key == '\t')
        return 0;
    KeyPress(key);
    if (key == 0)
        return 0;
    if (!FWantsAllKeys) {
        if (TCustomForm* form = GetParentForm())
            if (form->DialogCharFor(key))
                return 0;
    }
    // KeyPress may have replaced the character.
    return DefaultHandler(msg, static_cast<unsigned char>(key), lParam);
}

LRESULT TWinControl::WMSysChar(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (TCustomForm* form = GetParentForm())
        if (form->DialogCharFor(static_cast<char>(wParam)))
            return 0;
    return DefaultHandler(msg, wParam, lParam);
}

LRESULT TWinControl::WMSetFocus(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (TCustomForm* form = GetParentForm())
        if (form != this)
            form->SetActiveControl(this);
    DoEnter();
    return DefaultHandler(msg, wParam, lParam);
}

LRESULT TWinControl::WMKillFocus(UINT msg, WPARAM wParam, LPARAM lParam)
{
    DoExit();
    return DefaultHandler(msg, wParam, lParam);
}

LRESULT TWinControl::WMWindowPosChanged(UINT msg, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = DefaultHandler(msg, wParam, lParam);
    UpdateBoundsFromWindow();
    return result;
}

LRESULT TWinControl::WMCommand(UINT msg, WPARAM wParam, LPARAM lParam)
{
    // Notifications of the system controls we build on come back to them.
    if (lParam) {
        if (TWinControl* child = FindControl(reinterpret_cast<HWND>(lParam)))
            if (child->CommandNotify(HIWORD(wParam)))
                return 0;
    }
    return DefaultHandler(msg, wParam, lParam);
}

LRESULT TWinControl::WMCtlColor(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (TWinControl* child = FindControl(reinterpret_cast<HWND>(lParam)))
        if (HBRUSH brush = child->CtlColor(reinterpret_cast<HDC>(wParam)))
            return reinterpret_cast<LRESULT>(brush);
    return DefaultHandler(msg, wParam, lParam);
}

LRESULT TWinControl::WMSysColorChange(UINT msg, WPARAM wParam, LPARAM lParam)
{
    SysColorChanged();
    NotifyChildren(&TControl::SysColorChanged);
    return DefaultHandler(msg, wParam, lParam);
}

LRESULT TWinControl::HandlePaint()
{
    if (!FSystemProc || CustomPaint()) {
        PaintDC paint(FHandle);
        PaintWindow(paint.Get());
        PaintControls(paint.Get());
        return 0;
    }
    // A system control paints itself; our graphic children go on top.
    const LRESULT result = DefaultHandler(WM_PAINT, 0, 0);
    if (std::any_of(FControls.begin(), FControls.end(), [](TControl* c) { return !c->IsWindowed(); })) {
        WindowDC dc(FHandle);
        PaintControls(dc.Get());
    }
    return result;
}

LRESULT TWinControl::HandleMouse(UINT msg, WPARAM wParam, LPARAM lParam)
{
    const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const TShiftState shift = KeysToShiftState(wParam);
    TMouseButton button = mbLeft;
    if (msg == WM_RBUTTONDOWN || msg == WM_RBUTTONUP || msg == WM_RBUTTONDBLCLK)
        button = mbRight;
    else if (msg == WM_MBUTTONDOWN || msg == WM_MBUTTONUP || msg == WM_MBUTTONDBLCLK)
        button = mbMiddle;

    // Graphic children get the mouse from us; a press keeps them as the
    // target until every button is up again.
    TControl* target = FCaptureControl;
    if (!target) {
        target = ControlAtPos(p, false, true);
        if (!target)
            target = this;
    }
    const int x = p.x - (target == this ? 0 : target->Left());
    const int y = p.y - (target == this ? 0 : target->Top());

    switch (msg) {
    case WM_MOUSEMOVE: {
        Application()->MouseOver(FCaptureControl ? FCaptureControl : target, FHandle);
        target->MouseMove(shift, x, y);
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        Application()->CancelHint();
        if (target != this)
            FCaptureControl = target;
        // System controls capture the mouse themselves.
        if (!FSystemProc)
            SetCapture(FHandle);
        target->MouseDown(button, shift, x, y);
        return 0;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        if (target != this)
            FCaptureControl = target;
        if (!FSystemProc)
            SetCapture(FHandle);
        target->MouseDown(button, shift | ssDouble, x, y);
        if (button == mbLeft)
            target->DblClick();
        return 0;
    default: {
        // A button went up.
        const bool anyDown = (wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) != 0;
        if (!anyDown) {
            FCaptureControl = nullptr;
            if (GetCapture() == FHandle && !FSystemProc)
                ReleaseCapture();
        }
        target->MouseUp(button, shift, x, y);
        return 0;
    }
    }
}
