#include "framework/Seams.h"

#include <mmsystem.h>
#include <shellapi.h>

namespace Seams {

MessageBoxFn& MessageBox()
{
    static MessageBoxFn fn = [](HWND owner, const char* text, const char* caption, UINT flags) {
        return ::MessageBoxA(owner, text, caption, flags);
    };
    return fn;
}

GetOpenFileNameFn& GetOpenFileName()
{
    static GetOpenFileNameFn fn = [](OPENFILENAMEA* ofn) { return ::GetOpenFileNameA(ofn); };
    return fn;
}

GetSaveFileNameFn& GetSaveFileName()
{
    static GetSaveFileNameFn fn = [](OPENFILENAMEA* ofn) { return ::GetSaveFileNameA(ofn); };
    return fn;
}

PlaySoundFn& PlaySound()
{
    static PlaySoundFn fn = [](const char* sound, HMODULE module, DWORD flags) {
        return ::PlaySoundA(sound, module, flags);
    };
    return fn;
}

ShellExecuteFn& ShellExecute()
{
    static ShellExecuteFn fn = [](HWND owner, const char* verb, const char* file, const char* parameters,
                                  const char* directory, int show) {
        return ::ShellExecuteA(owner, verb, file, parameters, directory, show);
    };
    return fn;
}

} // namespace Seams
