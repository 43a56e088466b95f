// The registry file of the Linux hosts: the one named on the command line, else
// $QUORLAN_REGISTRY, else ./quorlan.reg.
#pragma once

#include <string>

// The registry file of a run: its path, where the path came from ("given with --registry",
// "named by $QUORLAN_REGISTRY", "the default") and whether the file was there before the run.
struct RegistryFileUsed {
    std::string path;
    std::string origin;
    bool existed = false;
};

RegistryFileUsed chooseRegistryFile(bool given, const std::string& path);
