// A long batch file run with its progress window against the same lines run in a plain loop.
#include "Benchmarks.h"

#include "ScriptedResponder.h"
#include "Vexbus/VexbusDlg.h"
#include "platform/UiServices.h"
#include "tqLink/I2CLink.h"

#include <QApplication>
#include <QProgressBar>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <numeric>
#include <random>
#include <thread>
#include <vector>

namespace {

// Reads, writes, a 16-bit read and a comment, in turn.
void WriteBatchFile(const std::string& path, int lines)
{
    std::ofstream out(path);
    for (int i = 0; i < lines; ++i) {
        const unsigned sub = static_cast<unsigned>(i) & 0xEF;
        switch (i % 4) {
        case 0: out << FormatLine("i2cw 1a %02x %02x\n", sub, static_cast<unsigned>(i * 3) & 0xFF); break;
        case 1: out << FormatLine("i2cr 1a %02x\n", sub); break;
        case 2: out << FormatLine("i2cr16 1a %04x\n", static_cast<unsigned>(i) & 0xFFF); break;
        default: out << "# line " << i << "\n"; break;
        }
    }
}

// A chain of label and goto pairs in a shuffled order, so that the jumps go forward and back:
// the pair of label k jumps to label k + 1, the first line to label 0, the last label ends it.
// Returns the number of jumps.
int WriteGotoChain(const std::string& path, int pairs)
{
    std::vector<int> order(static_cast<std::size_t>(pairs));
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), std::mt19937(pairs));
    std::ofstream out(path);
    out << "goto p0\n";
    for (int k : order)
        out << "p" << k << ": rem\ngoto p" << k + 1 << "\n";
    out << "p" << pairs << ":\n";
    return pairs + 1;
}

// The time the user waits, the program's sleeps included.
double WallSeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// One run over the file, up to the log list shown with its last line, timed on the clock given;
// a negative time when the file cannot be opened.
template <typename Run>
double TimeRun(CVexbusDlg& dlg, const std::string& path, Run run, double (*clock)())
{
    ResetLog(dlg);
    std::FILE* file = std::fopen(path.c_str(), "r");
    if (!file)
        return -1;
    const double start = clock();
    run(file);
    Settle(dlg);
    const double seconds = clock() - start;
    std::fclose(file);
    return seconds;
}

// Times runs over the file in the processor time of the program's thread; the time is given per
// part when the run does that many like parts.
template <typename Run>
void TimeRuns(benchmark::State& state, CVexbusDlg& dlg, const std::string& path, Run run, int parts = 1)
{
    g_pLink->SetTransport(LinkSim);
    for (auto _ : state) {
        const double seconds = TimeRun(dlg, path, run, ThreadSeconds);
        if (seconds < 0) {
            state.SkipWithError("cannot open the batch file");
            break;
        }
        state.SetIterationTime(seconds / parts);
    }
    ResetLog(dlg);
}

// Keeps the shown progress window from the screen, as a window manager does with a window on
// another desktop or minimised with its main window: the window stays shown, but it is never
// exposed.
void Unexpose()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || !w->findChild<QProgressBar*>(QString(), Qt::FindDirectChildrenOnly))
            continue;
        w->hide();
        QCoreApplication::processEvents();
        w->setAttribute(Qt::WA_DontShowOnScreen);
        w->show();
    }
}

// Runs of a file of "delay" lines in the time the user waits, with the progress window exposed
// and with it kept from the screen from the first line on, in turns, so that both sides meet the
// same machine: the sleeps' precision drifts with its load. The counters are each side's time.
void TimeDelays(benchmark::State& state, CVexbusDlg& dlg, const std::string& path, bool exposedFirst)
{
    auto& ui = static_cast<ScriptedResponder&>(*GetUiResponder());
    bool first = true;
    bool exposed = true;
    ui.onSleep = [&first, &exposed](unsigned milliseconds) {
        if (std::exchange(first, false) && !exposed)
            Unexpose();
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    };
    const auto run = [&dlg, &first](std::FILE* file) {
        first = true;
        dlg.RunBatch(file);
    };
    for (auto _ : state) {
        exposed = exposedFirst;
        const double one = TimeRun(dlg, path, run, WallSeconds);
        exposed = !exposed;
        const double other = TimeRun(dlg, path, run, WallSeconds);
        if (one < 0 || other < 0) {
            state.SkipWithError("cannot open the batch file");
            break;
        }
        state.counters[exposed ? "exposed_ms" : "unexposed_ms"] = other * 1000;
        state.counters[exposed ? "unexposed_ms" : "exposed_ms"] = one * 1000;
        state.SetIterationTime(one + other);
    }
    ui.onSleep = nullptr;
    ResetLog(dlg);
}

} // namespace

