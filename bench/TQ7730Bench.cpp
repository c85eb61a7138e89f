// The TQ7730 dump and export over the emulated adapter, against as many bare single-byte
// transfers as they make and the progress window each shows.
#include "Benchmarks.h"

#include "Ch341Emulator.h"
#include "tqLink/I2CLink.h"
#include "tqRegs/TQ7730Register.h"

#include <cstdio>
#include <memory>

namespace {

// Per dump: a bank selection per field line and a read per bit; per export: the saved bank,
// the registers and the selections.
constexpr int kDumpWrites = 851;
constexpr int kDumpReads = 3426;
constexpr int kExportWrites = 11;
constexpr int kExportReads = 451;
constexpr int kExportSteps = 441;

} // namespace

void RegisterTQ7730Benchmarks(const BenchSizes& sizes, std::vector<RatioCheck>& checks)
{
    const std::shared_ptr<std::FILE> file = MemoryFile();
    const auto reset = [file] {
        std::rewind(file.get());
        KnownBankedState();
        g_pLink->Write8(BankedSlave::kAddress, TQ7730Register::kBankRegister, 3);
    };
    RegisterMapBenchmark("tq7730/dump",
                         {reset, [file] { g_tq7730Register.SaveToTxt(file.get()); },
                          [] { BareBankedTransfers(TQ7730Register::kBankRegister, kDumpWrites, kDumpReads); },
                          [] { ShowProgressWindow("Save to txt", false, 0); }},
                         sizes);
    RegisterMapBenchmark("tq7730/export",
                         {reset, [file] { g_tq7730Register.WriteAllRegister(file.get()); },
                          [] { BareBankedTransfers(TQ7730Register::kBankRegister, kExportWrites, kExportReads); },
                          [] { ShowProgressWindow("Write tq all register.", true, kExportSteps); }},
                         sizes);

    // An emulated transfer costs a fraction of a microsecond, so the progress window (its
    // profile position read and written, and the export's steps) outweighs the transfers; the
    // bound applies to what the register set adds over both.
    checks.push_back({"8. TQ7730: dump / its bare transfers and its progress window", "tq7730/dump", "operation_ms",
                      "tq7730/dump", "baseline_ms", "", 1.5, true});
    checks.push_back({"8. TQ7730: export / its bare transfers and its stepped progress window", "tq7730/export",
                      "operation_ms", "tq7730/export", "baseline_ms", "", 1.5, true});
    checks.push_back({"8. TQ7730: dump / its bare transfers alone", "tq7730/dump", "operation_ms", "tq7730/dump",
                      "bare_ms", "", 0, true});
    checks.push_back({"8. TQ7730: export / its bare transfers alone", "tq7730/export", "operation_ms", "tq7730/export",
                      "bare_ms", "", 0, true});
    checks.push_back({"8. TQ7730: progress window of a dump", "tq7730/dump", "window_ms", "", "", "ms", 0, true});
    checks.push_back(
        {"8. TQ7730: progress window of an export, 441 steps", "tq7730/export", "window_ms", "", "", "ms", 0, true});
    checks.push_back({"8. TQ7730: transfers per dump", "tq7730/dump", "transfers", "", "", "transfers", 0});
    checks.push_back({"8. TQ7730: transfers per export", "tq7730/export", "transfers", "", "", "transfers", 0});
}
