// Functions of system DLLs that the program needs only now and then (file
// dialogs, the shell's "open", special folders), bound on first use instead
// of imported: importing comdlg32 or shell32 makes every start load about
// twenty more DLLs, for calls that most runs never make.
#pragma once

#include <windows.h>

// The address of `name` in the system DLL `library`, which is loaded from the
// system folder on first use and stays loaded for the rest of the run (the
// shell keeps threads of its own in it). nullptr when either is missing.
FARPROC SystemProc(const char* library, const char* name);

// SystemProc typed: `LateBound<decltype(&::ShellExecuteA)>("shell32.dll",
// "ShellExecuteA")`. decltype names the function without importing it.
template <typename Fn>
Fn LateBound(const char* library, const char* name)
{
    // Through void*: a plain cast between unrelated function types warns.
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(SystemProc(library, name)));
}
