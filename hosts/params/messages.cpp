#include "messages.h"

#include "registry_choice.h"

#include <cstdio>

namespace quorlan_params {

namespace {

std::string statusText(LONG status) {
    switch (status) {
    case ERROR_FILE_NOT_FOUND:
        return "no such key";
    case ERROR_ACCESS_DENIED:
        return "access denied";
    default:
        return "error " + std::to_string(status);
    }
}

} // namespace

void sayError(const std::string& message) {
    std::fprintf(stderr, "quorlan-params: %s\n", message.c_str());
}

std::string keyNotOpened(const ParameterStore& store, LONG status) {
    const std::string missing = missingRegistryFile();
    return std::string("HKEY_LOCAL_MACHINE\\") + store.keyPath() + " does not open (" +
           statusText(status) + ")" + (missing.empty() ? "" : ": " + missing);
}

} // namespace quorlan_params
