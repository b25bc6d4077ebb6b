// How a command-line run tells what happened: one message box, or with
// /still one line in the log, %APPDATA%\Zorvane\Protokoll.txt.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct TRunResult {
    int code = 0;                      // the exit code
    std::string file;                  // the profile, as far as known
    std::string text;                  // what happened
    std::vector<std::string> refused;  // the settings the text speaks of
};

// The log's file; empty when the system names no application-data folder.
std::string RunLogFile();

// The log line: date, time, file, exit code, text and the settings, by tabs.
std::string RunLogLine(const TRunResult& result, const SYSTEMTIME& when);

// Shows the result, or appends its line to the log (a log that cannot be
// written is passed over: a quiet run has no one to tell).
void ReportRun(const TRunResult& result, bool quiet);
