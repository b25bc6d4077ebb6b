// The mail client is a 32-bit program: what this program writes must be what
// the client reads and the other way round, from the 32-bit and from the
// 64-bit build. A real 32-bit program (client32.exe, next to this one) plays
// the client, so the check does not depend on how the program chose its view.
#include "framework/Registry.h"
#include "registry/RegHelpers.h"
#include "registry/unitEXRegistry.h"
#include "support/RegSandbox.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>

namespace {

struct ClientRun {
    DWORD exitCode = 1;
    std::string out;
};

std::string ClientExe()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path, length);
    return dir.substr(0, dir.rfind('\\') + 1) + "client32.exe";
}

// Runs the client stand-in with args and collects what it prints.
ClientRun RunClient(const std::string& args)
{
    ClientRun run;
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) {
        ADD_FAILURE() << "no pipe";
        return run;
    }
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process = {};
    std::string commandLine = "\"" + ClientExe() + "\" " + args;
    const BOOL started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                                        nullptr, &startup, &process);
    CloseHandle(writeEnd);
    if (!started) {
        ADD_FAILURE() << "cannot start " << commandLine << ": " << GetLastError();
        CloseHandle(readEnd);
        return run;
    }
    char buffer[512];
    DWORD got = 0;
    while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0)
        run.out.append(buffer, got);
    WaitForSingleObject(process.hProcess, 30000);
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CloseHandle(readEnd);
    return run;
}

struct Hive {
    RootCode code;
    HKEY root;
    const char* name;  // as the client stand-in names it
};

// HKLM is the hive whose Software branch has two views on 64-bit Windows; the
// other two must stay shared between the program and the client.
const Hive Hives[] = {
    {2, HKEY_LOCAL_MACHINE, "HKLM"},
    {3, HKEY_CLASSES_ROOT, "HKCR"},
    {1, HKEY_CURRENT_USER, "HKCU"},
};

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

// The test scripts say so when the machine's kernel runs no 32-bit Linux
// programs: then Wine can start no 32-bit Windows program either.
class ClientView : public ::testing::Test {
protected:
    void SetUp() override
    {
        char runs[8] = {};
        if (GetEnvironmentVariableA("ZV_WINE32_RUNS", runs, sizeof runs) && std::string(runs) == "no")
            GTEST_SKIP() << "no 32-bit programs on this machine: the client's stand-in cannot run";
    }
};

} // namespace

TEST_F(ClientView, ValuesPassBetweenProgramAndClientBothWays)
{
    for (const Hive& hive : Hives) {
        SCOPED_TRACE(hive.name);
        RegSandbox box(hive.root);
        const std::string key = box.Sub("Einstellungen");
        const std::string client = std::string(hive.name) + " " + Quoted(key) + " ";

        ASSERT_TRUE(WriteRegString(hive.code, key, "Von Zorvane", "geschrieben"));
        const ClientRun read = RunClient("get " + client + Quoted("Von Zorvane"));
        EXPECT_EQ(read.exitCode, 0u);
        EXPECT_EQ(read.out, "geschrieben");

        EXPECT_EQ(RunClient("set " + client + Quoted("Vom Client") + " " + Quoted("gesetzt")).exitCode, 0u);
        EXPECT_EQ(ReadRegString(hive.code, key, "Vom Client"), "gesetzt");
        std::vector<std::string> names = GetRegValueNames(hive.code, key).value_or(std::vector<std::string>{});
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, (std::vector<std::string>{"Vom Client", "Von Zorvane"}));

        EXPECT_TRUE(DeleteRegValue(hive.code, key, "Vom Client"));
        EXPECT_EQ(RunClient("get " + client + Quoted("Vom Client")).exitCode, 2u);
    }
}

TEST_F(ClientView, KeysTheProgramDeletesAreGoneForTheClient)
{
    for (const Hive& hive : Hives) {
        SCOPED_TRACE(hive.name);
        RegSandbox box(hive.root);
        const std::string client = std::string(hive.name) + " ";
        ASSERT_EQ(RunClient("set " + client + Quoted(box.Sub("A\\B")) + " x y").exitCode, 0u);
        ASSERT_EQ(RunClient("set " + client + Quoted(box.Sub("C")) + " x y").exitCode, 0u);

        // From the root through the whole path, and below an opened parent.
        TRegistry reg;
        reg.SetRootKey(hive.root);
        EXPECT_TRUE(reg.DeleteKey(box.Sub("A\\B")));
        EXPECT_EQ(RunClient("has " + client + Quoted(box.Sub("A\\B"))).exitCode, 2u);
        EXPECT_EQ(RunClient("has " + client + Quoted(box.Sub("A"))).exitCode, 0u);
        EXPECT_TRUE(DeleteRegKey(hive.code, box.Path(), "C"));
        EXPECT_EQ(RunClient("has " + client + Quoted(box.Sub("C"))).exitCode, 2u);
    }
}

TEST_F(ClientView, ExportAndKeyCheckSeeTheClientsKeys)
{
    RegSandbox box(HKEY_LOCAL_MACHINE);
    ASSERT_EQ(RunClient("set HKLM " + Quoted(box.Sub("Mail")) + " Konto " + Quoted("vom Client")).exitCode, 0u);

    TExRegistry reg(KEY_READ);
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(reg.OpenKey(box.Sub("Mail"), false));
    EXPECT_TRUE(reg.KeyExists(box.Sub("Mail")));
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string file = std::string(temp) + "zorvane-clientview.reg";
    ASSERT_TRUE(reg.ExportKey(file));
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    in.close();
    DeleteFileA(file.c_str());
    EXPECT_NE(text.str().find("\"Konto\"=\"vom Client\""), std::string::npos) << text.str();
}

// File types sit right below HKEY_CLASSES_ROOT, the way the client's are.
TEST_F(ClientView, FileTypeKeysAreShared)
{
    const std::string type = ".zorvane-test";
    ASSERT_TRUE(DeleteTree(HKEY_CLASSES_ROOT, type));
    ASSERT_TRUE(WriteRegString(3, type, "", "Zorvane.Test"));
    const ClientRun read = RunClient("get HKCR " + type + " \"\"");
    EXPECT_EQ(read.exitCode, 0u);
    EXPECT_EQ(read.out, "Zorvane.Test");
    EXPECT_EQ(RunClient("set HKCR " + type + " \"Content Type\" message/rfc822").exitCode, 0u);
    EXPECT_EQ(ReadRegString(3, type, "Content Type"), "message/rfc822");
    EXPECT_TRUE(DeleteRegKey(3, "", type));
    EXPECT_EQ(RunClient("has HKCR " + type).exitCode, 2u);
    DeleteTree(HKEY_CLASSES_ROOT, type);
}
