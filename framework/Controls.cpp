#include "framework/Controls.h"

#include "framework/Exceptions.h"
#include "framework/Forms.h"

#include <windowsx.h>

#include <algorithm>
#include <map>

// ---------------------------------------------------------------- helpers

TShiftState KeysToShiftState(WPARAM keys)
{
    TShiftState shift = 0;
    if (keys & MK_SHIFT)
        shift |= ssShift;
    if (keys & MK_CONTROL)
        shift |= ssCtrl;
    if (keys & MK_LBUTTON)
        shift |= ssLeft;
    if (keys & MK_RBUTTON)
        shift |= ssRight;
    if (keys & MK_MBUTTON)
        shift |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0)
        shift |= ssAlt;
    return shift;
}

TShiftState KeyboardShiftState()
{
    TShiftState shift = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        shift |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0)
        shift |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0)
        shift |= ssAlt;
    return shift;
}

char AccelChar(const std::string& caption)
{
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return caption[i + 1];
    }
    return 0;
}

bool IsAccel(char key, const std::string& caption)
{
    const char accel = AccelChar(caption);
    if (!accel || !key)
        return false;
    char a[2] = {accel, 0};
    char k[2] = {key, 0};
    CharUpperA(a);
    CharUpperA(k);
    return a[0] == k[0];
}

std::string StripAccelChars(const std::string& caption)
{
    std::string out;
    out.reserve(caption.size());
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size())
                out += caption[++i];
            continue;
        }
        out += caption[i];
    }
    return out;
}

// ---------------------------------------------------------------- TControl

TControl::TControl(TComponent* owner) : TComponent(owner)
{
    FFont.OnChange = [this] {
        if (!FInheritingFont)
            FParentFont = false;
        FontChanged();
    };
}

TControl::~TControl()
{
    if (Application())
        Application()->ControlDestroying(this);
    if (FParent)
        FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == FParent)
        return;
    if (FParent)
        FParent->RemoveControl(this);
    if (parent)
        parent->InsertControl(this);
}

TCustomForm* TControl::GetParentForm() const
{
    const TControl* c = this;
    while (c->FParent)
        c = c->FParent;
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(c));
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    if (left == FLeft && top == FTop && width == FWidth && height == FHeight)
        return;
    const bool resized = width != FWidth || height != FHeight;
    const bool moved = left != FLeft || top != FTop;
    Invalidate();
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
    Invalidate();
    if (resized)
        Resized();
    if (moved)
        Moved();
    if (FParent && FAlign != alNone)
        FParent->Realign();
}

POINT TControl::ClientOrigin() const
{
    POINT p{0, 0};
    const TControl* c = this;
    while (c && !c->IsWindowed()) {
        p.x += c->FLeft;
        p.y += c->FTop;
        c = c->FParent;
    }
    return p;
}

POINT TControl::ClientToScreen(POINT p) const
{
    const TControl* c = this;
    while (c && !c->IsWindowed()) {
        p.x += c->FLeft;
        p.y += c->FTop;
        c = c->FParent;
    }
    if (c) {
        auto* w = const_cast<TWinControl*>(static_cast<const TWinControl*>(c));
        ::ClientToScreen(w->Handle(), &p);
    }
    return p;
}

POINT TControl::ScreenToClient(POINT p) const
{
    const TControl* c = this;
    POINT offset{0, 0};
    while (c && !c->IsWindowed()) {
        offset.x += c->FLeft;
        offset.y += c->FTop;
        c = c->FParent;
    }
    if (c) {
        auto* w = const_cast<TWinControl*>(static_cast<const TWinControl*>(c));
        ::ScreenToClient(w->Handle(), &p);
    }
    p.x -= offset.x;
    p.y -= offset.y;
    return p;
}

void TControl::SetVisible(bool visible)
{
    if (visible == FVisible)
        return;
    if (!visible)
        Invalidate();
    FVisible = visible;
    if (visible)
        Invalidate();
    VisibleChanged();
    if (FParent && FAlign != alNone)
        FParent->Realign();
}

bool TControl::Showing() const
{
    for (const TControl* c = this; c; c = c->FParent)
        if (!c->FVisible)
            return false;
    return true;
}

void TControl::SetEnabled(bool enabled)
{
    if (enabled == FEnabled)
        return;
    FEnabled = enabled;
    EnabledChanged();
}

