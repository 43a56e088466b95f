// Why a call of the module ended in "Error", told on standard error once the dialog is gone:
// the key the module looked for and the registry file it looked in, or what the dialog said.
#pragma once

#include <string>
#include <vector>

// The registry file of a call: its path, where the path came from ("--registry",
// "$QUORLAN_REGISTRY", "the default") and whether the file was there before the call.
struct RegistryFileUsed {
    std::string path;
    std::string origin;
    bool existed = false;
};

// One or more lines, each ending in "\n"; messages are the texts of the message boxes shown.
std::string explainError(const std::string& service, const RegistryFileUsed& file,
                         const std::vector<std::string>& messages);
