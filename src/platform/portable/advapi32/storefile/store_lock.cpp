#include "platform/portable/advapi32/storefile/store_lock.h"

#include "platform/portable/advapi32/storefile/locked_bytes.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace portable::storefile {

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::chrono::milliseconds kPoll(20);

std::string failure(const char* what, int code) {
    return std::string(": ") + what + ": " + std::strerror(code);
}

// The store opened for writing, or made empty when there is none (if `createMissing`); -1 with
// errno EAGAIN when it came or went meanwhile (look again), or with *error set.
int openStore(const StoreLocation& where, bool createMissing, std::string* error) {
    struct stat st {};
    if (!where.statNow(&st)) {
        if (errno != ENOENT || !createMissing) {
            *error = errno == ENOENT ? ": the file is gone" : failure("cannot lock", errno);
            return -1;
        }
        int fd = ::openat(where.folder(), where.name().c_str(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            *error = failure("cannot create", errno);
        if (fd < 0 && errno == EEXIST)
            errno = EAGAIN;
        return fd;
    }
    if (!S_ISREG(st.st_mode)) { // opening a device or FIFO could do things of its own
        *error = std::string(": cannot lock: ") + kindOf(st.st_mode) + ", not a regular file";
        return -1;
    }
    int fd = where.openExisting(O_WRONLY);
    if (fd < 0) {
        if (errno == ENOENT || errno == ELOOP)
            errno = EAGAIN; // replaced between the look and the open
        else
            *error = failure("cannot lock", errno);
    }
    return fd;
}

bool namesTheFile(const StoreLocation& where, int fd) {
    struct stat held {
    }, now{};
    return ::fstat(fd, &held) == 0 && where.statNow(&now) && S_ISREG(now.st_mode) &&
           sameFile(held, now);
}

enum class Attempt { Taken, Busy, Failed };

Attempt tryLock(int fd) {
    struct flock range = byteRange(F_WRLCK, kSaverByte);
    if (::fcntl(fd, F_OFD_SETLK, &range) == 0)
        return Attempt::Taken;
    return errno == EAGAIN || errno == EACCES || errno == EINTR ? Attempt::Busy : Attempt::Failed;
}

} // namespace

StoreLock::~StoreLock() {
    if (fd_ >= 0)
        ::close(fd_); // closing releases the lock
}

std::string StoreLock::noteHolder(int fd, int waitMs) {
    timedOut_ = true;
    std::string after = " after " + std::to_string(waitMs / 1000.0).substr(0, 4) + " s";
    struct flock saver = byteRange(F_WRLCK, kSaverByte);
    if (::fcntl(fd, F_OFD_GETLK, &saver) == 0 && saver.l_type == F_RDLCK) {
        heldForReading_ = true;
        return ": cannot save: another process holds a read lock on the file" + after;
    }
    struct flock name = byteRange(F_WRLCK, kNameByte);
    if (::fcntl(fd, F_GETLK, &name) == 0 && name.l_type != F_UNLCK && name.l_pid > 0) {
        holder_ = name.l_pid;
        return ": cannot save: locked by process " + std::to_string(name.l_pid) + after;
    }
    return ": cannot save: locked by another process" + after;
}

bool StoreLock::acquire(const StoreLocation& where, bool createMissing, int waitMs,
                        std::string* error) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(waitMs);
    int fd = -1;
    for (;;) {
        if (fd < 0 && (fd = openStore(where, createMissing, error)) < 0 && errno != EAGAIN)
            return false;
        Attempt attempt = fd >= 0 ? tryLock(fd) : Attempt::Busy;
        if (attempt == Attempt::Failed) {
            *error = failure("cannot lock", errno);
            ::close(fd);
            return false;
        }
        if (attempt == Attempt::Taken && namesTheFile(where, fd)) {
            struct flock name = byteRange(F_WRLCK, kNameByte);
            ::fcntl(fd, F_SETLK, &name); // only to be named by; see kNameByte
            fd_ = fd;
            return true;
        }
        if (attempt == Attempt::Taken) { // a save replaced the file meanwhile: lock the new one
            ::close(fd);
            fd = -1;
        }
        if (Clock::now() >= deadline) {
            *error = fd >= 0 ? noteHolder(fd, waitMs)
                             : ": cannot save: the file keeps being replaced or removed";
            if (fd >= 0)
                ::close(fd);
            return false;
        }
        if (fd >= 0)
            std::this_thread::sleep_for(kPoll);
    }
}

} // namespace portable::storefile
