// A store's file rewritten in place (where it cannot be replaced), as readers must see it: never
// half written. The rewriter holds a write lock on the file's second byte while it writes, which
// readers look for before and after they read; and it ends by moving the file's change time past
// every moment of the rewrite, so a reader whose read overlapped the rewrite sees the stamp differ
// and reads again. Readers take no lock: one who may only read can never hold up a save.
#pragma once

#include <string>

namespace portable::storefile {

class RewriteGuard {
  public:
    RewriteGuard() = default;
    ~RewriteGuard(); // end() if it was not called
    RewriteGuard(const RewriteGuard&) = delete;
    RewriteGuard& operator=(const RewriteGuard&) = delete;

    // Marks a rewrite of the file open for writing as fd, waiting at most waitMs for a process
    // that holds the mark. On failure *error says why, starting with ": ".
    bool begin(int fd, int waitMs, std::string* error);
    // The rewrite is complete: its change time moves on, then the mark goes.
    void end();

  private:
    int fd_ = -1; // not owned
    long long changedNs_ = 0;
};

// True while another process rewrites the file open as fd (in any mode).
bool rewriteUnderWay(int fd);

// How long a reader waits for a rewrite to end before it gives up.
constexpr int kRewriteWaitMs = 10000;

} // namespace portable::storefile
