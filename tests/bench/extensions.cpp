// Extension-list benchmark, run by scripts/bench in a prefix of its own:
// seeds 10,000 extension keys under HKEY_CLASSES_ROOT (most with a file type,
// some without, some with a default value that is not text) and times, round
// by round, the floor (a plain loop that lists the root and opens, reads and
// closes each extension key) against the program's own ways to the list,
// the last of them the dialog from its creation to its filled, painted list
// (this needs a display).
//   zorvane_bench_ext [rounds] [keys]
#include "controls/TFlatListBoxUnit.h"
#include "dialogs/Attachments.h"
#include "registry/ExtensionList.h"
#include "tests/bench/BenchClock.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

size_t CountExtensions()
{
    size_t count = 0;
    char name[512];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        if (RegEnumKeyExA(HKEY_CLASSES_ROOT, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            return count;
        count += name[0] == '.';
    }
}

// Names in mixed case, a few with umlauts; defaults: mostly a file type,
// every tenth none, every twentieth a number and every twentieth bytes.
std::string SeedFile(int keys)
{
    std::string text = "REGEDIT4\r\n";
    char line[128];
    for (int i = 0; i < keys; ++i) {
        const char* stem = i % 3 == 0 ? "Zvb" : i % 3 == 1 ? "zvb" : "ZVB";
        std::snprintf(line, sizeof line, "\r\n[HKEY_CLASSES_ROOT\\.%s%s%05d]\r\n", stem, i % 50 == 7 ? "\xE4" : "", i);
        text += line;
        if (i % 20 == 3)
            std::snprintf(line, sizeof line, "@=dword:%08x\r\n", i);
        else if (i % 20 == 13)
            std::snprintf(line, sizeof line, "@=hex:%02x,00,ff\r\n", i & 0xFF);
        else if (i % 10 == 5)
            line[0] = '\0';
        else
            std::snprintf(line, sizeof line, "@=\"Dateityp %d\"\r\n", i);
        text += line;
    }
    return text + "\r\n";
}

// Imports the keys once per prefix with regedit, far faster than setting
// them one by one.
bool Seed(int keys)
{
    const size_t present = CountExtensions();
    if (present >= static_cast<size_t>(keys))
        return true;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string file = std::string(temp) + "zvbench-ext.reg";
    const std::string text = SeedFile(keys);
    HANDLE out = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(out);
    std::string command = "regedit.exe /S \"" + file + "\"";
    STARTUPINFOA startup = {sizeof startup};
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    DeleteFileA(file.c_str());
    return CountExtensions() >= static_cast<size_t>(keys);
}

// The least any list has to do: list the root, and open, read and close each
// extension key.
size_t Floor()
{
    size_t count = 0;
    char name[512];
    BYTE data[1024];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        if (RegEnumKeyExA(HKEY_CLASSES_ROOT, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            return count;
        if (name[0] != '.')
            continue;
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CLASSES_ROOT, name, 0, KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) {
            DWORD type = 0, size = sizeof data;
            RegQueryValueExA(key, nullptr, nullptr, &type, data, &size);
            RegCloseKey(key);
        }
        ++count;
    }
}

struct TMeasure {
    const char* Name;
    // Builds the list once; returns its number of entries.
    std::function<size_t()> Run;
    // Clears up after a run, outside the time taken.
    std::function<void()> After = nullptr;
};

// The dialog as the main window opens it: created, shown (which fills the
// list) and painted once.
std::unique_ptr<TAttachDlg> Dialog;

size_t OpenDialog()
{
    Dialog = std::make_unique<TAttachDlg>(nullptr);
    Dialog->Show();
    UpdateWindow(Dialog->Handle());
    return static_cast<size_t>(Dialog->LBoxClosed->Items().Count());
}

void CloseDialog()
{
    Dialog.reset();
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

// The first row is the floor the others are compared with. A further way to
// the list (such as a dialog from its creation to its filled list box) is
// one more row here.
const std::vector<TMeasure> Measures = {
    {"floor", Floor},
    {"ReadFileExtensions", [] { return ReadFileExtensions().size(); }},
    {"TAttachDlg", OpenDialog, CloseDialog},
};

} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const int keys = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10000;

    const double start = Seconds();
    if (!Seed(keys)) {
        std::fprintf(stderr, "cannot seed %d extension keys\n", keys);
        return 2;
    }
    std::printf("classes root: %zu extension keys (seeded or found in %.2f s)\n", CountExtensions(), Seconds() - start);

    // The first pass over the keys costs several times more than any later
    // one: each way runs once before the rounds count.
    for (const TMeasure& measure : Measures) {
        measure.Run();
        if (measure.After)
            measure.After();
    }
    std::vector<std::vector<double>> times(Measures.size());
    for (int round = 1; round <= rounds; ++round) {
        std::printf("round %2d:", round);
        // Every other round backwards, so that no row profits from its place.
        for (size_t n = 0; n < Measures.size(); ++n) {
            const size_t i = round % 2 ? n : Measures.size() - 1 - n;
            const double begin = Seconds();
            const size_t entries = Measures[i].Run();
            times[i].push_back(Seconds() - begin);
            if (Measures[i].After)
                Measures[i].After();
            std::printf(" %s %.3f s (%zu)", Measures[i].Name, times[i].back(), entries);
        }
        std::printf("\n");
    }
    const double floor = Median(times[0]);
    for (size_t i = 0; i < Measures.size(); ++i)
        std::printf("median of %d: %-20s %.3f s, best %.3f s, ratio to the floor %.3f\n", rounds, Measures[i].Name,
                    Median(times[i]), *std::min_element(times[i].begin(), times[i].end()), Median(times[i]) / floor);
    return 0;
}
