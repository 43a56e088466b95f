#include "HiveReplacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace portable::registry {

namespace {

std::string directoryOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string baseNameOf(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A new folder beside the hive that only this user can enter (mkdtemp makes it 0700).
std::string makePrivateFolder(const std::string& path) {
    std::string pattern = directoryOf(path) + "/." + baseNameOf(path) + ".save-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    return ::mkdtemp(name.data()) ? std::string(name.data()) : std::string();
}

// Gives the new file the hive's owner, group and mode, and flushes it to disk. A file its
// user cannot give the hive's owner is not put in the hive's place.
bool takeOverAttributes(const std::string& file, const struct stat& hive) {
    int fd = ::open(file.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat made {};
    bool done = ::fstat(fd, &made) == 0 && S_ISREG(made.st_mode);
    if (done && (made.st_uid != hive.st_uid || made.st_gid != hive.st_gid))
        done = ::fchown(fd, hive.st_uid, hive.st_gid) == 0;
    done = done && ::fchmod(fd, hive.st_mode & 07777) == 0 && ::fsync(fd) == 0;
    return ::close(fd) == 0 && done;
}

void syncFolder(const std::string& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd); // makes the rename itself durable
        ::close(fd);
    }
}

} // namespace

bool replaceHive(hive_h* hive, const std::string& path, bool stopBeforeRename) {
    struct stat original {};
    if (::lstat(path.c_str(), &original) != 0 || !S_ISREG(original.st_mode) ||
        ::access(path.c_str(), W_OK) != 0)
        return false;
    std::string folder = makePrivateFolder(path);
    if (folder.empty())
        return false;
    std::string file = folder + "/" + baseNameOf(path);
    bool replaced = hivex_commit(hive, file.c_str(), 0) == 0 &&
                    takeOverAttributes(file, original) && !stopBeforeRename &&
                    ::rename(file.c_str(), path.c_str()) == 0;
    if (replaced)
        syncFolder(directoryOf(path));
    else
        ::unlink(file.c_str());
    ::rmdir(folder.c_str());
    return replaced;
}

} // namespace portable::registry
