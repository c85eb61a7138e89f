// USB round trips of the adapter layer, counted by the emulated adapter.
#include "Benchmarks.h"

#include "Ch341Emulator.h"
#include "tqLink/I2CLink.h"

#include <array>

namespace {

// Each packet's answer leaves one byte of the 32-byte IN packet free.
constexpr std::size_t kAnswerPacket = 31;
constexpr u16 kBlock = 4096;

} // namespace

void RegisterUsbBenchmarks(std::vector<RatioCheck>& checks)
{
    benchmark::RegisterBenchmark("usb/round_trips", [](benchmark::State& state) {
        Ch341Emulator& emulator = Ch341Emulator::Instance();
        g_pLink->SetTransport(LinkUsb);
        if (g_pLink->Connect() != 1) {
            state.SkipWithError("the emulated adapter does not answer");
            return;
        }
        std::array<u8, kBlock> block{};
        std::size_t read8 = 0;
        std::size_t write8 = 0;
        std::size_t readBlock = 0;
        bool ok = true;
        for (auto _ : state) {
            u8 byte = 0;
            emulator.ClearLog();
            ok = g_pLink->Read8(BankedSlave::kAddress, 0x10, &byte) == 0 && ok;
            read8 = emulator.RoundTrips();
            emulator.ClearLog();
            ok = g_pLink->Write8(BankedSlave::kAddress, 0x10, 0x5A) == 0 && ok;
            write8 = emulator.RoundTrips();
            emulator.ClearLog();
            ok = g_pLink->ReadBlock8(BankedSlave::kAddress, 0x00, kBlock, block.data()) == 0 && ok;
            readBlock = emulator.RoundTrips();
            ok = ok && emulator.ProtocolErrors().empty();
        }
        if (!ok) {
            state.SkipWithError("a transfer failed on the emulated adapter");
            return;
        }
        // The answer of a block read: the status of the read address, the one byte written
        // with a status, then the data, 31 bytes to a packet.
        const std::size_t answer = 1 + kBlock;
        state.counters["read8"] = static_cast<double>(read8);
        state.counters["write8"] = static_cast<double>(write8);
        state.counters["block"] = static_cast<double>(readBlock);
        state.counters["block_packets"] = static_cast<double>((answer + kAnswerPacket - 1) / kAnswerPacket);
        state.counters["one"] = 1;
    })->Iterations(1);

    checks.push_back({"6. USB: round trips per one-byte read / minimum 1", "usb/round_trips", "read8",
                      "usb/round_trips", "one", "", 1.0});
    checks.push_back({"6. USB: round trips per one-byte write / minimum 1", "usb/round_trips", "write8",
                      "usb/round_trips", "one", "", 1.0});
    checks.push_back({"6. USB: round trips per 4096-byte read / its answer's packets of 31 bytes", "usb/round_trips",
                      "block", "usb/round_trips", "block_packets", "", 1.0});
    checks.push_back({"6. USB: round trips per 4096-byte read", "usb/round_trips", "block", "", "", "round trips", 0});
}
