// A Windows registry hive ("regf" file), mounted the way Windows loads a SYSTEM hive: as
// HKEY_LOCAL_MACHINE\System, with CurrentControlSet standing for the control set that the value
// Select\Current names (ControlSet001 for 1). The hive is read whole into a tree; a save applies
// the changes made since onto the hive through hivex and puts the result in the hive's place.
// REG_SZ, REG_EXPAND_SZ and REG_MULTI_SZ data is UTF-16 LE in the hive and Windows-1252 in the
// tree, as the A functions see it; other data is kept as its bytes.
#pragma once

#include "platform/portable/advapi32/hivelog/hive_recovery.h"
#include "platform/portable/advapi32/registry_change.h"
#include "platform/portable/advapi32/registry_tree.h"
#include "platform/portable/advapi32/storefile/file_replacement.h"

#include <string>
#include <string_view>
#include <vector>

namespace portable::registry {

// True when a store file's bytes are a hive's.
bool isHive(std::string_view bytes);

// Brings the bytes of the store's hive up to date from the logs beside it when it is dirty, as
// Windows does when it loads a hive (hivelog/hive_recovery.h).
hivelog::HiveRecovery replayHiveLogs(const storefile::StoreLocation& where, std::string* bytes);

// Reads a hive's bytes into *tree, taking *bytes (left empty: a hive may be large). On failure
// *error says why, starting with ": ".
bool readHive(std::string* bytes, RegistryTree* tree, std::string* error);

// Applies the changes onto the hive in the store's file (read again now: the caller holds the
// store's lock) and replaces the file with the result. On failure the file is as it was and
// *error says why, starting with ": " (also for a change outside HKEY_LOCAL_MACHINE\System,
// which the hive cannot hold, and for a dirty hive that its logs cannot bring up to date). A
// dirty hive is written replayed, and clean.
bool writeHive(const storefile::StoreLocation& where, const std::vector<RegistryChange>& changes,
               const storefile::ReplaceOptions& options, std::string* error);

} // namespace portable::registry
