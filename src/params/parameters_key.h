// Where a service keeps its adapter parameters, under HKEY_LOCAL_MACHINE.
#pragma once

#include <string>

// "System\CurrentControlSet\Services\<service>\Parameters"; the service name is pasted in
// unchanged, backslashes included.
std::string parametersKeyPath(const char* serviceName);
