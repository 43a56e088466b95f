// What list and get show of each property: its value as the dialog shows it after loading,
// with what was stored, and the property's catalogue data, as a table or as JSON.
#pragma once

#include "params/property_values.h"

#include <string>
#include <vector>

namespace quorlan_params {

struct PropertyState {
    const PropertyRow* row;
    bool present;        // false for an optional property that is absent
    std::string display; // the display value after loading (the absent marker when absent)
    bool storedRead;     // whether the registry value read
    std::string stored;  // the text read, when it read
    bool unmapped;       // a List property whose stored code has no label: the default shows
};

// The state of one property, or of all eight in catalogue order, from values just loaded
// (read, then translated into display values).
PropertyState loadedState(const PropertyValues& values, PropertyId id);
std::vector<PropertyState> loadedStates(const PropertyValues& values);

// The value as a word: the display value, or "absent".
std::string valueWord(const PropertyState& state);
// What deserves a remark about the stored value (an unmapped code, a value not stored), or "".
std::string storedNote(const PropertyState& state);
// The value word followed by the note in parentheses, if there is one.
std::string shownValue(const PropertyState& state);

// One line per property under a heading: PROPERTY VALUE NAME KIND DEFAULT ACCEPTS.
std::string propertyTable(const std::vector<PropertyState>& states);
// One object per property with the same keys every time (see --help).
std::string propertyJson(const PropertyState& state);
std::string propertiesJson(const std::vector<PropertyState>& states);

} // namespace quorlan_params
