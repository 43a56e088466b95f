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
    // After acquire() failed: whether another process still held the lock when the wait ended,
    // which (0 when it cannot be told), and whether it held it to read.
    bool timedOut() const { return timedOut_; }
    long holder() const { return holder_; }
    bool heldForReading() const { return heldForReading_; }

  private:
    // Notes who holds the lock on the file open as fd, and says it after waiting waitMs.
    std::string noteHolder(int fd, int waitMs);

    int fd_ = -1; // the store opened for writing: it holds the lock
    bool timedOut_ = false;
    long holder_ = 0;
    bool heldForReading_ = false;
};

// Ten seconds: long enough for any save, short enough for a person waiting on OK.
constexpr int kStoreLockWaitMs = 10000;

} // namespace portable::storefile
