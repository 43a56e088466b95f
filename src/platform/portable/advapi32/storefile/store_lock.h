// Serializes the saves of one store between processes: an exclusive flock on "<file>.lock" in
// the store's folder. Only those who may write the store can hold it: the lock file carries the
// store's owner and group, and of its mode only the write classes (each as read-write), so a
// user who may merely read the store cannot even open it. A lock file that is a link, that
// someone else could open or a writer could not, is replaced (never while a saver holds it, so
// no two savers hold different files).
// Waiting is bounded: a holder that keeps the lock makes the save fail, naming its process.
#pragma once

#include "platform/portable/advapi32/storefile/store_location.h"

#include <string>

namespace portable::storefile {

class StoreLock {
  public:
    StoreLock() = default;
    ~StoreLock(); // releases the lock; the lock file stays for the next saver
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;

    // Takes the lock, waiting at most waitMs. On failure *error says why, starting with ": ".
    bool acquire(const StoreLocation& where, int waitMs, std::string* error);
    bool held() const { return fd_ >= 0; }
    // After acquire() failed: whether another process held the lock past the wait, and which
    // (0 when it cannot be told).
    bool timedOut() const { return timedOut_; }
    long holder() const { return holder_; }

  private:
    int fd_ = -1;
    bool timedOut_ = false;
    long holder_ = 0;
};

// Ten seconds: long enough for any save, short enough for a person waiting on OK.
constexpr int kStoreLockWaitMs = 10000;

} // namespace portable::storefile
