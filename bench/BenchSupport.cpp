#include "Benchmarks.h"

#include "Ch341Emulator.h"
#include "Vexbus/VexbusDlg.h"
#include "VexbusDlgProbe.h"
#include "tqLink/I2CLink.h"
#include "tqRegs/tqregister.h"
#include "widgets/LogList.h"
#include "widgets/ProgressWnd.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <limits>
#include <thread>
#include <utility>

namespace {

// Longer than the log list's frame.
constexpr auto kIdle = std::chrono::milliseconds(60);
constexpr auto kSettleLimit = std::chrono::milliseconds(500);

// Short enough that each side takes many turns, so that some of its samples fall in quiet spells
// of a shared machine; long enough that one slow run weighs little in a sample.
constexpr double kMapSampleSeconds = 0.02;

// One side of a map benchmark and its fastest sample so far, over every repetition.
struct Turn {
    const std::function<void()>* run;
    double& fastest;
    int runs = 1;
};

double TimedRun(const MapSides& sides, const std::function<void()>& run)
{
    sides.reset();
    Ch341Emulator::Instance().ClearLog();
    // What earlier runs left for the event loop (the events of their windows) is not this run's.
    QCoreApplication::processEvents();
    const double start = ThreadSeconds();
    run();
    return ThreadSeconds() - start;
}

// `fastest` holds each side's fastest sample over the repetitions before this one.
void MeasureMap(benchmark::State& state, const MapSides& sides, int samples, int fixedRuns,
                std::array<double, 3>& fastest)
{
    g_pLink->SetTransport(LinkUsb);
    if (g_pLink->Connect() != LinkConnected) {
        state.SkipWithError("the emulated adapter does not answer");
        return;
    }
    std::vector<Turn> turns{{&sides.operation, fastest[0]}, {&sides.bare, fastest[1]}};
    if (sides.window)
        turns.push_back({&sides.window, fastest[2]});
    for (auto _ : state) {
        // A run to warm up, then one that tells how many fill a sample.
        for (Turn& turn : turns) {
            TimedRun(sides, *turn.run);
            const double once = std::max(TimedRun(sides, *turn.run), 1e-9);
            turn.runs = fixedRuns > 0 ? fixedRuns : static_cast<int>(std::ceil(kMapSampleSeconds / once));
        }
        // The sides take turns, each sample starting with the next side, so that a slow spell of
        // the machine falls on all of them alike.
        for (int sample = 0; sample < samples; ++sample) {
            for (std::size_t k = 0; k < turns.size(); ++k) {
                Turn& turn = turns[(static_cast<std::size_t>(sample) + k) % turns.size()];
                double total = 0;
                for (int i = 0; i < turn.runs; ++i)
                    total += TimedRun(sides, *turn.run);
                turn.fastest = std::min(turn.fastest, total / turn.runs);
            }
        }
        state.SetIterationTime(fastest[0]);
    }

    Ch341Emulator& emulator = Ch341Emulator::Instance();
    sides.reset();
    emulator.ClearLog();
    sides.operation();
    if (!emulator.ProtocolErrors().empty()) {
        state.SkipWithError("the emulated adapter saw a protocol error");
        return;
    }
    std::size_t reads = 0;
    std::size_t writes = 0;
    for (const I2CTransaction& t : emulator.Transactions())
        ++(t.read != 0 ? reads : writes);
    const double window = sides.window ? fastest[2] : 0;
    state.counters["operation_ms"] = fastest[0] * 1e3;
    state.counters["bare_ms"] = fastest[1] * 1e3;
    state.counters["window_ms"] = window * 1e3;
    state.counters["baseline_ms"] = (fastest[1] + window) * 1e3;
    state.counters["reads"] = static_cast<double>(reads);
    state.counters["writes"] = static_cast<double>(writes);
    state.counters["transfers"] = static_cast<double>(reads + writes);
    state.counters["round_trips"] = static_cast<double>(emulator.RoundTrips());
}

} // namespace

void ResetLog(CVexbusDlg& dlg)
{
    Probe(dlg).Log()->DeleteAllItems();
    QCoreApplication::processEvents();
    std::this_thread::sleep_for(kIdle);
    QCoreApplication::processEvents();
}

double ThreadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double Settle(CVexbusDlg& dlg)
{
    return Settle(*Probe(dlg).Log());
}

double Settle(LogList& list)
{
    bool shown = false;
    const int last = list.GetItemCount() - 1;
    const QMetaObject::Connection announced =
        QObject::connect(list.model(), &QAbstractItemModel::rowsInserted,
                         [&shown, last](const QModelIndex&, int, int end) { shown = shown || end >= last; });
    const double start = ThreadSeconds();
    const auto limit = std::chrono::steady_clock::now() + kSettleLimit;
    while (!shown && std::chrono::steady_clock::now() < limit)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    // The repaint that the catch-up asked for.
    QCoreApplication::processEvents();
    const double took = ThreadSeconds() - start;
    QObject::disconnect(announced);
    return took;
}

