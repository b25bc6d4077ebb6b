// A timer component. All timers of the program share one hidden message
// window; WM_TIMER for it runs the timer's OnTimer behind the exception
// barrier.
#pragma once

#include "framework/Controls.h"

#include <functional>
#include <memory>

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

// A timer that every instance of one control class shares: made, disabled,
// when the first instance attaches and freed when the last one detaches.
class TSharedTimer {
public:
    TSharedTimer(unsigned interval, std::function<void()> onTick);
    TSharedTimer(const TSharedTimer&) = delete;
    TSharedTimer& operator=(const TSharedTimer&) = delete;

    void Attach();
    void Detach();
    // nullptr while no instance is attached.
    TTimer* Timer() const { return FTimer.get(); }

private:
    std::unique_ptr<TTimer> FTimer;
    int FUsers = 0;
    unsigned FInterval;
    std::function<void()> FOnTick;
};
