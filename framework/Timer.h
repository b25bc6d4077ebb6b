// A timer component. All timers of the program share one hidden message
// window; WM_TIMER for it runs the timer's OnTimer behind the exception
// barrier.
#pragma once

#include "framework/Controls.h"

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner = nullptr);
    ~TTimer() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled);
    unsigned Interval() const { return FInterval; }
    void SetInterval(unsigned interval);

    TNotifyEvent OnTimer;

    // Where its WM_TIMER arrives: tests send that message to drive it.
    static HWND WindowHandle();
    UINT_PTR Id() const { return FId; }
    void Tick();

private:
    void UpdateTimer();

    bool FEnabled = true;
    unsigned FInterval = 1000;
    UINT_PTR FId;
    bool FRunning = false;
};
