// Export benchmark, run by scripts/bench in a prefix of its own: builds a tree
// of 100,000 values under HKCU\Software\ZorvaneBench and times, round by
// round, a plain walk that reads every value (the floor), ExportKey, and
// "regedit /E" of the same branch.
//   zorvane_bench [rounds] [values]
#include "registry/unitEXRegistry.h"
#include "tests/bench/BenchClock.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const char* const BenchPath = "Software\\ZorvaneBench";

struct TRandom {
    uint32_t State = 12345;
    uint32_t Below(uint32_t n)
    {
        State = State * 1664525u + 1013904223u;
        return (State >> 8) % n;
    }
};

// CPU time of this thread, without the time it waits for wineserver.
double ThreadCpuSeconds()
{
    FILETIME created, exited, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
    auto ticks = [](const FILETIME& t) { return (static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 1e7;
}

std::string Text(TRandom& random, size_t length)
{
    static const char pieces[] = "abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789 .,;:-_\\\"\xE4\xF6\xFC\xDF";
    std::string text;
    for (size_t i = 0; i < length; ++i) {
        if (random.Below(40) == 0)
            text += "\r\n";
        else
            text += pieces[random.Below(sizeof pieces - 1)];
    }
    return text;
}

// One value of mixed type and size; a few hundred bytes at most.
void SetRandomValue(HKEY key, TRandom& random, int number, uint64_t& bytes)
{
    const std::string name = "Wert " + std::to_string(number) + std::string(random.Below(12), 'x');
    std::string data;
    DWORD type;
    const uint32_t kind = random.Below(100);
    if (kind < 30) {
        type = REG_DWORD;
        data.resize(4);
        const DWORD value = random.Below(1u << 24) * (random.Below(2) ? 1u : 255u);
        memcpy(data.data(), &value, 4);
    } else if (kind < 60) {
        type = REG_SZ;
        data = Text(random, random.Below(80)) + '\0';
    } else if (kind < 85) {
        type = REG_BINARY;
        data.resize(random.Below(10) == 0 ? 64 + random.Below(400) : random.Below(64));
        for (char& c : data)
            c = static_cast<char>(random.Below(256));
    } else if (kind < 90) {
        type = REG_EXPAND_SZ;
        data = "%SystemRoot%\\" + Text(random, 10 + random.Below(50)) + '\0';
    } else if (kind < 95) {
        type = REG_MULTI_SZ;
        for (uint32_t i = random.Below(5); i > 0; --i)
            data += Text(random, 1 + random.Below(20)) + '\0';
        data += '\0';
    } else {
        type = REG_QWORD;
        data.resize(8);
        for (char& c : data)
            c = static_cast<char>(random.Below(256));
    }
    RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()), static_cast<DWORD>(data.size()));
    bytes += data.size();
}

// 10 x 10 x 10 keys below the start key, 1,111 keys in all, the values spread
// evenly over them, and a few values over 64 KiB.
void BuildTree(int valueCount, int& keys, int& bigValues, uint64_t& bytes)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, BenchPath);
    std::vector<std::string> paths = {BenchPath};
    for (int g = 0; g < 10; ++g) {
        const std::string group = std::string(BenchPath) + "\\Gruppe " + std::to_string(g);
        paths.push_back(group);
        for (int u = 0; u < 10; ++u) {
            const std::string middle = group + "\\Unter " + std::to_string(u);
            paths.push_back(middle);
            for (int k = 0; k < 10; ++k)
                paths.push_back(middle + "\\Schlüssel " + std::to_string(k));
        }
    }
    keys = static_cast<int>(paths.size());
    TRandom random;
    int number = 0;
    for (int k = 0; k < keys; ++k) {
        HKEY key = nullptr;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, paths[k].c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS) {
            std::fprintf(stderr, "cannot create %s\n", paths[k].c_str());
            std::exit(2);
        }
        const int count = valueCount / keys + (k < valueCount % keys ? 1 : 0);
        for (int v = 0; v < count; ++v)
            SetRandomValue(key, random, number++, bytes);
        if (k % 200 == 7) {
            std::string big(70000 + 50000 * (k / 200), '\0');
            for (char& c : big)
                c = static_cast<char>(random.Below(256));
            RegSetValueExA(key, "Gro\xDF", 0, REG_BINARY, reinterpret_cast<const BYTE*>(big.data()), static_cast<DWORD>(big.size()));
            bytes += big.size();
            ++bigValues;
        }
        RegCloseKey(key);
    }
}

