// The TQ7730 dump and export over the emulated adapter, against as many bare single-byte
// transfers as they make.
#include "Benchmarks.h"

#include "Ch341Emulator.h"
#include "tqLink/I2CLink.h"
#include "tqRegs/TQ7730Register.h"
#include "widgets/ProgressWnd.h"

#include <cstdio>
#include <functional>
#include <memory>

namespace {

// Per dump: a bank selection per field line and a read per bit; per export: the saved bank,
// the registers and the selections.
constexpr int kDumpWrites = 851;
constexpr int kDumpReads = 3426;
constexpr int kExportWrites = 11;
constexpr int kExportReads = 451;
constexpr int kExportSteps = 441;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

void KnownState()
{
    BankedSlave& slave = Ch341Emulator::Instance().Slave();
    for (int bank = 0; bank < BankedSlave::kPages; ++bank)
        for (int sub = 0; sub < 0xF0; ++sub)
            slave.Paged(bank, static_cast<std::uint8_t>(sub)) = static_cast<std::uint8_t>(sub * 7 + bank * 29 + 0x35);
}

// Times `work` once per iteration in this thread's processor time and counts its transfers.
void Measure(benchmark::State& state, const std::function<void(std::FILE*)>& work)
{
    Ch341Emulator& emulator = Ch341Emulator::Instance();
    g_pLink->SetTransport(LinkUsb);
    if (g_pLink->Connect() != 1) {
        state.SkipWithError("the emulated adapter does not answer");
        return;
    }
    KnownState();
    const std::unique_ptr<std::FILE, FileCloser> file(std::tmpfile());
    std::size_t reads = 0;
    std::size_t writes = 0;
    for (auto _ : state) {
        std::rewind(file.get());
        g_pLink->Write8(BankedSlave::kAddress, 0xF4, 3);
        emulator.ClearLog();
        const double start = ThreadSeconds();
        work(file.get());
        state.SetIterationTime(ThreadSeconds() - start);
        reads = 0;
        writes = 0;
        for (const I2CTransaction& t : emulator.Transactions())
            ++(t.read != 0 ? reads : writes);
        if (!emulator.ProtocolErrors().empty()) {
            state.SkipWithError("the emulated adapter saw a protocol error");
            return;
        }
    }
    state.counters["reads"] = static_cast<double>(reads);
    state.counters["writes"] = static_cast<double>(writes);
    state.counters["transfers"] = static_cast<double>(reads + writes);
}

void Bare(int writes, int reads)
{
    u8 byte = 0;
    for (int i = 0; i < writes; ++i)
        g_pLink->Write8(BankedSlave::kAddress, 0xF4, static_cast<u8>(i % 7));
    for (int i = 0; i < reads; ++i)
        g_pLink->Read8(BankedSlave::kAddress, static_cast<u8>(i % 0xF0), &byte);
}

// The bare transfers under the progress window that the operation shows, stepped as the export
// steps it, or painted at once as the dump, which never steps it: what the operation cannot do
// without.
void BareWithWindow(int writes, int reads, int steps)
{
    CProgressWnd progress(nullptr, "Save to txt", false);
    progress.SetRange(0, 499, 1);
    if (steps == 0)
        progress.ShowNow();
    for (int i = 0; i < steps; ++i) {
        progress.SetText("Writing lines %d ", i);
        progress.StepIt();
        progress.PumpMessages(true);
    }
    Bare(writes, reads);
}

void Register(const char* name, const std::function<void(std::FILE*)>& work)
{
    benchmark::RegisterBenchmark(name, [work](benchmark::State& state) { Measure(state, work); })
        ->UseManualTime()
        ->Iterations(20)
        ->Repetitions(3)
        ->Unit(benchmark::kMillisecond);
}

} // namespace

void RegisterTQ7730Benchmarks(std::vector<RatioCheck>& checks)
{
    Register("tq7730/dump", [](std::FILE* file) { g_tq7730Register.SaveToTxt(file); });
    Register("tq7730/dump_bare", [](std::FILE*) { Bare(kDumpWrites, kDumpReads); });
    Register("tq7730/export", [](std::FILE* file) { g_tq7730Register.WriteAllRegister(file); });
    Register("tq7730/export_bare", [](std::FILE*) { Bare(kExportWrites, kExportReads); });
    Register("tq7730/dump_bare_window", [](std::FILE*) { BareWithWindow(kDumpWrites, kDumpReads, 0); });
    Register("tq7730/export_bare_window",
             [](std::FILE*) { BareWithWindow(kExportWrites, kExportReads, kExportSteps); });

    // An emulated transfer costs a fraction of a microsecond, so the progress window (its
    // profile position read and written, and the export's steps) outweighs the transfers; the
    // bound applies to what the register set adds over both.
    checks.push_back(
        {"8. TQ7730: dump / as many bare single-byte transfers", "tq7730/dump", "", "tq7730/dump_bare", "", "", 0});
    checks.push_back({"8. TQ7730: export / as many bare single-byte transfers", "tq7730/export", "",
                      "tq7730/export_bare", "", "", 0});
    checks.push_back({"8. TQ7730: dump / the same transfers under a progress window", "tq7730/dump", "",
                      "tq7730/dump_bare_window", "", "", 1.5});
    checks.push_back({"8. TQ7730: export / the same transfers and steps under a progress window", "tq7730/export", "",
                      "tq7730/export_bare_window", "", "", 1.5});
    checks.push_back({"8. TQ7730: transfers per dump", "tq7730/dump", "transfers", "", "", "transfers", 0});
    checks.push_back({"8. TQ7730: transfers per export", "tq7730/export", "transfers", "", "", "transfers", 0});
}
