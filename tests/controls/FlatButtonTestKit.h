// Helpers of the flat button and check box tests: a border-less form, real
// mouse messages for windowed and windowless controls, the real pointer, and
// painting into a memory DC.
#pragma once

#include "framework/Forms.h"
#include "framework/Timer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

namespace flatkit {

inline constexpr COLORREF kSentinel = RGB(1, 2, 3);
inline constexpr COLORREF kKey = RGB(255, 0, 255);
inline constexpr TColor kFormColor = RGBColor(0x30, 0x60, 0x90);
inline constexpr TColor kOwn = RGBColor(0x11, 0x88, 0x22);

inline COLORREF RGBOf(TColor c) { return ColorToRGB(c); }

inline void Drain()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        if (msg.message != WM_QUIT)
            DispatchMessageA(&msg);
}

// Tests that show windows and move the real pointer run one at a time
// across the test processes, or they would hover each other's controls.
struct ScreenLock {
    HANDLE mutex = CreateMutexA(nullptr, FALSE, "ZorvaneFlatButtonScreenTests");
    ScreenLock() { WaitForSingleObject(mutex, 60000); }
    ~ScreenLock() { ReleaseMutex(mutex), CloseHandle(mutex); }
};

// Other test programs may take the activation at any time; take it back.
// A window that just had the activation may still have a focus event from
// the X server on its way, which hands the activation back to it: once
// taken, the activation must hold for a few rounds of messages.
inline void Activate(HWND top)
{
    if (GetActiveWindow() == top)
        return;
    for (int i = 0, held = 0; i < 100 && held < 3; ++i) {
        if (GetActiveWindow() != top) {
            held = 0;
            SetForegroundWindow(top);
            SetActiveWindow(top);
        }
        Sleep(10);
        Drain();
        held += GetActiveWindow() == top;
    }
}

// A form away from where the other suites put theirs.
struct FormFixture : testing::Test {
    TForm* form = nullptr;
    std::unique_ptr<ScreenLock> screen;
    void SetUp() override
    {
        form = new TForm(nullptr);
        form->SetBorderStyle(bsNone);
        form->SetBounds(900, 650, 300, 200);
        form->SetColor(kFormColor);
    }
    void TearDown() override
    {
        SetCursorPos(5, 5);
        delete form;
        Drain();
        screen.reset();
    }
    template <class T>
    T* Make(int left, int top)
    {
        auto* c = new T(form);
        c->SetParent(form);
        c->SetLeft(left);
        c->SetTop(top);
        return c;
    }
    // Shown, on top and active: the hover logic wants an active window.
    void ShowActive()
    {
        if (!screen)
            screen = std::make_unique<ScreenLock>();
        // A pointer left over the form would enter a control at once.
        SetCursorPos(5, 5);
        form->Show();
        SetWindowPos(form->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        Drain();
        Activate(form->Handle());
        ASSERT_EQ(GetActiveWindow(), form->Handle());
    }
};

// A mouse message to the window that feeds the control, at a point in the
// control's coordinates.
inline void Send(TControl* c, UINT msg, WPARAM keys, int x, int y, bool post = false)
{
    HWND wnd;
    if (c->IsWindowed()) {
        wnd = static_cast<TWinControl*>(c)->Handle();
    } else {
        wnd = c->Parent()->Handle();
        x += c->Left();
        y += c->Top();
    }
    if (post)
        PostMessageA(wnd, msg, keys, MAKELPARAM(x, y));
    else
        SendMessageA(wnd, msg, keys, MAKELPARAM(x, y));
}

inline void Press(TControl* c, int x = 5, int y = 5) { Send(c, WM_LBUTTONDOWN, MK_LBUTTON, x, y); }
inline void Release(TControl* c, int x = 5, int y = 5) { Send(c, WM_LBUTTONUP, 0, x, y); }
inline void ClickAt(TControl* c, int x = 5, int y = 5) { Press(c, x, y), Release(c, x, y); }

// Puts the real pointer over a point of the control and sends the move.
inline void PointerTo(TControl* c, int x, int y, bool activate = true)
{
    const POINT p = c->ClientToScreen({x, y});
    if (TCustomForm* form = c->GetParentForm(); form && activate)
        Activate(form->Handle());
    SetCursorPos(p.x, p.y);
    Send(c, WM_MOUSEMOVE, 0, x, y);
}

inline void PointerAway() { SetCursorPos(5, 5); }

// A window of another thread that takes the activation, as another program
// would: this thread then has no active window at all.
class ForeignWindow {
public:
    ForeignWindow()
    {
        FReady = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        // A plain system thread: the 32-bit runtime has no std::thread.
        FThread = CreateThread(nullptr, 0, &ForeignWindow::Run, this, 0, &FThreadId);
        WaitForSingleObject(FReady, 10000);
        CloseHandle(FReady);
    }
    ~ForeignWindow()
    {
        PostThreadMessageA(FThreadId, WM_QUIT, 0, 0);
        WaitForSingleObject(FThread, 10000);
        CloseHandle(FThread);
        Drain();
    }
    // True when this thread lost its active window to it.
    bool TakeActivation()
    {
        for (int i = 0; i < 50; ++i) {
            SetForegroundWindow(FWnd);
            Drain();
            if (!GetActiveWindow())
                return true;
            Sleep(10);
        }
        return false;
    }

private:
    static DWORD WINAPI Run(void* param)
    {
        auto* self = static_cast<ForeignWindow*>(param);
        self->FWnd = CreateWindowExA(0, "STATIC", "fremd", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, nullptr, nullptr,
                                     nullptr, nullptr);
        SetEvent(self->FReady);
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0) > 0)
            DispatchMessageA(&msg);
        DestroyWindow(self->FWnd);
        return 0;
    }

    HANDLE FReady = nullptr;
    HANDLE FThread = nullptr;
    HWND FWnd = nullptr;
    DWORD FThreadId = 0;
};

