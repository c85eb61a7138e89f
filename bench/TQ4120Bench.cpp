// The TQ4120 dump over the emulated adapter against the bare register reads it cannot avoid.
#include "Benchmarks.h"

#include "Ch341Emulator.h"
#include "tqLink/I2CLink.h"
#include "tqRegs/TQ4120Register.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

namespace {

// The body's field reads: one per register of each of its 1313 fields.
constexpr int kDumpReads = 1563;
constexpr int kRepetitions = 5;
// Dumps per timed sample: one dump takes well under a millisecond, short enough for the noise
// of a shared machine to swamp it.
constexpr int kDumpsPerSample = 20;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

bool Connect()
{
    g_pLink->SetTransport(LinkUsb);
    return g_pLink->Connect() == 1;
}

// Times dumps into the file, counting the bus traffic of one.
void TimeDumps(benchmark::State& state, std::FILE* file)
{
    Ch341Emulator& emulator = Ch341Emulator::Instance();
    if (file == nullptr || !Connect()) {
        state.SkipWithError("no file, or the emulated adapter does not answer");
        return;
    }
    std::size_t transactions = 0;
    std::size_t roundTrips = 0;
    for (auto _ : state) {
        emulator.ClearLog();
        const double start = ThreadSeconds();
        for (int n = 0; n < kDumpsPerSample; ++n) {
            std::rewind(file);
            g_tq4120Register.SaveToTxt(file);
            std::fflush(file);
        }
        state.SetIterationTime((ThreadSeconds() - start) / kDumpsPerSample);
        transactions = emulator.Transactions().size() / kDumpsPerSample;
        roundTrips = emulator.RoundTrips() / kDumpsPerSample;
    }
    state.counters["reads"] = static_cast<double>(transactions);
    state.counters["round_trips"] = static_cast<double>(roundTrips);
}

} // namespace

void RegisterTQ4120Benchmarks(std::vector<RatioCheck>& checks)
{
    auto* bare = benchmark::RegisterBenchmark("tq4120/bare_reads", [](benchmark::State& state) {
        Ch341Emulator& emulator = Ch341Emulator::Instance();
        if (!Connect()) {
            state.SkipWithError("the emulated adapter does not answer");
            return;
        }
        for (auto _ : state) {
            emulator.ClearLog();
            const double start = ThreadSeconds();
            for (int n = 0; n < kDumpsPerSample; ++n) {
                for (int i = 0; i < kDumpReads; ++i) {
                    u8 byte = 0;
                    g_pLink->ReadReg16(static_cast<u16>(0x0100 + i % 0x0634), &byte);
                    benchmark::DoNotOptimize(byte);
                }
            }
            state.SetIterationTime((ThreadSeconds() - start) / kDumpsPerSample);
        }
    });
    // Into memory: the dump's own work, without what the file system adds to every write.
    auto* dump = benchmark::RegisterBenchmark("tq4120/dump", [](benchmark::State& state) {
        char* text = nullptr;
        std::size_t size = 0;
        {
            const FilePtr file(open_memstream(&text, &size));
            TimeDumps(state, file.get());
        }
        std::free(text);
    });
    auto* toFile = benchmark::RegisterBenchmark("tq4120/dump_to_file", [](benchmark::State& state) {
        const FilePtr file(std::tmpfile());
        TimeDumps(state, file.get());
    });
    for (auto* b : {bare, dump, toFile})
        b->UseManualTime()->Iterations(1)->Repetitions(kRepetitions)->Unit(benchmark::kMillisecond);

    checks.push_back({"7. TQ4120: one dump / as many bare 16-bit register reads", "tq4120/dump", "",
                      "tq4120/bare_reads", "", "", 1.5});
    checks.push_back({"7. TQ4120: one dump into a file / as many bare register reads", "tq4120/dump_to_file", "",
                      "tq4120/bare_reads", "", "", 0});
    checks.push_back({"7. TQ4120: register reads per dump", "tq4120/dump", "reads", "", "", "reads", 0});
    checks.push_back({"7. TQ4120: USB round trips per dump", "tq4120/dump", "round_trips", "", "", "round trips", 0});
}
