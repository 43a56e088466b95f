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

// False with *error set on a usage error.
bool parseHostCommandLine(int argc, char** argv, bool registryOption, HostCommandLine* out,
                          std::string* error);

} // namespace scenario
