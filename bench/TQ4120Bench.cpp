// The TQ4120 dump over the emulated adapter against the bare register reads it cannot avoid. It
// shows no progress window.
#include "Benchmarks.h"

#include "tqLink/I2CLink.h"
#include "tqRegs/TQ4120Register.h"

#include <cstdio>
#include <memory>

namespace {

// The body's field reads: one per register of each of its 1313 fields.
constexpr int kDumpReads = 1563;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

void BareReads()
{
    for (int i = 0; i < kDumpReads; ++i) {
        u8 byte = 0;
        g_pLink->ReadReg16(static_cast<u16>(0x0100 + i % 0x0634), &byte);
        benchmark::DoNotOptimize(byte);
    }
}

void Dump(std::FILE* file)
{
    g_tq4120Register.SaveToTxt(file);
    std::fflush(file);
}

} // namespace

void RegisterTQ4120Benchmarks(const BenchSizes& sizes, std::vector<RatioCheck>& checks)
{
    const std::shared_ptr<std::FILE> memory = MemoryFile();
    RegisterMapBenchmark("tq4120/dump",
                         {[memory] { std::rewind(memory.get()); }, [memory] { Dump(memory.get()); }, BareReads, {}},
                         sizes);
    // What writing into a file adds, shown beside it.
    const std::shared_ptr<std::FILE> file(std::tmpfile(), FileCloser());
    RegisterMapBenchmark("tq4120/dump_to_file",
                         {[file] { std::rewind(file.get()); }, [file] { Dump(file.get()); }, BareReads, {}}, sizes);

    checks.push_back({"7. TQ4120: one dump / as many bare 16-bit register reads", "tq4120/dump", "operation_ms",
                      "tq4120/dump", "bare_ms", "", 1.5, true});
    checks.push_back({"7. TQ4120: one dump into a file / as many bare register reads", "tq4120/dump_to_file",
                      "operation_ms", "tq4120/dump_to_file", "bare_ms", "", 0, true});
    checks.push_back({"7. TQ4120: register reads per dump", "tq4120/dump", "reads", "", "", "reads", 0});
    checks.push_back({"7. TQ4120: USB round trips per dump", "tq4120/dump", "round_trips", "", "", "round trips", 0});
}
