#include "host_module.h"

#include "platform/portable/portable.h"

std::function<void()> registryBeforeEachCall() {
    return [] { portable::useMemoryRegistry(); };
}
