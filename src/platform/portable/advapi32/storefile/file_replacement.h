// Writes a new version of a store's file. The file is replaced atomically (a temporary file is
// written, given the old file's owner, group, mode, ACL and extended attributes, flushed, renamed
// over it, and the folder flushed), so it is at every moment either the old file or the new one,
// never a mix. A save replaces only a file its user could have written in place, and never takes
// another user's file over: where the new file could not be the old one in all of these (or the
// folder takes no new file from this user), the old file is rewritten in place instead, its
// space reserved first where the file system can, so that a full disk fails before any byte
// changes. The caller holds the store's lock (store_lock.h).
#pragma once

#include "platform/portable/advapi32/storefile/store_location.h"

#include <string_view>

namespace portable::storefile {

// True when this process may write the file at the location (or create it there): a regular
// file its effective user could open for writing; root too needs some write permission on it.
// Otherwise *error says why, starting with ": ", and errno tells it (0 for a file of another
// kind).
bool mayWrite(const StoreLocation& where, std::string* error);

struct ReplaceOptions {
    bool stopBeforeRename = false; // writes the temporary file, then stops as if killed
    // Set true when the file itself began to be rewritten in place: a failure after that may
    // leave it part written. Not set otherwise (a failure then leaves the file as it was).
    bool* rewroteInPlace = nullptr;
    // Set true once the new file has taken the old one's place: a failure after that (flushing
    // the folder) leaves the whole of `text` in the file.
    bool* replaced = nullptr;
    // Told why the file was rewritten in place rather than replaced, when it was (starting
    // with ": "); left as it is otherwise.
    std::string* notice = nullptr;
};

// Replaces the file with `text` (mayWrite() first). On failure the file is as it was (unless
// *options.rewroteInPlace or *options.replaced was set), *error says why, starting with ": ",
// and errno tells it.
bool replaceFile(const StoreLocation& where, std::string_view text, const ReplaceOptions& options,
                 std::string* error);

} // namespace portable::storefile
