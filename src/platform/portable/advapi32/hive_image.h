// A hive's bytes in an anonymous file in memory (memfd), which hivex, opening and committing
// hives only by name, reaches as /proc/self/fd/N; where there is no /proc, a file in a folder of
// its own that only this user may enter. Either way no one can plant a link for hivex to follow or
// read a half-made hive; the file's own replacement is the store's (storefile/file_replacement.h).
#pragma once

#include "platform/non_copyable.h"

#include <string>
#include <string_view>

namespace portable::registry {

class HiveImage : NonCopyable {
  public:
    ~HiveImage();

    // An image holding `bytes`. On failure *error says why, starting with ": ".
    bool create(std::string_view bytes, std::string* error);
    // The name to give hivex_open and hivex_commit.
    const std::string& name() const { return name_; }
    // Empties the image, its memory given back: for when hivex holds a copy of its own. On
    // failure the image keeps its bytes, which a commit into name() replaces anyway.
    bool empty();
    // What the image holds now (after a commit into name()), valid while the image lives.
    bool contents(std::string_view* bytes, std::string* error);

  private:
    void unmap();
    bool createInPrivateFolder();

    int fd_ = -1;
    std::string name_;
    std::string folder_; // the private folder, when there is no /proc
    void* mapped_ = nullptr;
    size_t mappedSize_ = 0;
};

} // namespace portable::registry
