#include "platform/portable/advapi32/storefile/write_from_start.h"

#include <cerrno>
#include <sys/types.h>
#include <unistd.h>

namespace portable::storefile {

bool writeFromStart(int fd, std::string_view bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n =
            ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
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

} // namespace portable::storefile
