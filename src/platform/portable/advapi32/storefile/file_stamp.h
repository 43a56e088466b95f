// What identifies one version of a store's file. A save makes a new file (a new inode) or, in
// place, moves its change time on, so a stamp that is still the same means the file is as it was.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

namespace portable::storefile {

// Whether two stats are of one file: the same inode on the same device.
inline bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

struct FileStamp {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    long long modifiedNs = 0;
    long long changedNs = 0; // moves on every change, even one that restores the modified time

    static FileStamp of(const struct stat& st) {
        FileStamp stamp;
        stamp.exists = true;
        stamp.device = st.st_dev;
        stamp.inode = st.st_ino;
        stamp.size = st.st_size;
        stamp.modifiedNs =
            static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
        stamp.changedNs =
            static_cast<long long>(st.st_ctim.tv_sec) * 1000000000LL + st.st_ctim.tv_nsec;
        return stamp;
    }
    bool operator==(const FileStamp& other) const {
        return exists == other.exists && device == other.device && inode == other.inode &&
               size == other.size && modifiedNs == other.modifiedNs && changedNs == other.changedNs;
    }
};

} // namespace portable::storefile
