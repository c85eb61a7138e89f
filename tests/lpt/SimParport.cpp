#include "SimParport.h"

#include <cerrno>
#include <cstring>
#include <linux/ppdev.h>
#include <sys/ioctl.h>

int SimParport::Open(const char* path, int)
{
    if (!present || std::strcmp(path, "/dev/parport0") != 0) {
        errno = ENOENT;
        return -1;
    }
    open = true;
    return kFd;
}

int SimParport::Close(int fd)
{
    if (!open || fd != kFd) {
        errno = EBADF;
        return -1;
    }
    open = false;
    claimed = false;
    exclusive = false;
    registered = false;
    ++closes;
    return 0;
}

int SimParport::Ioctl(int fd, unsigned long request, void* arg)
{
    ++ioctls;
    if (!open || fd != kFd) {
        errno = EBADF;
        return -1;
    }
    // The device is registered with the port at its first claim: exclusively only while no
    // other device is registered.
    if (request == PPEXCL) {
        if (registered) {
            errno = EINVAL;
            return -1;
        }
        exclusive = true;
        return 0;
    }
    if (request == PPCLAIM) {
        if (claimFails) {
            errno = EBUSY;
            return -1;
        }
        if (!registered && exclusive && otherDevices > 0) {
            errno = ENXIO;
            return -1;
        }
        registered = true;
        if (heldByOther) {
            ++blockedClaims;
            errno = EINTR;
            return -1;
        }
        claimed = true;
        return 0;
    }
    if (!claimed) {
        errno = EINVAL;
        return -1;
    }
    auto* byte = static_cast<std::uint8_t*>(arg);
    switch (request) {
    case PPRELEASE: claimed = false; return 0;
    case PPWDATA: Write(0x378, *byte); return 0;
    case PPWCONTROL: Write(0x37A, *byte); return 0;
    case PPRDATA: *byte = data; return 0;
    case PPRCONTROL: *byte = control; return 0;
    case PPRSTATUS: *byte = Status(); return 0;
    default: errno = ENOTTY; return -1;
    }
}

bool SimParport::MasterScl() const
{
    return wiring == 0 ? (data & 0x02) != 0 : (control & 0x08) != 0;
}

bool SimParport::Sda() const
{
    const bool masterLow = wiring == 0 ? (data & 0x01) != 0 : (data & 0x80) != 0;
    if (masterLow)
        return false;
    for (const SimI2CSlave* slave : slaves)
        if (slave->HoldsSdaLow())
            return false;
    return true;
}

std::uint8_t SimParport::Status() const
{
    const std::uint8_t senseBit = wiring == 0 ? 0x20 : 0x80;
    return Sda() ? senseBit : 0;
}

void SimParport::Write(std::uint16_t port, std::uint8_t value)
{
    writes.push_back({port, value});
    if (port == 0x378)
        data = value;
    else
        control = value & 0x0F;
    LinesChanged();
}

// A change of SDA while SCL stays high is a start (falling) or a stop (rising); the slaves
// answer a falling SCL by setting SDA for the next bit.
void SimParport::LinesChanged()
{
    const bool nextScl = MasterScl();
    const bool nextSda = Sda();
    if (nextSda != sda && scl && nextScl) {
        if (nextSda) {
            for (SimI2CSlave* slave : slaves)
                slave->OnStop();
            monitor.OnStop();
        } else {
            for (SimI2CSlave* slave : slaves)
                slave->OnStart();
            monitor.OnStart();
        }
    }
    if (nextScl != scl) {
        if (nextScl) {
            for (SimI2CSlave* slave : slaves)
                slave->OnSclRise(nextSda);
            monitor.OnSclRise(nextSda);
        } else {
            for (SimI2CSlave* slave : slaves)
                slave->OnSclFall();
        }
    }
    scl = nextScl;
    sda = Sda();
}
