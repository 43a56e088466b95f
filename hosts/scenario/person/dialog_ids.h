// The controls of the properties dialog that a person works with are named by the product's own
// template ids (resources/resource.h); a message box's parts have ids of their own.
#pragma once

#include "resources/resource.h"

namespace scenario {

// A message box keeps its text in a static with this id and its icon in one with the other.
const unsigned kMessageBoxTextId = 0xFFFF;
const unsigned kMessageBoxIconId = 0x0440;

} // namespace scenario
