// Why a call of the module ended in "Error", told on standard error once the dialog is gone:
// the key the module looked for and the registry file it looked in, or what the dialog said.
#pragma once

#include "registry_file.h"

#include <string>
#include <vector>

// One or more lines, each ending in "\n"; messages are the texts of the message boxes shown.
std::string explainError(const std::string& service, const RegistryFileUsed& file,
                         const std::vector<std::string>& messages);
