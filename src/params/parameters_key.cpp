#include "params/parameters_key.h"

namespace {
const char servicesKey[] = "System\\CurrentControlSet\\Services\\";
const char parametersSubkey[] = "\\Parameters";
} // namespace

HeapText parametersKeyPath(const char* serviceName) {
    HeapText path(servicesKey);
    path.append(serviceName).append(parametersSubkey);
    return path;
}
