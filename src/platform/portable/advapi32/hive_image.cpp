#include "platform/portable/advapi32/hive_image.h"

#include "platform/portable/advapi32/storefile/file_stamp.h"
#include "platform/portable/advapi32/storefile/write_from_start.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace portable::registry {

namespace {

std::string failure(const char* what) {
    return std::string(": cannot ") + what + " the hive in memory: " + std::strerror(errno);
}

// Whether the name leads to the file open as fd.
bool reaches(const std::string& name, int fd) {
    struct stat named {
    }, open{};
    return ::stat(name.c_str(), &named) == 0 && ::fstat(fd, &open) == 0 &&
           storefile::sameFile(named, open);
}

} // namespace

HiveImage::~HiveImage() {
    unmap();
    if (fd_ >= 0)
        ::close(fd_);
    if (!folder_.empty()) {
        ::unlink(name_.c_str());
        ::rmdir(folder_.c_str());
    }
}

bool HiveImage::create(std::string_view bytes, std::string* error) {
    fd_ = ::memfd_create("hive", MFD_CLOEXEC);
    if (fd_ >= 0 && reaches("/proc/self/fd/" + std::to_string(fd_), fd_))
        name_ = "/proc/self/fd/" + std::to_string(fd_);
    else if (!createInPrivateFolder()) {
        *error = failure("hold");
        return false;
    }
    if (!storefile::writeFromStart(fd_, bytes)) {
        *error = failure("hold");
        return false;
    }
    return true;
}

// Without /proc (a minimal container, a rescue system), a file of its own in a folder that
// only this user may enter, which no one else can plant a link in or read.
bool HiveImage::createInPrivateFolder() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    const char* temp = std::getenv("TMPDIR");
    std::string pattern =
        std::string(temp && *temp == '/' ? temp : "/tmp") + "/quorlan-hive-XXXXXX";
    if (!::mkdtemp(pattern.data()))
        return false;
    folder_ = pattern;
    name_ = folder_ + "/hive";
    fd_ = ::open(name_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    return fd_ >= 0;
}

bool HiveImage::contents(std::string_view* bytes, std::string* error) {
    unmap();
    struct stat st {};
    if (::fstat(fd_, &st) != 0) {
        *error = failure("read");
        return false;
    }
    mappedSize_ = static_cast<size_t>(st.st_size);
    if (mappedSize_ > 0) {
        mapped_ = ::mmap(nullptr, mappedSize_, PROT_READ, MAP_SHARED, fd_, 0);
        if (mapped_ == MAP_FAILED) {
            mapped_ = nullptr;
            *error = failure("read");
            return false;
        }
    }
    *bytes = std::string_view(static_cast<const char*>(mapped_), mappedSize_);
    return true;
}

bool HiveImage::empty() {
    unmap();
    return fd_ >= 0 && ::ftruncate(fd_, 0) == 0;
}

void HiveImage::unmap() {
    if (mapped_)
        ::munmap(mapped_, mappedSize_);
    mapped_ = nullptr;
}

} // namespace portable::registry
