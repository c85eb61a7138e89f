// Appending to the log list and scrolling to the new line, with the list already holding many.
#include "Benchmarks.h"

#include "Vexbus/VexbusDlg.h"
#include "VexbusDlgProbe.h"
#include "widgets/LogList.h"

#include <unistd.h>

#include <fstream>

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
}
