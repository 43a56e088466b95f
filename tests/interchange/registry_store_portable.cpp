#include "registry_store.h"

#include "platform/portable/portable_registry.h"

namespace interchange {

const char* storeArguments() {
    return " FILE.reg";
}

bool chooseStore(const std::vector<std::string>& arguments, std::string* error) {
    if (arguments.size() != 1) {
        *error = "name one registry file";
        return false;
    }
    return portable::useRegistryFile(arguments[0], error);
}

} // namespace interchange
