// Where a store's file lives, resolved once when the store is chosen: its folder, held open, and
// its name there. Every later access goes through that folder (the *at calls) and never follows a
// link, so a link or folder planted on the way afterwards changes nothing. Only a regular file of
// a sensible size is ever opened: a device, FIFO, socket or folder at the path is refused before
// anything is read from it.
#pragma once

#include "platform/portable/advapi32/storefile/file_stamp.h"

#include <string>

namespace portable::storefile {

// Larger than any registry export: a file over this is refused rather than read into memory.
constexpr off_t kLargestStoreFile = off_t(1) << 30;

class StoreLocation {
  public:
    StoreLocation() = default;
    ~StoreLocation();
    StoreLocation(StoreLocation&& other) noexcept;
    StoreLocation& operator=(StoreLocation&& other) noexcept;
    StoreLocation(const StoreLocation&) = delete;
    StoreLocation& operator=(const StoreLocation&) = delete;

    // Follows the links of `path` to the file they name (a link stays a link: its target is the
    // store) and opens that file's folder. A missing file is fine, a link to one is not. On
    // failure *error says why, starting with ": ", and this location stays as it was.
    bool resolve(const std::string& path, std::string* error);
    bool valid() const { return folder_ >= 0; }

    const std::string& path() const { return path_; } // the resolved path
    int folder() const { return folder_; }
    const std::string& name() const { return name_; }

    // The file at the name opened with `access` (O_RDONLY or O_WRONLY), never through a link,
    // without waiting on a FIFO or taking a terminal: -1 with errno set when it fails.
    int openExisting(int access) const;

    // The stamp of what is at the path now (exists false: nothing is).
    FileStamp stamp() const;
    // lstat of what is at the path: false with errno set when there is nothing, or it fails.
    bool statNow(struct stat* st) const;

    enum class ReadResult { Missing, Read, Refused };
    // Reads the whole file. Refused: *error (starting with ": cannot read: ") says why, e.g.
    // that it is not a regular file or is larger than kLargestStoreFile.
    ReadResult read(std::string* text, FileStamp* stamp, std::string* error) const;

  private:
    // Reads the open file from its start into *text and its stat into *st, again while another
    // process rewrites it in place, until one whole version is read (a bounded wait).
    static bool readWholeVersion(int fd, std::string* text, struct stat* st, std::string* error);

    int folder_ = -1;
    std::string name_;
    std::string path_;
};

// What kind of thing a mode is ("a directory", "a FIFO", ...), for messages.
const char* kindOf(mode_t mode);

} // namespace portable::storefile
