// quorlan-hive's two commands on a SYSTEM hive left dirty by a crash: check what its logs
// would bring, and write the hive they bring to a new file. Neither touches the hive or its
// logs.
#pragma once

#include <string>

namespace quorlan_hive {

constexpr int kExitDone = 0;
constexpr int kExitUsage = 64;         // the command line is not a command
constexpr int kExitUnrecoverable = 65; // dirty, and its logs cannot bring it up to date
constexpr int kExitNoInput = 66;       // the hive cannot be read
constexpr int kExitCannotCreate = 73;  // the new file exists or cannot be made

// Says on standard output whether the hive is clean or dirty, the logs found beside it, and
// what a replay would apply; writes nothing.
int checkHive(const std::string& path);

// Writes the hive, its logs replayed when it is dirty, to `output`, a file that must not exist
// yet (created without following a link, as the store creates its files).
int recoverHive(const std::string& path, const std::string& output);

} // namespace quorlan_hive
