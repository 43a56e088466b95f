// Serializes the saves of one store between processes: a write lock (an open-file-description
// lock, so that no other descriptor this process opens or closes on the file releases it) on the
// first byte of the store's file itself, taken through a descriptor opened for writing. Whoever
// may write the store can take it, whoever made the file first; no lock file is ever made,
// replaced or removed. A save that replaces the file puts a new file at the path, so a waiter
// that gets the lock of the file it opened checks that the path still names that file and
// otherwise starts again on the new one.
// Waiting is bounded: a holder that keeps the lock makes the save fail, naming its process when
// it can be told, and any error but contention ends the wait at once, named.
#pragma once

#include "platform/portable/advapi32/storefile/store_location.h"

#include <string>

namespace portable::storefile {

class StoreLock {
  public:
    StoreLock() = default;
    ~StoreLock(); // releases the lock
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;

    // Takes the lock, waiting at most waitMs. A store that does not exist yet is created empty
    // when `createMissing` (an empty file reads as an empty registry), so that there is a file to
    // lock; otherwise its absence fails. On failure *error says why, starting with ": ".
    bool acquire(const StoreLocation& where, bool createMissing, int waitMs, std::string* error);
    bool held() const { return fd_ >= 0; }

  private:
    int fd_ = -1; // the store opened for writing: it holds the lock
};

// Ten seconds: long enough for any save, short enough for a person waiting on OK.
constexpr int kStoreLockWaitMs = 10000;

} // namespace portable::storefile
