#pragma once

#include "BankedSlave.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// A USB fault injected into one bulk transfer.
enum class UsbFault {
    Io,      // the transfer fails with an I/O error
    TimeOut, // the transfer times out; an answer waiting on the IN endpoint stays there, as a late one would
    Unplug,  // the adapter is pulled out just before the transfer
};

// One I2C transaction on the emulated bus, from a start to its stop.
struct I2CTransaction {
    std::vector<std::uint8_t> written; // every byte the master wrote, address bytes included
    std::size_t read = 0;              // bytes the master read
    bool acknowledged = true;          // every written byte was acknowledged
    bool stopped = false;              // ended by a stop condition
};

// A CH341 in I2C mode behind the libusb calls of the adapter layer, decoding its stream packets
// as the chip does. On its bus the BankedSlave answers address byte 0x1A; no other address
// acknowledges. One instance per process, never destroyed, so that a close at exit still finds it.
class Ch341Emulator {
public:
    static Ch341Emulator& Instance();

    // A plugged adapter, the slave as built, no fault armed and nothing recorded. Handles opened
    // before are stale.
    void Reset();
    void Plug();
    void Unplug();
    bool IsPlugged() const { return plugged; }
    // Asked before every USB call whether the adapter is plugged in; empty: only Plug/Unplug decide.
    void SetPlugSource(std::function<bool()> source);

    // The bulk transfer after `skip` others fails with `fault`.
    void FailTransfer(UsbFault fault, unsigned skip = 0);
    // From now on opening the adapter fails with this libusb error (LIBUSB_ERROR_ACCESS: no
    // permission); 0 ends it, as does Reset.
    void FailOpens(int libusbError) { openFailure = libusbError; }
    // In the next transaction the slave acknowledges none of its address bytes, as an absent or
    // busy one would.
    void RefuseAddress() { refuseAddress = true; }
    // In the next transaction the byte written at `position` (0: the address) is not acknowledged.
    void RefuseByte(std::size_t position);
    // From now on the IN endpoint hands out these packets in order, whatever the OUT transfers
    // asked for, in place of the chip's answers; with none left it times out. Reset ends it.
    void ReplyRaw(std::deque<std::vector<std::uint8_t>> packets);
    // From now on every answer carries this many bytes more than the chip's (negative: fewer),
    // added or taken at its end. Reset ends it.
    void SetAnswerSurplus(int bytes) { answerSurplus = bytes; }

    // Forgets the packets, transactions (but one under way), round trips, speed commands and opens
    // recorded so far. Protocol errors stay until Reset, so that the test that caused one sees it.
    void ClearLog();
    // Bulk OUT transfers plus the IN transfers that no OUT transfer went straight before.
    std::size_t RoundTrips() const { return roundTrips; }
    const std::vector<std::vector<std::uint8_t>>& OutPackets() const { return outPackets; }
    // What the chip answered to each of those packets (empty: nothing), also while ReplyRaw hands
    // out other packets in its place.
    const std::vector<std::vector<std::uint8_t>>& Answers() const { return answers; }
    const std::vector<I2CTransaction>& Transactions() const { return transactions; }
    // Anything the chip or the bus would not take, or that real adapters are not known to answer:
    // a packet not starting with 0xAA, an unknown command, a byte without a start, a read that
    // does not end unacknowledged, a second write with a status (0x80 with count 0) in one packet,
    // a read of more than 32 bytes in one command, ...
    const std::vector<std::string>& ProtocolErrors() const { return protocolErrors; }
    // Also tells each protocol error here as it happens (a run of the real program has no test to
    // look at the list); empty: only the list.
    void SetErrorSink(std::function<void(const std::string&)> sink);
    // The bus speed bits of the last 0x60 command since the adapter was plugged in, else nothing.
    std::optional<int> Speed() const { return speed; }
    std::size_t SpeedCommands() const { return speedCommands; }
    std::size_t Opens() const { return opens; }
    std::size_t OpenHandles() const { return openHandles; }
    std::size_t Contexts() const { return contexts; }
    std::size_t Devices() const { return devices; }
    bool InterfaceClaimed() const { return claimed; }
    bool KernelDriverBound() const { return driverBound; }
    BankedSlave& Slave() { return slave; }

    // The USB side, for the libusb double; results are libusb codes. A device and a handle are
    // known by the plug-in they were found on.
    void ContextCreated() { ++contexts; }
    void ContextDestroyed() { --contexts; }
    void DeviceCreated() { ++devices; }
    void DeviceDestroyed() { --devices; }
    // The plug-in a device list finds the adapter on; empty while it is unplugged.
    std::optional<unsigned> Find();
    int Open(unsigned plug);
    void Close(unsigned plug, bool claimedByHandle);
    int Claim(unsigned plug, bool autoDetach);
    int Release(unsigned plug, bool autoDetach);
    int Configuration(unsigned plug, int& value);
    int BulkTransfer(unsigned plug, bool claimedByHandle, unsigned char endpoint, unsigned char* data, int length,
                     int& transferred);

private:
    enum class Bus { Idle, Address, Writing, Reading, Ignoring };
    struct Fault {
        UsbFault fault;
        unsigned skip;
    };

    Ch341Emulator() = default;

    void FollowPlugSource();
    bool Current(unsigned plug) const { return plugged && plug == plugCount; }
    int Out(const unsigned char* data, int length, int& transferred);
    int In(unsigned char* data, int length, int& transferred);
    void Decode(const std::vector<std::uint8_t>& packet);
    void Start();
    void Stop();
    bool WriteByte(std::uint8_t byte);
    std::uint8_t ReadByte(bool acknowledge);
    void Error(const std::string& what);

    bool plugged = true;
    unsigned plugCount = 1;
    std::function<bool()> plugSource;
    bool claimed = false;
    bool driverBound = true;
    std::optional<int> speed;
    std::optional<Fault> fault;
    std::optional<std::size_t> refuse;
    std::optional<std::size_t> refuseNow;
    bool refuseAddress = false;
    bool refuseAddressNow = false;
    std::function<void(const std::string&)> errorSink;
    int openFailure = 0;

    std::size_t speedCommands = 0;
    std::size_t opens = 0;
    std::size_t openHandles = 0;
    std::size_t contexts = 0;
    std::size_t devices = 0;
    std::size_t roundTrips = 0;
    bool outWentBefore = false;
    std::vector<std::vector<std::uint8_t>> outPackets;
    std::vector<std::vector<std::uint8_t>> answers;
    std::deque<std::vector<std::uint8_t>> inPackets;
    bool raw = false;
    std::deque<std::vector<std::uint8_t>> rawPackets;
    int answerSurplus = 0;
    std::vector<std::uint8_t> answer;
    std::vector<I2CTransaction> transactions;
    std::vector<std::string> protocolErrors;

    Bus bus = Bus::Idle;
    bool lastByteRead = false;
    std::size_t position = 0;
    BankedSlave slave;
};
