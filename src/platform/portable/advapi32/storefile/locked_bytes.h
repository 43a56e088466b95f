// The bytes of a store file that its savers and readers lock, each for one purpose, so that the
// locks of one never stand in the way of another's.
#pragma once

#include <fcntl.h>
#include <sys/types.h>

namespace portable::storefile {

constexpr off_t kSaverByte = 0; // the lock: held by a saver for the whole save
// Held by a saver while it rewrites the file in place: a reader that overlaps it reads again.
constexpr off_t kRewriteByte = 1;
// A classic record lock the saver also holds, only to be named by: open-file-description locks
// do not tell their process. The kernel drops it whenever the saver closes another descriptor
// of the file, so it names the holder often, not always.
constexpr off_t kNameByte = 2;

// A lock request of `type` on the one byte at `start`.
inline struct flock byteRange(short type, off_t start) {
    struct flock range {};
    range.l_type = type;
    range.l_whence = SEEK_SET;
    range.l_start = start;
    range.l_len = 1;
    return range;
}

} // namespace portable::storefile
