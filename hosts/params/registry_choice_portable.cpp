// Linux: the registry is a file, chosen as quorlan-setup chooses it.
#include "registry_choice.h"

#include "platform/portable/portable.h"
#include "setup/registry_file.h"

#include <cstdio>

namespace quorlan_params {

bool chooseRegistry(bool fileGiven, const std::string& file, std::string* error) {
    if (!portable::useRegistryFile(chooseRegistryFile(fileGiven, file).path, error))
        return false;
    // A hive left dirty by a crash was brought up to date from its logs: said once.
    std::string replayed = portable::registryReplayNote();
    if (!replayed.empty())
        std::fprintf(stderr, "quorlan-params: %s\n", replayed.c_str());
    return true;
}

void useLineFeedOutput() {}

const char* registryHelp() {
    return "The registry is the file given with --registry, else $QUORLAN_REGISTRY, else\n"
           "./quorlan.reg, as quorlan-setup takes it; a missing file is an empty registry.\n";
}

} // namespace quorlan_params
