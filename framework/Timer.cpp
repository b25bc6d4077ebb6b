#include "framework/Timer.h"

#include "framework/Barrier.h"

#include <map>

namespace {

std::map<UINT_PTR, TTimer*>& Timers()
{
    static std::map<UINT_PTR, TTimer*> timers;
    return timers;
}

UINT_PTR NextId()
{
    static UINT_PTR next = 1;
    return next++;
}

LRESULT CALLBACK TimerWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_TIMER) {
        auto it = Timers().find(wParam);
        if (it != Timers().end())
            Guarded([&] { it->second->Tick(); });
        return 0;
    }
    return DefWindowProcA(wnd, msg, wParam, lParam);
}

} // namespace

HWND TTimer::WindowHandle()
{
    static HWND wnd = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = TimerWndProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "ZorvaneTimerWindow";
        RegisterClassA(&wc);
        return CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    }();
    return wnd;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner), FId(NextId())
{
    Timers()[FId] = this;
    UpdateTimer();
}

TTimer::~TTimer()
{
    if (FRunning)
        KillTimer(WindowHandle(), FId);
    Timers().erase(FId);
}

void TTimer::SetEnabled(bool enabled)
{
    if (enabled != FEnabled) {
        FEnabled = enabled;
        UpdateTimer();
    }
}

void TTimer::SetInterval(unsigned interval)
{
    if (interval != FInterval) {
        FInterval = interval;
        UpdateTimer();
    }
}

void TTimer::UpdateTimer()
{
    if (FRunning) {
        KillTimer(WindowHandle(), FId);
        FRunning = false;
    }
    if (FEnabled && FInterval > 0)
        FRunning = SetTimer(WindowHandle(), FId, FInterval, nullptr) != 0;
}

void TTimer::Tick()
{
    if (FEnabled && OnTimer)
        OnTimer(this);
}

// ---------------------------------------------------------------- TSharedTimer

TSharedTimer::TSharedTimer(unsigned interval, std::function<void()> onTick)
    : FInterval(interval), FOnTick(std::move(onTick))
{
}

void TSharedTimer::Attach()
{
    if (FUsers++ > 0)
        return;
    FTimer = std::make_unique<TTimer>();
    FTimer->SetEnabled(false);
    FTimer->SetInterval(FInterval);
    FTimer->OnTimer = [this](TObject*) { FOnTick(); };
}

void TSharedTimer::Detach()
{
    if (FUsers > 0 && --FUsers == 0)
        FTimer.reset();
}
