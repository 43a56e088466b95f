#include "params/parameters_key.h"
#include "params/property_values.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

void read(PropertyValues& values, PropertyId id, const char* text) {
    values.storeRead(id, text, std::strlen(text) + 1);
}

// A property's value in a test's table.
struct Entry {
    PropertyId id;
    const char* text;
};

void expectStored(const PropertyValues& values, std::initializer_list<Entry> expected) {
    for (const Entry& e : expected)
        EXPECT_STREQ(e.text, values.stored(e.id).c_str()) << "property " << static_cast<int>(e.id);
}

void expectDisplayed(const PropertyValues& values, std::initializer_list<Entry> expected) {
    for (const Entry& e : expected)
        EXPECT_STREQ(e.text, values.display(e.id).c_str()) << "property " << static_cast<int>(e.id);
}

// What was read, shown in the dialog, then turned back into what is written.
void showAndWriteBack(PropertyValues& values) {
    values.displayFromStored();
    values.storedFromDisplay();
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
    EXPECT_STREQ("-1", values.stored(PropertyId::kAddress).c_str());
    EXPECT_STREQ("-1", values.stored(PropertyId::kVlanId).c_str());
    EXPECT_TRUE(values.stored(PropertyId::kReceiveBuffers).empty());
    EXPECT_STREQ("64", values.display(PropertyId::kReceiveBuffers).c_str());
    EXPECT_STREQ("Autonegotiate", values.display(PropertyId::kMediaType).c_str());

    values.storedFromDisplay();
    EXPECT_TRUE(values.storedIsAbsent(PropertyId::kAddress));
    EXPECT_TRUE(values.storedIsAbsent(PropertyId::kVlanId));
    expectStored(values, {{PropertyId::kReceiveBuffers, "64"},
                          {PropertyId::kMediaType, "8"},
                          {PropertyId::kPauseControl, "3"},
                          {PropertyId::kPacketSize, "1514"},
                          {PropertyId::kIeeeCompliantLink, "1"},
                          {PropertyId::kPriorityQueues, "0"}});
}

TEST(PropertyValues, ReadValuesBecomeDisplayValues) {
    PropertyValues values;
    const Entry stored[] = {
        {PropertyId::kAddress, "00A0C9123456"},
        {PropertyId::kVlanId, "9999"},
        {PropertyId::kReceiveBuffers, ""},
        {PropertyId::kMediaType, "4"},
        {PropertyId::kPauseControl, "2"},
        {PropertyId::kIeeeCompliantLink, " 1"}, // no label: the default stays
    };
    for (const Entry& e : stored)
        read(values, e.id, e.text);
    values.displayFromStored();
    expectDisplayed(values, {{PropertyId::kAddress, "00A0C9123456"},
                             {PropertyId::kVlanId, "9999"},
                             {PropertyId::kReceiveBuffers, ""}, // read, though empty
                             {PropertyId::kMediaType, "Force 100 Full"},
                             {PropertyId::kPauseControl, "Rx Pause Frames"},
                             {PropertyId::kIeeeCompliantLink, "Enable"}});
}

TEST(PropertyValues, AnUnmappedCodeIsWrittenAsItsLabelsCode) {
    PropertyValues values;
    read(values, PropertyId::kMediaType, "0");
    showAndWriteBack(values);
    EXPECT_STREQ("8", values.stored(PropertyId::kMediaType).c_str());
}

TEST(PropertyValues, AStoredAbsentMarkerCountsOnlyForOptionalProperties) {
    PropertyValues values;
    read(values, PropertyId::kAddress, "-1");
    read(values, PropertyId::kReceiveBuffers, "-1");
    showAndWriteBack(values);
    EXPECT_TRUE(values.storedIsAbsent(PropertyId::kAddress));
    EXPECT_FALSE(values.storedIsAbsent(PropertyId::kReceiveBuffers));
    EXPECT_STREQ("-1", values.stored(PropertyId::kReceiveBuffers).c_str());
}

TEST(PropertyValues, SetDefaultsTouchesOnlyDisplayValues) {
    PropertyValues values;
    read(values, PropertyId::kMediaType, "4");
    values.displayFromStored();
    values.setDefaults();
    EXPECT_STREQ("Autonegotiate", values.display(PropertyId::kMediaType).c_str());
    EXPECT_STREQ("4", values.stored(PropertyId::kMediaType).c_str());
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
