#include "params/property_catalogue.h"

#include "params/text_compare.h"

namespace {

const char* const enableLabels[] = {"Enable", "Disable"};
const char* const enableCodes[] = {"1", "0"};
const LabelMap enableMap{enableLabels, enableCodes, 2};

// "Autonegotiate" is code 8, not 0.
const char* const mediaLabels[] = {"Autonegotiate", "Auto 1000",      "Auto 100",
                                   "Auto 10",       "Force 100 Full", "Force 100 Half",
                                   "Force 10 Full", "Force 10 Half"};
const char* const mediaCodes[] = {"8", "1", "2", "3", "4", "5", "6", "7"};
const LabelMap mediaMap{mediaLabels, mediaCodes, 8};

// "Enable" pauses both directions: code 3.
const char* const pauseLabels[] = {"Enable", "Disable", "Tx Pause Frames", "Rx Pause Frames"};
const char* const pauseCodes[] = {"3", "0", "1", "2"};
const LabelMap pauseMap{pauseLabels, pauseCodes, 4};

const char* const packetSizeLabels[] = {"1514 (standard)", "4088", "9014 (Alteon)", "10000",
                                        "16128"};
const char* const packetSizeCodes[] = {"1514", "4088", "9014", "10000", "16128"};
const LabelMap packetSizeMap{packetSizeLabels, packetSizeCodes, 5};

// "VLAN ID" below its minimum becomes 1, not 0, and says nothing.
const NumberRange vlanRange{0, 4095, 1, false, "Out of Range (0 to 4095)"};
const NumberRange receiveBuffersRange{32, 1024, 32, true, "Out of Range (32 to 1024)"};

const PropertyRow rows[PropertyCount] = {
    {PropertyId::Address, "Address", "NetworkAddress", ValueKind::Text, nullptr, nullptr, 12,
     AbsentMarker, true},
    {PropertyId::VlanId, "VLAN ID", "VLANID", ValueKind::Number, nullptr, &vlanRange, 4,
     AbsentMarker, true},
    {PropertyId::MediaType, "Media Type", "NetworkMedia", ValueKind::List, &mediaMap, nullptr, 0,
     "Autonegotiate", false},
    {PropertyId::PauseControl, "Pause Control", "FlowControl", ValueKind::List, &pauseMap, nullptr,
     0, "Enable", false},
    {PropertyId::PacketSize, "Packet Size (maximum)", "JumboFrame", ValueKind::List, &packetSizeMap,
     nullptr, 0, "1514 (standard)", false},
    {PropertyId::ReceiveBuffers, "Receive Buffers", "RxQueueSz", ValueKind::Number, nullptr,
     &receiveBuffersRange, 4, "64", false},
    {PropertyId::IeeeCompliantLink, "IEEE Compliant Link", "NcBit", ValueKind::List, &enableMap,
     nullptr, 0, "Enable", false},
    {PropertyId::PriorityQueues, "Priority Queues", "PriQ", ValueKind::List, &enableMap, nullptr, 0,
     "Disable", false},
};

const PropertyId storage[PropertyCount] = {
    PropertyId::Address,           PropertyId::VlanId,         PropertyId::PauseControl,
    PropertyId::IeeeCompliantLink, PropertyId::MediaType,      PropertyId::PacketSize,
    PropertyId::ReceiveBuffers,    PropertyId::PriorityQueues,
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
    return rows + PropertyCount;
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
