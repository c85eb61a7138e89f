// The TQ7790 dump and export over the emulated adapter, against as many bare single-byte
// transfers as they make and the progress window each shows.
#include "Benchmarks.h"

#include "Ch341Emulator.h"
#include "tqLink/I2CLink.h"
#include "tqRegs/TQ7790Register.h"

#include <cstdio>
#include <memory>

namespace {

// One bank read and write around one bank selection and one read per bit of 1381 fields.
constexpr int kDumpReads = 1 + 6459;
constexpr int kDumpWrites = 1381 + 1;
// The bank read and 1058 registers; 18 bank selections, then 2 and the saved bank.
constexpr int kExportReads = 1 + 1058;
constexpr int kExportWrites = 18 + 2;

} // namespace

void RegisterTQ7790Benchmarks(const BenchSizes& sizes, std::vector<RatioCheck>& checks)
{
    const std::shared_ptr<std::FILE> file = MemoryFile();
    const auto reset = [file] {
        std::rewind(file.get());
        KnownBankedState();
        g_pLink->Write8(BankedSlave::kAddress, TQ7790Register::kBankRegister, 3);
    };
    RegisterMapBenchmark("tq7790/dump",
                         {reset, [file] { g_tq7790Register.SaveToTxt(file.get()); },
                          [] { BareBankedTransfers(TQ7790Register::kBankRegister, kDumpWrites, kDumpReads); },
                          [] { ShowProgressWindow("Save to txt", false, 0); }},
                         sizes);
    RegisterMapBenchmark("tq7790/export",
                         {reset, [file] { g_tq7790Register.WriteAllRegister(file.get()); },
                          [] { BareBankedTransfers(TQ7790Register::kBankRegister, kExportWrites, kExportReads); },
                          [] { ShowProgressWindow("Write tq all register.", true, 0); }},
                         sizes);

    // Opening and closing the progress window (its position read from and written to the
    // profile) costs more than all the emulated transfers of an export: the bound is judged
    // against the transfers and the window, and the ratio against the transfers alone is shown.
    checks.push_back({"9. TQ7790: dump / its bare transfers and its progress window", "tq7790/dump", "operation_ms",
                      "tq7790/dump", "baseline_ms", "", 1.5, true});
    checks.push_back({"9. TQ7790: export / its bare transfers and its progress window", "tq7790/export", "operation_ms",
                      "tq7790/export", "baseline_ms", "", 1.5, true});
    checks.push_back({"9. TQ7790: dump / its bare transfers alone", "tq7790/dump", "operation_ms", "tq7790/dump",
                      "bare_ms", "", 0, true});
    checks.push_back({"9. TQ7790: export / its bare transfers alone", "tq7790/export", "operation_ms", "tq7790/export",
                      "bare_ms", "", 0, true});
    checks.push_back({"9. TQ7790: progress window of a dump", "tq7790/dump", "window_ms", "", "", "ms", 0, true});
    checks.push_back({"9. TQ7790: transfers per dump", "tq7790/dump", "transfers", "", "", "transfers", 0});
    checks.push_back({"9. TQ7790: transfers per export", "tq7790/export", "transfers", "", "", "transfers", 0});
}
