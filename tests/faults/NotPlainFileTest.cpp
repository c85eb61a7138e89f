// Load, Save and Save Logs of a path that names no plain file: a pipe, a device, a socket, a
// folder, a file of the kernel's interface file systems. Each is refused at once with the box of
// a file that does not open; nothing is read, written, run or logged, and the path labels keep
// their text.
#include "FaultFixture.h"
#include "VexbusDlgProbe.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <stop_token>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// What the test makes, or finds, for the path of a case.
enum class Made { Fifo, Socket, Folder, None, OnFileSystem };

struct NotPlain {
    const char* name;
    int button;
    Made made;
    // Made in the test's folder under this name, the path itself, or the type of the file system
    // on which a readable file is looked for.
    const char* path;
};

void PrintTo(const NotPlain& c, std::ostream* os)
{
    *os << c.name;
}

constexpr int kLoad = CVexbusDlg::IDC_LOAD;
constexpr int kSave = CVexbusDlg::IDC_SAVE;
constexpr int kSaveLogs = CVexbusDlg::IDC_SAVE_LOGS;

const NotPlain kPaths[] = {
    {"LoadFifo", kLoad, Made::Fifo, "pipe.bat"},
    {"LoadZeroDevice", kLoad, Made::None, "/dev/zero"},
    {"LoadRandomDevice", kLoad, Made::None, "/dev/urandom"},
    {"LoadSocket", kLoad, Made::Socket, "socket.bat"},
    {"LoadFolder", kLoad, Made::Folder, "folder.bat"},
    {"LoadKernelLog", kLoad, Made::None, "/proc/kmsg"},
    {"LoadProcessStatus", kLoad, Made::None, "/proc/self/status"},
    {"LoadSysfsFile", kLoad, Made::None, "/sys/kernel/uevent_seqnum"},
    {"LoadCgroupFile", kLoad, Made::OnFileSystem, "cgroup"},
    {"LoadCgroup2File", kLoad, Made::OnFileSystem, "cgroup2"},
    {"LoadSecurityfsFile", kLoad, Made::OnFileSystem, "securityfs"},
    {"LoadBpfFsFile", kLoad, Made::OnFileSystem, "bpf"},
    {"LoadConfigfsFile", kLoad, Made::OnFileSystem, "configfs"},
    {"LoadPstoreFile", kLoad, Made::OnFileSystem, "pstore"},
    {"LoadEfivarfsFile", kLoad, Made::OnFileSystem, "efivarfs"},
    {"LoadFusectlFile", kLoad, Made::OnFileSystem, "fusectl"},
    {"SaveFifo", kSave, Made::Fifo, "pipe.bat"},
    {"SaveNullDevice", kSave, Made::None, "/dev/null"},
    {"SaveFolder", kSave, Made::Folder, "folder.bat"},
    {"SaveLogsFifo", kSaveLogs, Made::Fifo, "pipe.txt"},
    {"SaveLogsNullDevice", kSaveLogs, Made::None, "/dev/null"},
    {"SaveLogsFolder", kSaveLogs, Made::Folder, "folder.txt"},
};

// A regular file that this process may read, at the top of a mount of the file system type or one
// folder down; empty when no such mount holds one.
std::string ReadableFileOn(const std::string& type)
{
    std::ifstream mounts("/proc/self/mounts");
    std::vector<fs::path> folders;
    for (std::string device, point, mountType, rest;
         mounts >> device >> point >> mountType && std::getline(mounts, rest);)
        if (mountType == type)
            folders.emplace_back(point);
    for (int depth = 0; depth < 2; ++depth) {
        std::vector<fs::path> below;
        for (const fs::path& folder : folders) {
            std::error_code ec;
            std::vector<fs::path> entries;
            for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec))
                entries.push_back(entry.path());
            std::sort(entries.begin(), entries.end());
            for (const fs::path& entry : entries) {
                if (fs::is_regular_file(entry, ec) && ::access(entry.c_str(), R_OK) == 0)
                    return entry.string();
                if (fs::is_directory(entry, ec) && !fs::is_symlink(entry, ec))
                    below.push_back(entry);
            }
        }
        folders = std::move(below);
    }
    return {};
}

// Opens the pipe's writing end whenever a reader waits at it, and closes it at once: a reader
// blocked in its open goes on and finds the end of the file, so that a blocking Load fails the
// test instead of hanging it.
class PipeWriter {
public:
    explicit PipeWriter(const std::string& path)
        : thread([path](const std::stop_token& stop) {
              while (!stop.stop_requested()) {
                  const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                  if (fd >= 0)
                      ::close(fd);
                  std::this_thread::sleep_for(std::chrono::milliseconds(10));
              }
          })
    {
    }

private:
    std::jthread thread;
};

class NotPlainFile : public FaultFixture, public testing::WithParamInterface<NotPlain> {
protected:
    void SetUp() override
    {
        FaultFixture::SetUp();
        const NotPlain& c = GetParam();
        path = c.made == Made::None ? c.path : Path(c.path);
        switch (c.made) {
        case Made::Fifo: ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0); break;
        case Made::Folder: ASSERT_TRUE(fs::create_directory(path)); break;
        case Made::Socket: {
            socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
            ASSERT_GE(socket, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            ASSERT_LT(path.size(), sizeof address.sun_path);
            path.copy(address.sun_path, path.size());
            ASSERT_EQ(::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
            break;
        }
        case Made::None:
            if (!fs::exists(path))
                GTEST_SKIP() << path << " is not on this system";
            break;
        case Made::OnFileSystem:
            path = ReadableFileOn(c.path);
            if (path.empty())
                GTEST_SKIP() << "no readable file on a mount of " << c.path << " on this system";
            break;
        }
        type = fs::status(path).type();
    }

    void TearDown() override
    {
        if (socket >= 0)
            ::close(socket);
        FaultFixture::TearDown();
    }

    std::string path;
    fs::file_type type = fs::file_type::none;
    int socket = -1;
};

} // namespace

TEST_P(NotPlainFile, IsRefusedAtOnceAndNothingIsReadWrittenOrLogged)
{
    const NotPlain& c = GetParam();
    const std::size_t from = Log().size();
    std::optional<PipeWriter> unblock;
    if (c.made == Made::Fifo)
        unblock.emplace(path);
    ClickWithFile(c.button, path);
    unblock.reset();

    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "Open file failed");
    EXPECT_EQ(ui.boxes[0].caption, "Error");
    EXPECT_EQ(ui.boxes[0].type, MB_OK);
    const std::vector<std::string> detected{"ChipID = 1A"};
    EXPECT_EQ(LogFrom(from), c.button == kSaveLogs ? std::vector<std::string>{} : detected);
    EXPECT_EQ(Probe(*dlg).LoadPath()->text().toStdString(), "Load file as:");
    EXPECT_EQ(Probe(*dlg).SavePath()->text().toStdString(), "Save as file:");
    EXPECT_EQ(fs::status(path).type(), type);
}

INSTANTIATE_TEST_SUITE_P(Paths, NotPlainFile, testing::ValuesIn(kPaths),
                         [](const testing::TestParamInfo<NotPlain>& info) { return std::string(info.param.name); });
