// The TQ7790 dump and export over the emulated adapter, against as many bare single-byte
// transfers as they make and the progress window each shows.
#include "Benchmarks.h"

#include "tqRegs/TQ7790Register.h"

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
    RegisterBankedMapBenchmarks({"9. TQ7790", "tq7790", g_tq7790Register, TQ7790Register::kBankRegister, kDumpWrites,
                                 kDumpReads, kExportWrites, kExportReads, 0},
                                sizes, checks);
}