// The least any export has to do: list every key, read every value.
struct TFloorWalk {
    std::vector<char> Name = std::vector<char>(32768);
    std::vector<char> KeyName = std::vector<char>(1024);
    std::vector<BYTE> Data = std::vector<BYTE>(1 << 20);
    uint64_t Values = 0;
    uint64_t Bytes = 0;

    void Visit(HKEY key)
    {
        DWORD subKeys = 0, values = 0;
        if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            return;
        for (DWORD i = 0; i < values; ++i) {
            DWORD nameLength = static_cast<DWORD>(Name.size());
            DWORD size = static_cast<DWORD>(Data.size());
            DWORD type = 0;
            if (RegEnumValueA(key, i, Name.data(), &nameLength, nullptr, &type, Data.data(), &size) == ERROR_SUCCESS) {
                ++Values;
                Bytes += size;
            }
        }
        for (DWORD i = 0; i < subKeys; ++i) {
            DWORD nameLength = static_cast<DWORD>(KeyName.size());
            if (RegEnumKeyExA(key, i, KeyName.data(), &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
                break;
            HKEY sub = nullptr;
            if (RegOpenKeyExA(key, KeyName.data(), 0, KEY_READ, &sub) == ERROR_SUCCESS) {
                Visit(sub);
                RegCloseKey(sub);
            }
        }
    }
};

struct TTiming {
    double Wall = 0;
    double Cpu = 0;
};

template <typename F>
TTiming Time(F&& run)
{
    const double wall = Seconds();
    const double cpu = ThreadCpuSeconds();
    run();
    return {Seconds() - wall, ThreadCpuSeconds() - cpu};
}

TTiming TimeFloor(uint64_t& values)
{
    TFloorWalk walk;
    const TTiming timing = Time([&] {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, BenchPath, 0, KEY_READ, &key) == ERROR_SUCCESS) {
            walk.Visit(key);
            RegCloseKey(key);
        }
    });
    values = walk.Values;
    return timing;
}

TTiming TimeExport(const std::string& file, size_t& headers)
{
    TExRegistry reg(KEY_READ);
    if (!reg.OpenKeyReadOnly(BenchPath)) {
        std::fprintf(stderr, "cannot open the bench key\n");
        std::exit(2);
    }
    bool ok = false;
    const TTiming timing = Time([&] { ok = reg.ExportKey(file); });
    if (!ok) {
        std::fprintf(stderr, "ExportKey failed\n");
        std::exit(2);
    }
    HANDLE in = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    std::string text(GetFileSize(in, nullptr), '\0');
    DWORD read = 0;
    ReadFile(in, text.data(), static_cast<DWORD>(text.size()), &read, nullptr);
    CloseHandle(in);
    headers = 0;
    for (size_t pos = 0; (pos = text.find("\r\n[", pos)) != std::string::npos; pos += 3)
        ++headers;
    return timing;
}

