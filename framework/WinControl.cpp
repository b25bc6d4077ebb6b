// TWinControl: a control with a window of its own, the parent of others.
#include "framework/Controls.h"

#include "framework/Exceptions.h"
#include "framework/Forms.h"
#include "framework/WindowClass.h"

#include <algorithm>

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
            UnbindWindow(wnd);
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
    FSystemProc = EnsureWindowClass(params);
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
    if (FSystemProc)
        return CallWindowProcA(FSystemProc, FHandle, msg, wParam, lParam);
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
