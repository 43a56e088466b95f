#include "StoreLock.h"

#include "TempFile.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace portable::storefile {

namespace {

const char kLockSuffix[] = ".lock";

// The owner, group and mode a trustworthy lock file has for the store.
struct LockShape {
    uid_t owner = 0;
    gid_t group = 0;
    mode_t mode = 0;
};

LockShape shapeFor(const StoreLocation& where) {
    struct stat st {};
    if (!where.statNow(&st)) { // a store yet to be created: as its new file will be
        st.st_uid = ::geteuid();
        st.st_gid = ::getegid();
        st.st_mode = modeOfNewFiles();
    }
    LockShape shape{st.st_uid, st.st_gid, 0};
    for (mode_t write : {S_IWUSR, S_IWGRP, S_IWOTH})
        if (st.st_mode & write)
            shape.mode |= write | (write << 1); // the class's read bit sits just above
    return shape;
}

bool userInGroup(uid_t user, gid_t group) {
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(user, &entry, buffer.data(), buffer.size(), &found) != 0 || !found)
        return false;
    std::vector<gid_t> groups(256);
    int count = static_cast<int>(groups.size());
    if (::getgrouplist(found->pw_name, found->pw_gid, groups.data(), &count) < 0)
        return false;
    for (int i = 0; i < count; ++i)
        if (groups[static_cast<size_t>(i)] == group)
            return true;
    return false;
}

// Whether only writers of the store can open the lock file: no mode beyond the shape's, the
// store's group where the group may open it, and an owner who may write the store.
bool trustworthy(const struct stat& st, const LockShape& shape) {
    if (!S_ISREG(st.st_mode) || (st.st_mode & 07777 & ~shape.mode) != 0)
        return false;
    if ((st.st_mode & 0060) && st.st_gid != shape.group)
        return false;
    return st.st_uid == shape.owner || st.st_uid == 0 || st.st_uid == ::geteuid() ||
           ((shape.mode & S_IWGRP) && userInGroup(st.st_uid, shape.group));
}

// Makes a lock file of the right shape and renames it over the one at the path.
bool replaceLockFile(const StoreLocation& where, const LockShape& shape, std::string* error) {
    removeStaleTempFiles(where, ".locknew");
    TempFile temp;
    if (!temp.create(where, ".locknew", error))
        return false;
    if (shape.owner != ::geteuid() || shape.group != ::getegid())
        (void)::fchown(temp.fd(), shape.owner, shape.group); // else this process's: a writer
    if (::fchmod(temp.fd(), shape.mode) != 0) {
        *error = ": cannot make its lock file: " + std::string(std::strerror(errno));
        return false;
    }
    std::string problem;
    if (!temp.renameTo(where.name() + kLockSuffix, &problem)) {
        *error = ": cannot replace its lock file" + problem.substr(problem.find(':', 2));
        return false;
    }
    return true;
}

// The pid holding a lock on the file, from /proc/locks; 0 when it cannot be told.
pid_t holderOf(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return 0;
    FILE* locks = std::fopen("/proc/locks", "re");
    if (!locks)
        return 0;
    char line[256];
    pid_t holder = 0;
    while (holder == 0 && std::fgets(line, sizeof line, locks)) {
        char kind[16] = {}, access[16] = {};
        int pid = 0;
        unsigned int major = 0, minor = 0;
        unsigned long inode = 0;
        if (std::strstr(line, "->"))
            continue; // a waiter, not a holder
        if (std::sscanf(line, "%*d: %15s %*s %15s %d %x:%x:%lu", kind, access, &pid, &major, &minor,
                        &inode) == 6 &&
            pid > 0 && major == ::major(st.st_dev) && minor == ::minor(st.st_dev) &&
            inode == st.st_ino)
            holder = pid;
    }
    std::fclose(locks);
    return holder;
}

std::string heldBy(int fd, int waitMs) {
    std::string after = " after " + std::to_string(waitMs / 1000.0).substr(0, 4) + " s";
    pid_t holder = holderOf(fd);
    if (holder > 0)
        return ": cannot save: locked by process " + std::to_string(holder) + after;
    return ": cannot save: locked by another process" + after;
}

enum class Opened { Ok, Replaced, Busy, Failed };

// Opens the lock file, creating it or replacing an untrustworthy one. Replaced: try again; Busy:
// an untrustworthy one is held, try again later (*fd stays open to name its holder).
Opened openLockFile(const StoreLocation& where, const LockShape& shape, int* fd,
                    std::string* error) {
    const std::string name = where.name() + kLockSuffix;
    *fd = ::openat(where.folder(), name.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (*fd < 0 && errno == ENOENT) {
        int made = ::openat(where.folder(), name.c_str(),
                            O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (made >= 0) {
            if (shape.owner != ::geteuid() || shape.group != ::getegid())
                (void)::fchown(made, shape.owner, shape.group);
            ::fchmod(made, shape.mode);
            ::close(made);
        }
        if (made >= 0 || errno == EEXIST)
            return Opened::Replaced;
    }
    if (*fd < 0 && errno != ELOOP && errno != EACCES && errno != ENXIO) {
        *error = ": cannot open its lock file: " + std::string(std::strerror(errno));
        return Opened::Failed;
    }
    struct stat st {};
    if (*fd >= 0 && ::fstat(*fd, &st) == 0 && trustworthy(st, shape))
        return Opened::Ok;
    // A link, another kind of file, or one that others could hold: hold it (if it can be
    // opened) while putting a sound one in its place, so that no saver holds the old one then.
    if (*fd >= 0 && ::flock(*fd, LOCK_EX | LOCK_NB) != 0)
        return Opened::Busy;
    bool replaced = replaceLockFile(where, shape, error);
    if (*fd >= 0)
        ::close(*fd);
    *fd = -1;
    return replaced ? Opened::Replaced : Opened::Failed;
}

constexpr std::chrono::milliseconds kPoll(20);

// Polls for the lock until the deadline (a blocking flock could not be given up).
bool lockWithin(int fd, std::chrono::steady_clock::time_point deadline) {
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            return false;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(kPoll);
    }
    return true;
}

bool stillAtPath(const StoreLocation& where, int fd) {
    struct stat held {
    }, now{};
    return ::fstat(fd, &held) == 0 &&
           ::fstatat(where.folder(), (where.name() + kLockSuffix).c_str(), &now,
                     AT_SYMLINK_NOFOLLOW) == 0 &&
           held.st_dev == now.st_dev && held.st_ino == now.st_ino;
}

} // namespace

StoreLock::~StoreLock() {
    if (fd_ >= 0)
        ::close(fd_); // closing releases the lock
}

bool StoreLock::acquire(const StoreLocation& where, int waitMs, std::string* error) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(waitMs);
    const LockShape shape = shapeFor(where);
    for (int replaced = 0; replaced < 64;) {
        int fd = -1;
        Opened opened = openLockFile(where, shape, &fd, error);
        if (opened == Opened::Failed)
            return false;
        if (opened == Opened::Replaced) {
            ++replaced;
            continue;
        }
        bool locked = opened == Opened::Ok && lockWithin(fd, deadline);
        if (locked && stillAtPath(where, fd)) {
            fd_ = fd;
            return true;
        }
        if (!locked && Clock::now() >= deadline) {
            *error = heldBy(fd, waitMs);
            ::close(fd);
            return false;
        }
        ::close(fd); // replaced while this process waited, or busy: look again
        if (!locked)
            std::this_thread::sleep_for(kPoll);
    }
    *error = ": cannot lock: its lock file keeps being replaced";
    return false;
}

} // namespace portable::storefile