std::string FormatLine(const char* format, ...)
{
    char buffer[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return buffer;
}

void RegisterMapBenchmark(const std::string& name, MapSides sides, const BenchSizes& sizes)
{
    constexpr double kNone = std::numeric_limits<double>::infinity();
    benchmark::RegisterBenchmark(name.c_str(),
                                 [sides = std::move(sides), samples = sizes.mapSamples, runs = sizes.iterations,
                                  fastest =
                                      std::array<double, 3>{kNone, kNone, kNone}](benchmark::State& state) mutable {
                                     MeasureMap(state, sides, samples, runs, fastest);
                                 })
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(sizes.mapRepetitions)
        ->Unit(benchmark::kMillisecond);
}

std::shared_ptr<std::FILE> MemoryFile()
{
    // The stream writes its text and size where it was opened with; they outlive it.
    struct Memory {
        char* text = nullptr;
        std::size_t size = 0;
        std::FILE* file = open_memstream(&text, &size);

        Memory() = default;
        Memory(const Memory&) = delete;
        Memory& operator=(const Memory&) = delete;
        ~Memory()
        {
            if (file)
                std::fclose(file);
            std::free(text);
        }
    };
    const auto memory = std::make_shared<Memory>();
    return {memory, memory->file};
}

void KnownBankedState()
{
    BankedSlave& slave = Ch341Emulator::Instance().Slave();
    for (int bank = 0; bank < BankedSlave::kPages; ++bank)
        for (int sub = 0; sub < BankedSlave::kPageRegister; ++sub)
            slave.Paged(bank, static_cast<u8>(sub)) = static_cast<u8>(sub * 7 + bank * 29 + 0x35);
}

void BareBankedTransfers(std::uint8_t bankRegister, int writes, int reads)
{
    for (int i = 0; i < writes; ++i)
        g_pLink->Write8(BankedSlave::kAddress, bankRegister, static_cast<u8>(i % 7));
    for (int i = 0; i < reads; ++i) {
        u8 byte = 0;
        g_pLink->Read8(BankedSlave::kAddress, static_cast<u8>(i % BankedSlave::kPageRegister), &byte);
        benchmark::DoNotOptimize(byte);
    }
}

void ShowProgressWindow(const char* title, bool ranged, int steps)
{
    CProgressWnd progress(nullptr, title, false);
    // A window that is never stepped is painted as it opens, as the dumps and exports paint theirs.
    if (steps == 0)
        progress.ShowNow();
    if (!ranged)
        return;
    progress.SetRange(0, 499, 1);
    for (int i = 0; i < steps; ++i) {
        progress.SetText("Writing lines %d ", i);
        progress.StepIt();
        progress.PumpMessages(true);
    }
}

void RegisterBankedMapBenchmarks(const BankedMapBench& map, const BenchSizes& sizes, std::vector<RatioCheck>& checks)
{
    const std::shared_ptr<std::FILE> file = MemoryFile();
    TQRegister& registers = map.registers;
    const std::uint8_t bankRegister = map.bankRegister;
    const auto reset = [file, bankRegister] {
        std::rewind(file.get());
        KnownBankedState();
        g_pLink->Write8(BankedSlave::kAddress, bankRegister, 3);
    };
    const std::string dump = map.name + "/dump";
    const std::string exported = map.name + "/export";
    RegisterMapBenchmark(dump,
                         {reset, [file, &registers] { registers.SaveToTxt(file.get()); },
                          [map] { BareBankedTransfers(map.bankRegister, map.dumpWrites, map.dumpReads); },
                          [] { ShowProgressWindow("Save to txt", false, 0); }},
                         sizes);
    RegisterMapBenchmark(exported,
                         {reset, [file, &registers] { registers.WriteAllRegister(file.get()); },
                          [map] { BareBankedTransfers(map.bankRegister, map.exportWrites, map.exportReads); },
                          [steps = map.exportSteps] { ShowProgressWindow("Write tq all register.", true, steps); }},
                         sizes);

    // An emulated transfer costs a fraction of a microsecond, so the progress window (its
    // profile position read and written, and an export's steps) outweighs the transfers: the
    // bound applies to what the register set adds over both, and the ratio against the
    // transfers alone is shown.
    const std::string& f = map.figure;
    const char* exportWindow = map.exportSteps > 0 ? "its stepped progress window" : "its progress window";
    checks.push_back({f + ": dump / its bare transfers and its progress window", dump, "operation_ms", dump,
                      "baseline_ms", "", 1.5, true});
    checks.push_back({f + ": export / its bare transfers and " + exportWindow, exported, "operation_ms", exported,
                      "baseline_ms", "", 1.5, true});
    checks.push_back({f + ": dump / its bare transfers alone", dump, "operation_ms", dump, "bare_ms", "", 0, true});
    checks.push_back(
        {f + ": export / its bare transfers alone", exported, "operation_ms", exported, "bare_ms", "", 0, true});
    checks.push_back({f + ": progress window of a dump", dump, "window_ms", "", "", "ms", 0, true});
    if (map.exportSteps > 0)
        checks.push_back({f + ": progress window of an export, " + std::to_string(map.exportSteps) + " steps", exported,
                          "window_ms", "", "", "ms", 0, true});
    checks.push_back({f + ": transfers per dump", dump, "transfers", "", "", "transfers", 0});
    checks.push_back({f + ": transfers per export", exported, "transfers", "", "", "transfers", 0});
}
