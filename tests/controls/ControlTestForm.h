// A border-less test form for the control tests, and the message helpers
// they drive controls with.
#pragma once

#include "framework/Forms.h"

#include <gtest/gtest.h>

inline LPARAM At(int x, int y)
{
    return MAKELPARAM(x, y);
}

inline void DrainMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        if (msg.message != WM_QUIT)
            DispatchMessageA(&msg);
}

struct ControlFormTest : testing::Test {
    TForm* form = nullptr;
    void SetUp() override
    {
        form = new TForm(nullptr);
        form->SetBorderStyle(bsNone);
        form->SetBounds(50, 50, 300, 400);
        form->SetColor(RGBColor(200, 210, 220));
    }
    void TearDown() override
    {
        delete form;
        DrainMessages();
    }
    // A left click (press and release) at x, y of a window.
    static void Click(HWND wnd, int x, int y)
    {
        SendMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
        SendMessageA(wnd, WM_LBUTTONUP, 0, At(x, y));
    }
    static void Key(HWND wnd, WORD key) { SendMessageA(wnd, WM_KEYDOWN, key, 0); }
    static void Wheel(HWND wnd, short delta, UINT msg = WM_MOUSEWHEEL)
    {
        SendMessageA(wnd, msg, MAKEWPARAM(0, static_cast<WORD>(delta)), 0);
    }
};
