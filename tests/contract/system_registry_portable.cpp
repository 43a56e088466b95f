#include "system_registry.h"

#include "platform/portable/portable.h"
#include "test_hive.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

SystemRegistry::~SystemRegistry() {
    portable::useMemoryRegistry();
    if (*folder_) {
        ::unlink((std::string(folder_) + "/SYSTEM").c_str());
        ::rmdir(folder_);
    }
}

bool SystemRegistry::open() {
    std::strcpy(folder_, "/tmp/quorlan-system-XXXXXX");
    if (!::mkdtemp(folder_)) {
        *folder_ = '\0';
        return false;
    }
    std::string path = std::string(folder_) + "/SYSTEM", error;
    return test_support::writeTestHive(path, {}, &error) && portable::useRegistryFile(path, &error);
}
