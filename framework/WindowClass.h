// Our window classes and the binding of a window to its control object; the
// class registration and the window procedure live in WindowProc.cpp.
#pragma once

#include "framework/Controls.h"

// Registers the class params name (once per class); every one runs
// ZorvaneWndProc. The result is the procedure of the system class it builds
// on, or nullptr.
WNDPROC EnsureWindowClass(const TCreateParams& params);

// Forgets the control bound to wnd (a window that outlives its control).
void UnbindWindow(HWND wnd);
