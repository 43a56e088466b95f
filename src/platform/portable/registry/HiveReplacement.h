// Puts what an open hivex handle holds in the place of a hive file without the hive ever being
// half-written: hivex writes a file by name (creating or truncating it), so it writes into a
// folder of this process's own, made beside the hive where no one else can reach; the new file
// takes the hive's owner, group and mode, is flushed, and is renamed over the hive.
#pragma once

#include <hivex.h>

#include <string>

namespace portable::registry {

// False with the hive untouched when any step fails; stopBeforeRename stops as if the process
// died before the rename.
bool replaceHive(hive_h* hive, const std::string& path, bool stopBeforeRename);

} // namespace portable::registry
