// The command's exit codes (64, 65 and 74 as in sysexits.h).
#pragma once

namespace quorlan_params {

constexpr int kExitDone = 0;
constexpr int kExitUsage = 64;   // the command line is not a command
constexpr int kExitRefused = 65; // a value the property does not accept
constexpr int kExitOutput = 74;  // standard output could not be written (EX_IOERR)
constexpr int kExitRegistry = 2; // the key does not open, or a save failed

} // namespace quorlan_params
