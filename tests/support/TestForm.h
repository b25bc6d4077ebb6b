// What the window tests share: a border-less form made before and deleted
// after each test, the message pump that clears up after it, and painting a
// control into a memory DC as WM_PAINT would.
#pragma once

#include "framework/Forms.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace zvtest {

// Dispatches whatever is queued for this thread (a deleted form leaves
// messages behind that must not reach the next test).
inline void DrainMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        if (msg.message != WM_QUIT)
            DispatchMessageA(&msg);
}

// The lParam of a mouse message at x, y.
inline LPARAM At(int x, int y)
{
    return MAKELPARAM(x, y);
}

// A left click (press and release) at x, y of a window.
inline void Click(HWND wnd, int x, int y)
{
    SendMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
    SendMessageA(wnd, WM_LBUTTONUP, 0, At(x, y));
}

struct FormFixture : testing::Test {
    FormFixture(int left, int top, int width, int height, std::optional<TColor> color = std::nullopt)
        : FBounds{left, top, width, height}, FColor(color)
    {
    }

    TForm* form = nullptr;

    void SetUp() override
    {
        form = new TForm(nullptr);
        form->SetBorderStyle(bsNone);
        form->SetBounds(FBounds.left, FBounds.top, FBounds.width, FBounds.height);
        if (FColor)
            form->SetColor(*FColor);
    }
    void TearDown() override
    {
        delete form;
        DrainMessages();
    }

    // A control of its default size at left, top of parent, owned by the form.
    template <typename T>
    T* Make(TWinControl* parent, int left, int top)
    {
        auto* control = new T(form);
        control->SetParent(parent);
        control->SetBounds(left, top, control->Width(), control->Height());
        return control;
    }
    template <typename T>
    T* Make(int left, int top)
    {
        return Make<T>(form, left, top);
    }

private:
    struct {
        int left, top, width, height;
    } FBounds;
    std::optional<TColor> FColor;
};

// A window of class Base that records the system commands it gets instead
// of running them (a move would start the system's modal loop).
template <typename Base>
class SysCommandRecorder : public Base {
public:
    using Base::Base;
    std::vector<WPARAM> commands;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        if (msg == WM_SYSCOMMAND) {
            commands.push_back(wParam);
            return 0;
        }
        return Base::WndProc(msg, wParam, lParam);
    }
};

// Paints a control into a memory DC of its size, as WM_PAINT would.
struct Painted {
    TMemoryDC mem;
    explicit Painted(TControl& control) : mem(nullptr, control.Width(), control.Height())
    {
        TCanvas canvas(mem.Handle());
        control.Paint(canvas);
    }
    COLORREF operator()(int x, int y) const { return mem.Pixel(x, y); }
};

} // namespace zvtest
