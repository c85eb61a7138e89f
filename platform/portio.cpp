#include "platform/portio.h"

#include "platform/PortIoBackend.h"

#include <fcntl.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

constexpr const char* kDevice = "/dev/parport0";
constexpr std::uint16_t kDataPort = 0x378;
constexpr std::uint16_t kStatusPort = 0x379;
constexpr std::uint16_t kControlPort = 0x37A;

// Constant-initialised: the parallel-port link opens the port while globals are being built.
constinit PortIoBackend* g_nextBackend = nullptr;

// The open port and the backend it was opened with.
constinit int g_fd = -1;
constinit PortIoBackend* g_backend = nullptr;

int DoOpen(const char* path, int flags)
{
    return g_backend ? g_backend->Open(path, flags) : ::open(path, flags);
}

int DoIoctl(unsigned long request, void* arg)
{
    return g_backend ? g_backend->Ioctl(g_fd, request, arg) : ::ioctl(g_fd, request, arg);
}

int DoClose()
{
    return g_backend ? g_backend->Close(g_fd) : ::close(g_fd);
}

} // namespace

void SetPortIoBackend(PortIoBackend* backend)
{
    g_nextBackend = backend;
}

// Initialising again starts over on the backend now installed.
bool InitializeWinIo()
{
    ShutdownWinIo();
    g_backend = g_nextBackend;
    g_fd = DoOpen(kDevice, O_RDWR | O_CLOEXEC);
    if (g_fd < 0)
        return false;
    // A plain claim waits for as long as another program holds the port, inside start-up. An
    // exclusive one is refused at once while any other device is registered on the port (the
    // lp printer driver included), and once granted it cannot wait.
    if (DoIoctl(PPEXCL, nullptr) < 0 || DoIoctl(PPCLAIM, nullptr) < 0) {
        DoClose();
        g_fd = -1;
        return false;
    }
    return true;
}

void ShutdownWinIo()
{
    if (g_fd < 0)
        return;
    DoIoctl(PPRELEASE, nullptr);
    DoClose();
    g_fd = -1;
}

// ppdev hands out the registers as the PC port holds them, hardware-inverted bits included,
// which is what the callers expect; so each port maps to its register unchanged.
bool GetPortVal(std::uint16_t port, std::uint32_t* value, std::uint8_t size)
{
    if (g_fd < 0 || size != 1 || !value)
        return false;
    unsigned long request = 0;
    switch (port) {
    case kDataPort: request = PPRDATA; break;
    case kStatusPort: request = PPRSTATUS; break;
    case kControlPort: request = PPRCONTROL; break;
    default: return false;
    }
    unsigned char byte = 0;
    if (DoIoctl(request, &byte) < 0)
        return false;
    *value = (*value & ~0xFFu) | byte;
    return true;
}

bool SetPortVal(std::uint16_t port, std::uint32_t value, std::uint8_t size)
{
    if (g_fd < 0 || size != 1)
        return false;
    unsigned long request = 0;
    switch (port) {
    case kDataPort: request = PPWDATA; break;
    case kControlPort: request = PPWCONTROL; break;
    default: return false; // the status port is input only
    }
    unsigned char byte = static_cast<unsigned char>(value);
    return DoIoctl(request, &byte) >= 0;
}
