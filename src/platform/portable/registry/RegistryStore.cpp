#include "RegistryStore.h"

#include "RegFileReader.h"
#include "RegFileWriter.h"

#include "../win32_registry.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace portable::registry {

namespace {

// Holds an exclusive lock on "<file>.lock" for as long as it lives. The lock file stays: removing
// it could let two processes lock two different files of the same name.
class FileLock {
  public:
    explicit FileLock(const std::string& path) {
        fd_ = ::open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~FileLock() {
        if (fd_ >= 0)
            ::close(fd_); // closing releases the lock
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    bool held() const { return fd_ >= 0; }

  private:
    int fd_ = -1;
};

bool writeAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

bool readAll(int fd, std::string* text) {
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
    }
}

std::string directoryOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

bool RegistryStore::FileStamp::operator==(const FileStamp& other) const {
    return exists == other.exists && device == other.device && inode == other.inode &&
           size == other.size && modifiedNs == other.modifiedNs;
}

RegistryStore& RegistryStore::instance() {
    static RegistryStore store;
    return store;
}

// Changes not yet saved when the process ends are saved then, as the system would keep them.
RegistryStore::~RegistryStore() {
    if (!path_.empty())
        save();
}

bool RegistryStore::useFile(const std::string& path, std::string* error) {
    RegistryTree tree;
    FileStamp stamp;
    std::string problem;
    if (!load(path, &tree, &stamp, &problem)) {
        if (error)
            *error = path + problem;
        return false;
    }
    path_ = path;
    tree_ = std::move(tree);
    ++epoch_;
    stamp_ = stamp;
    pending_.clear();
    unsaved_ = false;
    return true;
}

void RegistryStore::useMemory() {
    path_.clear();
    tree_ = RegistryTree();
    ++epoch_;
    stamp_ = FileStamp();
    pending_.clear();
    unsaved_ = false;
}

void RegistryStore::refresh() {
    if (path_.empty() || stampOnDisk() == stamp_)
        return;
    RegistryTree tree;
    FileStamp stamp;
    std::string problem;
    if (!load(path_, &tree, &stamp, &problem))
        return; // keep the last good view; a save will refuse
    for (const RegistryChange& change : pending_)
        tree.apply(change);
    tree_ = std::move(tree);
    ++epoch_;
    stamp_ = stamp;
}

void RegistryStore::change(RegistryChange change) {
    unsaved_ = true;
    if (change.kind == RegistryChange::Kind::DeleteKey)
        ++epoch_;
    if (path_.empty()) {
        // Nothing is ever applied again onto another tree in memory: the change is not kept.
        tree_.apply(std::move(change));
        return;
    }
    tree_.apply(change);
    pending_.push_back(std::move(change));
}

void RegistryStore::setValue(RegistryKey& key, const KeyPath& path, std::string_view name,
                             DWORD type, std::vector<BYTE> data) {
    unsaved_ = true;
    if (!path_.empty())
        pending_.push_back({RegistryChange::Kind::SetValue, path, std::string(name), type, data});
    key.setValue(name, type, std::move(data));
}

void RegistryStore::deleteValue(RegistryKey& key, const KeyPath& path, std::string_view name) {
    unsaved_ = true;
    if (!path_.empty())
        pending_.push_back({RegistryChange::Kind::DeleteValue, path, std::string(name), 0, {}});
    key.removeValue(name);
}

LONG RegistryStore::save() {
    if (!unsaved_)
        return ERROR_SUCCESS;
    if (faults_.failSave)
        return ERROR_CANTWRITE;
    if (path_.empty()) {
        unsaved_ = false;
        return ERROR_SUCCESS;
    }
    return saveLocked();
}

LONG RegistryStore::saveLocked() {
    FileLock lock(path_);
    if (!lock.held())
        return ERROR_CANTWRITE;
    if (!(stampOnDisk() == stamp_)) {
        // Another process saved since: start again from its file.
        RegistryTree tree;
        FileStamp stamp;
        std::string problem;
        if (!load(path_, &tree, &stamp, &problem))
            return ERROR_CANTREAD;
        for (const RegistryChange& change : pending_)
            tree.apply(change);
        tree_ = std::move(tree);
        ++epoch_;
    }
    if (!writeAtomically(RegFileWriter().write(tree_)))
        return ERROR_CANTWRITE;
    stamp_ = stampOnDisk();
    pending_.clear();
    unsaved_ = false;
    return ERROR_SUCCESS;
}

// Writes a temporary file beside the store, flushes it to disk and renames it over the store, so
// the store is at any moment either the old file or the new one.
bool RegistryStore::writeAtomically(const std::string& text) {
    std::string temp = path_ + ".tmp." + std::to_string(::getpid());
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    struct stat old {};
    if (::stat(path_.c_str(), &old) == 0)
        ::fchmod(fd, old.st_mode & 07777);
    bool written = writeAll(fd, text) && ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    if (!written) {
        ::unlink(temp.c_str());
        return false;
    }
    if (faults_.stopBeforeRename)
        return false; // as if the process died here
    if (::rename(temp.c_str(), path_.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    int dir = ::open(directoryOf(path_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir); // makes the rename itself durable
        ::close(dir);
    }
    return true;
}

RegistryStore::FileStamp RegistryStore::stampOnDisk() const {
    struct stat st {};
    if (::stat(path_.c_str(), &st) != 0)
        return FileStamp();
    return stampOf(st);
}

RegistryStore::FileStamp RegistryStore::stampOf(const struct stat& st) {
    FileStamp stamp;
    stamp.exists = true;
    stamp.device = st.st_dev;
    stamp.inode = st.st_ino;
    stamp.size = st.st_size;
    stamp.modifiedNs =
        static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    return stamp;
}

// Reads the file at path into *tree. A missing file is an empty registry. On failure *error
// goes on from the file's name: ": cannot read: ..." or ":LINE: what is wrong".
bool RegistryStore::load(const std::string& path, RegistryTree* tree, FileStamp* stamp,
                         std::string* error) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT)
        return true;
    std::string text;
    struct stat st {};
    bool read = fd >= 0 && ::fstat(fd, &st) == 0 && readAll(fd, &text);
    int problem = errno;
    if (fd >= 0)
        ::close(fd);
    if (!read) {
        *error = std::string(": cannot read: ") + std::strerror(problem);
        return false;
    }
    RegFileReader reader;
    if (!reader.read(std::move(text), tree)) {
        *error = ":" + std::to_string(reader.errorLine()) + ": " + reader.errorMessage();
        return false;
    }
    *stamp = stampOf(st);
    return true;
}

} // namespace portable::registry
