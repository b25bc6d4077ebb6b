// Holds one Wine session (wineserver and the desktop process) warm while the
// test programs come and go; the session's stop test ends it.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    GetDesktopWindow();
    Sleep(INFINITE);
    return 0;
}
