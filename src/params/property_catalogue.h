// The fixed table of the adapter's eight properties: list label, registry value, editor kind,
// label map, number range, typing limit, default display value and whether it may be absent.
// The rest of the product looks properties up here instead of repeating their data.
#pragma once

#include "params/label_map.h"
#include "params/number_range.h"
#include "params/value_kind.h"

#include <cstddef>
#include <cstdint>

// The display and stored value of an optional property that is not present.
constexpr const char kAbsentMarker[] = "-1";

// Rows in catalogue order: the order in which the labels are added to the property list.
enum class PropertyId : size_t {
    kAddress,
    kVlanId,
    kMediaType,
    kPauseControl,
    kPacketSize,
    kReceiveBuffers,
    kIeeeCompliantLink,
    kPriorityQueues,
};
constexpr size_t kPropertyCount = 8;

struct PropertyRow {
    PropertyId id;
    const char* label;
    const char* valueName;
    ValueKind kind;
    const LabelMap* map = nullptr;      // List properties only
    const NumberRange* range = nullptr; // Number properties only
    int typingLimit;                    // characters a person may type; 0 when the editor is a list
    const char* defaultDisplay;
    bool mayBeAbsent;
};

namespace PropertyCatalogue {

const PropertyRow& row(PropertyId id);
const PropertyRow* begin();
const PropertyRow* end();
// The row whose label equals `label` without regard to case, or null.
const PropertyRow* findByLabel(const char* label);
// The row whose registry value is named `name` without regard to case (as the registry
// compares names), or null.
const PropertyRow* findByValueName(const char* name);
// The order in which the registry values are read and written.
const PropertyId* storageOrder(); // kPropertyCount entries

} // namespace PropertyCatalogue

inline size_t indexOf(PropertyId id) {
    return static_cast<size_t>(id);
}
