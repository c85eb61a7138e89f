// The TQ7790 dump and export over the emulated adapter against the bare one-byte transfers they
// make, in the same run. Each also opens and closes its progress window, which on the emulated
// adapter costs more than all the transfers of an export (the window reads and writes its
// position in the profile): the bound is judged against the transfers plus that window, and the
// ratio against the transfers alone is shown beside it.
#include "Benchmarks.h"

#include "Ch341Emulator.h"
#include "tqLink/I2CLink.h"
#include "tqRegs/TQ7790Register.h"
#include "widgets/ProgressWnd.h"

#include <cstdio>
#include <memory>
#include <string>

namespace {

constexpr int kRepetitions = 5;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// Every bank filled and page 3 selected, as the tests' known state.
void KnownState()
{
    Ch341Emulator& emulator = Ch341Emulator::Instance();
    for (int bank = 0; bank < BankedSlave::kPages; ++bank)
        for (int sub = 0; sub < BankedSlave::kPageRegister; ++sub)
            emulator.Slave().Paged(bank, static_cast<u8>(sub)) = static_cast<u8>(sub * 7 + bank * 29 + 0x35);
    g_pLink->Write8(BankedSlave::kAddress, 0xF0, 3);
}

// Times the operation on a fresh file each time and counts its transfers.
template <typename Operation>
void TimeOperation(benchmark::State& state, Operation operation)
{
    Ch341Emulator& emulator = Ch341Emulator::Instance();
    g_pLink->SetTransport(LinkUsb);
    if (g_pLink->Connect() != 1) {
        state.SkipWithError("the emulated adapter does not answer");
        return;
    }
    KnownState();
    std::size_t reads = 0;
    std::size_t writes = 0;
    for (auto _ : state) {
        const std::unique_ptr<std::FILE, FileCloser> file(std::tmpfile());
        emulator.ClearLog();
        const double start = ThreadSeconds();
        operation(file.get());
        state.SetIterationTime(ThreadSeconds() - start);
        reads = 0;
        writes = 0;
        for (const I2CTransaction& t : emulator.Transactions())
            ++(t.read > 0 ? reads : writes);
    }
    state.counters["reads"] = static_cast<double>(reads);
    state.counters["writes"] = static_cast<double>(writes);
    state.counters["transfers"] = static_cast<double>(reads + writes);
}

// The same number of bare one-byte reads and writes at the device; with a title, inside a
// progress window of that title, painted at once as the operation shows it.
void TimeBareTransfers(benchmark::State& state, int reads, int writes, const char* window = nullptr)
{
    g_pLink->SetTransport(LinkUsb);
    if (g_pLink->Connect() != 1) {
        state.SkipWithError("the emulated adapter does not answer");
        return;
    }
    for (auto _ : state) {
        Ch341Emulator::Instance().ClearLog();
        const double start = ThreadSeconds();
        std::unique_ptr<CProgressWnd> progress;
        if (window) {
            progress = std::make_unique<CProgressWnd>(nullptr, window, false);
            progress->ShowNow();
        }
        for (int i = 0; i < writes; ++i)
            g_pLink->Write8(BankedSlave::kAddress, 0xF0, static_cast<u8>(i & 3));
        for (int i = 0; i < reads; ++i) {
            u8 byte = 0;
            g_pLink->Read8(BankedSlave::kAddress, static_cast<u8>(i % 0xF0), &byte);
            benchmark::DoNotOptimize(byte);
        }
        progress.reset();
        state.SetIterationTime(ThreadSeconds() - start);
    }
}

} // namespace

void RegisterTQ7790Benchmarks(std::vector<RatioCheck>& checks)
{
    // One bank read and write around one bank selection and one read per bit of 1381 fields.
    constexpr int kDumpReads = 1 + 6459;
    constexpr int kDumpWrites = 1381 + 1;
    // The bank read and 1058 registers; 18 bank selections, then 2 and the saved bank.
    constexpr int kExportReads = 1 + 1058;
    constexpr int kExportWrites = 18 + 2;

    auto* dump = benchmark::RegisterBenchmark("tq7790/dump", [](benchmark::State& state) {
        TimeOperation(state, [](std::FILE* file) { g_tq7790Register.SaveToTxt(file); });
    });
    auto* dumpBare = benchmark::RegisterBenchmark("tq7790/dump_bare_transfers", [](benchmark::State& state) {
        TimeBareTransfers(state, kDumpReads, kDumpWrites);
    });
    auto* dumpWindow =
        benchmark::RegisterBenchmark("tq7790/dump_bare_transfers_in_window", [](benchmark::State& state) {
            TimeBareTransfers(state, kDumpReads, kDumpWrites, "Save to txt");
        });
    auto* exportAll = benchmark::RegisterBenchmark("tq7790/export", [](benchmark::State& state) {
        TimeOperation(state, [](std::FILE* file) { g_tq7790Register.WriteAllRegister(file); });
    });
    auto* exportBare = benchmark::RegisterBenchmark("tq7790/export_bare_transfers", [](benchmark::State& state) {
        TimeBareTransfers(state, kExportReads, kExportWrites);
    });
    auto* exportWindow =
        benchmark::RegisterBenchmark("tq7790/export_bare_transfers_in_window", [](benchmark::State& state) {
            TimeBareTransfers(state, kExportReads, kExportWrites, "Write tq all register.");
        });
    for (auto* b : {dump, dumpBare, dumpWindow, exportAll, exportBare, exportWindow})
        b->UseManualTime()->Iterations(1)->Repetitions(kRepetitions)->Unit(benchmark::kMillisecond);

    checks.push_back({"9. TQ7790: one dump / as many bare Read8 and Write8 in its window", "tq7790/dump", "",
                      "tq7790/dump_bare_transfers_in_window", "", "", 1.5});
    checks.push_back({"9. TQ7790: one export / as many bare Read8 and Write8 in its window", "tq7790/export", "",
                      "tq7790/export_bare_transfers_in_window", "", "", 1.5});
    checks.push_back({"9. TQ7790: one dump / as many bare Read8 and Write8", "tq7790/dump", "",
                      "tq7790/dump_bare_transfers", "", "", 0});
    checks.push_back({"9. TQ7790: one export / as many bare Read8 and Write8", "tq7790/export", "",
                      "tq7790/export_bare_transfers", "", "", 0});
    checks.push_back({"9. TQ7790: transfers per dump", "tq7790/dump", "transfers", "", "", "transfers", 0});
    checks.push_back({"9. TQ7790: transfers per export", "tq7790/export", "transfers", "", "", "transfers", 0});
}
