#pragma once

#include "RatioReporter.h"

#include <string>
#include <vector>

class CVexbusDlg;

// How much work each benchmark does: the sizes, or tiny ones for a smoke run.
struct BenchSizes {
    std::vector<int> logLines;
    int batchLines;
    unsigned rangeEnd;
    int repetitions;
    // The log list's benchmarks fill the list anew for each repetition, which takes long.
    int logRepetitions;
    // Fixed iterations for a smoke run; 0 lets the library choose.
    int iterations;
    // Label and goto pairs of the jump chains.
    std::vector<int> gotoPairs;
};

// Each registers its benchmarks over the shown main dialog and adds the figures they give.
void RegisterCommandBenchmarks(CVexbusDlg& dlg, const BenchSizes& sizes, std::vector<RatioCheck>& checks);
void RegisterLogListBenchmarks(CVexbusDlg& dlg, const BenchSizes& sizes, std::vector<RatioCheck>& checks);
void RegisterBatchBenchmarks(CVexbusDlg& dlg, const BenchSizes& sizes, const std::string& folder,
                             std::vector<RatioCheck>& checks);
void RegisterRangeReadBenchmarks(CVexbusDlg& dlg, const BenchSizes& sizes, std::vector<RatioCheck>& checks);
void RegisterUsbBenchmarks(std::vector<RatioCheck>& checks);
void RegisterTQ7730Benchmarks(std::vector<RatioCheck>& checks);
void RegisterTQ4120Benchmarks(std::vector<RatioCheck>& checks);
void RegisterTQ7790Benchmarks(std::vector<RatioCheck>& checks);

// Empties the log list and leaves the window idle, as it is when the user starts something;
// outside any timing.
void ResetLog(CVexbusDlg& dlg);

// The processor time of this thread. The program runs on one thread, so this is its work without
// what other processes on a shared machine take from it, and without the idle waits of the
// event loop.
double ThreadSeconds();

// Runs the event loop until the log list has shown its new lines; returns the processor time
// that took. The list catches up once per frame, so this may wait, idle, for the frame.
double Settle(CVexbusDlg& dlg);

// The log line of a command, formatted as the command handlers format it.
[[gnu::format(printf, 1, 2)]] std::string FormatLine(const char* format, ...);
