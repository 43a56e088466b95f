#include "RegistryFile.h"

#include <cstdlib>

std::string registryFilePath(bool given, const std::string& path) {
    if (given)
        return path;
    const char* fromEnvironment = std::getenv("QUORLAN_REGISTRY");
    return fromEnvironment != nullptr && *fromEnvironment != '\0' ? fromEnvironment : "quorlan.reg";
}
