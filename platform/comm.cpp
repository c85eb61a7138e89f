#include "platform/comm.h"

#include "platform/CommBackend.h"

#include <cerrno>
#include <charconv>
#include <ctime>
#include <map>

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

// A port that takes no byte for this long is taken as stuck.
constexpr int kWriteStallMs = 1000;

constinit CommBackend* g_backend = nullptr;

std::map<std::string, std::string>& PortPaths()
{
    static std::map<std::string, std::string> paths;
    return paths;
}

bool IsComPrefix(const std::string& name)
{
    return name.size() > 3 && (name[0] == 'C' || name[0] == 'c') && (name[1] == 'O' || name[1] == 'o') &&
           (name[2] == 'M' || name[2] == 'm');
}

// 0 for a rate the line discipline cannot run.
speed_t SpeedOf(int baudRate)
{
    static const std::map<int, speed_t> speeds = {
        {50, B50},           {75, B75},           {110, B110},         {134, B134},         {150, B150},
        {200, B200},         {300, B300},         {600, B600},         {1200, B1200},       {1800, B1800},
        {2400, B2400},       {4800, B4800},       {9600, B9600},       {19200, B19200},     {38400, B38400},
        {57600, B57600},     {115200, B115200},   {230400, B230400},   {460800, B460800},   {500000, B500000},
        {576000, B576000},   {921600, B921600},   {1000000, B1000000}, {1152000, B1152000}, {1500000, B1500000},
        {2000000, B2000000}, {2500000, B2500000}, {3000000, B3000000}, {3500000, B3500000}, {4000000, B4000000},
    };
    const auto it = speeds.find(baudRate);
    return it == speeds.end() ? 0 : it->second;
}

// The adapter expects DTR and RTS low: raised, they reset adapters wired to them. A port without
// modem lines (a pty) has none to drop.
void DropModemLines(int fd)
{
    int lines = TIOCM_DTR | TIOCM_RTS;
    ioctl(fd, TIOCMBIC, &lines);
}

// Leaves errno as the failing step set it: ENOTTY when the file is no terminal, EINVAL when
// the rate or the settings are refused.
bool Configure(int fd, int baudRate, int parity)
{
    termios t{};
    if (tcgetattr(fd, &t) != 0)
        return false;
    cfmakeraw(&t);
    t.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK);
    // Without HUPCL the close leaves DTR and RTS low for the next open.
    t.c_cflag &= ~(CSIZE | CSTOPB | PARENB | PARODD | CRTSCTS | HUPCL);
    t.c_cflag |= CS8 | CLOCAL | CREAD;
    if (parity == 1 || parity == 2) {
        t.c_cflag |= parity == 1 ? (PARENB | PARODD) : PARENB;
        t.c_iflag |= INPCK;
    }
    // Reads return at once with what has arrived: the transport polls.
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    const speed_t speed = SpeedOf(baudRate);
    if (speed == 0) {
        errno = EINVAL;
        return false;
    }
    if (cfsetispeed(&t, speed) != 0 || cfsetospeed(&t, speed) != 0 || tcsetattr(fd, TCSANOW, &t) != 0)
        return false;
    // A port left at speed 0 raises them again as it leaves it.
    DropModemLines(fd);
    return true;
}

// The exclusive mode belongs to the terminal, not to this descriptor: given back, so that a
// program that holds the port as well cannot keep the next open out.
void CloseExclusive(int fd)
{
    ioctl(fd, TIOCNXCL);
    ::close(fd);
}

} // namespace

std::string CommDevicePath(const std::string& name)
{
    const auto& paths = PortPaths();
    if (const auto it = paths.find(name); it != paths.end())
        return it->second;
    if (IsComPrefix(name)) {
        unsigned n = 0;
        const char* first = name.data() + 3;
        const char* last = name.data() + name.size();
        const auto [end, ec] = std::from_chars(first, last, n);
        if (ec == std::errc() && end == last && n >= 1)
            return "/dev/ttyS" + std::to_string(n - 1);
    }
    return name;
}

void SetCommBackend(CommBackend* backend)
{
    g_backend = backend;
}

void CommSetPortPath(const std::string& name, const std::string& path)
{
    if (path.empty())
        PortPaths().erase(name);
    else
        PortPaths()[name] = path;
}

// On failure errno tells the step: that of open(), or ENOTTY/EINVAL from the configuration.
int CommOpen(const std::string& name, int baudRate, int parity)
{
    if (g_backend)
        return g_backend->Open(CommDevicePath(name), baudRate, parity);
    const int fd = ::open(CommDevicePath(name).c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    // The open raised DTR and RTS (unless the port was left at speed 0): the shorter the pulse,
    // the fewer adapters it resets.
    DropModemLines(fd);
    // Other programs' opens fail with EBUSY while the port is ours.
    if (ioctl(fd, TIOCEXCL) != 0 || !Configure(fd, baudRate, parity)) {
        const int error = errno;
        CloseExclusive(fd);
        errno = error;
        return -1;
    }
    return fd;
}

void CommClose(int fd)
{
    if (g_backend) {
        g_backend->Close(fd);
        return;
    }
    if (fd >= 0)
        CloseExclusive(fd);
}

bool CommWrite(int fd, const void* buffer, std::size_t count)
{
    if (g_backend)
        return g_backend->Write(fd, buffer, count);
    const auto* p = static_cast<const unsigned char*>(buffer);
    while (count > 0) {
        const ssize_t n = ::write(fd, p, count);
        if (n > 0) {
            p += n;
            count -= static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN)
            return false;
        pollfd pfd{fd, POLLOUT, 0};
        const int ready = ::poll(&pfd, 1, kWriteStallMs);
        if (ready == 0 || (ready < 0 && errno != EINTR))
            return false;
    }
    return true;
}

std::size_t CommRead(int fd, void* buffer, std::size_t count)
{
    if (g_backend)
        return g_backend->Read(fd, buffer, count);
    const ssize_t n = ::read(fd, buffer, count);
    return n > 0 ? static_cast<std::size_t>(n) : 0;
}

std::size_t CommBytesWaiting(int fd)
{
    if (g_backend)
        return g_backend->BytesWaiting(fd);
    int n = 0;
    if (::ioctl(fd, FIONREAD, &n) != 0 || n < 0)
        return 0;
    return static_cast<std::size_t>(n);
}

std::uint32_t GetTickCount()
{
    if (g_backend)
        return g_backend->TickCount();
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    const auto ms = static_cast<std::uint64_t>(ts.tv_sec) * 1000u + static_cast<std::uint64_t>(ts.tv_nsec) / 1000000u;
    return static_cast<std::uint32_t>(ms);
}
