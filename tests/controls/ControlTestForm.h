// A border-less test form for the control tests, and the message helpers
// they drive controls with.
#pragma once

#include "support/TestForm.h"

using zvtest::At;
using zvtest::DrainMessages;

struct ControlFormTest : zvtest::FormFixture {
    ControlFormTest() : FormFixture(50, 50, 300, 400, RGBColor(200, 210, 220)) {}

    static void Click(HWND wnd, int x, int y) { zvtest::Click(wnd, x, y); }
    static void Key(HWND wnd, WORD key) { SendMessageA(wnd, WM_KEYDOWN, key, 0); }
    static void Wheel(HWND wnd, short delta, UINT msg = WM_MOUSEWHEEL)
    {
        SendMessageA(wnd, msg, MAKEWPARAM(0, static_cast<WORD>(delta)), 0);
    }
};
