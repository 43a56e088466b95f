// A Windows registry hive ("regf" file), mounted the way Windows loads a SYSTEM hive: as
// HKEY_LOCAL_MACHINE\System, with CurrentControlSet standing for the control set that the value
// Select\Current names (ControlSet001 for 1). The hive is read whole into a tree; a save applies
// the changes made since onto the hive through hivex and puts the result in the hive's place.
// REG_SZ, REG_EXPAND_SZ and REG_MULTI_SZ data is UTF-16 LE in the hive and Windows-1252 in the
// tree, as the A functions see it; other data is kept as its bytes.
#pragma once

#include "RegistryChange.h"
#include "RegistryTree.h"

#include "../win32_types.h"

#include <string>
#include <vector>

namespace portable::registry {

// True when the file open at fd starts as a hive does.
bool isHiveFile(int fd);

// Reads the hive at path into *tree. On failure *error goes on from the file's name
// (": what is wrong") and *tree is unusable.
bool readHive(const std::string& path, RegistryTree* tree, std::string* error);

// Why the hive at path may not be written, or empty: its logs hold changes it lacks.
std::string hiveWriteRefusal(const std::string& path);

// Applies the changes onto the hive at path and replaces it atomically: ERROR_SUCCESS, or
// ERROR_CANTWRITE with the hive as it was (also for a change outside HKEY_LOCAL_MACHINE\System,
// which the hive cannot hold).
LONG writeHive(const std::string& path, const std::vector<RegistryChange>& changes,
               bool stopBeforeRename);

} // namespace portable::registry
