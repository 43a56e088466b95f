#include "scenario_runner.h"

#include "outcome_checks.h"
#include "scenario/person/scenario_driver.h"
#include "scenario/language/scenario_parser.h"

#include <cstdio>

namespace scenario {

int ScenarioRunner::runAll(const std::vector<std::string>& files) {
    int passed = 0;
    int failed = 0;
    for (const std::string& file : files) {
        Scenario scenario;
        std::string difference;
        if (!loadScenario(file, &scenario, &difference)) {
            if (scenario.name.empty()) {
                scenario.name = file; // not even read
            }
        } else {
            difference = runOne(scenario);
        }
        if (difference.empty()) {
            ++passed;
            std::printf("PASS %s\n", scenario.name.c_str());
        } else {
            ++failed;
            std::printf("FAIL %s: %s\n", scenario.name.c_str(), difference.c_str());
        }
        std::fflush(stdout);
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    std::fflush(stdout);
    return failed;
}

std::string ScenarioRunner::runOne(const Scenario& scenario) {
    if (settings_.beforeEach) {
        settings_.beforeEach();
    }
    std::string error;
    if (!RegistryStage(settings_.rebuildServiceKey).prepare(scenario, &error)) {
        return "setup: " + error;
    }
    CallOutcome outcome;
    outcome.before = RegistryStage::snapshot(scenario.service);

    ScenarioDriver driver(scenario.steps);
    driver.start();
    outcome.word = callEntryPoint(settings_.entry, scenario.service).word;
    driver.stop();
    outcome.messages = driver.messages();
    if (settings_.afterCall) {
        settings_.afterCall();
    }
    if (!driver.failure().empty()) {
        return driver.failure();
    }
    return firstDifference(scenario, outcome);
}

} // namespace scenario
