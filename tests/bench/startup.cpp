// Start-up bench, run by scripts/bench: launches the program and a blank
// popup in turn, round by round, and times each from CreateProcess to its
// window on the screen with nothing left to paint; it also takes the working
// set at that moment. Prints the medians and their ratios.
//   startup_bench ROUNDS PROGRAM.exe BLANK.exe
#include "framework/GdiHandles.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double Milliseconds()
{
    static const LARGE_INTEGER frequency = [] { LARGE_INTEGER f; QueryPerformanceFrequency(&f); return f; }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct TSearch {
    DWORD ProcessId;
    HWND Found = nullptr;
};

BOOL CALLBACK FindVisibleTopLevel(HWND wnd, LPARAM param)
{
    auto* search = reinterpret_cast<TSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(wnd, &owner);
    if (owner != search->ProcessId || !IsWindowVisible(wnd))
        return TRUE;
    search->Found = wnd;
    return FALSE;
}

BOOL CALLBACK FindUnpaintedChild(HWND wnd, LPARAM param)
{
    if (IsWindowVisible(wnd) && GetUpdateRect(wnd, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(param) = true;
        return FALSE;
    }
    return TRUE;
}

// Shown, and neither the window nor a child of it waits for WM_PAINT, and the
// process has asked for a message with none left (WM_PAINT counts as one).
bool Painted(const PROCESS_INFORMATION& process, HWND& wnd)
{
    TSearch search{process.dwProcessId};
    EnumWindows(FindVisibleTopLevel, reinterpret_cast<LPARAM>(&search));
    if (!search.Found)
        return false;
    wnd = search.Found;
    if (GetUpdateRect(wnd, nullptr, FALSE))
        return false;
    bool unpainted = false;
    EnumChildWindows(wnd, FindUnpaintedChild, reinterpret_cast<LPARAM>(&unpainted));
    return !unpainted && WaitForInputIdle(process.hProcess, 0) == 0;
}

struct TSample {
    double Ms;
    double WorkingSetMB;
};

// The window as it is on the screen now.
std::vector<COLORREF> Picture(HWND wnd)
{
    RECT r{};
    GetWindowRect(wnd, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    WindowDC screen(nullptr);
    UniqueMemDC copy(screen.Get());
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen.Get(), w, h));
    SelectGuard select(copy.Get(), bitmap.Get());
    BitBlt(copy.Get(), 0, 0, w, h, screen.Get(), r.left, r.top, SRCCOPY);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            pixels.push_back(GetPixel(copy.Get(), x, y));
    return pixels;
}

// A started program's process and thread handles.
struct TChild : PROCESS_INFORMATION {
    TChild() : PROCESS_INFORMATION{} {}
    TChild(const TChild&) = delete;
    TChild& operator=(const TChild&) = delete;
    ~TChild()
    {
        if (hThread)
            CloseHandle(hThread);
        if (hProcess)
            CloseHandle(hProcess);
    }
};

// With `check`, the window's picture when it counted as painted is compared
// with its picture a second later: the measurement holds only if they agree.
bool Launch(const std::string& exe, TSample& sample, bool check = false)
{
    const std::string folder = exe.substr(0, exe.find_last_of("\\/") + 1);
    std::string commandLine = "\"" + exe + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    TChild process;
    const double start = Milliseconds();
    if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
        std::fprintf(stderr, "cannot start %s (%lu)\n", exe.c_str(), GetLastError());
        return false;
    }
    HWND wnd = nullptr;
    bool painted = false;
    while (!(painted = Painted(process, wnd)) && Milliseconds() - start < 20000) {
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0)
            break;
        Sleep(1);
    }
    sample.Ms = Milliseconds() - start;
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    sample.WorkingSetMB = static_cast<double>(memory.WorkingSetSize) / (1024.0 * 1024.0);
    if (check && painted) {
        const std::vector<COLORREF> early = Picture(wnd);
        Sleep(1000);
        const std::vector<COLORREF> late = Picture(wnd);
        size_t differ = early.size() == late.size() ? 0 : late.size();
        for (size_t i = 0; i < early.size() && i < late.size(); ++i)
            differ += early[i] != late[i];
        std::printf("%s: %zu of %zu pixels changed after it counted as painted\n", exe.c_str(), differ, late.size());
    }

    if (wnd)
        PostMessageA(wnd, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, 5000);
    if (!painted)
        std::fprintf(stderr, "%s: no painted window\n", exe.c_str());
    return painted;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup_bench ROUNDS PROGRAM.exe BLANK.exe\n");
        return 2;
    }
    const int rounds = std::max(1, std::atoi(argv[1]));
    const std::string exes[2] = {argv[2], argv[3]};
    const char* const names[2] = {"program", "blank"};
    // Holds the desktop process between the launches: without a window of
    // its own in the session, Wine ends it and the next start pays for a new
    // one.
    GetDesktopWindow();

    std::vector<double> ms[2], mb[2];
    TSample sample{};
    // The first start in a session loads everything from disk: not counted.
    for (const std::string& exe : exes)
        if (!Launch(exe, sample, true))
            return 1;
    for (int round = 0; round < rounds; ++round) {
        // Alternating who goes first, so that neither always follows the
        // other's exit.
        for (int turn = 0; turn < 2; ++turn) {
            const int which = (round + turn) % 2;
            if (!Launch(exes[which], sample))
                return 1;
            ms[which].push_back(sample.Ms);
            mb[which].push_back(sample.WorkingSetMB);
        }
    }
    double medianMs[2], medianMB[2];
    for (int i = 0; i < 2; ++i) {
        medianMs[i] = Median(ms[i]);
        medianMB[i] = Median(mb[i]);
        std::printf("%-8s launch to painted window: median %6.1f ms (min %6.1f, max %6.1f), working set %5.1f MB\n",
                    names[i], medianMs[i], *std::min_element(ms[i].begin(), ms[i].end()),
                    *std::max_element(ms[i].begin(), ms[i].end()), medianMB[i]);
    }
    const double timeRatio = medianMs[0] / medianMs[1];
    const double memoryRatio = medianMB[0] / medianMB[1];
    std::printf("ratio program/blank over %d rounds: paint time %.2fx, working set %.2fx\n", rounds, timeRatio, memoryRatio);
    std::printf("goal (within 1.25x and 1.2x): %s\n", timeRatio <= 1.25 && memoryRatio <= 1.2 ? "met" : "missed");
    return 0;
}