namespace detail {
inline BOOL CALLBACK PressOkOfBox(HWND w, LPARAM)
{
    char cls[16] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (std::strcmp(cls, "#32770") != 0 || !IsWindowVisible(w))
        return TRUE;
    PostMessageA(w, WM_COMMAND, IDOK, 0);
    return FALSE;
}
inline void CALLBACK AnswerBoxes(HWND, UINT, UINT_PTR, DWORD)
{
    EnumThreadWindows(GetCurrentThreadId(), &PressOkOfBox, 0);
}
} // namespace detail

// Shows a real message box owned by owner and answers it with OK from a
// timer of this thread, which its modal loop runs.
inline void AnsweredMessageBox(HWND owner)
{
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, &detail::AnswerBoxes);
    MessageBoxA(owner, "Nur-Text-Nachrichten", "Warnung", MB_OK | MB_ICONWARNING);
    KillTimer(nullptr, timer);
}
inline void Tick(TTimer* timer) { SendMessageA(TTimer::WindowHandle(), WM_TIMER, timer->Id(), 0); }

// The control painted into a memory DC first filled with a sentinel colour.
class Painted {
public:
    explicit Painted(TControl& c) : FMem(nullptr, c.Width(), c.Height())
    {
        TCanvas canvas(FMem.Handle());
        canvas.FillRect({0, 0, c.Width(), c.Height()}, kSentinel);
        c.Paint(canvas);
    }
    COLORREF operator()(int x, int y) const { return FMem.Pixel(x, y); }
    int Count(const RECT& r, COLORREF color) const
    {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += FMem.Pixel(x, y) == color;
        return n;
    }

private:
    TMemoryDC FMem;
};

// A strip of square images, each its colour inside a one-pixel magenta ring;
// the bottom-left pixel makes magenta the transparent colour.
inline TBitmap Strip(const std::vector<COLORREF>& colors, int size = 8)
{
    TBitmap b;
    b.SetSize(size * static_cast<int>(colors.size()), size);
    UniqueMemDC dc;
    SelectGuard select(dc.Get(), b.Handle());
    TCanvas canvas(dc.Get());
    canvas.FillRect({0, 0, b.Width(), size}, kKey);
    for (size_t i = 0; i < colors.size(); ++i) {
        const int left = static_cast<int>(i) * size;
        canvas.FillRect({left + 1, 1, left + size - 1, size - 1}, colors[i]);
    }
    return b;
}

} // namespace flatkit
