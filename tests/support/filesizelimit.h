#pragma once

#include <csignal>
#include <sys/resource.h>

// A disk that is full after the given number of bytes of each file, as the system's file size
// limit makes it: a write past the limit fails (EFBIG) instead of ending the process. For
// this process while the object lives, or, through applyToThisProcess in a QProcess child
// process modifier, for a program the test starts.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    static void applyToThisProcess(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};