double TimeRegedit(const std::string& file)
{
    std::string command = "regedit.exe /E \"" + file + "\" \"HKEY_CURRENT_USER\\" + BenchPath + "\"";
    STARTUPINFOA startup = {sizeof startup};
    PROCESS_INFORMATION process = {};
    const double start = Seconds();
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::fprintf(stderr, "cannot start regedit\n");
        return -1;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    const double elapsed = Seconds() - start;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

long long FileSize(const std::string& file)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(file.c_str(), GetFileExInfoStandard, &data))
        return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    const int valueCount = argc > 2 ? std::max(1, std::atoi(argv[2])) : 100000;

    int keys = 0, bigValues = 0;
    uint64_t bytes = 0;
    const double start = Seconds();
    BuildTree(valueCount, keys, bigValues, bytes);
    std::printf("tree: %d keys, %d values + %d of 70 to 320 KB, %.1f MB data, built in %.2f s\n",
                keys, valueCount, bigValues, bytes / 1e6, Seconds() - start);

    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string exportFile = std::string(temp) + "zvbench-export.reg";
    const std::string regeditFile = std::string(temp) + "zvbench-regedit.reg";

    std::vector<double> floors, exports, regedits, ratios, floorCpu, exportCpu;
    for (int round = 1; round <= rounds; ++round) {
        uint64_t values = 0;
        size_t headers = 0;
        // Each round runs floor, export, export, floor (or the other way
        // round), so that neither profits from its place, and lets Wine
        // settle after regedit's process has ended.
        TTiming floorTime, exportTime;
        auto runFloor = [&] {
            const TTiming t = TimeFloor(values);
            floorTime.Wall += t.Wall;
            floorTime.Cpu += t.Cpu;
        };
        auto runExport = [&] {
            const TTiming t = TimeExport(exportFile, headers);
            exportTime.Wall += t.Wall;
            exportTime.Cpu += t.Cpu;
        };
        if (round % 2) {
            runFloor(); runExport(); runExport(); runFloor();
        } else {
            runExport(); runFloor(); runFloor(); runExport();
        }
        const double regeditTime = TimeRegedit(regeditFile);
        Sleep(1500);
        floors.push_back(floorTime.Wall / 2);
        exports.push_back(exportTime.Wall / 2);
        regedits.push_back(regeditTime);
        ratios.push_back(exportTime.Wall / floorTime.Wall);
        floorCpu.push_back(floorTime.Cpu / 2);
        exportCpu.push_back(exportTime.Cpu / 2);
        std::printf("round %2d: floor %.3f s (cpu %.3f, %llu values), export %.3f s (cpu %.3f, %zu sections), regedit /E %.3f s\n",
                    round, floors.back(), floorCpu.back(), static_cast<unsigned long long>(values),
                    exports.back(), exportCpu.back(), headers, regeditTime);
    }

    auto sum = [](const std::vector<double>& times) { double total = 0; for (double t : times) total += t; return total; };
    const double floorBest = *std::min_element(floors.begin(), floors.end());
    const double exportBest = *std::min_element(exports.begin(), exports.end());
    const double regeditBest = *std::min_element(regedits.begin(), regedits.end());
    std::printf("times are the mean of two runs per round\n");
    std::printf("best of %d:   floor %.3f s, export %.3f s, regedit /E %.3f s\n", rounds, floorBest, exportBest, regeditBest);
    std::printf("median of %d: floor %.3f s, export %.3f s, regedit /E %.3f s; thread cpu floor %.3f s, export %.3f s\n",
                rounds, Median(floors), Median(exports), Median(regedits), Median(floorCpu), Median(exportCpu));
    std::printf("export/floor: best %.3f, median of rounds %.3f, all rounds %.3f (cpu %.3f)\n", exportBest / floorBest,
                Median(ratios), sum(exports) / sum(floors), sum(exportCpu) / sum(floorCpu));
    std::printf("regedit/export: best %.2f, medians %.2f\n", regeditBest / exportBest, Median(regedits) / Median(exports));
    std::printf("files: export %lld bytes, regedit /E %lld bytes\n", FileSize(exportFile), FileSize(regeditFile));

    DeleteFileA(exportFile.c_str());
    DeleteFileA(regeditFile.c_str());
    RegDeleteTreeA(HKEY_CURRENT_USER, BenchPath);
    RegDeleteKeyA(HKEY_CURRENT_USER, BenchPath);
    return 0;
}
