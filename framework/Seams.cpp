#include "framework/Seams.h"

#include "framework/LateBound.h"

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
    static GetOpenFileNameFn fn = [](OPENFILENAMEA* ofn) {
        static const auto open = LateBound<decltype(&::GetOpenFileNameA)>("comdlg32.dll", "GetOpenFileNameA");
        return open ? open(ofn) : FALSE;
    };
    return fn;
}

GetSaveFileNameFn& GetSaveFileName()
{
    static GetSaveFileNameFn fn = [](OPENFILENAMEA* ofn) {
        static const auto save = LateBound<decltype(&::GetSaveFileNameA)>("comdlg32.dll", "GetSaveFileNameA");
        return save ? save(ofn) : FALSE;
    };
    return fn;
}

PlaySoundFn& PlaySound()
{
    static PlaySoundFn fn = [](const char* sound, HMODULE module, DWORD flags) {
        static const auto play = LateBound<decltype(&::PlaySoundA)>("winmm.dll", "PlaySoundA");
        return play ? play(sound, module, flags) : FALSE;
    };
    return fn;
}

ShellExecuteFn& ShellExecute()
{
    static ShellExecuteFn fn = [](HWND owner, const char* verb, const char* file, const char* parameters,
                                  const char* directory, int show) {
        static const auto execute = LateBound<decltype(&::ShellExecuteA)>("shell32.dll", "ShellExecuteA");
        // The shell's own answer when it cannot be loaded.
        if (!execute)
            return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_DLLNOTFOUND));
        return execute(owner, verb, file, parameters, directory, show);
    };
    return fn;
}

} // namespace Seams
