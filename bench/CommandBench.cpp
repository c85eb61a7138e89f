// One typed command against what it cannot avoid: the bus read and the formatting of its line.
#include "Benchmarks.h"

#include "Vexbus/VexbusDlg.h"
#include "tqLink/I2CLink.h"

void RegisterCommandBenchmarks(CVexbusDlg& dlg, const BenchSizes& sizes, std::vector<RatioCheck>& checks)
{
    auto* bare = benchmark::RegisterBenchmark("command/bare_read_and_format", [](benchmark::State& state) {
        g_pLink->SetTransport(LinkSim);
        for (auto _ : state) {
            u8 byte = 0;
            const bool ok = g_pLink->Read8(0x1A, 0x00, &byte) == 0;
            std::string line = ok ? FormatLine("i2cr %02x %02x -> %02x", 0x1Au, 0x00u, unsigned{byte})
                                  : FormatLine("i2cr %02x %02x -> failed", 0x1Au, 0x00u);
            benchmark::DoNotOptimize(line.data());
            benchmark::ClobberMemory();
        }
    });
    auto* command = benchmark::RegisterBenchmark("command/execute_command", [&dlg](benchmark::State& state) {
        g_pLink->SetTransport(LinkSim);
        ResetLog(dlg);
        for (auto _ : state) {
            char line[] = "i2cr 1a 00";
            dlg.ExecuteCommand(line);
        }
        ResetLog(dlg);
    });
    for (auto* b : {bare, command}) {
        b->Repetitions(sizes.repetitions);
        if (sizes.iterations > 0)
            b->Iterations(sizes.iterations);
    }
    checks.push_back({"1. command: ExecuteCommand(\"i2cr 1a 00\") / bare Read8 + format", "command/execute_command", "",
                      "command/bare_read_and_format", "", "", 3.0});
}
