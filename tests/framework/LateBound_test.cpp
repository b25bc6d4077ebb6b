#include "framework/LateBound.h"
#include "framework/Seams.h"

#include <gtest/gtest.h>

#include <commdlg.h>
#include <cderr.h>

TEST(SystemProc, FindsTheSystemsFunctionOrNothing)
{
    const struct {
        const char* library;
        const char* name;
        bool found;
    } cases[] = {
        {"comdlg32.dll", "GetOpenFileNameA", true},
        {"comdlg32.dll", "GetSaveFileNameA", true},
        {"shell32.dll", "ShellExecuteA", true},
        {"shell32.dll", "SHGetSpecialFolderPathA", true},
        {"winmm.dll", "PlaySoundA", true},
        {"shell32.dll", "NoSuchFunctionInTheShell", false},
        {"zorvane-no-such-library.dll", "ShellExecuteA", false},
    };
    for (const auto& c : cases) {
        const FARPROC proc = SystemProc(c.library, c.name);
        EXPECT_EQ(proc != nullptr, c.found) << c.library << " " << c.name;
        if (!c.found)
            continue;
        // Bound to the very function the system's loader would have imported.
        const HMODULE loaded = GetModuleHandleA(c.library);
        ASSERT_NE(loaded, nullptr) << c.library << " stays loaded";
        EXPECT_EQ(proc, GetProcAddress(loaded, c.name)) << c.name;
    }
    EXPECT_EQ(GetModuleHandleA("zorvane-no-such-library.dll"), nullptr);
}

// The program's own seams reach the real functions through the late binding:
// asked in ways that fail at once, they give the system's own answers, not
// those of a missing DLL.
TEST(SystemProc, DefaultSeamsCallTheRealFunctions)
{
    const HINSTANCE result = Seams::ShellExecute()(nullptr, "open", "Z:\\zorvane-no-such-folder\\no-such-file.txt",
                                                   nullptr, nullptr, SW_SHOWNORMAL);
    const auto code = reinterpret_cast<INT_PTR>(result);
    EXPECT_LE(code, 32) << "nothing can open a missing file";
    EXPECT_NE(code, SE_ERR_DLLNOTFOUND);
    EXPECT_TRUE(code == SE_ERR_FNF || code == SE_ERR_PNF) << code;

    // No sound: stops whatever plays, which the system confirms.
    EXPECT_TRUE(Seams::PlaySound()(nullptr, nullptr, 0));

    const auto extendedError = LateBound<decltype(&::CommDlgExtendedError)>("comdlg32.dll", "CommDlgExtendedError");
    ASSERT_NE(extendedError, nullptr);
    for (auto* seam : {&Seams::GetOpenFileName(), &Seams::GetSaveFileName()}) {
        OPENFILENAMEA ofn{};
        ofn.lStructSize = 3;   // refused before any window is made
        EXPECT_FALSE((*seam)(&ofn));
        EXPECT_EQ(extendedError(), static_cast<DWORD>(CDERR_STRUCTSIZE));
    }
}
