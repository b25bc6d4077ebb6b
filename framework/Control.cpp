// TControl: what every control has, windowed or not.
#include "framework/Controls.h"

#include "framework/Forms.h"

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
