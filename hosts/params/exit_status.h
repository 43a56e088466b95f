// The command's exit codes (the first two as in sysexits.h).
#pragma once

namespace quorlan_params {

constexpr int kExitDone = 0;
constexpr int kExitUsage = 64;   // the command line is not a command
constexpr int kExitRefused = 65; // a value the property does not accept
constexpr int kExitRegistry = 2; // the key does not open, or a write failed

} // namespace quorlan_params
