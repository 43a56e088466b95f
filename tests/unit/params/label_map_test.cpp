#include "params/property_catalogue.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Pair {
    PropertyId property;
    const char* label;
    const char* code;
};

// Every pair of every map, including the ones a reader might take for a sequence.
const Pair pairs[] = {
    {PropertyId::MediaType, "Autonegotiate", "8"},
    {PropertyId::MediaType, "Auto 1000", "1"},
    {PropertyId::MediaType, "Auto 100", "2"},
    {PropertyId::MediaType, "Auto 10", "3"},
    {PropertyId::MediaType, "Force 100 Full", "4"},
    {PropertyId::MediaType, "Force 100 Half", "5"},
    {PropertyId::MediaType, "Force 10 Full", "6"},
    {PropertyId::MediaType, "Force 10 Half", "7"},
    {PropertyId::PauseControl, "Enable", "3"},
    {PropertyId::PauseControl, "Disable", "0"},
    {PropertyId::PauseControl, "Tx Pause Frames", "1"},
    {PropertyId::PauseControl, "Rx Pause Frames", "2"},
    {PropertyId::PacketSize, "1514 (standard)", "1514"},
    {PropertyId::PacketSize, "4088", "4088"},
    {PropertyId::PacketSize, "9014 (Alteon)", "9014"},
    {PropertyId::PacketSize, "10000", "10000"},
    {PropertyId::PacketSize, "16128", "16128"},
    {PropertyId::IeeeCompliantLink, "Enable", "1"},
    {PropertyId::IeeeCompliantLink, "Disable", "0"},
    {PropertyId::PriorityQueues, "Enable", "1"},
    {PropertyId::PriorityQueues, "Disable", "0"},
};

const LabelMap& mapOf(PropertyId id) {
    return *PropertyCatalogue::row(id).map;
}

TEST(LabelMap, EveryLabelTranslatesToItsCodeAndBack) {
    for (const Pair& p : pairs) {
        SCOPED_TRACE(std::string(p.label) + " / " + p.code);
        ValueText code("unchanged");
        mapOf(p.property).labelToCode(ValueText(p.label), code);
        EXPECT_STREQ(p.code, code.c_str());
        ValueText label("unchanged");
        mapOf(p.property).codeToLabel(ValueText(p.code), label);
        EXPECT_STREQ(p.label, label.c_str());
    }
}

TEST(LabelMap, MapsListTheirLabelsInOrder) {
    EXPECT_EQ(8u, mapOf(PropertyId::MediaType).count);
    EXPECT_EQ(4u, mapOf(PropertyId::PauseControl).count);
    EXPECT_EQ(5u, mapOf(PropertyId::PacketSize).count);
    EXPECT_EQ(2u, mapOf(PropertyId::IeeeCompliantLink).count);
    EXPECT_EQ(&mapOf(PropertyId::IeeeCompliantLink), &mapOf(PropertyId::PriorityQueues));
    size_t index = 0;
    for (const Pair& p : pairs) {
        if (p.property != PropertyId::MediaType)
            continue;
        EXPECT_STREQ(p.label, mapOf(PropertyId::MediaType).labels[index++]);
    }
}

// Codes and labels compare exactly: no case folding, blanks or leading zeros.
TEST(LabelMap, WithoutAnExactMatchTheOutputIsLeftAsItWas) {
    struct Miss {
        PropertyId property;
        const char* input;
    };
    const Miss codeMisses[] = {
        {PropertyId::MediaType, "0"},          {PropertyId::MediaType, "9"},
        {PropertyId::MediaType, "08"},         {PropertyId::IeeeCompliantLink, " 1"},
        {PropertyId::IeeeCompliantLink, "01"}, {PropertyId::IeeeCompliantLink, "1 "},
        {PropertyId::PacketSize, ""},          {PropertyId::PauseControl, "-1"},
    };
    for (const Miss& m : codeMisses) {
        SCOPED_TRACE(m.input);
        ValueText label("kept");
        mapOf(m.property).codeToLabel(ValueText(m.input), label);
        EXPECT_STREQ("kept", label.c_str());
    }
    const Miss labelMisses[] = {
        {PropertyId::IeeeCompliantLink, "enable"}, {PropertyId::MediaType, "AUTONEGOTIATE"},
        {PropertyId::PacketSize, "1514"},          {PropertyId::PauseControl, "Enable "},
        {PropertyId::PriorityQueues, ""},
    };
    for (const Miss& m : labelMisses) {
        SCOPED_TRACE(m.input);
        ValueText code("kept");
        mapOf(m.property).labelToCode(ValueText(m.input), code);
        EXPECT_STREQ("kept", code.c_str());
    }
}

// What a person types: any case, but otherwise the whole label; the map's own text comes back.
TEST(LabelMap, FindLabelIgnoresCaseOnly) {
    const LabelMap& media = mapOf(PropertyId::MediaType);
    EXPECT_STREQ("Force 100 Full", media.findLabel("force 100 FULL"));
    EXPECT_STREQ("9014 (Alteon)", mapOf(PropertyId::PacketSize).findLabel("9014 (alteon)"));
    EXPECT_EQ(nullptr, mapOf(PropertyId::PacketSize).findLabel("9014"));
    EXPECT_EQ(nullptr, media.findLabel("8")); // a code is not a label
    EXPECT_EQ(nullptr, media.findLabel("Auto 10 "));
    EXPECT_EQ(nullptr, media.findLabel(""));
}

TEST(LabelMap, EnableMeansDifferentCodesInDifferentMaps) {
    ValueText enableCode;
    mapOf(PropertyId::IeeeCompliantLink).labelToCode(ValueText("Enable"), enableCode);
    ValueText pauseCode;
    mapOf(PropertyId::PauseControl).labelToCode(ValueText("Enable"), pauseCode);
    EXPECT_STREQ("1", enableCode.c_str());
    EXPECT_STREQ("3", pauseCode.c_str());
}

} // namespace
