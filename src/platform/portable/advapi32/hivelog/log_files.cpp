#include "platform/portable/advapi32/hivelog/log_files.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

namespace portable::hivelog {

namespace {

const char* const kSuffixes[] = {".LOG1", ".LOG2", ".LOG"};

// The names in the folder, read from a descriptor of its own so that the caller's stays put.
std::vector<std::string> namesIn(int folder) {
    std::vector<std::string> names;
    int own = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* listing = own >= 0 ? ::fdopendir(own) : nullptr;
    if (!listing) {
        if (own >= 0)
            ::close(own);
        return names;
    }
    while (dirent* entry = ::readdir(listing))
        names.push_back(entry->d_name);
    ::closedir(listing);
    return names;
}

// The name spelled as `wanted` regardless of case; the exact spelling wins over others.
std::string findName(const std::vector<std::string>& names, const std::string& wanted) {
    std::string found;
    for (const std::string& name : names) {
        if (name == wanted)
            return name;
        if (found.empty() && ::strcasecmp(name.c_str(), wanted.c_str()) == 0)
            found = name;
    }
    return found;
}

bool readLog(int folder, HiveLog* log) {
    int fd = ::openat(folder, log->name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0) {
        log->problem = std::strerror(errno);
        if (fd >= 0)
            ::close(fd);
        return false;
    }
    if (!S_ISREG(st.st_mode) || st.st_size > storefile::kLargestStoreFile) {
        log->problem = S_ISREG(st.st_mode) ? "larger than any log" : storefile::kindOf(st.st_mode);
        ::close(fd);
        return false;
    }
    log->bytes.resize(static_cast<size_t>(st.st_size));
    size_t done = 0;
    while (done < log->bytes.size()) {
        ssize_t n = ::read(fd, &log->bytes[done], log->bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            log->problem = std::strerror(errno);
        if (n <= 0)
            break;
        done += static_cast<size_t>(n);
    }
    log->bytes.resize(done); // a file that shrank meanwhile is as short as what was read
    ::close(fd);
    return true;
}

} // namespace

std::string logNamesLookedFor(const std::string& hiveName) {
    return hiveName + ".LOG1, " + hiveName + ".LOG2 and " + hiveName + ".LOG";
}

std::vector<HiveLog> readHiveLogs(int folder, const std::string& hiveName) {
    std::vector<HiveLog> logs;
    std::vector<std::string> names = namesIn(folder);
    for (const char* suffix : kSuffixes) {
        HiveLog log;
        log.suffix = suffix;
        log.name = findName(names, hiveName + suffix);
        if (log.name.empty())
            continue;
        readLog(folder, &log);
        logs.push_back(std::move(log));
    }
    return logs;
}

} // namespace portable::hivelog

namespace portable::hivelog {

std::vector<HiveLog> readLogsBeside(const storefile::StoreLocation& hive) {
    return readHiveLogs(hive.folder(), hive.name());
}

} // namespace portable::hivelog
