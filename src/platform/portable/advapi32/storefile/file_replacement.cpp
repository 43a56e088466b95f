#include "platform/portable/advapi32/storefile/file_replacement.h"

#include "platform/portable/advapi32/storefile/write_from_start.h"

#include "platform/portable/advapi32/storefile/file_attributes.h"
#include "platform/portable/advapi32/storefile/rewrite_guard.h"
#include "platform/portable/advapi32/storefile/store_lock.h"
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

// The file at the location opened for writing, if it is still the one `old` describes; -1
// with *error set otherwise.
int openSameFile(const StoreLocation& where, const struct stat& old, std::string* error) {
    int fd = where.openExisting(O_WRONLY);
    if (fd < 0) {
        *error = failure("cannot write", errno);
        return -1;
    }
    struct stat now {};
    if (::fstat(fd, &now) != 0 || !S_ISREG(now.st_mode) || !sameFile(now, old)) {
        ::close(fd);
        *error = ": cannot write: the file was replaced meanwhile";
        return -1;
    }
    return fd;
}

// Makes sure the disk has room for `size` bytes before any is overwritten, the file's size left
// as it is (readers see no zeros); a file system that cannot reserve space (network and FUSE
// file systems often) is written without. fallocate itself, not posix_fallocate: where the file
// system cannot reserve, the C library's stand-in reads the file, which a write-only descriptor
// refuses.
bool reserveSpace(int fd, size_t size) {
    if (size == 0 || ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(size)) == 0)
        return true;
    return errno == EOPNOTSUPP || errno == ENOSYS;
}

// Rewrites the file itself, keeping its inode and so its owner, group, mode, ACL and attributes;
// `old` is what mayWrite() saw. Readers see the old version or the new one (rewrite_guard.h).
bool rewriteInPlace(const StoreLocation& where, const struct stat& old, std::string_view text,
                    const ReplaceOptions& options, std::string* error) {
    int fd = openSameFile(where, old, error);
    if (fd < 0)
        return false;
    RewriteGuard guard;
    bool written = guard.begin(fd, kStoreLockWaitMs, error);
    int problem = errno;
    if (written) {
        written = reserveSpace(fd, text.size());
        if (written && options.rewroteInPlace)
            *options.rewroteInPlace = true;
        written = written && writeFromStart(fd, text) &&
                  ::ftruncate(fd, static_cast<off_t>(text.size())) == 0 && ::fsync(fd) == 0;
        problem = errno;
        if (!written)
            *error = failure("cannot write", problem);
        guard.end();
    }
    ::close(fd);
    errno = problem;
    return written;
}

// The old file open to read its attributes (for writing, where only that is allowed); -1 when
// it cannot be opened or is no longer the file `old` describes.
int openForAttributes(const StoreLocation& where, const struct stat& old) {
    for (int access : {O_RDONLY, O_WRONLY}) {
        int fd = where.openExisting(access);
        struct stat now {};
        if (fd >= 0 && ::fstat(fd, &now) == 0 && sameFile(now, old))
            return fd;
        if (fd >= 0) {
            ::close(fd);
            return -1;
        }
    }
    return -1;
}

// Gives the new file the old one's ACL and extended attributes; false with *why when one of
// them cannot be carried over.
bool keepAttributes(const StoreLocation& where, const struct stat& old, int to, std::string* why) {
    int from = openForAttributes(where, old);
    if (from < 0) {
        *why = failure("cannot read the extended attributes", errno);
        return false;
    }
    bool kept = copyExtendedAttributes(from, to, why);
    ::close(from);
    return kept;
}

// Rewrites in place because a new file could not be the same file, and tells the caller `why`.
bool rewriteBecause(const StoreLocation& where, const struct stat& old, std::string_view text,
                    const std::string& why, const ReplaceOptions& options, std::string* error) {
    if (options.notice)
        *options.notice = ": rewritten in place: " + why;
    return rewriteInPlace(where, old, text, options, error);
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
        return exists && folderRefuses &&
               rewriteBecause(where, old, text, "the folder takes no new file from this user",
                              options, error);
    }
    if (exists && !keepOwner(temp.fd(), old))
        return rewriteBecause(where, old, text, "a new file could not keep its owner and group",
                              options, error);
    if (!writeFromStart(temp.fd(), text)) {
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
    std::string why;
    if (exists && !keepAttributes(where, old, temp.fd(), &why))
        return rewriteBecause(where, old, text, "a new file" + why.substr(1), options, error);
    if (::fsync(temp.fd()) != 0) {
        *error = failure("cannot write", errno);
        return false;
    }
    if (!temp.renameTo(where.name(), error))
        return false;
    if (options.replaced)
        *options.replaced = true;
    // Makes the rename itself durable. A folder open only as a path (one this user may pass
    // through but not list) cannot be flushed, nor can some file systems flush folders.
    if (::fsync(where.folder()) != 0 && errno != EBADF && errno != EINVAL) {
        *error = failure("the new file is in place, but flushing its folder failed", errno);
        return false;
    }
    return true;
}

} // namespace portable::storefile