void TControl::SetCaption(const std::string& caption)
{
    if (caption == FCaption)
        return;
    FCaption = caption;
    TextChanged();
}

void TControl::SetShowHint(bool show)
{
    FParentShowHint = false;
    if (show != FShowHint) {
        FShowHint = show;
        if (IsWindowed())
            static_cast<TWinControl*>(this)->NotifyChildren(&TControl::ParentShowHintChanged);
    }
}

void TControl::SetParentShowHint(bool value)
{
    FParentShowHint = value;
    if (value)
        ParentShowHintChanged();
}

void TControl::SetParentFont(bool value)
{
    FParentFont = value;
    if (value)
        ParentFontChanged();
}

void TControl::SetColor(TColor color)
{
    FParentColor = false;
    if (color == FColor)
        return;
    FColor = color;
    ColorChanged();
}

void TControl::SetParentColor(bool value)
{
    FParentColor = value;
    if (value)
        ParentColorChanged();
}

void TControl::SetAlign(TAlign align)
{
    if (align == FAlign)
        return;
    FAlign = align;
    if (FParent)
        FParent->Realign();
}

void TControl::SetCursor(TCursor cursor)
{
    FCursor = cursor;
}

void TControl::Invalidate()
{
    if (!FParent || !FParent->HandleAllocated())
        return;
    RECT r = BoundsRect();
    InvalidateRect(FParent->Handle(), &r, TRUE);
}

void TControl::Repaint()
{
    Invalidate();
    Update();
}

void TControl::Update()
{
    if (FParent && FParent->HandleAllocated())
        UpdateWindow(FParent->Handle());
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft && FClickEvents)
        FClicking = true;
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y)
{
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    const bool clicked = button == mbLeft && FClicking && ContainsPoint(x, y);
    if (button == mbLeft)
        FClicking = false;
    if (clicked)
        Click();
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

void TControl::Click()
{
    if (OnClick)
        OnClick(this);
}

void TControl::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

void TControl::MouseEnter()
{
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TControl::MouseLeave()
{
    if (OnMouseLeave)
        OnMouseLeave(this);
}

void TControl::EnabledChanged()
{
    Invalidate();
}

void TControl::VisibleChanged() {}

void TControl::TextChanged()
{
    Invalidate();
}

void TControl::FontChanged()
{
    if (IsWindowed()) {
        auto* self = static_cast<TWinControl*>(this);
        // The old GDI font is gone once the font changed: a window that
        // draws its own text (the system classes) must get the new one.
        if (self->HandleAllocated())
            SendMessageA(self->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(FFont.Handle()), FALSE);
        self->NotifyChildren(&TControl::ParentFontChanged);
    }
    Invalidate();
}

void TControl::ColorChanged()
{
    Invalidate();
    if (IsWindowed())
        static_cast<TWinControl*>(this)->NotifyChildren(&TControl::ParentColorChanged);
}

void TControl::ParentColorChanged()
{
    if (FParentColor && FParent && FParent->Color() != FColor) {
        FColor = FParent->Color();
        ColorChanged();
    }
}

void TControl::ParentFontChanged()
{
    if (FParentFont && FParent && !(FFont == FParent->Font())) {
        FInheritingFont = true;
        FFont.Assign(FParent->Font());
        FInheritingFont = false;
    }
}

void TControl::ParentShowHintChanged()
{
    if (FParentShowHint && FParent && FParent->ShowHint() != FShowHint) {
        FShowHint = FParent->ShowHint();
        if (IsWindowed())
            static_cast<TWinControl*>(this)->NotifyChildren(&TControl::ParentShowHintChanged);
    }
}

void TControl::PaintParentBackground(TCanvas& canvas) const
{
    if (!FParent)
        return;
    HDC dc = canvas.Handle();
    SaveDCGuard save(dc);
    // Shift the origin so that the parent paints itself at its own place
    // relative to us, and clip to what lies behind this control.
    POINT origin;
    GetWindowOrgEx(dc, &origin);
    SetWindowOrgEx(dc, origin.x + FLeft, origin.y + FTop, nullptr);
    RECT behind{FLeft, FTop, FLeft + FWidth, FTop + FHeight};
    RECT parentClient = FParent->ClientRect();
    IntersectRect(&behind, &behind, &parentClient);
    POINT corners[2] = {{behind.left, behind.top}, {behind.right, behind.bottom}};
    LPtoDP(dc, corners, 2);
    UniqueRegion clip(CreateRectRgn(corners[0].x, corners[0].y, corners[1].x, corners[1].y));
    ExtSelectClipRgn(dc, clip.Get(), RGN_AND);
    TCanvas parentCanvas(dc);
    parentCanvas.Font = FParent->Font();
    parentCanvas.FillRect(FParent->ClientRect(), FParent->Color());
    FParent->Paint(parentCanvas);
    // Siblings below us belong to what the parent shows.
    for (TControl* sibling : FParent->Controls()) {
        if (sibling == this)
            break;
        if (sibling->IsWindowed() || !sibling->Visible())
            continue;
        RECT inter;
        RECT sb = sibling->BoundsRect();
        if (!IntersectRect(&inter, &sb, &behind))
            continue;
        SaveDCGuard inner(dc);
        POINT org;
        GetWindowOrgEx(dc, &org);
        SetWindowOrgEx(dc, org.x - sibling->Left(), org.y - sibling->Top(), nullptr);
        TCanvas siblingCanvas(dc);
        siblingCanvas.Font = sibling->Font();
        sibling->Paint(siblingCanvas);
    }
}

// ---------------------------------------------------------------- window classes

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
        RemovePropA(wnd, kBoundProperty);
        control->FHandle = nullptr;
        return result;
    }
    // No exception ever crosses a window procedure: whatever escapes a handler
    // ends that handler and is shown by the application.
    try {
        return control->WndProc(msg, wParam, lParam);
    } catch (const std::exception& e) {
        HandleApplicationException(e);
    } catch (...) {
        HandleApplicationException(Exception("Unbekannter Fehler"));
    }
    return 0;
}

