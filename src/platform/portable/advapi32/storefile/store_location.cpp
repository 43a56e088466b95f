#include "platform/portable/advapi32/storefile/store_location.h"

#include "platform/portable/advapi32/storefile/rewrite_guard.h"

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace portable::storefile {

namespace {

std::string systemError(int code) {
    return std::strerror(code);
}

std::string folderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string leafOf(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The absolute, link-free form of path; for a file that does not exist yet, that of its folder
// followed by its name. Empty with *problem set when there is none.
std::string canonical(const std::string& path, std::string* problem) {
    if (char* real = ::realpath(path.c_str(), nullptr)) {
        std::string resolved = real;
        std::free(real);
        return resolved;
    }
    if (errno != ENOENT) {
        *problem = ": cannot resolve: " + systemError(errno);
        return std::string();
    }
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0) {
        // The path exists, so something on the way is a link to nothing: following it would
        // create a file wherever the link points.
        *problem = ": cannot resolve: a link to a file that does not exist";
        return std::string();
    }
    std::string leaf = leafOf(path);
    if (leaf.empty() || leaf == "." || leaf == "..") {
        *problem = ": cannot resolve: not a file name";
        return std::string();
    }
    char* folder = ::realpath(folderOf(path).c_str(), nullptr);
    if (!folder) {
        *problem = ": cannot resolve its folder: " + systemError(errno);
        return std::string();
    }
    std::string resolved = folder;
    std::free(folder);
    return (resolved == "/" ? "" : resolved) + "/" + leaf;
}

bool readUpTo(int fd, size_t limit, std::string* text) {
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        text->append(buffer, static_cast<size_t>(n));
        if (text->size() > limit) {
            errno = EFBIG;
            return false;
        }
    }
}

std::string refusal(const struct stat& st) {
    if (!S_ISREG(st.st_mode))
        return std::string(": cannot read: ") + kindOf(st.st_mode) + ", not a regular file";
    if (st.st_size > kLargestStoreFile)
        return ": cannot read: " + std::to_string(st.st_size) +
               " bytes, too large for a registry file (at most 1 GiB)";
    return std::string();
}

} // namespace

const char* kindOf(mode_t mode) {
    switch (mode & S_IFMT) {
    case S_IFREG:
        return "a regular file";
    case S_IFDIR:
        return "a directory";
    case S_IFIFO:
        return "a FIFO";
    case S_IFSOCK:
        return "a socket";
    case S_IFCHR:
        return "a character device";
    case S_IFBLK:
        return "a block device";
    case S_IFLNK:
        return "a symbolic link";
    default:
        return "not a file";
    }
}

StoreLocation::~StoreLocation() {
    if (folder_ >= 0)
        ::close(folder_);
}

StoreLocation::StoreLocation(StoreLocation&& other) noexcept
    : folder_(other.folder_), name_(std::move(other.name_)), path_(std::move(other.path_)) {
    other.folder_ = -1;
}

StoreLocation& StoreLocation::operator=(StoreLocation&& other) noexcept {
    if (this != &other) {
        if (folder_ >= 0)
            ::close(folder_);
        folder_ = other.folder_;
        name_ = std::move(other.name_);
        path_ = std::move(other.path_);
        other.folder_ = -1;
    }
    return *this;
}

bool StoreLocation::resolve(const std::string& path, std::string* error) {
    std::string resolved = canonical(path, error);
    if (resolved.empty())
        return false;
    if (resolved == "/") {
        *error = ": cannot read: a directory, not a regular file";
        return false;
    }
    std::string folder = folderOf(resolved);
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0 && errno == EACCES) // a folder one may pass through but not list
        fd = ::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        *error = ": cannot open its folder: " + systemError(errno);
        return false;
    }
    if (folder_ >= 0)
        ::close(folder_);
    folder_ = fd;
    name_ = leafOf(resolved);
    path_ = resolved;
    return true;
}

bool StoreLocation::statNow(struct stat* st) const {
    return ::fstatat(folder_, name_.c_str(), st, AT_SYMLINK_NOFOLLOW) == 0;
}

int StoreLocation::openExisting(int access) const {
    return ::openat(folder_, name_.c_str(),
                    access | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
}

FileStamp StoreLocation::stamp() const {
    struct stat st {};
    return statNow(&st) ? FileStamp::of(st) : FileStamp();
}

// Looks before opening (opening a device can do things of its own), and looks again at what was
// opened, in case the path was replaced in between. A file rewritten in place meanwhile is read
// again, so what is read is one whole version of it.
StoreLocation::ReadResult StoreLocation::read(std::string* text, FileStamp* stamp,
                                              std::string* error) const {
    struct stat st {};
    if (!statNow(&st)) {
        if (errno == ENOENT)
            return ReadResult::Missing;
        *error = ": cannot read: " + systemError(errno);
        return ReadResult::Refused;
    }
    if (!(*error = refusal(st)).empty())
        return ReadResult::Refused;
    int fd = openExisting(O_RDONLY);
    if (fd < 0) {
        if (errno == ENOENT)
            return ReadResult::Missing;
        *error = ": cannot read: " + systemError(errno);
        return ReadResult::Refused;
    }
    bool read = readWholeVersion(fd, text, &st, error);
    ::close(fd);
    if (!read)
        return ReadResult::Refused;
    *stamp = FileStamp::of(st);
    return ReadResult::Read;
}

bool StoreLocation::readWholeVersion(int fd, std::string* text, struct stat* st,
                                     std::string* error) {
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kRewriteWaitMs);
    for (;;) {
        text->clear();
        bool underWay = rewriteUnderWay(fd);
        bool read = !underWay && ::fstat(fd, st) == 0 && (*error = refusal(*st)).empty();
        if (!error->empty())
            return false;
        if (read) {
            text->reserve(static_cast<size_t>(st->st_size) + 1); // one allocation, usually
            read = ::lseek(fd, 0, SEEK_SET) == 0 &&
                   readUpTo(fd, static_cast<size_t>(kLargestStoreFile), text);
            if (!read) {
                *error = errno == EFBIG
                             ? ": cannot read: too large for a registry file (at most 1 GiB)"
                             : ": cannot read: " + systemError(errno);
                return false;
            }
            struct stat after {};
            if (!rewriteUnderWay(fd) && ::fstat(fd, &after) == 0 &&
                FileStamp::of(after) == FileStamp::of(*st))
                return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            *error = ": cannot read: another process keeps rewriting it";
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

} // namespace portable::storefile
