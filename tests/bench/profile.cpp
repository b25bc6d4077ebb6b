// Profile benchmark, run by scripts/bench in a prefix of its own: a client
// with 200 identities, and a profile that changes all 32 settings. Round by
// round it times the command line applying the profile to every identity
// (profile read, guards, identities, reading, backup, writing, log line)
// against the floor: the same values written by plain RegSetValueExA calls
// in one loop, each key opened once. For comparison it also times that loop
// opening and closing the key for every value, and reading every value once
// or twice before writing it: an apply has to read what it compares and what
// its backup keeps. Before each timed run every
// value is put back to the other state, outside the time taken. A last run
// is timed step by step.
//   zorvane_bench_profile [rounds] [identities]
#include "app/CommandLine.h"
#include "framework/Registry.h"
#include "registry/PathComp.h"
#include "registry/RegBackup.h"
#include "settings/GlobalSettings.h"
#include "settings/IdentitySettings.h"
#include "settings/MailTemplate.h"
#include "settings/Profile.h"
#include "tests/bench/BenchClock.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

struct TValue {
    std::string name;
    DWORD type;
    std::string bytes;
};

struct TKey {
    HKEY root;
    std::string path;
    std::vector<TValue> values;
};

// What one state of every setting stores, key by key in the order the
// catalogues name them: checked boxes and the "b" texts, or unchecked boxes
// and the "a" texts. A box whose unchecked state deletes its value gets 0,
// which reads as unchecked too.
class TValues {
public:
    void Add(std::span<const TSettingDef> defs, const std::string& base, bool checked, const std::string& templateFile)
    {
        for (const TSettingDef& def : defs) {
            const std::string path = TSettingModel::KeyPath(base, def.key);
            TKey& key = KeyOf(RootKeyOf(def.root), path);
            const TWrite write = checked ? def.checked : def.unchecked;
            if (def.IsText())
                key.values.push_back({def.value, REG_SZ, std::string(checked ? "C:\\b\\" : "C:\\a\\") + def.name + '\0'});
            else if (write.kind == TWrite::Action)
                key.values.push_back({def.value, REG_SZ, (checked ? templateFile : std::string()) + '\0'});
            else
                key.values.push_back({def.value, REG_DWORD, Dword(write.kind == TWrite::Number ? write.value : 0)});
        }
    }

    // The floor: each key created or opened once (or once per value), each
    // value set once; with reads, each value read that many times before
    // (as an apply must read to compare, and again for its backup).
    void Write(bool keyPerValue = false, int reads = 0) const
    {
        for (const TKey& key : FKeys) {
            HKEY handle = nullptr;
            for (const TValue& v : key.values) {
                if (!handle && RegCreateKeyExA(key.root, key.path.c_str(), 0, nullptr, 0,
                                               InClientView(key.root, KEY_SET_VALUE | KEY_QUERY_VALUE), nullptr,
                                               &handle, nullptr) != ERROR_SUCCESS) {
                    std::fprintf(stderr, "cannot create %s\n", key.path.c_str());
                    std::exit(2);
                }
                for (int read = 0; read < reads; ++read) {
                    BYTE data[512];
                    DWORD size = sizeof data, type = REG_NONE;
                    RegQueryValueExA(handle, v.name.c_str(), nullptr, &type, data, &size);
                }
                RegSetValueExA(handle, v.name.c_str(), 0, v.type, reinterpret_cast<const BYTE*>(v.bytes.data()),
                               static_cast<DWORD>(v.bytes.size()));
                if (keyPerValue)
                    handle = (RegCloseKey(handle), nullptr);
            }
            if (handle)
                RegCloseKey(handle);
        }
    }

    size_t Count() const
    {
        size_t count = 0;
        for (const TKey& key : FKeys)
            count += key.values.size();
        return count;
    }

private:
    static std::string Dword(int value) { return std::string(reinterpret_cast<const char*>(&value), 4); }

    TKey& KeyOf(HKEY root, const std::string& path)
    {
        for (TKey& key : FKeys)
            if (key.root == root && key.path == path)
                return key;
        return FKeys.emplace_back(TKey{root, path, {}});
    }

    std::vector<TKey> FKeys;
};

std::string Profile()
{
    std::string text = "[Zorvane-Profil]\r\nVersion=1\r\n";
    for (const auto& [section, defs] : {std::pair{"Allgemein", GlobalSettingDefs()}, {"Identitaet", IdentitySettingDefs()}}) {
        text += std::string("[") + section + "]\r\n";
        for (const TSettingDef& def : defs)
            text += std::string(def.name) + "=" + (def.IsText() ? std::string("C:\\b\\") + def.name : "1") + "\r\n";
    }
    return text;
}

void WriteText(const std::string& file, const std::string& text)
{
    HANDLE out = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(out);
}

