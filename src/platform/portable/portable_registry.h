// The portable build's own registry API: which store the Reg* functions work on, and faults a
// test can make the store produce. The store itself is read and written with the Reg* functions.
#pragma once

#include "registry_save_failure.h"

#include <string>

namespace portable {

// Keeps the registry in a text file in the REGEDIT4 export format, or in a Windows SYSTEM hive
// (a file that starts with "regf"), mounted as HKEY_LOCAL_MACHINE\System. The file is read now
// and checked: a missing file is an empty registry; anything but a regular file (a device, FIFO,
// socket or folder), a file over 1 GiB, and an unreadable or malformed file are refused
// (false, *error names the file and the line) and left untouched, and the store in use stays.
// Open keys of the previous store become invalid handles and its unsaved changes are dropped.
// The path is resolved now, once: a link is followed to its file, which later saves replace
// (the link stays a link).
bool useRegistryFile(const std::string& path, std::string* error);

// Why the file in use will be read but not written, naming it and what to do; empty when it
// will be written.
std::string registryNotice();

// Which transaction logs were replayed into the hive in use when it was chosen (a hive left
// dirty by a crash), naming it, for the host to say once; empty when none were.
std::string registryReplayNote();

// Why the registry's last save failed, and whether it wrote anything; cause kNone when the last
// save succeeded.
RegistrySaveFailure lastRegistrySaveFailure();
// The same in words (describeSaveFailure), for the host to tell the person; empty when the last
// save succeeded.
std::string lastRegistrySaveError();

// How the last save that succeeded was made when not as usual, naming its file: rewritten in
// place, and why (a new file could not have kept the file's owner, ACL or attributes, or the
// folder takes no new file). Empty after an ordinary save.
std::string lastRegistrySaveNote();

// Keeps the registry in memory only, empty (the store in use until a file is chosen).
void useMemoryRegistry();

// Faults on demand, for tests of what a program does when the registry refuses it.
struct RegistryFaults {
    bool denyWriteAccess = false;  // opening or creating a key for writing: ERROR_ACCESS_DENIED
    std::string failSetValue;      // RegSetValueExA of this value name ("*": any): denied
    std::string failDeleteValue;   // RegDeleteValueA of this value name ("*": any): denied
    bool failSave = false;         // RegFlushKey and saves on close: ERROR_CANTWRITE, nothing saved
    bool stopBeforeRename = false; // a save writes its temporary file, then stops as if killed
    // After this many keys opened (RegOpenKeyExA, RegOpenKeyA), opens find no key:
    // ERROR_FILE_NOT_FOUND, as if the key were deleted meanwhile. Negative: no such fault.
    int keyGoneAfterOpens = -1;
    // How long a save waits for another process's lock before it fails, in milliseconds.
    // Negative: the usual ten seconds.
    int lockWaitMs = -1;
    // A save that holds its lock pauses this long before it reads and writes (a slow disk), in
    // milliseconds: where saves could overlap, they would.
    int pauseWhileLockedMs = 0;
};

// Replaces the faults in force; RegistryFaults{} clears them.
void setRegistryFaults(const RegistryFaults& faults);

} // namespace portable
