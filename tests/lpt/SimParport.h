#pragma once

#include "I2CBusMonitor.h"
#include "SimI2CSlave.h"
#include "platform/PortIoBackend.h"

#include <cstdint>
#include <vector>

// One byte written to a port register, named by its PC port number.
struct PortWriteRecord {
    std::uint16_t port;
    std::uint8_t value;
    bool operator==(const PortWriteRecord&) const = default;
};

// /dev/parport0 with an I2C bus on its pins, for the port I/O layer to open through its seam.
// The cable follows one of the link's two wirings:
//   wiring 0: SCL on data bit 1, SDA pulled low by data bit 0, SDA read on status bit 5;
//   wiring 1: SCL on control bit 3, SDA pulled low by data bit 7, SDA read on status bit 7.
// A set SCL bit releases SCL. Both lines are open-drain with pull-ups: a line is high unless
// the master or a slave pulls it low, so an empty bus reads SDA high. Registers hold what the
// PC port holds (ppdev keeps only the low four control bits).
class SimParport : public PortIoBackend {
public:
    static constexpr int kFd = 7;

    explicit SimParport(int wiring = 0) : wiring(wiring) {}

    void SetWiring(int value) { wiring = value; }
    void Attach(SimI2CSlave& slave) { slaves.push_back(&slave); }

    // What the next open and claim do.
    bool present = true;
    bool claimFails = false;
    // Devices of others registered on the port (another program that opened and claimed it, the
    // lp printer driver), and whether one of them holds the port now.
    int otherDevices = 0;
    bool heldByOther = false;

    const std::vector<PortWriteRecord>& Writes() const { return writes; }
    void ClearWrites() { writes.clear(); }
    int IoctlCount() const { return ioctls; }
    bool IsOpen() const { return open; }
    bool IsClaimed() const { return claimed; }
    int Closes() const { return closes; }
    // Claims that the kernel would have made wait for the holder; here they fail with EINTR, as
    // a signal would end the wait.
    int BlockedClaims() const { return blockedClaims; }
    std::uint8_t Data() const { return data; }
    std::uint8_t Control() const { return control; }
    I2CBusMonitor& Monitor() { return monitor; }

    int Open(const char* path, int flags) override;
    int Ioctl(int fd, unsigned long request, void* arg) override;
    int Close(int fd) override;

private:
    bool MasterScl() const;
    bool Sda() const;
    std::uint8_t Status() const;
    void Write(std::uint16_t port, std::uint8_t value);
    void LinesChanged();

    int wiring;
    std::vector<SimI2CSlave*> slaves;
    I2CBusMonitor monitor;
    std::vector<PortWriteRecord> writes;
    std::uint8_t data = 0;
    std::uint8_t control = 0;
    bool scl = false;
    bool sda = true;
    bool open = false;
    bool claimed = false;
    bool exclusive = false;
    bool registered = false;
    int blockedClaims = 0;
    int ioctls = 0;
    int closes = 0;
};
