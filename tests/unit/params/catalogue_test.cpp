#include "params/property_catalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct RowExpectation {
    PropertyId id;
    const char* label;
    const char* valueName;
    ValueKind kind;
    const char* defaultDisplay;
    bool mayBeAbsent;
    int typingLimit;
};

const RowExpectation expectedRows[] = {
    {PropertyId::kAddress, "Address", "NetworkAddress", ValueKind::kText, "-1", true, 12},
    {PropertyId::kVlanId, "VLAN ID", "VLANID", ValueKind::kNumber, "-1", true, 4},
    {PropertyId::kMediaType, "Media Type", "NetworkMedia", ValueKind::kList, "Autonegotiate", false,
     0},
    {PropertyId::kPauseControl, "Pause Control", "FlowControl", ValueKind::kList, "Enable", false,
     0},
    {PropertyId::kPacketSize, "Packet Size (maximum)", "JumboFrame", ValueKind::kList,
     "1514 (standard)", false, 0},
    {PropertyId::kReceiveBuffers, "Receive Buffers", "RxQueueSz", ValueKind::kNumber, "64", false,
     4},
    {PropertyId::kIeeeCompliantLink, "IEEE Compliant Link", "NcBit", ValueKind::kList, "Enable",
     false, 0},
    {PropertyId::kPriorityQueues, "Priority Queues", "PriQ", ValueKind::kList, "Disable", false, 0},
};

TEST(PropertyCatalogue, RowsInCatalogueOrderWithTheirData) {
    ASSERT_EQ(kPropertyCount,
              static_cast<size_t>(PropertyCatalogue::end() - PropertyCatalogue::begin()));
    size_t i = 0;
    for (const PropertyRow* row = PropertyCatalogue::begin(); row != PropertyCatalogue::end();
         ++row, ++i) {
        const RowExpectation& expected = expectedRows[i];
        SCOPED_TRACE(expected.label);
        EXPECT_EQ(expected.id, row->id);
        EXPECT_STREQ(expected.label, row->label);
        EXPECT_STREQ(expected.valueName, row->valueName);
        EXPECT_EQ(expected.kind, row->kind);
        EXPECT_STREQ(expected.defaultDisplay, row->defaultDisplay);
        EXPECT_EQ(expected.mayBeAbsent, row->mayBeAbsent);
        EXPECT_EQ(expected.typingLimit, row->typingLimit);
        EXPECT_EQ(row->kind == ValueKind::kList, row->map != nullptr);
        EXPECT_EQ(row->kind == ValueKind::kNumber, row->range != nullptr);
        EXPECT_EQ(row, &PropertyCatalogue::row(row->id));
    }
}

namespace {

void expectRange(const NumberRange* range, int32_t minimum, int32_t maximum,
                 int32_t belowMinimumBecomes, bool messageBelowMinimum, const char* message) {
    ASSERT_NE(nullptr, range);
    EXPECT_EQ(minimum, range->minimum);
    EXPECT_EQ(maximum, range->maximum);
    EXPECT_EQ(belowMinimumBecomes, range->belowMinimumBecomes);
    EXPECT_EQ(messageBelowMinimum, range->messageBelowMinimum);
    EXPECT_STREQ(message, range->message);
}

} // namespace

TEST(PropertyCatalogue, NumberRangesAndTheirCorrections) {
    expectRange(PropertyCatalogue::row(PropertyId::kVlanId).range, 0, 4095, 1, false,
                "Out of Range (0 to 4095)");
    expectRange(PropertyCatalogue::row(PropertyId::kReceiveBuffers).range, 32, 1024, 32, true,
                "Out of Range (32 to 1024)");
}

TEST(PropertyCatalogue, FindByLabelIgnoresCaseOnly) {
    struct Case {
        const char* label;
        const PropertyRow* expected;
    };
    const Case cases[] = {
        {"VLAN ID", &PropertyCatalogue::row(PropertyId::kVlanId)},
        {"vlan id", &PropertyCatalogue::row(PropertyId::kVlanId)},
        {"receive BUFFERS", &PropertyCatalogue::row(PropertyId::kReceiveBuffers)},
        {"packet size (MAXIMUM)", &PropertyCatalogue::row(PropertyId::kPacketSize)},
        {"VLAN", nullptr},
        {"VLAN ID ", nullptr},
        {" Address", nullptr},
        {"", nullptr},
        {nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label ? c.label : "(null)");
        EXPECT_EQ(c.expected, PropertyCatalogue::findByLabel(c.label));
    }
}

// Registry names, not labels: "VLAN ID" is a label only, "vlanid" a name in another case.
TEST(PropertyCatalogue, FindByValueNameIgnoresCaseOnly) {
    EXPECT_EQ(&PropertyCatalogue::row(PropertyId::kMediaType),
              PropertyCatalogue::findByValueName("NetworkMedia"));
    EXPECT_EQ(&PropertyCatalogue::row(PropertyId::kVlanId),
              PropertyCatalogue::findByValueName("vlanid"));
    EXPECT_EQ(nullptr, PropertyCatalogue::findByValueName("VLAN ID"));
    EXPECT_EQ(nullptr, PropertyCatalogue::findByValueName("PriQ "));
    EXPECT_EQ(nullptr, PropertyCatalogue::findByValueName(nullptr));
}

TEST(PropertyCatalogue, StorageOrderIsTheRegistryOrder) {
    std::vector<std::string> names;
    for (size_t i = 0; i < kPropertyCount; ++i)
        names.push_back(PropertyCatalogue::row(PropertyCatalogue::storageOrder()[i]).valueName);
    const std::vector<std::string> expected = {"NetworkAddress", "VLANID",       "FlowControl",
                                               "NcBit",          "NetworkMedia", "JumboFrame",
                                               "RxQueueSz",      "PriQ"};
    EXPECT_EQ(expected, names);
}

} // namespace