// ---------------------------------------------------------------- TWinControl

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl()
{
    // Children go first; each unlinks itself from us and from its owner.
    while (!FControls.empty()) {
        TControl* child = FControls.back();
        delete child;
    }
    DestroyHandle();
}

HWND TWinControl::Handle()
{
    if (!FHandle)
        CreateWnd();
    return FHandle;
}

void TWinControl::DestroyHandle()
{
    if (FHandle) {
        HWND wnd = FHandle;
        DestroyWindow(wnd);
        // A window that did not go away (another thread's) is at least
        // unbound from us.
        if (IsWindow(wnd))
            RemovePropA(wnd, kBoundProperty);
        FHandle = nullptr;
    }
}

void TWinControl::CreateParams(TCreateParams& params)
{
    params.Caption = FCaption;
    params.X = FLeft;
    params.Y = FTop;
    params.Width = FWidth;
    params.Height = FHeight;
    params.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (FVisible)
        params.Style |= WS_VISIBLE;
    if (!FEnabled)
        params.Style |= WS_DISABLED;
    if (FTabStop)
        params.Style |= WS_TABSTOP;
    if (FParent)
        params.WndParent = FParent->Handle();
    if (params.WinClassName.empty())
        params.WinClassName = "ZorvaneWinControl";
}

void TWinControl::CreateWnd()
{
    TCreateParams params;
    CreateParams(params);
    // Asking for the parent's window made the parent create its children,
    // this one included: a second window would leave the first unpainted.
    if (FHandle)
        return;
    if ((params.Style & WS_CHILD) && !params.WndParent)
        throw Exception("Steuerelement '" + Name() + "' hat kein übergeordnetes Fenster");
    EnsureClass(params);
    HWND wnd = CreateWindowExA(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(), params.Style, params.X,
                               params.Y, params.Width, params.Height, params.WndParent, nullptr, GetModuleHandleA(nullptr), this);
    if (!wnd)
        throw Exception("Fenster für '" + Name() + "' kann nicht erzeugt werden");
    FHandle = wnd;
    SendMessageA(wnd, WM_SETFONT, reinterpret_cast<WPARAM>(FFont.Handle()), FALSE);
    HandleCreated();
    CreateChildHandles();
}

void TWinControl::CreateChildHandles()
{
    for (TControl* child : FControls)
        if (child->IsWindowed())
            static_cast<TWinControl*>(child)->Handle();
}

LRESULT TWinControl::DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!FHandle)
        return 0;
    if (WNDPROC system = SystemProcOf(FHandle))
        return CallWindowProcA(system, FHandle, msg, wParam, lParam);
    return DefWindowProcA(FHandle, msg, wParam, lParam);
}

