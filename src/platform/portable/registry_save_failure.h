// Why the registry's last save failed, as the store saw it: the cause, the file or folder it
// concerns, and whether the file may hold part of the save. Hosts tell it in one set of words
// (describeSaveFailure), so every command says the same of the same failure.
#pragma once

#include <string>

namespace portable {

struct RegistrySaveFailure {
    enum class Cause {
        kNone,               // the last save succeeded (or there was none)
        kLocked,             // another process held the store's lock past the wait
        kFileNotWritable,    // no permission to write the file
        kFolderNotWritable,  // no permission to make files in the file's folder
        kNoSpace,            // the file system (or a quota) is full
        kReadOnlyFileSystem, // the file system is mounted read-only
        kUnwritableHive,     // a hive that is shown but never written (its logs hold changes)
        kOther,              // anything else: `detail` says what
    };
    Cause cause = Cause::kNone;
    int code = 0;                // the errno of the call that failed, 0 when there was none
    std::string path;            // the store's file as it was given
    std::string folder;          // kFolderNotWritable: the folder that refused
    bool wroteAnything = false;  // the file may hold part of the save
    bool wroteWhole = false;     // the file holds all of it (a later step, not the write, failed)
    long lockHolder = 0;         // kLocked: the pid holding the lock, 0 when it cannot be told
    bool lockForReading = false; // kLocked: the holder locked the file to read it
    int waitedMs = 0;            // kLocked: how long the save waited
    std::string detail;          // the store's own account, starting with ": "
};

// One line: the file, why it was not saved, and whether anything of it was changed ("nothing
// was changed" / "the file may be left part changed" / the file holds the change but a crash
// may undo it); empty for kNone.
std::string describeSaveFailure(const RegistrySaveFailure& failure);

} // namespace portable
