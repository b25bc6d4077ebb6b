// The modal and outward-reaching platform calls go through these replaceable
// function objects, so that tests can answer a message box or record a sound
// instead of blocking or making noise. The program never replaces them.
// The file dialogs, the shell's "open" and the sounds are bound on first call
// (see LateBound.h): the program does not import comdlg32, shell32 or winmm.
#pragma once

#include <windows.h>
#include <commdlg.h>
// The system headers turn PlaySound and ShellExecute into macros (...A); every
// user of the seams must see them as Seams.cpp does, or the names differ.
#include <mmsystem.h>
#include <shellapi.h>

#include <functional>
#include <utility>

namespace Seams {

using MessageBoxFn = std::function<int(HWND owner, const char* text, const char* caption, UINT flags)>;
using GetOpenFileNameFn = std::function<BOOL(OPENFILENAMEA* ofn)>;
using GetSaveFileNameFn = std::function<BOOL(OPENFILENAMEA* ofn)>;
using PlaySoundFn = std::function<BOOL(const char* sound, HMODULE module, DWORD flags)>;
using ShellExecuteFn = std::function<HINSTANCE(HWND owner, const char* verb, const char* file,
                                               const char* parameters, const char* directory, int show)>;

MessageBoxFn& MessageBox();
GetOpenFileNameFn& GetOpenFileName();
GetSaveFileNameFn& GetSaveFileName();
PlaySoundFn& PlaySound();
ShellExecuteFn& ShellExecute();

// Replaces one seam for the lifetime of the guard and puts the previous one
// back afterwards: `Seams::Override guard(Seams::MessageBox(), fake);`.
template <typename Fn>
class Override {
public:
    Override(Fn& seam, Fn replacement) : FSeam(seam), FSaved(std::exchange(seam, std::move(replacement))) {}
    Override(const Override&) = delete;
    Override& operator=(const Override&) = delete;
    ~Override() { FSeam = std::move(FSaved); }

private:
    Fn& FSeam;
    Fn FSaved;
};

} // namespace Seams
