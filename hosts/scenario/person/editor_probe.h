// Reads which value editor the properties dialog shows and the state of its two radios, in
// the words of the scenario language, so a check is a comparison of two descriptions.
#pragma once

#include "scenario/language/scenario.h"
#include "platform/win32.h"

#include <string>

namespace scenario {

// "list \"Auto 100\"", "number \"64\" enabled", "text \"\" disabled", "none", or several
// joined by " and " when more than one editor shows.
std::string describeEditor(HWND dialog);
// "present", "not-present", "hidden", or what else the radios show.
std::string describeRadios(HWND dialog);

// The description a check expects.
std::string expectedDescription(const Step& check);

// Empty when the check holds, else what differs.
std::string checkControls(HWND dialog, const Step& check);

} // namespace scenario
