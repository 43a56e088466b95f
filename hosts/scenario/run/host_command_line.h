// The command line both hosts share: "[--registry FILE] SERVICE" calls the module once,
// "[--registry FILE] --script FILE..." plays scenarios. Only quorlan-setup knows --registry.
#pragma once

#include <string>
#include <vector>

namespace scenario {

struct HostCommandLine {
    bool help = false;
    bool script = false;
    std::vector<std::string> files; // with --script
    std::string service;            // without --script
    bool registryGiven = false;
    std::string registry;
};

// The exit status of a usage error, as sysexits.h has it.
const int kUsageError = 64;

// False with *error set on a usage error.
bool parseHostCommandLine(int argc, char** argv, bool registryOption, HostCommandLine* out,
                          std::string* error);

struct HostUsage {
    const char* program; // its name in messages
    const char* text;    // the usage it prints
    bool registryOption;
};

// Reads the command line as a host does. False when the host is done with *status set: 0 after
// printing the usage that --help asked for, kUsageError after naming the error on standard error
// above the usage.
bool readHostCommandLine(int argc, char** argv, const HostUsage& usage, HostCommandLine* out,
                         int* status);

} // namespace scenario
