#include "controls/TFlatCheckBoxUnit.h"

TFlatCheckBox::TFlatCheckBox(TComponent* owner) : TFlatColorControl<TCustomControl>(owner, clWhite)
{
    FWidth = 121;
    FHeight = 17;
    FTabStop = true;
    // OnClick follows the byte, not the mouse.
    SetClickEvents(false);
    HoverTracker().Attach();
}

TFlatCheckBox::~TFlatCheckBox()
{
    HoverTracker().Detach(*this);
}

TFlatHoverTracker& TFlatCheckBox::HoverTracker()
{
    // Never destroyed: check boxes may outlive the statics at program end.
    static auto* tracker = new TFlatHoverTracker;
    return *tracker;
}

void TFlatCheckBox::CreateParams(TCreateParams& params)
{
    TFlatColorControl<TCustomControl>::CreateParams(params);
    params.WinClassName = "TFlatCheckBox";
}

void TFlatCheckBox::SetChecked(std::uint8_t value)
{
    // Dialogs load their settings through this and count on OnClick for every
    // byte that changes, also from one "checked" byte to another.
    if (value == FChecked)
        return;
    FChecked = value;
    Invalidate();
    Click();
}

void TFlatCheckBox::Toggle()
{
    SetChecked(FChecked ? 0 : 1);
}

void TFlatCheckBox::SetColorCheck(TColor color)
{
    FColorCheck = color;
    ColorsChanged();
}

void TFlatCheckBox::SetLayout(TCheckBoxLayout layout)
{
    FLayout = layout;
    Invalidate();
}

void TFlatCheckBox::SetTransparent(bool value)
{
    FTransparent = value;
    Invalidate();
}

RECT TFlatCheckBox::BoxRect() const
{
    const RECT c = ClientRect();
    if (FLayout == checkboxLeft)
        return {c.left + 1, c.top + 3, c.left + 12, c.top + 14};
    return {c.right - 12, c.top + 3, c.right - 1, c.top + 14};
}

void TFlatCheckBox::Paint(TCanvas& canvas)
{
    canvas.Font = Font();
    const RECT client = ClientRect();
    if (FTransparent)
        DrawParentImage(*this, canvas);
    else
        canvas.FillRect(client, Color());

    const RECT box = BoxRect();
    TColor fill = FColorFocused;
    if (!Focused() && !FMouseIn)
        fill = Color();
    else if (FPressed)
        fill = FColorDown;
    canvas.FillRect(box, fill);

    if (FChecked)
        DrawTick(canvas, box.left, box.top, Enabled() ? FColorCheck : clBtnShadow);
    canvas.FrameRect(box, FColorBorder);

    RECT text;
    UINT flags = DT_WORDBREAK | DT_TOP;
    if (FLayout == checkboxLeft) {
        text = {client.left + 16, client.top + 1, client.right - 1, client.bottom - 1};
        flags |= DT_LEFT;
    } else {
        text = {client.left + 1, client.top + 1, client.right - 16, client.bottom - 1};
        flags |= DT_RIGHT;
    }
    if (Enabled())
        canvas.DrawText(Caption(), text, flags);
    else
        DrawEmbossedText(canvas, Caption(), text, flags);
}

void TFlatCheckBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft && Enabled()) {
        if (CanFocus())
            SetFocus();
        // The first click into an inactive window comes without a move, and
        // a lost focus ended the tracking: the press says where the pointer is.
        HoverTracker().Recheck(*this);
        FPressed = true;
        Invalidate();
    }
    TFlatColorControl<TCustomControl>::MouseDown(button, shift, x, y);
}

void TFlatCheckBox::MouseMove(TShiftState shift, int x, int y)
{
    HoverTracker().MouseMoved(*this);
    TFlatColorControl<TCustomControl>::MouseMove(shift, x, y);
}

void TFlatCheckBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft && Enabled() && FPressed) {
        FPressed = false;
        // Where the button comes up decides, not the hover look, which a held
        // press keeps while the pointer wanders off.
        if (ContainsPoint(x, y))
            Toggle();
        // The leave put off while pressed happens now.
        HoverTracker().Recheck(*this);
        Invalidate();
    }
    TFlatColorControl<TCustomControl>::MouseUp(button, shift, x, y);
}

bool TFlatCheckBox::DialogChar(char key)
{
    if (!Enabled() || !IsAccel(key, Caption()))
        return false;
    if (CanFocus())
        SetFocus();
    Toggle();
    return true;
}

void TFlatCheckBox::KeyUp(WORD& key, TShiftState shift)
{
    // On release, so that a held space bar toggles once.
    if (key == VK_SPACE && Enabled())
        Toggle();
    TFlatColorControl<TCustomControl>::KeyUp(key, shift);
}

void TFlatCheckBox::DoEnter()
{
    Invalidate();
    TFlatColorControl<TCustomControl>::DoEnter();
}

void TFlatCheckBox::DoExit()
{
    // The hover ends with the focus; it comes back on the next move or press
    // over the box, which only happens while the box is not the tracked one.
    FMouseIn = false;
    FPressed = false;
    HoverTracker().StopTracking(*this);
    Invalidate();
    TFlatColorControl<TCustomControl>::DoExit();
}

void TFlatCheckBox::EnabledChanged()
{
    if (!Enabled()) {
        FMouseIn = false;
        FPressed = false;
        HoverTracker().StopTracking(*this);
    }
    TFlatColorControl<TCustomControl>::EnabledChanged();
}
