// Linux: the registry is a file, chosen as quorlan-setup chooses it.
#include "registry_choice.h"

#include "platform/portable/portable.h"
#include "setup/registry_file.h"

namespace quorlan_params {

bool chooseRegistry(bool fileGiven, const std::string& file, std::string* error) {
    return portable::useRegistryFile(chooseRegistryFile(fileGiven, file).path, error);
}

void useLineFeedOutput() {}

const char* registryHelp() {
    return "The registry is the file given with --registry, else $QUORLAN_REGISTRY, else\n"
           "./quorlan.reg, as quorlan-setup takes it; a missing file is an empty registry.\n";
}

} // namespace quorlan_params