void TWinControl::InsertControl(TControl* control)
{
    control->FParent = this;
    FControls.push_back(control);
    if (control->IsWindowed()) {
        auto* win = static_cast<TWinControl*>(control);
        FTabList.push_back(win);
        if (FHandle) {
            if (win->FHandle)
                ::SetParent(win->FHandle, FHandle);
            else
                win->Handle();
        }
    }
    control->ParentColorChanged();
    control->ParentFontChanged();
    control->ParentShowHintChanged();
    if (control->Align() != alNone)
        Realign();
    control->Invalidate();
}

void TWinControl::RemoveControl(TControl* control)
{
    if (FCaptureControl == control)
        FCaptureControl = nullptr;
    control->Invalidate();
    FControls.erase(std::remove(FControls.begin(), FControls.end(), control), FControls.end());
    FTabList.erase(std::remove(FTabList.begin(), FTabList.end(), control), FTabList.end());
    control->FParent = nullptr;
    if (control->IsWindowed()) {
        auto* win = static_cast<TWinControl*>(control);
        if (win->FHandle)
            win->DestroyHandle();
    }
}

void TWinControl::NotifyChildren(void (TControl::*notify)())
{
    for (TControl* child : std::vector<TControl*>(FControls))
        (child->*notify)();
}

bool TWinControl::BroadcastDialogChar(char key)
{
    for (TControl* child : FControls) {
        if (!child->Visible() || !child->Enabled())
            continue;
        if (child->DialogChar(key))
            return true;
        if (child->IsWindowed() && static_cast<TWinControl*>(child)->BroadcastDialogChar(key))
            return true;
    }
    return false;
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const
{
    for (TWinControl* child : FTabList) {
        list.push_back(child);
        child->GetTabOrderList(list);
    }
}

TControl* TWinControl::ControlAtPos(POINT p, bool allowDisabled, bool graphicOnly) const
{
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
        TControl* c = *it;
        if (graphicOnly && c->IsWindowed())
            continue;
        if (!c->Visible() || (!allowDisabled && !c->Enabled()))
            continue;
        if (c->ContainsPoint(p.x - c->Left(), p.y - c->Top()))
            return c;
    }
    return nullptr;
}

int TWinControl::TabOrder() const
{
    if (!FParent)
        return -1;
    const auto& list = FParent->FTabList;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order)
{
    if (!FParent)
        return;
    auto& list = FParent->FTabList;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    order = std::clamp(order, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + order, this);
}

bool TWinControl::CanFocus() const
{
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled())
            return false;
    return true;
}

bool TWinControl::Focused() const
{
    return FHandle && GetFocus() == FHandle;
}

void TWinControl::SetFocus()
{
    if (TCustomForm* form = GetParentForm())
        form->SetActiveControl(this);
    if (CanFocus())
        ::SetFocus(Handle());
}

void TWinControl::SetParent(TWinControl* parent)
{
    TControl::SetParent(parent);
}

