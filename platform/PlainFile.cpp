#include "platform/PlainFile.h"

#include <cerrno>

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

namespace {

// The kernel's own, not in its exported header.
constexpr unsigned long kConfigfsMagic = 0x62656570;
constexpr unsigned long kFusectlMagic = 0x65735543;

// The file systems through which the kernel is read and set.
bool KernelInterface(unsigned long type)
{
    switch (type) {
    case PROC_SUPER_MAGIC:
    case SYSFS_MAGIC:
    case DEBUGFS_MAGIC:
    case TRACEFS_MAGIC:
    case CGROUP_SUPER_MAGIC:
    case CGROUP2_SUPER_MAGIC:
    case SECURITYFS_MAGIC:
    case BPF_FS_MAGIC:
    case kConfigfsMagic:
    case PSTOREFS_MAGIC:
    case EFIVARFS_MAGIC:
    case kFusectlMagic: return true;
    default: return false;
    }
}

bool Plain(const struct stat& file, const struct statfs& system)
{
    return S_ISREG(file.st_mode) && !KernelInterface(static_cast<unsigned long>(system.f_type));
}

bool PlainDescriptor(int fd)
{
    struct stat file {};
    struct statfs system {};
    return ::fstat(fd, &file) == 0 && ::fstatfs(fd, &system) == 0 && Plain(file, system);
}

} // namespace

std::FILE* OpenPlainFile(const std::string& path, PlainFileMode mode)
{
    const bool write = mode == PlainFileMode::Write;
    // Looked at before the open too: opening a device may itself block or act on it.
    struct stat file {};
    struct statfs system {};
    if (::stat(path.c_str(), &file) == 0) {
        if (::statfs(path.c_str(), &system) != 0 || !Plain(file, system))
            return nullptr;
    } else if (!write || errno != ENOENT) {
        return nullptr;
    }

    // Not cut on opening: what the path names now is looked at first.
    const int flags = O_NONBLOCK | O_NOCTTY | O_CLOEXEC | (write ? O_RDWR | O_CREAT : O_RDONLY);
    const int fd = ::open(path.c_str(), flags, 0666);
    if (fd < 0)
        return nullptr;
    if (!PlainDescriptor(fd) || (write && ::ftruncate(fd, 0) != 0)) {
        ::close(fd);
        return nullptr;
    }
    std::FILE* stream = ::fdopen(fd, write ? "w+" : "r");
    if (!stream)
        ::close(fd);
    return stream;
}