void DeleteBackups()
{
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((BackupFolder() + "\\*.reg").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do
        DeleteFileA((BackupFolder() + "\\" + found.cFileName).c_str());
    while (FindNextFileA(find, &found));
    FindClose(find);
}

} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    const int identities = argc > 2 ? std::max(1, std::atoi(argv[2])) : 200;

    RegDeleteTreeA(HKEY_CURRENT_USER, "Identities");
    HKEY version = nullptr;
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Outlook Express\\Version Info", 0, nullptr, 0,
                    InClientView(HKEY_LOCAL_MACHINE, KEY_SET_VALUE), nullptr, &version, nullptr);
    RegSetValueExA(version, "Current", 0, REG_SZ, reinterpret_cast<const BYTE*>("6,00,2900,5512"), 15);
    RegCloseKey(version);

    const std::string templateFile = MailTemplatePath(TPathComponent().ShellTemplatesFolder());
    TValues before, after;
    for (bool checked : {false, true})
        (checked ? after : before).Add(GlobalSettingDefs(), "", checked, templateFile);
    for (int i = 0; i < identities; ++i) {
        char guid[64];
        std::snprintf(guid, sizeof guid, "{%08X-0000-0000-0000-000000000000}", i + 1);
        const std::string key = std::string("Identities\\") + guid;
        const std::string name = "Bench " + std::to_string(i + 1);
        HKEY identity = nullptr;
        RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &identity, nullptr);
        RegSetValueExA(identity, "Username", 0, REG_SZ, reinterpret_cast<const BYTE*>(name.c_str()),
                       static_cast<DWORD>(name.size() + 1));
        RegCloseKey(identity);
        for (bool checked : {false, true})
            (checked ? after : before).Add(IdentitySettingDefs(), IdentityBaseKey({name, std::string("\\") + guid + "\\"}),
                                           checked, templateFile);
    }
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string profile = std::string(temp) + "zvbench-profil.ini";
    WriteText(profile, Profile());
    std::printf("%d identities, %zu values per run, profile of 32 settings\n", identities, after.Count());

    const std::vector<std::string> args = {"/profil", profile, "/alle", "/still"};
    const std::function<void()> measures[] = {
        [&] { after.Write(); },
        [&] { after.Write(true); },
        [&] { after.Write(false, 1); },
        [&] { after.Write(false, 2); },
        [&] {
            if (const int code = RunCommandLine(args); code != 0) {
                std::fprintf(stderr, "the command line ended with %d\n", code);
                std::exit(2);
            }
        },
    };
    const char* const names[] = {"floor", "key per value", "read, write", "2 reads, write", "profile"};
    constexpr int kinds = 5;
    std::vector<double> times[kinds];
    // Round 0 warms up and does not count; every other round runs backwards.
    for (int round = 0; round <= rounds; ++round) {
        double taken[kinds];
        for (int n = 0; n < kinds; ++n) {
            const int i = round % 2 ? n : kinds - 1 - n;
            before.Write();
            const double start = Seconds();
            measures[i]();
            taken[i] = Seconds() - start;
        }
        DeleteBackups();
        if (round == 0)
            continue;
        for (int i = 0; i < kinds; ++i)
            times[i].push_back(taken[i]);
        std::printf("round %2d: floor %.3f s, key per value %.3f s, read, write %.3f s, 2 reads, write %.3f s, "
                    "profile %.3f s, ratio %.2f\n",
                    round, taken[0], taken[1], taken[2], taken[3], taken[4], taken[4] / taken[0]);
    }
    for (int i = 0; i < kinds; ++i)
        std::printf("median of %d: %-14s %.3f s, best %.3f s, ratio to the floor %.2f\n", rounds, names[i],
                    Median(times[i]), *std::min_element(times[i].begin(), times[i].end()),
                    Median(times[i]) / Median(times[0]));

    // Where the time goes: the steps of one apply, as RunApply takes them.
    before.Write();
    double mark = Seconds();
    auto step = [&](const char* what) {
        const double now = Seconds();
        std::printf(" %s %.3f s", what, now - mark);
        mark = now;
    };
    std::printf("steps:");
    TProfileApply apply(ReadProfileFile(profile), TIdentityCatalog().ReadIdentities(),
                        TPathComponent().ShellTemplatesFolder());
    step("profile and identities");
    apply.Load();
    step("reading");
    TBackupPlan plan;
    plan.UseValuesAsRead();
    for (const TApplyPart* part : apply.Parts())
        part->PlanBackup(plan);
    WriteBackup(plan, "Bench");
    step("backup");
    std::vector<TRefusedWrite> refused;
    for (TApplyPart* part : apply.Parts())
        part->Apply(refused);
    step("writing");
    std::printf("\n");
    DeleteBackups();
    DeleteFileA(profile.c_str());
    return 0;
}
