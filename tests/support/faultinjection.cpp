#include "faultinjection.h"

#include <sqlite3.h>

#include <atomic>
#include <cerrno>
#include <dlfcn.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

namespace faults {
namespace {

std::atomic<bool> g_armed{false};
std::atomic<long> g_passed{0};
std::atomic<long> g_target{0};
std::atomic<Kind> g_kind{Kind::IoError};
std::atomic<bool> g_struck{false};

// Set while the engine works on a table file, so that its own system calls are not counted
// a second time at the system call level.
thread_local int t_inEngine = 0;

struct EngineCall {
    EngineCall() { ++t_inEngine; }
    ~EngineCall() { --t_inEngine; }
    EngineCall(const EngineCall&) = delete;
    EngineCall& operator=(const EngineCall&) = delete;
};

// Counts a write point; answers whether it fails.
bool failsHere() {
    if (!g_armed)
        return false;
    const long index = ++g_passed;
    const long target = g_target;
    const bool fails =
        target > 0 && (index == target || (g_kind == Kind::DiskFull && index > target));
    if (fails)
        g_struck = true;
    return fails;
}

int engineFailure(int ioErrorCode) {
    return g_kind == Kind::DiskFull ? SQLITE_FULL : ioErrorCode;
}

// The VFS: every file of the system's VFS, with its writes, syncs and truncations counted.
sqlite3_vfs* g_system = nullptr;

struct FaultyFile {
    sqlite3_file base;
    sqlite3_file* real; // the system VFS's file, in the memory right after this one
};

sqlite3_file* real(sqlite3_file* file) {
    return reinterpret_cast<FaultyFile*>(file)->real;
}

// Forwards a call to the real file's method, as a call of the engine.
template <auto Member, typename... Args> int forward(sqlite3_file* file, Args... args) {
    const EngineCall call;
    sqlite3_file* target = real(file);
    return (target->pMethods->*Member)(target, args...);
}

int faultyWrite(sqlite3_file* file, const void* data, int amount, sqlite3_int64 offset) {
    if (failsHere())
        return engineFailure(SQLITE_IOERR_WRITE);
    return forward<&sqlite3_io_methods::xWrite>(file, data, amount, offset);
}
int faultyTruncate(sqlite3_file* file, sqlite3_int64 size) {
    if (failsHere())
        return engineFailure(SQLITE_IOERR_TRUNCATE);
    return forward<&sqlite3_io_methods::xTruncate>(file, size);
}
int faultySync(sqlite3_file* file, int flags) {
    if (failsHere())
        return engineFailure(SQLITE_IOERR_FSYNC);
    return forward<&sqlite3_io_methods::xSync>(file, flags);
}

const sqlite3_io_methods kFaultyMethods = {
    3,
    forward<&sqlite3_io_methods::xClose>,
    forward<&sqlite3_io_methods::xRead, void*, int, sqlite3_int64>,
    faultyWrite,
    faultyTruncate,
    faultySync,
    forward<&sqlite3_io_methods::xFileSize, sqlite3_int64*>,
    forward<&sqlite3_io_methods::xLock, int>,
    forward<&sqlite3_io_methods::xUnlock, int>,
    forward<&sqlite3_io_methods::xCheckReservedLock, int*>,
    forward<&sqlite3_io_methods::xFileControl, int, void*>,
    forward<&sqlite3_io_methods::xSectorSize>,
    forward<&sqlite3_io_methods::xDeviceCharacteristics>,
    forward<&sqlite3_io_methods::xShmMap, int, int, int, void volatile**>,
    forward<&sqlite3_io_methods::xShmLock, int, int, int>,
    [](sqlite3_file* file) {
        const EngineCall call;
        real(file)->pMethods->xShmBarrier(real(file));
    },
    forward<&sqlite3_io_methods::xShmUnmap, int>,
    forward<&sqlite3_io_methods::xFetch, sqlite3_int64, int, void**>,
    forward<&sqlite3_io_methods::xUnfetch, sqlite3_int64, void*>,
};

int faultyOpen(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags) {
    auto* faulty = reinterpret_cast<FaultyFile*>(file);
    faulty->real = reinterpret_cast<sqlite3_file*>(faulty + 1);
    const EngineCall call;
    const int code = g_system->xOpen(g_system, name, faulty->real, flags, outFlags);
    // The engine closes a file whose methods are set, even when the opening failed.
    file->pMethods = faulty->real->pMethods ? &kFaultyMethods : nullptr;
    return code;
}

sqlite3_vfs g_vfs;

// The C library's function of that name, past this program's own.
template <typename Function> Function next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

// Counts a write point of a plain file; answers whether it fails, with errno set.
bool plainFileFails(int fd) {
    if (!g_armed || t_inEngine > 0)
        return false;
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || !failsHere())
        return false;
    errno = g_kind == Kind::DiskFull ? ENOSPC : EIO;
    return true;
}

} // namespace

void install() {
    if (g_system)
        return;
    g_system = sqlite3_vfs_find(nullptr);
    g_vfs = *g_system;
    g_vfs.iVersion = 3;
    g_vfs.szOsFile = static_cast<int>(sizeof(FaultyFile)) + g_system->szOsFile;
    g_vfs.zName = "lexiton-faults";
    g_vfs.pNext = nullptr;
    g_vfs.xOpen = faultyOpen;
    sqlite3_vfs_register(&g_vfs, 1);
}

void arm(long n, Kind kind) {
    g_passed = 0;
    g_target = n;
    g_kind = kind;
    g_struck = false;
    g_armed = true;
}

void repair() {
    g_target = 0;
}

long disarm() {
    g_armed = false;
    return g_passed;
}

bool struck() {
    return g_struck;
}

} // namespace faults

// The system calls by which the C++ library and Qt write plain files.
extern "C" {

ssize_t write(int fd, const void* data, size_t size) {
    static const auto system = faults::next<ssize_t (*)(int, const void*, size_t)>("write");
    return faults::plainFileFails(fd) ? -1 : system(fd, data, size);
}

ssize_t sendfile(int out, int in, off_t* offset, size_t count) {
    static const auto system = faults::next<ssize_t (*)(int, int, off_t*, size_t)>("sendfile");
    return faults::plainFileFails(out) ? -1 : system(out, in, offset, count);
}

int fsync(int fd) {
    static const auto system = faults::next<int (*)(int)>("fsync");
    return faults::plainFileFails(fd) ? -1 : system(fd);
}

int fdatasync(int fd) {
    static const auto system = faults::next<int (*)(int)>("fdatasync");
    return faults::plainFileFails(fd) ? -1 : system(fd);
}

int ftruncate(int fd, off_t length) {
    static const auto system = faults::next<int (*)(int, off_t)>("ftruncate");
    return faults::plainFileFails(fd) ? -1 : system(fd, length);
}

} // extern "C"