void RegisterBatchBenchmarks(CVexbusDlg& dlg, const BenchSizes& sizes, const std::string& folder,
                             std::vector<RatioCheck>& checks)
{
    const std::string path = folder + "/batch.txt";
    WriteBatchFile(path, sizes.batchLines);

    auto* plain = benchmark::RegisterBenchmark("batch/plain_loop", [&dlg, path](benchmark::State& state) {
        TimeRuns(state, dlg, path, [&dlg](std::FILE* file) {
            char line[255];
            while (std::fgets(line, sizeof line, file))
                dlg.ExecuteCommand(line);
        });
    });
    auto* batch = benchmark::RegisterBenchmark("batch/run_batch", [&dlg, path](benchmark::State& state) {
        TimeRuns(state, dlg, path, [&dlg](std::FILE* file) { dlg.RunBatch(file); });
    });
    for (auto* b : {plain, batch})
        b->UseManualTime()->Iterations(1)->Repetitions(sizes.repetitions)->Unit(benchmark::kMillisecond);

    checks.push_back({"3. batch: RunBatch of " + std::to_string(sizes.batchLines) + " lines / ExecuteCommand loop",
                      "batch/run_batch", "", "batch/plain_loop", "", "", 2.0});

    // A "delay" line waits for its time alone, whether the window system shows the progress
    // window or not.
    const std::string delays = folder + "/delays.txt";
    {
        std::ofstream out(delays);
        for (int i = 0; i < sizes.delayLines; ++i)
            out << "delay 1\n";
    }
    // Which side goes first changes from one repetition to the next.
    benchmark::RegisterBenchmark("batch/delays",
                                 [&dlg, delays, turn = 0](benchmark::State& state) mutable {
                                     TimeDelays(state, dlg, delays, turn++ % 2 == 0);
                                 })
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(sizes.repetitions)
        ->Unit(benchmark::kMillisecond);
    checks.push_back({"3. batch: " + std::to_string(sizes.delayLines) +
                          " \"delay 1\" lines, the progress window not exposed / exposed",
                      "batch/delays", "unexposed_ms", "batch/delays", "exposed_ms", "", 1.5, true});

    // A jump costs the same however long the file: labels are not searched for from the top.
    for (int pairs : sizes.gotoPairs) {
        const std::string chain = folder + "/goto" + std::to_string(pairs) + ".txt";
        const int jumps = WriteGotoChain(chain, pairs);
        benchmark::RegisterBenchmark(("batch/goto_chain/" + std::to_string(pairs)).c_str(),
                                     [&dlg, chain, jumps](benchmark::State& state) {
                                         TimeRuns(
                                             state, dlg, chain, [&dlg](std::FILE* file) { dlg.RunBatch(file); }, jumps);
                                     })
            ->UseManualTime()
            ->Iterations(1)
            ->Repetitions(sizes.repetitions)
            ->Unit(benchmark::kMicrosecond);
    }
    const std::string first = std::to_string(sizes.gotoPairs.front());
    for (std::size_t i = 1; i < sizes.gotoPairs.size(); ++i) {
        const std::string n = std::to_string(sizes.gotoPairs[i]);
        checks.push_back({"3. batch: per jump in a goto chain of " + n + " pairs / of " + first,
                          "batch/goto_chain/" + n, "", "batch/goto_chain/" + first, "", "",
                          i + 1 == sizes.gotoPairs.size() ? 3.0 : 0.0});
    }
}
