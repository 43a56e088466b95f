#include "params/parameters_key.h"
#include "params/property_values.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

void read(PropertyValues& values, PropertyId id, const char* text) {
    values.storeRead(id, text, std::strlen(text) + 1);
}

TEST(PropertyValues, StartWithTheDefaultsAndEmptyStoredValues) {
    PropertyValues values;
    for (const PropertyRow* row = PropertyCatalogue::begin(); row != PropertyCatalogue::end();
         ++row) {
        EXPECT_STREQ(row->defaultDisplay, values.display(row->id).c_str());
        EXPECT_TRUE(values.stored(row->id).empty());
    }
}

TEST(PropertyValues, UnreadValuesMakeOnlyTheOptionalOnesAbsent) {
    PropertyValues values;
    for (const PropertyRow* row = PropertyCatalogue::begin(); row != PropertyCatalogue::end();
         ++row)
        values.storeUnread(row->id);
    values.displayFromStored();
    EXPECT_STREQ("-1", values.stored(PropertyId::Address).c_str());
    EXPECT_STREQ("-1", values.stored(PropertyId::VlanId).c_str());
    EXPECT_TRUE(values.stored(PropertyId::ReceiveBuffers).empty());
    EXPECT_STREQ("64", values.display(PropertyId::ReceiveBuffers).c_str());
    EXPECT_STREQ("Autonegotiate", values.display(PropertyId::MediaType).c_str());

    values.storedFromDisplay();
    EXPECT_TRUE(values.storedIsAbsent(PropertyId::Address));
    EXPECT_TRUE(values.storedIsAbsent(PropertyId::VlanId));
    EXPECT_STREQ("64", values.stored(PropertyId::ReceiveBuffers).c_str());
    EXPECT_STREQ("8", values.stored(PropertyId::MediaType).c_str());
    EXPECT_STREQ("3", values.stored(PropertyId::PauseControl).c_str());
    EXPECT_STREQ("1514", values.stored(PropertyId::PacketSize).c_str());
    EXPECT_STREQ("1", values.stored(PropertyId::IeeeCompliantLink).c_str());
    EXPECT_STREQ("0", values.stored(PropertyId::PriorityQueues).c_str());
}

TEST(PropertyValues, ReadValuesBecomeDisplayValues) {
    PropertyValues values;
    read(values, PropertyId::Address, "00A0C9123456");
    read(values, PropertyId::VlanId, "9999");
    read(values, PropertyId::ReceiveBuffers, "");
    read(values, PropertyId::MediaType, "4");
    read(values, PropertyId::PauseControl, "2");
    read(values, PropertyId::IeeeCompliantLink, " 1"); // no label: the default stays
    values.displayFromStored();
    EXPECT_STREQ("00A0C9123456", values.display(PropertyId::Address).c_str());
    EXPECT_STREQ("9999", values.display(PropertyId::VlanId).c_str());
    EXPECT_STREQ("", values.display(PropertyId::ReceiveBuffers).c_str()); // read, though empty
    EXPECT_STREQ("Force 100 Full", values.display(PropertyId::MediaType).c_str());
    EXPECT_STREQ("Rx Pause Frames", values.display(PropertyId::PauseControl).c_str());
    EXPECT_STREQ("Enable", values.display(PropertyId::IeeeCompliantLink).c_str());
}

TEST(PropertyValues, AnUnmappedCodeIsWrittenAsItsLabelsCode) {
    PropertyValues values;
    read(values, PropertyId::MediaType, "0");
    values.displayFromStored();
    values.storedFromDisplay();
    EXPECT_STREQ("8", values.stored(PropertyId::MediaType).c_str());
}

TEST(PropertyValues, AStoredAbsentMarkerCountsOnlyForOptionalProperties) {
    PropertyValues values;
    read(values, PropertyId::Address, "-1");
    read(values, PropertyId::ReceiveBuffers, "-1");
    values.displayFromStored();
    values.storedFromDisplay();
    EXPECT_TRUE(values.storedIsAbsent(PropertyId::Address));
    EXPECT_FALSE(values.storedIsAbsent(PropertyId::ReceiveBuffers));
    EXPECT_STREQ("-1", values.stored(PropertyId::ReceiveBuffers).c_str());
}

TEST(PropertyValues, SetDefaultsTouchesOnlyDisplayValues) {
    PropertyValues values;
    read(values, PropertyId::MediaType, "4");
    values.displayFromStored();
    values.setDefaults();
    EXPECT_STREQ("Autonegotiate", values.display(PropertyId::MediaType).c_str());
    EXPECT_STREQ("4", values.stored(PropertyId::MediaType).c_str());
}

TEST(ParametersKey, ThePathPastesTheServiceNameUnchanged) {
    EXPECT_STREQ("System\\CurrentControlSet\\Services\\Veloxa\\Parameters",
                 parametersKeyPath("Veloxa").c_str());
    EXPECT_STREQ("System\\CurrentControlSet\\Services\\a\\b\\Parameters",
                 parametersKeyPath("a\\b").c_str());
    EXPECT_STREQ("System\\CurrentControlSet\\Services\\\\Parameters",
                 parametersKeyPath("").c_str());
    const std::string longName(5000, 'n');
    EXPECT_EQ(5000u + 45u, parametersKeyPath(longName.c_str()).size());
}

} // namespace
