#include "host_module.h"

// The real registry stays; the runner rebuilds the service's key for each call.
std::function<void()> registryBeforeEachCall() {
    return nullptr;
}
