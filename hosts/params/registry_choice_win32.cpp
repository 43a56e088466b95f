// Windows: the registry is the machine's own.
#include "registry_choice.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>

namespace quorlan_params {

bool chooseRegistry(bool fileGiven, const std::string&, std::string* error) {
    if (fileGiven) {
        *error = "--registry is for the Linux build; on Windows the command works on this "
                 "machine's registry";
        return false;
    }
    return true;
}

void useLineFeedOutput() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

const char* registryHelp() {
    return "The registry is this machine's own (run as an administrator to set or reset);\n"
           "--registry is refused.\n";
}

} // namespace quorlan_params
