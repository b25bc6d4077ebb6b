// A hidden top-level window of the mail client's class, as a running client
// would leave on the desktop.
#pragma once

#include <windows.h>

namespace zvtest {

class FakeClientWindow {
public:
    FakeClientWindow()
    {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "Outlook Express Browser Class";
        RegisterClassA(&wc);
        FWnd = CreateWindowExA(0, wc.lpszClassName, "", WS_OVERLAPPEDWINDOW, 0, 0, 10, 10, nullptr, nullptr,
                               wc.hInstance, nullptr);
    }
    ~FakeClientWindow() { DestroyWindow(FWnd); }
    FakeClientWindow(const FakeClientWindow&) = delete;
    FakeClientWindow& operator=(const FakeClientWindow&) = delete;

private:
    HWND FWnd;
};

} // namespace zvtest
