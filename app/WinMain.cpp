// Program start: the application, the main window, the message loop.
#include "app/Main.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    Application()->CreateForm<TMainDlg>();
    Application()->Run();
    return 0;
}
