#include "platform/portable/advapi32/key_path.h"

#include "platform/portable/advapi32/registry_key.h"

namespace portable::registry {

namespace {
const char* const kRootNames[kRootCount] = {
    "HKEY_CLASSES_ROOT",     "HKEY_CURRENT_USER",   "HKEY_LOCAL_MACHINE", "HKEY_USERS",
    "HKEY_PERFORMANCE_DATA", "HKEY_CURRENT_CONFIG", "HKEY_DYN_DATA"};
} // namespace

const char* rootName(int root) {
    return kRootNames[root];
}

int rootIndex(std::string_view name) {
    for (int i = 0; i < kRootCount; ++i)
        if (sameName(name, kRootNames[i]))
            return i;
    return -1;
}

std::string KeyPath::text() const {
    std::string out = rootName(root);
    for (const std::string& name : names)
        out += "\\" + name;
    return out;
}

} // namespace portable::registry
