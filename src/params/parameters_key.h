// Where a service keeps its adapter parameters, under HKEY_LOCAL_MACHINE.
#pragma once

#include "framework/heap_text.h"

// "System\CurrentControlSet\Services\<service>\Parameters"; the service name is pasted in
// unchanged, backslashes included, whatever its length.
HeapText parametersKeyPath(const char* serviceName);
