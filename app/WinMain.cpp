// Program start: with arguments the command line's job and its exit code,
// without them the application, the main window and the message loop.
#include "app/CommandArgs.h"
#include "app/CommandLine.h"
#include "app/Main.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // Split here rather than taken from the runtime, which may expand
    // wildcards in names depending on how it was built.
    const std::vector<std::string> args = CommandLineArguments(GetCommandLineA());
    if (!args.empty())
        return RunCommandLine(args);
    Application()->CreateForm<TMainDlg>();
    Application()->Run();
    return 0;
}
