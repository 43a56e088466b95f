#include "system_registry.h"

SystemRegistry::~SystemRegistry() = default;

bool SystemRegistry::open() {
    return true;
}