void TWinControl::SetBounds(int left, int top, int width, int height)
{
    if (left == FLeft && top == FTop && width == FWidth && height == FHeight)
        return;
    const int oldWidth = FWidth;
    const int oldHeight = FHeight;
    const bool moved = left != FLeft || top != FTop;
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
    if (FHandle)
        SetWindowPos(FHandle, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    if (oldWidth != width || oldHeight != height) {
        AnchorChildren(oldWidth, oldHeight);
        Realign();
        Resized();
    }
    if (moved)
        Moved();
    if (FParent && FAlign != alNone)
        FParent->Realign();
}

void TWinControl::UpdateBoundsFromWindow()
{
    if (!FHandle)
        return;
    RECT r;
    GetWindowRect(FHandle, &r);
    HWND parent = GetParent(FHandle);
    if (parent && (GetWindowLongA(FHandle, GWL_STYLE) & WS_CHILD))
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    const int oldWidth = FWidth;
    const int oldHeight = FHeight;
    FLeft = r.left;
    FTop = r.top;
    FWidth = r.right - r.left;
    FHeight = r.bottom - r.top;
    if (oldWidth != FWidth || oldHeight != FHeight) {
        AnchorChildren(oldWidth, oldHeight);
        Realign();
        Resized();
    }
}

void TWinControl::AnchorChildren(int oldWidth, int oldHeight)
{
    if (oldWidth == 0 && oldHeight == 0)
        return;
    const int dx = FWidth - oldWidth;
    const int dy = FHeight - oldHeight;
    for (TControl* c : FControls) {
        if (c->Align() != alNone)
            continue;
        int l = c->Left(), t = c->Top(), w = c->Width(), h = c->Height();
        const TAnchors a = c->Anchors();
        if (a & akRight) {
            if (a & akLeft)
                w += dx;
            else
                l += dx;
        }
        if (a & akBottom) {
            if (a & akTop)
                h += dy;
            else
                t += dy;
        }
        c->SetBounds(l, t, w, h);
    }
}

void TWinControl::Realign()
{
    if (FAligning)
        return;
    FAligning = true;
    RECT r = ClientRect();
    AdjustClientRect(r);
    auto place = [&](TAlign which) {
        for (TControl* c : FControls) {
            if (c->Align() != which || !c->Visible())
                continue;
            switch (which) {
            case alTop:
                c->SetBounds(r.left, r.top, r.right - r.left, c->Height());
                r.top += c->Height();
                break;
            case alBottom:
                c->SetBounds(r.left, r.bottom - c->Height(), r.right - r.left, c->Height());
                r.bottom -= c->Height();
                break;
            case alLeft:
                c->SetBounds(r.left, r.top, c->Width(), r.bottom - r.top);
                r.left += c->Width();
                break;
            case alRight:
                c->SetBounds(r.right - c->Width(), r.top, c->Width(), r.bottom - r.top);
                r.right -= c->Width();
                break;
            case alClient:
                c->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
                break;
            default:
                break;
            }
        }
    };
    for (TAlign a : {alTop, alBottom, alLeft, alRight, alClient})
        place(a);
    FAligning = false;
}

void TWinControl::SetVisible(bool visible)
{
    if (visible == FVisible)
        return;
    // The system leaves the focus on a window whose parent is hidden, where
    // Space would still tick a box the user cannot see: the form takes it.
    if (!visible && FHandle) {
        const HWND focus = GetFocus();
        TCustomForm* form = GetParentForm();
        if (form && form != this && focus && (focus == FHandle || IsChild(FHandle, focus))) {
            form->SetActiveControl(nullptr);
            ::SetFocus(form->Handle());
        }
    }
    FVisible = visible;
    if (FHandle)
        ShowWindow(FHandle, visible ? SW_SHOWNA : SW_HIDE);
    VisibleChanged();
    if (FParent && FAlign != alNone)
        FParent->Realign();
}

void TWinControl::SetEnabled(bool enabled)
{
    if (enabled == FEnabled)
        return;
    FEnabled = enabled;
    if (FHandle)
        EnableWindow(FHandle, enabled);
    EnabledChanged();
}

void TWinControl::Invalidate()
{
    if (FHandle)
        InvalidateRect(FHandle, nullptr, TRUE);
}

void TWinControl::SetCaption(const std::string& caption)
{
    if (caption == FCaption)
        return;
    FCaption = caption;
    if (FHandle)
        SetWindowTextA(FHandle, caption.c_str());
    TextChanged();
}

void TWinControl::KeyDown(WORD& key, TShiftState shift)
{
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(WORD& key, TShiftState shift)
{
    if (OnKeyUp)
        OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char& key)
{
    if (OnKeyPress)
        OnKeyPress(this, key);
}

void TWinControl::DoEnter()
{
    if (OnEnter)
        OnEnter(this);
}

void TWinControl::DoExit()
{
    if (OnExit)
        OnExit(this);
}

HBRUSH TWinControl::SolidCtlColor(HDC dc, TColor background)
{
    const COLORREF back = ColorToRGB(background);
    SetBkColor(dc, back);
    SetTextColor(dc, ColorToRGB(FEnabled ? FFont.Color() : clGrayText));
    return FCtlBrush.For(back);
}

void TWinControl::PaintControls(HDC dc, TControl* first)
{
    bool started = first == nullptr;
    for (TControl* c : FControls) {
        if (!started) {
            started = c == first;
            continue;
        }
        if (c->IsWindowed() || !c->Visible())
            continue;
        SaveDCGuard save(dc);
        RECT b = c->BoundsRect();
        IntersectClipRect(dc, b.left, b.top, b.right, b.bottom);
        SetViewportOrgEx(dc, b.left, b.top, nullptr);
        TCanvas canvas(dc);
        canvas.Font = c->Font();
        c->Paint(canvas);
    }
}

void TWinControl::PaintWindow(HDC dc)
{
    TCanvas canvas(dc);
    canvas.Font = FFont;
    Paint(canvas);
}

void TCustomControl::PaintWindow(HDC dc)
{
    if (!PaintsOffScreen()) {
        TWinControl::PaintWindow(dc);
        return;
    }
    TMemoryDC buffer(dc, FWidth, FHeight);
    TCanvas canvas(buffer.Handle());
    canvas.Font = FFont;
    Paint(canvas);
    buffer.BlitTo(dc);
}

bool TWinControl::EraseBackground(HDC dc)
{
    if (CustomPaint())
        return true;   // Paint covers everything
    RECT r;
    GetClientRect(FHandle, &r);
    TCanvas canvas(dc);
    canvas.FillRect(r, FColor);
    return true;
}

LRESULT TWinControl::HandlePaint()
{
    if (!SystemProcOf(FHandle) || CustomPaint()) {
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
        if (Application())
            Application()->MouseOver(FCaptureControl ? FCaptureControl : target, FHandle);
        target->MouseMove(shift, x, y);
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        if (Application())
            Application()->CancelHint();
        if (target != this)
            FCaptureControl = target;
        // System controls capture the mouse themselves.
        if (!SystemProcOf(FHandle))
            SetCapture(FHandle);
        target->MouseDown(button, shift, x, y);
        return 0;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        if (target != this)
            FCaptureControl = target;
        if (!SystemProcOf(FHandle))
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
            if (GetCapture() == FHandle && !SystemProcOf(FHandle))
                ReleaseCapture();
        }
        target->MouseUp(button, shift, x, y);
        return 0;
    }
    }
}

