// The checks of a call's outcome: the result word, the message boxes shown, the values under
// Parameters afterwards.
#pragma once

#include "scenario/person/message_box_watch.h"
#include "registry_stage.h"
#include "scenario/language/scenario.h"

#include <string>
#include <vector>

namespace scenario {

struct CallOutcome {
    std::string word;                   // read through the result pointer
    std::vector<ShownMessage> messages; // in the order shown
    ParametersSnapshot before;          // Parameters right before the call
};

// Empty when every check of the scenario holds, else the first difference, in file order.
std::string firstDifference(const Scenario& scenario, const CallOutcome& outcome);

} // namespace scenario
