#pragma once

#include <csignal>

#include <sys/resource.h>

// While it lives, a write that would make a file of this process larger than the limit fails, as
// on a full disk: the write reports an error instead of the signal that would end the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &before);
        rlimit limited = before;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
        signal = std::signal(SIGXFSZ, SIG_IGN);
    }

    ~FileSizeLimit()
    {
        std::signal(SIGXFSZ, signal);
        setrlimit(RLIMIT_FSIZE, &before);
    }

    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit before{};
    void (*signal)(int) = nullptr;
};
