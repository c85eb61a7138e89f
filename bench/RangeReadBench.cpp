// BatchRead of a whole 16-bit range against the bare reads and lines it cannot avoid, and how
// soon the window answers afterwards.
#include "Benchmarks.h"

#include "Vexbus/VexbusDlg.h"
#include "VexbusDlgProbe.h"
#include "tqLink/I2CLink.h"

#include <QRadioButton>

#include <chrono>
#include <thread>

namespace {

// More lines than the log window shows.
constexpr int kFullWindow = 100;
constexpr auto kIdle = std::chrono::milliseconds(60);

void SelectRange(CVexbusDlg& dlg, unsigned end)
{
    Probe(dlg).Bits16()->click();
    Probe(dlg).SlaveEdit()->setText(QStringLiteral("1A"));
    Probe(dlg).StartEdit()->setText(QStringLiteral("0"));
    Probe(dlg).EndEdit()->setText(QString::number(end, 16).toUpper());
}

} // namespace

void RegisterRangeReadBenchmarks(CVexbusDlg& dlg, const BenchSizes& sizes, std::vector<RatioCheck>& checks)
{
    const unsigned end = sizes.rangeEnd;
    auto* bare = benchmark::RegisterBenchmark("range/bare_reads", [end](benchmark::State& state) {
        g_pLink->SetTransport(LinkSim);
        for (auto _ : state) {
            const double start = ThreadSeconds();
            for (unsigned sub = 0; sub <= end; ++sub) {
                u8 byte = 0;
                const bool ok = g_pLink->Read16(0x1A, static_cast<u16>(sub), &byte) == 0;
                std::string line = ok ? FormatLine("i2cr %02x %04x -> %02x", 0x1Au, sub, unsigned{byte})
                                      : FormatLine("i2cr %02x %04x -> failed", 0x1Au, sub);
                benchmark::DoNotOptimize(line.data());
                benchmark::ClobberMemory();
            }
            state.SetIterationTime(ThreadSeconds() - start);
        }
    });
    auto* read = benchmark::RegisterBenchmark("range/batch_read", [&dlg, end](benchmark::State& state) {
        g_pLink->SetTransport(LinkSim);
        SelectRange(dlg, end);
        double settle = 0;
        for (auto _ : state) {
            ResetLog(dlg);
            const double start = ThreadSeconds();
            dlg.OnBatchRead();
            settle = Settle(dlg);
            state.SetIterationTime(ThreadSeconds() - start);
        }
        state.counters["settle_seconds"] = settle;
        state.counters["lines"] = Probe(dlg).Log()->GetItemCount();
        ResetLog(dlg);
    });
    auto* single = benchmark::RegisterBenchmark("range/single_read", [&dlg](benchmark::State& state) {
        g_pLink->SetTransport(LinkSim);
        double settle = 0;
        for (auto _ : state) {
            // A window full of lines, as after the range read, so that both repaint as much.
            ResetLog(dlg);
            for (int i = 0; i < kFullWindow; ++i)
                Probe(dlg).Log()->InsertItem(i, "i2cr 1a 0000 -> 00");
            Settle(dlg);
            std::this_thread::sleep_for(kIdle);
            const double start = ThreadSeconds();
            char line[] = "i2cr16 1a 0000";
            dlg.ExecuteCommand(line);
            settle = Settle(dlg);
            state.SetIterationTime(ThreadSeconds() - start);
        }
        state.counters["settle_seconds"] = settle;
        ResetLog(dlg);
    });
    for (auto* b : {bare, read, single})
        b->UseManualTime()->Iterations(1)->Repetitions(sizes.repetitions)->Unit(benchmark::kMillisecond);

    const std::string count = std::to_string(end + 1);
    checks.push_back({"4. range read: BatchRead of " + count + " 16-bit addresses / bare reads + format",
                      "range/batch_read", "", "range/bare_reads", "", "", 3.0});
    checks.push_back({"4. range read: the window catching up after it / after one read", "range/batch_read",
                      "settle_seconds", "range/single_read", "settle_seconds", "", 2.0});
}
