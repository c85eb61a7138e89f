// The TQ7730 dump and export over the emulated adapter, against as many bare single-byte
// transfers as they make and the progress window each shows.
#include "Benchmarks.h"

#include "tqRegs/TQ7730Register.h"

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
    RegisterBankedMapBenchmarks({"8. TQ7730", "tq7730", g_tq7730Register, TQ7730Register::kBankRegister, kDumpWrites,
                                 kDumpReads, kExportWrites, kExportReads, kExportSteps},
                                sizes, checks);
}
