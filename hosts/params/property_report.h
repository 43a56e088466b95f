// What list and get show of each property: its value as the dialog shows it after loading,
// with what was stored, and the property's catalogue data, as a table or as JSON.
#pragma once

#include "params/property_values.h"
#include "platform/win32.h"

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
    DWORD storedType;    // the registry type of the stored value (REG_SZ when not stored)
    DWORD storedNumber;  // the number stored, for a REG_DWORD
};

// The state of one property, or of all eight in catalogue order, from values just loaded
// (read, then translated into display values) from `key`, which tells the values' types.
PropertyState loadedState(const PropertyValues& values, PropertyId id, HKEY key);
std::vector<PropertyState> loadedStates(const PropertyValues& values, HKEY key);

// The value as a word: the display value (a control character in it as '?'), or "absent".
std::string valueWord(const PropertyState& state);
// What deserves a remark about the stored value, or "": whatever makes the dialog show other
// than what was stored (a code without a label, data that is not text, a number out of range or
// not a number), or a value not stored.
std::string storedNote(const PropertyState& state);
// The value word followed by the note in parentheses, if there is one.
std::string shownValue(const PropertyState& state);

// One line per property under a heading: PROPERTY VALUE NAME KIND DEFAULT ACCEPTS.
std::string propertyTable(const std::vector<PropertyState>& states);
// One object per property with the same keys every time (see --help).
std::string propertyJson(const PropertyState& state);
std::string propertiesJson(const std::vector<PropertyState>& states);

} // namespace quorlan_params
