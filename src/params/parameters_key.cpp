#include "params/parameters_key.h"

namespace {
const char kServicesKey[] = "System\\CurrentControlSet\\Services\\";
const char kParametersSubkey[] = "\\Parameters";
} // namespace

HeapText parametersKeyPath(const char* serviceName) {
    HeapText path(kServicesKey);
    path.append(serviceName).append(kParametersSubkey);
    return path;
}
