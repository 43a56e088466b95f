#include "platform/portable/advapi32/hive_image.h"

#include <cerrno>
#include <cstring>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace portable::registry {

namespace {

std::string failure(const char* what) {
    return std::string(": cannot ") + what + " the hive in memory: " + std::strerror(errno);
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

} // namespace

HiveImage::~HiveImage() {
    unmap();
    if (fd_ >= 0)
        ::close(fd_);
}

bool HiveImage::create(std::string_view bytes, std::string* error) {
    fd_ = ::memfd_create("hive", MFD_CLOEXEC);
    if (fd_ < 0 || !writeAll(fd_, bytes)) {
        *error = failure("hold");
        return false;
    }
    name_ = "/proc/self/fd/" + std::to_string(fd_);
    return true;
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
