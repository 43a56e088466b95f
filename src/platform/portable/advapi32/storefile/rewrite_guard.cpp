#include "platform/portable/advapi32/storefile/rewrite_guard.h"

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

constexpr std::chrono::milliseconds kPoll(5);

long long changedNs(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return -1;
    return static_cast<long long>(st.st_ctim.tv_sec) * 1000000000LL + st.st_ctim.tv_nsec;
}

} // namespace

RewriteGuard::~RewriteGuard() {
    end();
}

bool RewriteGuard::begin(int fd, int waitMs, std::string* error) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    struct flock range = byteRange(F_WRLCK, kRewriteByte);
    while (::fcntl(fd, F_OFD_SETLK, &range) != 0) {
        if (errno != EAGAIN && errno != EACCES && errno != EINTR) {
            *error = std::string(": cannot lock for rewriting: ") + std::strerror(errno);
            return false;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            *error = ": cannot rewrite: another process holds a lock on the file";
            return false;
        }
        std::this_thread::sleep_for(kPoll);
    }
    fd_ = fd;
    changedNs_ = changedNs(fd);
    return true;
}

// The clock behind file times moves in ticks of a few milliseconds: the rewrite's writes may all
// carry the time the file had before it, so the file is touched until its time is later.
void RewriteGuard::end() {
    if (fd_ < 0)
        return;
    long long last = changedNs(fd_);
    if (last < changedNs_)
        last = changedNs_;
    for (int tries = 0; tries < 200 && changedNs(fd_) <= last; ++tries) {
        ::futimens(fd_, nullptr); // now, which any writer may set
        if (changedNs(fd_) <= last)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    struct flock range = byteRange(F_UNLCK, kRewriteByte);
    ::fcntl(fd_, F_OFD_SETLK, &range);
    fd_ = -1;
}

bool rewriteUnderWay(int fd) {
    struct flock range = byteRange(F_RDLCK, kRewriteByte);
    return ::fcntl(fd, F_OFD_GETLK, &range) == 0 && range.l_type == F_WRLCK;
}

} // namespace portable::storefile
