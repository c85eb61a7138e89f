#include "SimSerialAdapter.h"

#include "platform/comm.h"
#include "tqLink/SerialPort.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <fcntl.h>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Whether another program, without the capability that passes an exclusive port (tests may
// run as root), could open the port now.
bool OthersCanOpen(const std::string& path)
{
    const pid_t child = fork();
    if (child == 0) {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct caps[_LINUX_CAPABILITY_U32S_3]{};
        if (syscall(SYS_capget, &header, caps) == 0) {
            caps[CAP_TO_INDEX(CAP_SYS_ADMIN)].effective &= ~CAP_TO_MASK(CAP_SYS_ADMIN);
            syscall(SYS_capset, &header, caps);
        }
        const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        _exit(fd >= 0 ? 0 : errno == EBUSY ? 1 : 2);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) < 2) << "open failed for another reason";
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(CommDevicePathTest, ComNamesNameTheTtySPorts)
{
    const std::pair<const char*, const char*> cases[] = {
        {"COM1", "/dev/ttyS0"}, {"COM10", "/dev/ttyS9"}, {"com2", "/dev/ttyS1"}, {"COM0", "COM0"},
        {"COMx", "COMx"},       {"COM", "COM"},          {"COM1x", "COM1x"},     {"/dev/ttyUSB0", "/dev/ttyUSB0"},
    };
    for (const auto& [name, path] : cases)
        EXPECT_EQ(CommDevicePath(name), path) << name;

    CommSetPortPath("COM1", "/dev/pts/9");
    EXPECT_EQ(CommDevicePath("COM1"), "/dev/pts/9");
    EXPECT_EQ(CommDevicePath("COM2"), "/dev/ttyS1");
    CommSetPortPath("COM1", "");
    EXPECT_EQ(CommDevicePath("COM1"), "/dev/ttyS0");
}

TEST(CommOpenTest, PortIsRawWithoutFlowControl)
{
    SimSerialAdapter adapter;
    for (int parity : {0, 1, 2}) {
        SCOPED_TRACE(parity);
        const int fd = CommOpen(adapter.PortPath(), 9600, parity);
        ASSERT_GE(fd, 0);
        termios t{};
        ASSERT_EQ(tcgetattr(fd, &t), 0);
        EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
        EXPECT_EQ(t.c_cflag & (CSTOPB | CRTSCTS), 0u);
        EXPECT_EQ(t.c_cflag & (CLOCAL | CREAD), static_cast<tcflag_t>(CLOCAL | CREAD));
        // A pty always clears PARENB; what it keeps still tells the parity mode apart.
        EXPECT_EQ((t.c_cflag & PARODD) != 0, parity == 1);
        EXPECT_EQ((t.c_iflag & INPCK) != 0, parity != 0);
        EXPECT_EQ(t.c_iflag & (IXON | IXOFF | IXANY | ICRNL | INLCR | IGNCR | ISTRIP), 0u);
        EXPECT_EQ(t.c_oflag & OPOST, 0u);
        EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
        EXPECT_EQ(t.c_cc[VMIN], 0);
        EXPECT_EQ(t.c_cc[VTIME], 0);
        EXPECT_EQ(cfgetospeed(&t), static_cast<speed_t>(B9600));
        EXPECT_NE(fcntl(fd, F_GETFL) & O_NONBLOCK, 0);
        CommClose(fd);
    }
}

// What a pseudo-terminal can show: no modem lines, so whether DTR and RTS stay low is not seen.
TEST(CommOpenTest, PortIsExclusiveAndKeepsItsModemLinesAtClose)
{
    SimSerialAdapter adapter;
    ASSERT_TRUE(OthersCanOpen(adapter.PortPath()));
    {
        const int other = open(adapter.PortPath().c_str(), O_RDWR | O_NOCTTY);
        termios t{};
        ASSERT_EQ(tcgetattr(other, &t), 0);
        t.c_cflag |= HUPCL;
        ASSERT_EQ(tcsetattr(other, TCSANOW, &t), 0);
        close(other);
    }
    for (int reopen = 0; reopen < 2; ++reopen) {
        SCOPED_TRACE(reopen);
        const int fd = CommOpen(adapter.PortPath(), 9600, 0);
        ASSERT_GE(fd, 0);
        termios t{};
        ASSERT_EQ(tcgetattr(fd, &t), 0);
        EXPECT_EQ(t.c_cflag & HUPCL, 0u);
        EXPECT_FALSE(OthersCanOpen(adapter.PortPath()));
        CommClose(fd);
        EXPECT_TRUE(OthersCanOpen(adapter.PortPath())) << "the port stays open elsewhere, not exclusive";
    }
}

struct OpenCase {
    const char* name;
    std::string path;
    int baud;
    int result;
};

TEST(SerialPortTest, OpenReportsEachFailure)
{
    SimSerialAdapter adapter;
    const OpenCase cases[] = {
        {"no name", "", 9600, 16},
        {"missing device", "/nonexistent/tty", 9600, 8},
        {"not a terminal", "/dev/null", 9600, 1},
        {"unsupported rate", adapter.PortPath(), 12345, 4},
        {"good", adapter.PortPath(), 9600, 0},
    };
    for (const OpenCase& c : cases) {
        SCOPED_TRACE(c.name);
        SerialPort port;
        EXPECT_EQ(port.Open(c.path, c.baud, 0), c.result);
        EXPECT_EQ(port.IsOpen(), c.result == 0);
    }
}

TEST(SerialPortTest, OpenClosesAnOpenPortFirst)
{
    SimSerialAdapter adapter;
    SerialPort port;
    ASSERT_EQ(port.Open(adapter.PortPath(), 9600, 0), 0);
    EXPECT_EQ(port.Open("", 9600, 0), 16);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.BytesWaiting(), 0u);
    std::uint8_t byte = 0;
    EXPECT_EQ(port.Read(&byte, 1), 0u);
}

TEST(SerialPortTest, NamesOfAnyLengthAreKept)
{
    SimSerialAdapter adapter;
    const std::filesystem::path link =
        std::filesystem::temp_directory_path() /
        ("vexbus-serial-port-with-a-name-far-longer-than-eleven-characters-" + std::to_string(getpid()));
    std::filesystem::create_symlink(adapter.PortPath(), link);
    SerialPort port;
    EXPECT_EQ(port.Open(link.string(), 19200, 2), 0);
    EXPECT_EQ(port.GetName(), link.string());
    EXPECT_EQ(port.GetBaudRate(), 19200);
    port.Close();
    std::filesystem::remove(link);
}

} // namespace
