// The command's exit codes (the first two as in sysexits.h).
#pragma once

namespace quorlan_params {

constexpr int ExitDone = 0;
constexpr int ExitUsage = 64;   // the command line is not a command
constexpr int ExitRefused = 65; // a value the property does not accept
constexpr int ExitRegistry = 2; // the key does not open, or a write failed

} // namespace quorlan_params
