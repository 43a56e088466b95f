#include "registry_file.h"

#include <cstdlib>
#include <sys/stat.h>

RegistryFileUsed chooseRegistryFile(bool given, const std::string& path) {
    RegistryFileUsed file;
    const char* fromEnvironment = std::getenv("QUORLAN_REGISTRY");
    if (given) {
        file = {path, "given with --registry"};
    } else if (fromEnvironment != nullptr && *fromEnvironment != '\0') {
        file = {fromEnvironment, "named by $QUORLAN_REGISTRY"};
    } else {
        file = {"quorlan.reg", "the default"};
    }
    struct stat status;
    file.existed = ::stat(file.path.c_str(), &status) == 0;
    return file;
}
