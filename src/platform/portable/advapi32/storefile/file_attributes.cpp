#include "platform/portable/advapi32/storefile/file_attributes.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/xattr.h>
#include <vector>

namespace portable::storefile {

namespace {

// The names of the file's attributes; false with errno set when they cannot be listed. A file
// system without extended attributes has none.
bool namesOf(int fd, std::vector<std::string>* names) {
    names->clear();
    for (int tries = 0; tries < 8; ++tries) {
        ssize_t size = ::flistxattr(fd, nullptr, 0);
        if (size < 0)
            return errno == ENOTSUP;
        std::vector<char> list(static_cast<size_t>(size) + 1);
        size = ::flistxattr(fd, list.data(), list.size());
        if (size < 0 && errno == ERANGE)
            continue; // grew meanwhile
        if (size < 0)
            return false;
        for (ssize_t at = 0; at < size; at += static_cast<ssize_t>(std::strlen(&list[at])) + 1)
            names->push_back(&list[at]);
        return true;
    }
    errno = ERANGE;
    return false;
}

// One attribute's value; false with errno set.
bool valueOf(int fd, const std::string& name, std::vector<char>* value) {
    for (int tries = 0; tries < 8; ++tries) {
        ssize_t size = ::fgetxattr(fd, name.c_str(), nullptr, 0);
        if (size < 0)
            return false;
        value->resize(static_cast<size_t>(size));
        size = ::fgetxattr(fd, name.c_str(), value->data(), value->size());
        if (size >= 0) {
            value->resize(static_cast<size_t>(size));
            return true;
        }
        if (errno != ERANGE)
            return false;
    }
    return false;
}

std::string failure(const char* what, const std::string& name, int code) {
    return std::string(": cannot ") + what + " the extended attribute " + name + ": " +
           std::strerror(code);
}

} // namespace

bool copyExtendedAttributes(int from, int to, std::string* error) {
    std::vector<std::string> wanted, present;
    if (!namesOf(from, &wanted)) {
        *error = std::string(": cannot list the extended attributes: ") + std::strerror(errno);
        return false;
    }
    if (!namesOf(to, &present)) {
        *error = std::string(": cannot list the new file's extended attributes: ") +
                 std::strerror(errno);
        return false;
    }
    std::vector<char> value, already;
    for (const std::string& name : wanted) {
        if (!valueOf(from, name, &value)) {
            *error = failure("read", name, errno);
            return false;
        }
        // The same already (a label every new file in the folder gets): nothing to set.
        bool same = std::find(present.begin(), present.end(), name) != present.end() &&
                    valueOf(to, name, &already) && already == value;
        if (!same && ::fsetxattr(to, name.c_str(), value.data(), value.size(), 0) != 0) {
            *error = failure("keep", name, errno);
            return false;
        }
    }
    for (const std::string& name : present)
        if (std::find(wanted.begin(), wanted.end(), name) == wanted.end() &&
            ::fremovexattr(to, name.c_str()) != 0 && errno != ENODATA) {
            *error = failure("leave out", name, errno);
            return false;
        }
    return true;
}

} // namespace portable::storefile
