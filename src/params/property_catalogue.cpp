#include "params/property_catalogue.h"

#include "params/text_compare.h"

namespace {

const char* const kEnableLabels[] = {"Enable", "Disable"};
const char* const kEnableCodes[] = {"1", "0"};
const LabelMap kEnableMap{kEnableLabels, kEnableCodes, 2};

// "Autonegotiate" is code 8, not 0.
const char* const kMediaLabels[] = {"Autonegotiate", "Auto 1000",      "Auto 100",
                                    "Auto 10",       "Force 100 Full", "Force 100 Half",
                                    "Force 10 Full", "Force 10 Half"};
const char* const kMediaCodes[] = {"8", "1", "2", "3", "4", "5", "6", "7"};
const LabelMap kMediaMap{kMediaLabels, kMediaCodes, 8};

// "Enable" pauses both directions: code 3.
const char* const kPauseLabels[] = {"Enable", "Disable", "Tx Pause Frames", "Rx Pause Frames"};
const char* const kPauseCodes[] = {"3", "0", "1", "2"};
const LabelMap kPauseMap{kPauseLabels, kPauseCodes, 4};

const char* const kPacketSizeLabels[] = {"1514 (standard)", "4088", "9014 (Alteon)", "10000",
                                         "16128"};
const char* const kPacketSizeCodes[] = {"1514", "4088", "9014", "10000", "16128"};
const LabelMap kPacketSizeMap{kPacketSizeLabels, kPacketSizeCodes, 5};

// "VLAN ID" below its minimum becomes 1, not 0, and says nothing.
const NumberRange kVlanRange{.minimum = 0,
                             .maximum = 4095,
                             .belowMinimumBecomes = 1,
                             .messageBelowMinimum = false,
                             .message = "Out of Range (0 to 4095)"};
const NumberRange kReceiveBuffersRange{.minimum = 32,
                                       .maximum = 1024,
                                       .belowMinimumBecomes = 32,
                                       .messageBelowMinimum = true,
                                       .message = "Out of Range (32 to 1024)"};

// A row names its label map only for a List and its range only for a Number.
const PropertyRow rows[kPropertyCount] = {
    {.id = PropertyId::kAddress,
     .label = "Address",
     .valueName = "NetworkAddress",
     .kind = ValueKind::kText,
     .typingLimit = 12,
     .defaultDisplay = kAbsentMarker,
     .mayBeAbsent = true},
    {.id = PropertyId::kVlanId,
     .label = "VLAN ID",
     .valueName = "VLANID",
     .kind = ValueKind::kNumber,
     .range = &kVlanRange,
     .typingLimit = 4,
     .defaultDisplay = kAbsentMarker,
     .mayBeAbsent = true},
    {.id = PropertyId::kMediaType,
     .label = "Media Type",
     .valueName = "NetworkMedia",
     .kind = ValueKind::kList,
     .map = &kMediaMap,
     .typingLimit = 0,
     .defaultDisplay = "Autonegotiate",
     .mayBeAbsent = false},
    {.id = PropertyId::kPauseControl,
     .label = "Pause Control",
     .valueName = "FlowControl",
     .kind = ValueKind::kList,
     .map = &kPauseMap,
     .typingLimit = 0,
     .defaultDisplay = "Enable",
     .mayBeAbsent = false},
    {.id = PropertyId::kPacketSize,
     .label = "Packet Size (maximum)",
     .valueName = "JumboFrame",
     .kind = ValueKind::kList,
     .map = &kPacketSizeMap,
     .typingLimit = 0,
     .defaultDisplay = "1514 (standard)",
     .mayBeAbsent = false},
    {.id = PropertyId::kReceiveBuffers,
     .label = "Receive Buffers",
     .valueName = "RxQueueSz",
     .kind = ValueKind::kNumber,
     .range = &kReceiveBuffersRange,
     .typingLimit = 4,
     .defaultDisplay = "64",
     .mayBeAbsent = false},
    {.id = PropertyId::kIeeeCompliantLink,
     .label = "IEEE Compliant Link",
     .valueName = "NcBit",
     .kind = ValueKind::kList,
     .map = &kEnableMap,
     .typingLimit = 0,
     .defaultDisplay = "Enable",
     .mayBeAbsent = false},
    {.id = PropertyId::kPriorityQueues,
     .label = "Priority Queues",
     .valueName = "PriQ",
     .kind = ValueKind::kList,
     .map = &kEnableMap,
     .typingLimit = 0,
     .defaultDisplay = "Disable",
     .mayBeAbsent = false},
};

const PropertyId storage[kPropertyCount] = {
    PropertyId::kAddress,           PropertyId::kVlanId,         PropertyId::kPauseControl,
    PropertyId::kIeeeCompliantLink, PropertyId::kMediaType,      PropertyId::kPacketSize,
    PropertyId::kReceiveBuffers,    PropertyId::kPriorityQueues,
};

} // namespace

namespace PropertyCatalogue {

const PropertyRow& row(PropertyId id) {
    return rows[indexOf(id)];
}
const PropertyRow* begin() {
    return rows;
}
const PropertyRow* end() {
    return rows + kPropertyCount;
}

const PropertyRow* findByLabel(const char* label) {
    for (const PropertyRow& candidate : rows) {
        if (equalsIgnoreCase(candidate.label, label))
            return &candidate;
    }
    return nullptr;
}

const PropertyRow* findByValueName(const char* name) {
    for (const PropertyRow& candidate : rows) {
        if (equalsIgnoreCase(candidate.valueName, name))
            return &candidate;
    }
    return nullptr;
}

const PropertyId* storageOrder() {
    return storage;
}

} // namespace PropertyCatalogue
