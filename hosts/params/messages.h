// Messages to the person or script that ran the command: one line each on stderr.
#pragma once

#include "params/parameter_store.h"

#include <string>

namespace quorlan_params {

void sayError(const std::string& message);
// "the key ... does not open (...)", for a status from opening the store's key, naming the
// registry file when it does not exist.
std::string keyNotOpened(const ParameterStore& store, LONG status);

} // namespace quorlan_params
