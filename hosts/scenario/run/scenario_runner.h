// Plays scenario files one after another, each as one call of the module's entry point, and
// prints "PASS name" or "FAIL name: first difference" for each, then "N passed, N failed".
#pragma once

#include "entry_point_call.h"
#include "registry_stage.h"
#include "scenario/language/scenario.h"

#include <functional>
#include <string>
#include <vector>

namespace scenario {

struct RunnerSettings {
    EntryPoint entry = nullptr;
    // Delete the service key before each setup (see RegistryStage).
    bool rebuildServiceKey = true;
    // Called before each scenario, e.g. to give it a fresh registry store; may be empty.
    std::function<void()> beforeEach;
    // Called after each call and before its checks, e.g. to read back the file the call saved
    // into, so that the checks see what was written; may be empty.
    std::function<void()> afterCall;
};

class ScenarioRunner {
  public:
    explicit ScenarioRunner(RunnerSettings settings) : settings_(std::move(settings)) {}

    // Returns the number of scenarios that failed.
    int runAll(const std::vector<std::string>& files);
    // Empty when the scenario passes, else its first difference.
    std::string runOne(const Scenario& scenario);

  private:
    RunnerSettings settings_;
};

} // namespace scenario
