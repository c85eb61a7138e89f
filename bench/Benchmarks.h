#pragma once

#include "RatioReporter.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TQRegister;

class CVexbusDlg;
class LogList;

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
    // Repetitions of a map benchmark, and samples of each of its sides in one repetition.
    int mapRepetitions;
    int mapSamples;
    // "delay 1" lines of the file that shows the progress window exposed and not.
    int delayLines;
    // Characters pasted into the command line: the short paste first, the long one last.
    std::vector<int> pasteChars;
};

// Each registers its benchmarks over the shown main dialog and adds the figures they give.
void RegisterCommandBenchmarks(CVexbusDlg& dlg, const BenchSizes& sizes, std::vector<RatioCheck>& checks);
void RegisterLogListBenchmarks(CVexbusDlg& dlg, const BenchSizes& sizes, std::vector<RatioCheck>& checks);
void RegisterBatchBenchmarks(CVexbusDlg& dlg, const BenchSizes& sizes, const std::string& folder,
                             std::vector<RatioCheck>& checks);
void RegisterRangeReadBenchmarks(CVexbusDlg& dlg, const BenchSizes& sizes, std::vector<RatioCheck>& checks);
void RegisterEditBenchmarks(CVexbusDlg& dlg, const BenchSizes& sizes, std::vector<RatioCheck>& checks);
void RegisterUsbBenchmarks(std::vector<RatioCheck>& checks);
void RegisterTQ7730Benchmarks(const BenchSizes& sizes, std::vector<RatioCheck>& checks);
void RegisterTQ4120Benchmarks(const BenchSizes& sizes, std::vector<RatioCheck>& checks);
void RegisterTQ7790Benchmarks(const BenchSizes& sizes, std::vector<RatioCheck>& checks);

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
double Settle(LogList& list);

// The log line of a command, formatted as the command handlers format it.
[[gnu::format(printf, 1, 2)]] std::string FormatLine(const char* format, ...);

// A register set's dump or export over the emulated adapter, against the bare transfers it cannot
// do without and the progress window it shows: each a side of its own, timed in the same run.
struct MapSides {
    // Before every run of every side, untimed: the chip and the file as the operation expects
    // them. The adapter's log is cleared after it.
    std::function<void()> reset;
    std::function<void()> operation;
    std::function<void()> bare;
    // Opens the operation's progress window, steps it as the operation does and closes it; empty
    // for an operation that shows none.
    std::function<void()> window;
};

// Registers one benchmark that times the sides in turns: sizes.mapSamples samples of each, a
// sample as many runs as take about 20 ms (sizes.iterations runs in a smoke run); repeated
// sizes.mapRepetitions times, spread over the whole run among the other benchmarks. A side's
// figure is its fastest sample per run so far, over the repetitions: the counters, in
// milliseconds, "operation_ms", "bare_ms", "window_ms" and "baseline_ms" (bare and window
// together), whose lowest values (RatioCheck::lowestCounters) are those of the last repetition;
// and the bus traffic of one operation: "reads", "writes", "transfers" and "round_trips".
void RegisterMapBenchmark(const std::string& name, MapSides sides, const BenchSizes& sizes);

// A banked register set's dump and export, with the transfers each makes.
struct BankedMapBench {
    std::string figure; // the figures' number and chip, "8. TQ7730"
    std::string name;   // the benchmarks' prefix, "tq7730"
    TQRegister& registers;
    std::uint8_t bankRegister;
    int dumpWrites;
    int dumpReads;
    int exportWrites;
    int exportReads;
    // The steps of the export's progress window; 0 for an export that never steps it.
    int exportSteps;
};

// The dump and the export of a banked register set, each against its bare transfers and its
// progress window, with their figures.
void RegisterBankedMapBenchmarks(const BankedMapBench& map, const BenchSizes& sizes, std::vector<RatioCheck>& checks);

// A file in memory: a dump's figure is the register set's work, not what the file system adds
// to every write.
std::shared_ptr<std::FILE> MemoryFile();

// Every bank of the emulated chip as the tests' known state has it.
void KnownBankedState();

// As many single-byte transfers as a banked register set makes: writes to its bank register,
// then reads of the first 0xF0 sub-addresses in turn.
void BareBankedTransfers(std::uint8_t bankRegister, int writes, int reads);

// A progress window as an operation shows it: opened (and painted at once when it is never
// stepped), its range set and stepped `steps` times (text, step and pump each time) when
// `ranged`, and closed.
void ShowProgressWindow(const char* title, bool ranged, int steps);
