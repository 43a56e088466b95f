#include "params/parameters_key.h"

namespace {
const char servicesKey[] = "System\\CurrentControlSet\\Services";
const char parametersSubkey[] = "Parameters";
} // namespace

std::string parametersKeyPath(const char* serviceName) {
    std::string path(servicesKey);
    path += '\\';
    path += serviceName ? serviceName : "";
    path += '\\';
    path += parametersSubkey;
    return path;
}
