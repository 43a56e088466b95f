#include "platform/portable/advapi32/storefile/file_replacement.h"

#include "platform/portable/advapi32/storefile/temp_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace portable::storefile {

namespace {

const char kTempSuffix[] = ".tmp";

std::string failure(const char* what, int code) {
    return std::string(": ") + what + ": " + std::strerror(code);
}

bool writeAll(int fd, std::string_view text) {
    size_t done = 0;
    while (done < text.size()) {
        ssize_t n = ::pwrite(fd, text.data() + done, text.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

// The file at the location opened for writing, if it is still the one `old` describes; -1
// with *error set otherwise.
int openSameFile(const StoreLocation& where, const struct stat& old, std::string* error) {
    int fd = ::openat(where.folder(), where.name().c_str(),
                      O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        *error = failure("cannot write", errno);
        return -1;
    }
    struct stat now {};
    if (::fstat(fd, &now) != 0 || !S_ISREG(now.st_mode) || now.st_dev != old.st_dev ||
        now.st_ino != old.st_ino) {
        ::close(fd);
        *error = ": cannot write: the file was replaced meanwhile";
        return -1;
    }
    return fd;
}

// Makes sure the disk has room for `size` bytes before any is overwritten; a file system that
// cannot reserve space is written without.
bool reserveSpace(int fd, size_t size) {
    int result = ::posix_fallocate(fd, 0, static_cast<off_t>(size));
    if (result == EOPNOTSUPP || result == EINVAL)
        return true;
    errno = result;
    return result == 0;
}

// Rewrites the file itself, keeping its inode and so its owner, group and mode; `old` is what
// mayWrite() saw.
bool rewriteInPlace(const StoreLocation& where, const struct stat& old, std::string_view text,
                    const ReplaceOptions& options, std::string* error) {
    int fd = openSameFile(where, old, error);
    if (fd < 0)
        return false;
    bool written = reserveSpace(fd, text.size());
    if (written && options.rewroteInPlace)
        *options.rewroteInPlace = true;
    written = written && writeAll(fd, text) &&
              ::ftruncate(fd, static_cast<off_t>(text.size())) == 0 && ::fsync(fd) == 0;
    int problem = errno;
    ::close(fd);
    if (!written)
        *error = failure("cannot write", problem);
    errno = problem;
    return written;
}

// Gives the new file the old one's owner and group: false when this process may not.
bool keepOwner(int fd, const struct stat& old) {
    if (old.st_uid == ::geteuid() && old.st_gid == ::getegid())
        return true;
    return ::fchown(fd, old.st_uid, old.st_gid) == 0;
}

} // namespace

bool mayWrite(const StoreLocation& where, std::string* error) {
    struct stat st {};
    if (!where.statNow(&st))
        return errno == ENOENT || (*error = failure("cannot write", errno), false);
    if (!S_ISREG(st.st_mode)) {
        *error = std::string(": cannot write: ") + kindOf(st.st_mode) + ", not a regular file";
        errno = 0;
        return false;
    }
    if (::faccessat(where.folder(), where.name().c_str(), W_OK, AT_EACCESS) != 0) {
        *error = failure("cannot write", errno);
        return false;
    }
    // Root may write anything; a file that grants no one the right to write is still read-only.
    if (::geteuid() == 0 && (st.st_mode & 0222) == 0) {
        *error = ": cannot write: the file is read-only (no write permission at all)";
        errno = EACCES;
        return false;
    }
    return true;
}

bool replaceFile(const StoreLocation& where, std::string_view text, const ReplaceOptions& options,
                 std::string* error) {
    if (!mayWrite(where, error))
        return false;
    struct stat old {};
    bool exists = where.statNow(&old);
    removeStaleTempFiles(where, kTempSuffix);
    TempFile temp;
    if (!temp.create(where, kTempSuffix, error)) {
        // A file one may write in a folder one may not (a shared file): written where it is.
        bool folderRefuses = errno == EACCES || errno == EPERM;
        return exists && folderRefuses && rewriteInPlace(where, old, text, options, error);
    }
    if (exists && !keepOwner(temp.fd(), old))
        return rewriteInPlace(where, old, text, options, error);
    if (!writeAll(temp.fd(), text) || ::fsync(temp.fd()) != 0) {
        *error = failure("cannot write", errno);
        return false;
    }
    if (options.stopBeforeRename) {
        temp.abandon();
        *error = ": the save stopped before the rename";
        return false;
    }
    mode_t mode = exists ? old.st_mode & 07777 : modeOfNewFiles();
    if (::fchmod(temp.fd(), mode) != 0) {
        *error = failure("cannot set the mode", errno);
        return false;
    }
    if (!temp.renameTo(where.name(), error))
        return false;
    ::fsync(where.folder()); // makes the rename itself durable (not possible on an O_PATH folder)
    return true;
}

} // namespace portable::storefile
