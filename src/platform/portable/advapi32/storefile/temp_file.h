// New files beside a store's file: created, never opened, so that no one can plant a link or a
// file for them, with a name no one can guess ("<file>.tmp.<pid>.<16 hexadecimal digits>", the
// pid telling whose it is; <file> cut short where the whole would be too long a name), mode 0600
// until they are renamed into place. A process killed during a save leaves its file behind; the
// next save by the same user removes it once its process is gone.
#pragma once

#include "platform/portable/advapi32/storefile/store_location.h"

#include <string>

namespace portable::storefile {

class TempFile {
  public:
    TempFile() = default;
    ~TempFile(); // removes the file unless it was renamed into place or kept
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    // Creates "<name><suffix>.<pid>.<random>" in the location's folder (suffix e.g. ".tmp").
    // On failure errno tells why.
    bool create(const StoreLocation& where, const char* suffix, std::string* error);
    int fd() const { return fd_; }
    const std::string& name() const { return name_; }
    // Renames the file over `target` in the same folder; it is no longer this object's.
    bool renameTo(const std::string& target, std::string* error);
    // Closes the file and leaves it where it is, as a process that died would.
    void abandon();

  private:
    int folder_ = -1; // not owned
    int fd_ = -1;
    std::string name_;
};

// The mode a file this process creates gets: 0666 less the umask.
mode_t modeOfNewFiles();

// Removes "<name><suffix>.<pid>.<16 hexadecimal digits>" regular files of this user whose
// processes no longer exist; nothing else.
void removeStaleTempFiles(const StoreLocation& where, const char* suffix);

} // namespace portable::storefile
