#include "platform/portable/advapi32/storefile/temp_file.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace portable::storefile {

namespace {

std::string randomPart() {
    unsigned char bytes[8] = {};
    if (::getrandom(bytes, sizeof bytes, 0) != static_cast<ssize_t>(sizeof bytes))
        return std::string(); // create() then fails rather than use a guessable name
    char text[2 * sizeof bytes + 1] = {};
    for (size_t i = 0; i < sizeof bytes; ++i)
        std::snprintf(text + 2 * i, 3, "%02x", bytes[i]);
    return text;
}

constexpr size_t kRandomDigits = 16;
constexpr size_t kPidDigits = 7; // pids go up to 4194304

// "<name><suffix>.", the name cut short (at a character's start) where the whole would pass the
// longest name a folder takes.
std::string prefixFor(const StoreLocation& where, const char* suffix) {
    const size_t tail = std::strlen(suffix) + 1 + kPidDigits + 1 + kRandomDigits;
    std::string stem = where.name();
    if (stem.size() + tail > NAME_MAX) {
        size_t keep = NAME_MAX - tail;
        while (keep > 0 && (static_cast<unsigned char>(stem[keep]) & 0xC0) == 0x80)
            --keep; // not inside a UTF-8 character
        stem.resize(keep);
    }
    return stem + suffix + ".";
}

// The pid in "<pid>.<16 hexadecimal digits>", or 0 when the rest of a name is not exactly that.
pid_t pidIn(const char* rest) {
    pid_t pid = 0;
    const char* p = rest;
    for (; *p >= '0' && *p <= '9'; ++p) {
        if (pid > 9999999)
            return 0;
        pid = pid * 10 + (*p - '0');
    }
    if (p == rest || *p != '.')
        return 0;
    size_t digits = 0;
    for (++p; *p && std::strchr("0123456789abcdef", *p); ++p)
        ++digits;
    return *p == '\0' && digits == kRandomDigits ? pid : 0;
}

bool processIsGone(pid_t pid) {
    return ::kill(pid, 0) != 0 && errno == ESRCH;
}

} // namespace

TempFile::~TempFile() {
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlinkat(folder_, name_.c_str(), 0);
    }
}

bool TempFile::create(const StoreLocation& where, const char* suffix, std::string* error) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        std::string random = randomPart();
        if (random.empty()) {
            *error = ": cannot make a temporary file: no random name";
            errno = EAGAIN;
            return false;
        }
        std::string name = prefixFor(where, suffix) + std::to_string(::getpid()) + "." + random;
        int fd = ::openat(where.folder(), name.c_str(),
                          O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0) {
            folder_ = where.folder();
            fd_ = fd;
            name_ = name;
            return true;
        }
        if (errno != EEXIST) {
            int problem = errno;
            *error = ": cannot make a temporary file: " + std::string(std::strerror(problem));
            errno = problem;
            return false;
        }
    }
    *error = ": cannot make a temporary file: every name tried exists";
    errno = EEXIST;
    return false;
}

bool TempFile::renameTo(const std::string& target, std::string* error) {
    if (::renameat(folder_, name_.c_str(), folder_, target.c_str()) != 0) {
        *error = ": cannot replace: " + std::string(std::strerror(errno));
        return false;
    }
    ::close(fd_);
    fd_ = -1;
    return true;
}

void TempFile::abandon() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

// Read from /proc rather than set and reset: umask() would change it for every thread meanwhile.
mode_t modeOfNewFiles() {
    unsigned int mask = 022;
    if (FILE* status = std::fopen("/proc/self/status", "re")) {
        char line[128];
        while (std::fgets(line, sizeof line, status))
            if (std::sscanf(line, "Umask: %o", &mask) == 1)
                break;
        std::fclose(status);
    }
    return static_cast<mode_t>(0666 & ~mask);
}

void removeStaleTempFiles(const StoreLocation& where, const char* suffix) {
    int fd = ::openat(where.folder(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* folder = fd >= 0 ? ::fdopendir(fd) : nullptr;
    if (!folder) {
        if (fd >= 0)
            ::close(fd);
        return; // nothing to tidy where the folder cannot be listed
    }
    const std::string prefix = prefixFor(where, suffix);
    while (dirent* entry = ::readdir(folder)) {
        if (std::strncmp(entry->d_name, prefix.c_str(), prefix.size()) != 0)
            continue;
        pid_t pid = pidIn(entry->d_name + prefix.size());
        struct stat st {};
        // Only this user's own files: another's, even named alike, is not this program's to
        // remove. This process saves one file at a time, under its lock: its own are left over.
        if (pid > 0 && (pid == ::getpid() || processIsGone(pid)) &&
            ::fstatat(where.folder(), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(st.st_mode) && st.st_uid == ::geteuid())
            ::unlinkat(where.folder(), entry->d_name, 0); // never follows; not a folder
    }
    ::closedir(folder);
}

} // namespace portable::storefile
