// Moving a border-less window by dragging one of its surfaces.
#pragma once

#include <windows.h>

// SC_MOVE + HTCAPTION: the system's move loop, as if the caption were dragged.
inline constexpr WPARAM kDragMoveCommand = 0xF012;

// Starts the system's move loop for wnd; returns when the move ends.
inline void DragMoveWindow(HWND wnd)
{
    ReleaseCapture();
    SendMessageA(wnd, WM_SYSCOMMAND, kDragMoveCommand, 0);
}
