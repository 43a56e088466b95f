#include "platform/portable/advapi32/storefile/store_lock.h"

#include "platform/portable/advapi32/storefile/temp_file.h"

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

// The owner, group and mode a sound lock file has for the store.
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

// Whether the lock file is as it should be: of the shape, so that every writer of the store can
// open it and no one else can, and owned by one who may write the store. (Its group bits are
// dropped where its maker could not give it the store's group; see giveShape().)
bool sound(const struct stat& st, const LockShape& shape) {
    mode_t mode = st.st_mode & 07777;
    bool shaped = st.st_gid == shape.group ? mode == shape.mode
                                           : mode == (shape.mode & ~static_cast<mode_t>(0070));
    if (!S_ISREG(st.st_mode) || !shaped)
        return false;
    return st.st_uid == shape.owner || st.st_uid == 0 || st.st_uid == ::geteuid() ||
           (shape.mode & S_IWOTH) || // everyone may write the store
           ((shape.mode & S_IWGRP) && userInGroup(st.st_uid, shape.group));
}

// Gives a new lock file the shape. Where this process may not give it the store's group, the
// file grants the group nothing: only writers may open it, at the cost of group writers replacing
// it when they save.
void giveShape(int fd, LockShape shape) {
    if ((shape.owner != ::geteuid() || shape.group != ::getegid()) &&
        ::fchown(fd, shape.owner, shape.group) != 0 &&
        ::fchown(fd, static_cast<uid_t>(-1), shape.group) != 0)
        shape.mode &= ~static_cast<mode_t>(0070);
    ::fchmod(fd, shape.mode);
}

// Puts a lock file of the right shape at the path, whole from its first moment: over the one
// there (replace), or only where there is none (a link made from a temporary file never
// replaces). True when there is a lock file to open now, whoever made it.
bool placeLockFile(const StoreLocation& where, const LockShape& shape, bool replace,
                   std::string* error) {
    removeStaleTempFiles(where, ".locknew");
    TempFile temp;
    std::string problem;
    if (!temp.create(where, ".locknew", &problem)) {
        *error = ": cannot make its lock file" + problem.substr(problem.find(':', 2));
        return false;
    }
    giveShape(temp.fd(), shape);
    const std::string name = where.name() + kLockSuffix;
    if (replace && !temp.renameTo(name, &problem)) {
        *error = ": cannot replace its lock file" + problem.substr(problem.find(':', 2));
        return false;
    }
    if (!replace &&
        ::linkat(where.folder(), temp.name().c_str(), where.folder(), name.c_str(), 0) != 0 &&
        errno != EEXIST) {
        *error = ": cannot make its lock file: " + std::string(std::strerror(errno));
        return false;
    }
    return true;
}

// The pid holding a lock on the file, from /proc/locks; 0 when none can be told.
pid_t holderOf(const struct stat& st) {
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

std::string heldBy(const struct stat& st, int waitMs) {
    std::string after = " after " + std::to_string(waitMs / 1000.0).substr(0, 4) + " s";
    pid_t holder = holderOf(st);
    if (holder > 0)
        return ": cannot save: locked by process " + std::to_string(holder) + after;
    return ": cannot save: locked by another process" + after;
}

enum class Opened { Ok, Replaced, Busy, Failed };

// Opens the lock file (*fd), making it or replacing one that is not sound. Replaced: look again.
// Busy: one that is not sound is held (*held says which), look again later.
Opened openLockFile(const StoreLocation& where, const LockShape& shape, int* fd, struct stat* held,
                    std::string* error) {
    const std::string name = where.name() + kLockSuffix;
    *fd = ::openat(where.folder(), name.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (*fd < 0 && errno == ENOENT)
        return placeLockFile(where, shape, false, error) ? Opened::Replaced : Opened::Failed;
    if (*fd < 0 && errno != ELOOP && errno != EACCES && errno != ENXIO) {
        *error = ": cannot open its lock file: " + std::string(std::strerror(errno));
        return Opened::Failed;
    }
    bool seen = *fd >= 0 ? ::fstat(*fd, held) == 0
                         : ::fstatat(where.folder(), name.c_str(), held, AT_SYMLINK_NOFOLLOW) == 0;
    if (*fd >= 0 && seen && sound(*held, shape))
        return Opened::Ok;
    // A link, another kind of file, or one that others could hold or writers could not open:
    // put a sound one in its place, but never while a saver holds the old one; where it
    // can be opened, hold it meanwhile.
    bool busy = *fd >= 0 ? ::flock(*fd, LOCK_EX | LOCK_NB) != 0 : seen && holderOf(*held) > 0;
    if (*fd >= 0)
        ::close(*fd);
    *fd = -1;
    if (busy)
        return Opened::Busy;
    return placeLockFile(where, shape, true, error) ? Opened::Replaced : Opened::Failed;
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
        struct stat held {};
        Opened opened = openLockFile(where, shape, &fd, &held, error);
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
        if (fd >= 0)
            ::close(fd); // replaced while this process waited, or busy: look again
        if (!locked && Clock::now() >= deadline) {
            *error = heldBy(held, waitMs);
            timedOut_ = true;
            holder_ = holderOf(held);
            return false;
        }
        if (!locked)
            std::this_thread::sleep_for(kPoll);
    }
    *error = ": cannot lock: its lock file keeps being replaced";
    return false;
}

} // namespace portable::storefile
