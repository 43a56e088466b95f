// quorlan loaded as this platform's setup host loads it, and what the scenario runner needs
// there: natively quorlan.so on a fresh in-memory registry per call, on Windows quorlan.dll on
// the real registry.
#pragma once

#include "scenario/run/scenario_runner.h"

#include <functional>
#include <string>

// Loads the module for the rest of the process; false with *error set when it does not load.
bool loadHostModule(scenario::RunnerSettings* settings, std::string* error);

// What the registry is made before each call (host_module_portable.cpp, host_module_win32.cpp).
std::function<void()> registryBeforeEachCall();
