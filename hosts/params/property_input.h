// What a command line may say about a property: its name, and the value it is given. A value
// is never corrected: one outside what the property accepts is refused. A number may have
// leading zeros, which are dropped ("0012" is 12).
#pragma once

#include "params/property_catalogue.h"

#include <string>

namespace quorlan_params {

// The word for a value that is not present, for the two optional properties.
constexpr const char kAbsentWord[] = "absent";

// The row named by its list label (any case) or by its registry value name, or null.
const PropertyRow* findProperty(const std::string& name);

// Every property's label, for a message about a name that is none of them.
std::string propertyLabels();

// What the property accepts, as one line: its labels, its range or the address form.
std::string acceptedValues(const PropertyRow& row);

// The display value `input` stands for: a List property's label as the catalogue spells it,
// a Number in plain decimal, an address as its 12 digits, or the absent marker. False when the
// property does not accept `input`.
bool displayValueFor(const PropertyRow& row, const std::string& input, std::string* display);

} // namespace quorlan_params
