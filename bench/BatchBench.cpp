// A long batch file run with its progress window against the same lines run in a plain loop.
#include "Benchmarks.h"

#include "I2CLink.h"
#include "VexbusDlg.h"

#include <cstdio>
#include <fstream>

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

// Times one run over the file, up to the log list shown with its last line.
template <typename Run>
void TimeRuns(benchmark::State& state, CVexbusDlg& dlg, const std::string& path, Run run)
{
    g_pLink->SetTransport(LinkSim);
    for (auto _ : state) {
        ResetLog(dlg);
        std::FILE* file = std::fopen(path.c_str(), "r");
        if (!file) {
            state.SkipWithError("cannot open the batch file");
            break;
        }
        const double start = ThreadSeconds();
        run(file);
        Settle(dlg);
        state.SetIterationTime(ThreadSeconds() - start);
        std::fclose(file);
    }
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

    checks.push_back({"3. batch: RunBatch of " + std::to_string(sizes.batchLines) +
                          " lines / ExecuteCommand loop",
                      "batch/run_batch", "", "batch/plain_loop", "", "", 2.0});
}
