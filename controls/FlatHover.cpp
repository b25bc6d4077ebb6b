#include "controls/FlatHover.h"

void TFlatHoverTracker::Attach()
{
    FTimer.Attach();
}

void TFlatHoverTracker::Detach(TFlatHoverTarget& target)
{
    StopTracking(target);
    FTimer.Detach();
}

TControl* TFlatHoverTracker::ControlUnderPointer()
{
    POINT p;
    if (!GetCursorPos(&p))
        return nullptr;
    HWND wnd = WindowFromPoint(p);
    // Another program's window may carry our binding property too (a second
    // Zorvane); its pointer means nothing here.
    DWORD process = 0;
    if (!wnd || !GetWindowThreadProcessId(wnd, &process) || process != GetCurrentProcessId())
        return nullptr;
    TWinControl* win = FindControl(wnd);
    if (!win)
        return nullptr;
    ScreenToClient(wnd, &p);
    // Windowless controls live in their parent's window.
    if (TControl* graphic = win->ControlAtPos(p, true, true))
        return graphic;
    return win;
}

bool TFlatHoverTracker::UnderPointer(TFlatHoverTarget& target)
{
    return ControlUnderPointer() == &target.HoverControl();
}

void TFlatHoverTracker::MouseMoved(TFlatHoverTarget& target)
{
    if (FTracked != &target && UnderPointer(target))
        TrackInstead(target);
}

void TFlatHoverTracker::TrackInstead(TFlatHoverTarget& target)
{
    if (FTracked)
        Leave(*FTracked);
    // Without an active window of ours the pointer belongs to another
    // program; no hover look then.
    TTimer* timer = FTimer.Timer();
    if (!GetActiveWindow() || !timer)
        return;
    timer->SetEnabled(false);
    FTracked = &target;
    timer->SetEnabled(true);
    Enter(target);
}

void TFlatHoverTracker::Tick()
{
    if (FTracked && !UnderPointer(*FTracked))
        Leave(*FTracked);
}

void TFlatHoverTracker::Enter(TFlatHoverTarget& target)
{
    TControl& control = target.HoverControl();
    if (!control.Enabled() || target.FMouseIn)
        return;
    target.FMouseIn = true;
    control.Invalidate();
}

void TFlatHoverTracker::Leave(TFlatHoverTarget& target)
{
    TControl& control = target.HoverControl();
    if (!control.Enabled() || !target.FMouseIn || target.HoverHeld())
        return;
    target.FMouseIn = false;
    StopTracking(target);
    control.Invalidate();
}

void TFlatHoverTracker::StopTracking(TFlatHoverTarget& target)
{
    if (FTracked != &target)
        return;
    if (TTimer* timer = FTimer.Timer())
        timer->SetEnabled(false);
    FTracked = nullptr;
}

void TFlatHoverTracker::Recheck(TFlatHoverTarget& target)
{
    if (!target.HoverControl().Enabled())
        return;
    if (!UnderPointer(target)) {
        Leave(target);
        return;
    }
    if (FTracked != &target)
        TrackInstead(target);
    // A release clears the hover look; it comes back while we track.
    if (FTracked == &target)
        Enter(target);
}
