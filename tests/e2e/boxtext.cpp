// End-to-end helper: waits for a visible message box with the given title,
// prints its texts (one per line), presses its first button and exits 0; exits
// 1 when no such box appears within the given seconds.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct Search {
    const char* title;
    HWND found;
};

BOOL CALLBACK FindBox(HWND wnd, LPARAM param)
{
    auto* search = reinterpret_cast<Search*>(param);
    char cls[64] = {}, title[256] = {};
    GetClassNameA(wnd, cls, sizeof cls);
    GetWindowTextA(wnd, title, sizeof title);
    // A box can be found before its text is set: wait until it is shown.
    if (std::string(cls) == "#32770" && search->title == std::string(title) && IsWindowVisible(wnd)) {
        search->found = wnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK PrintText(HWND wnd, LPARAM)
{
    char text[1024] = {};
    GetWindowTextA(wnd, text, sizeof text);
    if (text[0])
        std::printf("%s\n", text);
    return TRUE;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    Search search{argv[1], nullptr};
    const DWORD until = GetTickCount() + static_cast<DWORD>(std::atoi(argv[2]) * 1000);
    while (!search.found && GetTickCount() < until) {
        EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
        if (!search.found)
            Sleep(100);
    }
    if (!search.found)
        return 1;
    Sleep(200);
    EnumChildWindows(search.found, PrintText, 0);
    std::fflush(stdout);
    PostMessageA(search.found, WM_COMMAND, IDOK, 0);
    return 0;
}
