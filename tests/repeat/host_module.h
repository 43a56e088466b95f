// quorlan loaded as this platform's setup host loads it, and what the scenario runner needs
// there (host_module_portable.cpp: quorlan.so on a fresh in-memory registry per call;
// host_module_win32.cpp: quorlan.dll on the real registry).
#pragma once

#include "scenario/run/scenario_runner.h"

#include <string>

// Loads the module for the rest of the process; false with *error set when it does not load.
bool loadHostModule(scenario::RunnerSettings* settings, std::string* error);
