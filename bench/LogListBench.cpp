// Appending to the log list and scrolling to the new line, with the list already holding many.
#include "Benchmarks.h"

#include "Vexbus/VexbusDlg.h"
#include "VexbusDlgProbe.h"
#include "widgets/LogList.h"

#include <QCoreApplication>
#include <QHeaderView>

#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <limits>

namespace {

// Lines appended per timed burst, after which the list catches up once, as after a long command.
constexpr int kBurst = 1000;

// The memory the process holds in RAM; the list maps its own memory, which the heap's
// statistics would not count.
std::size_t Resident()
{
    std::size_t total = 0;
    std::size_t resident = 0;
    std::ifstream("/proc/self/statm") >> total >> resident;
    return resident * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

std::string Line(int i)
{
    return FormatLine("i2cr 1a %02x -> %02x", static_cast<unsigned>(i & 0xFF), static_cast<unsigned>((i * 7) & 0xFF));
}

// Now and then a long line among the reads, of lengths that differ, as a batch's log has.
std::string MixedLine(int i)
{
    if (i % 997 != 0)
        return Line(i);
    return "start to load bat file -- /home/user/batches/" + std::string(static_cast<std::size_t>(i % 61), 'b') +
           ".txt";
}

// A fit with the list full against one repaint of it, each the fastest of its runs, in
// microseconds: "fit_us" and "repaint_us". The list is one of its own, as the dialog's list is,
// so that the width the fit gives stays out of the other benchmarks.
void FitColumn(benchmark::State& state, const LogList& model)
{
    LogList list;
    list.setFont(model.font());
    list.resize(model.size());
    list.show();
    const int n = static_cast<int>(state.range(0));
    for (int i = 0; i < n; ++i)
        list.InsertItem(list.GetItemCount(), MixedLine(i));
    list.EnsureVisible(n - 1, false);
    Settle(list);
    const int narrow = list.viewport()->width();
    double fit = std::numeric_limits<double>::infinity();
    double repaint = fit;
    for (auto _ : state) {
        list.header()->resizeSection(0, narrow);
        QCoreApplication::processEvents();
        double start = ThreadSeconds();
        list.FitColumn();
        const double fitted = ThreadSeconds() - start;
        fit = std::min(fit, fitted);
        QCoreApplication::processEvents();
        start = ThreadSeconds();
        list.viewport()->repaint();
        repaint = std::min(repaint, ThreadSeconds() - start);
        state.SetIterationTime(fitted);
    }
    state.counters["fit_us"] = fit * 1e6;
    state.counters["repaint_us"] = repaint * 1e6;
}

// Empties the list and fills it with n lines; returns the memory the lines took.
std::size_t Refill(CVexbusDlg& dlg, int n)
{
    ResetLog(dlg);
    LogList& list = *Probe(dlg).Log();
    const std::size_t before = Resident();
    for (int i = 0; i < n; ++i)
        list.InsertItem(list.GetItemCount(), Line(i));
    const std::size_t after = Resident();
    Settle(dlg);
    return after > before ? after - before : 0;
}

} // namespace

void RegisterLogListBenchmarks(CVexbusDlg& dlg, const BenchSizes& sizes, std::vector<RatioCheck>& checks)
{
    auto* b = benchmark::RegisterBenchmark("loglist/append_and_scroll", [&dlg](benchmark::State& state) {
        const int n = static_cast<int>(state.range(0));
        std::vector<std::string> burst;
        for (int i = 0; i < kBurst; ++i)
            burst.push_back(Line(i));
        const std::size_t memory = Refill(dlg, n);
        for (auto _ : state) {
            // Keeps the list near its size: the bursts may not grow it by more than half.
            if (Probe(dlg).Log()->GetItemCount() > n + n / 2)
                Refill(dlg, n);
            const double start = ThreadSeconds();
            for (const std::string& line : burst)
                dlg.AddLog(line);
            Settle(dlg);
            state.SetIterationTime((ThreadSeconds() - start) / kBurst);
        }
        state.counters["bytes_per_line"] = static_cast<double>(memory) / n;
        ResetLog(dlg);
    });
    for (int n : sizes.logLines)
        b->Arg(n);
    b->UseManualTime()->Iterations(sizes.iterations > 0 ? sizes.iterations : 10)->Repetitions(sizes.logRepetitions);

    const std::string first = "loglist/append_and_scroll/" + std::to_string(sizes.logLines.front());
    for (std::size_t i = 1; i < sizes.logLines.size(); ++i) {
        const std::string n = std::to_string(sizes.logLines[i]);
        const bool last = i + 1 == sizes.logLines.size();
        checks.push_back(
            {"2. log list: per-line append+scroll at " + n + " lines / at " + std::to_string(sizes.logLines.front()),
             "loglist/append_and_scroll/" + n, "", first, "", "", last ? 1.5 : 0.0});
    }
    for (int n : sizes.logLines)
        checks.push_back({"2. log list: memory per line at " + std::to_string(n) + " lines",
                          "loglist/append_and_scroll/" + std::to_string(n), "bytes_per_line", "", "", "bytes", 0});

    const LogList& shown = *Probe(dlg).Log();
    benchmark::RegisterBenchmark("loglist/fit_column", [&shown](benchmark::State& state) { FitColumn(state, shown); })
        ->Arg(sizes.logLines.back())
        ->UseManualTime()
        ->Iterations(sizes.iterations > 0 ? sizes.iterations : 30)
        ->Repetitions(sizes.logRepetitions)
        ->Unit(benchmark::kMicrosecond);
    const std::string fit = "loglist/fit_column/" + std::to_string(sizes.logLines.back());
    checks.push_back({"2. log list: fit the column with 10^6 lines / one repaint of the list", fit, "fit_us", fit,
                      "repaint_us", "", 5.0, true});
}