LRESULT TWinControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_PAINT:
        return HandlePaint();
    case WM_ERASEBKGND:
        if (SystemProcOf(FHandle) && !CustomPaint())
            break;
        return EraseBackground(reinterpret_cast<HDC>(wParam)) ? 1 : 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK: {
        if (msg == WM_MOUSEMOVE) {
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, FHandle, 0};
            TrackMouseEvent(&track);
        }
        const LRESULT result = HandleMouse(msg, wParam, lParam);
        // System controls still need the mouse for their own behaviour.
        if (SystemProcOf(FHandle))
            return DefaultHandler(msg, wParam, lParam);
        return result;
    }
    case WM_MOUSELEAVE:
        if (Application())
            Application()->MouseLeftWindow(FHandle);
        break;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != FHandle)
            FCaptureControl = nullptr;
        break;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && reinterpret_cast<HWND>(wParam) == FHandle) {
            POINT p;
            GetCursorPos(&p);
            ::ScreenToClient(FHandle, &p);
            TControl* c = FCaptureControl ? FCaptureControl : ControlAtPos(p, true, true);
            if (!c)
                c = this;
            if (c->Cursor() != crDefault && Screen()) {
                ::SetCursor(Screen()->Cursors(c->Cursor()));
                return TRUE;
            }
        }
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
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
        break;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        WORD key = static_cast<WORD>(wParam);
        KeyUp(key, KeyboardShiftState());
        if (key == 0)
            return 0;
        break;
    }
    case WM_CHAR: {
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
        wParam = static_cast<unsigned char>(key);
        break;
    }
    case WM_SYSCHAR:
        if (TCustomForm* form = GetParentForm())
            if (form->DialogCharFor(static_cast<char>(wParam)))
                return 0;
        break;
    case WM_SETFOCUS:
        if (TCustomForm* form = GetParentForm())
            if (form != this)
                form->SetActiveControl(this);
        DoEnter();
        break;
    case WM_KILLFOCUS:
        DoExit();
        break;
    case WM_WINDOWPOSCHANGED: {
        const LRESULT result = DefaultHandler(msg, wParam, lParam);
        UpdateBoundsFromWindow();
        return result;
    }
    case WM_COMMAND:
        if (lParam) {
            if (TWinControl* child = FindControl(reinterpret_cast<HWND>(lParam)))
                if (child->CommandNotify(HIWORD(wParam)))
                    return 0;
        }
        break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
        if (TWinControl* child = FindControl(reinterpret_cast<HWND>(lParam)))
            if (HBRUSH brush = child->CtlColor(reinterpret_cast<HDC>(wParam)))
                return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_SYSCOLORCHANGE:
        SysColorChanged();
        NotifyChildren(&TControl::SysColorChanged);
        break;
    default:
        break;
    }
    return DefaultHandler(msg, wParam, lParam);
}
