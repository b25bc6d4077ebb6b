#include "app/RunReport.h"

#include "app/CommandLine.h"
#include "framework/GdiHandles.h"
#include "framework/MsgBox.h"
#include "framework/SysUtils.h"
#include "registry/PathComp.h"

namespace {

// Line breaks and tabs would split the line or its fields: each becomes a blank.
std::string Field(const std::string& text)
{
    std::string field;
    for (size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            field += text[i] == '\r' || text[i] == '\n' || text[i] == '\t' ? ' ' : text[i];
    return field;
}

MsgKind KindOf(int code)
{
    return code == ecDone ? mkInformation : code == ecSomeRefused ? mkWarning : mkError;
}

void AppendToLog(const std::string& line)
{
    const std::string file = RunLogFile();
    if (file.empty())
        return;
    CreateDirectoryA(ExtractFileDir(file).c_str(), nullptr);
    // Runs of several logon sessions may write at once; each line goes in
    // one write at the end of the file.
    const UniqueFile log(CreateFileA(file.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (log)
        WriteFile(log.Get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

} // namespace

std::string RunLogFile()
{
    const std::string appData = TPathComponent().ShellAppDataFolder();
    return appData.empty() ? std::string() : IncludeTrailingBackslash(appData) + "Zorvane\\Protokoll.txt";
}

std::string RunLogLine(const TRunResult& result, const SYSTEMTIME& when)
{
    std::string refused;
    for (const std::string& r : result.refused)
        refused += (refused.empty() ? "" : "; ") + Field(r);
    return Format("%04u-%02u-%02u\t%02u:%02u:%02u\t", when.wYear, when.wMonth, when.wDay, when.wHour, when.wMinute,
                  when.wSecond) +
           Field(result.file) + "\t" + std::to_string(result.code) + "\t" + Field(result.text) + "\t" + refused +
           "\r\n";
}

void ReportRun(const TRunResult& result, bool quiet)
{
    if (quiet) {
        AppendToLog(RunLogLine(result, Now()));
        return;
    }
    std::string text = result.text;
    for (const std::string& r : result.refused)
        text += "\r\n- " + r;
    ShowMsg(text, "Zorvane", KindOf(result.code), btOK);
}
