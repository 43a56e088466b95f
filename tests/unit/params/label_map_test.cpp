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
    {PropertyId::kMediaType, "Autonegotiate", "8"},
    {PropertyId::kMediaType, "Auto 1000", "1"},
    {PropertyId::kMediaType, "Auto 100", "2"},
    {PropertyId::kMediaType, "Auto 10", "3"},
    {PropertyId::kMediaType, "Force 100 Full", "4"},
    {PropertyId::kMediaType, "Force 100 Half", "5"},
    {PropertyId::kMediaType, "Force 10 Full", "6"},
    {PropertyId::kMediaType, "Force 10 Half", "7"},
    {PropertyId::kPauseControl, "Enable", "3"},
    {PropertyId::kPauseControl, "Disable", "0"},
    {PropertyId::kPauseControl, "Tx Pause Frames", "1"},
    {PropertyId::kPauseControl, "Rx Pause Frames", "2"},
    {PropertyId::kPacketSize, "1514 (standard)", "1514"},
    {PropertyId::kPacketSize, "4088", "4088"},
    {PropertyId::kPacketSize, "9014 (Alteon)", "9014"},
    {PropertyId::kPacketSize, "10000", "10000"},
    {PropertyId::kPacketSize, "16128", "16128"},
    {PropertyId::kIeeeCompliantLink, "Enable", "1"},
    {PropertyId::kIeeeCompliantLink, "Disable", "0"},
    {PropertyId::kPriorityQueues, "Enable", "1"},
    {PropertyId::kPriorityQueues, "Disable", "0"},
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
    EXPECT_EQ(8u, mapOf(PropertyId::kMediaType).count);
    EXPECT_EQ(4u, mapOf(PropertyId::kPauseControl).count);
    EXPECT_EQ(5u, mapOf(PropertyId::kPacketSize).count);
    EXPECT_EQ(2u, mapOf(PropertyId::kIeeeCompliantLink).count);
    EXPECT_EQ(&mapOf(PropertyId::kIeeeCompliantLink), &mapOf(PropertyId::kPriorityQueues));
    size_t index = 0;
    for (const Pair& p : pairs) {
        if (p.property != PropertyId::kMediaType)
            continue;
        EXPECT_STREQ(p.label, mapOf(PropertyId::kMediaType).labels[index++]);
    }
}

// Codes and labels compare exactly: no case folding, blanks or leading zeros.
TEST(LabelMap, WithoutAnExactMatchTheOutputIsLeftAsItWas) {
    struct Miss {
        PropertyId property;
        const char* input;
    };
    const Miss codeMisses[] = {
        {PropertyId::kMediaType, "0"},          {PropertyId::kMediaType, "9"},
        {PropertyId::kMediaType, "08"},         {PropertyId::kIeeeCompliantLink, " 1"},
        {PropertyId::kIeeeCompliantLink, "01"}, {PropertyId::kIeeeCompliantLink, "1 "},
        {PropertyId::kPacketSize, ""},          {PropertyId::kPauseControl, "-1"},
    };
    for (const Miss& m : codeMisses) {
        SCOPED_TRACE(m.input);
        ValueText label("kept");
        mapOf(m.property).codeToLabel(ValueText(m.input), label);
        EXPECT_STREQ("kept", label.c_str());
    }
    const Miss labelMisses[] = {
        {PropertyId::kIeeeCompliantLink, "enable"}, {PropertyId::kMediaType, "AUTONEGOTIATE"},
        {PropertyId::kPacketSize, "1514"},          {PropertyId::kPauseControl, "Enable "},
        {PropertyId::kPriorityQueues, ""},
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
    const LabelMap& media = mapOf(PropertyId::kMediaType);
    EXPECT_STREQ("Force 100 Full", media.findLabel("force 100 FULL"));
    EXPECT_STREQ("9014 (Alteon)", mapOf(PropertyId::kPacketSize).findLabel("9014 (alteon)"));
    EXPECT_EQ(nullptr, mapOf(PropertyId::kPacketSize).findLabel("9014"));
    EXPECT_EQ(nullptr, media.findLabel("8")); // a code is not a label
    EXPECT_EQ(nullptr, media.findLabel("Auto 10 "));
    EXPECT_EQ(nullptr, media.findLabel(""));
}

TEST(LabelMap, EnableMeansDifferentCodesInDifferentMaps) {
    ValueText enableCode;
    mapOf(PropertyId::kIeeeCompliantLink).labelToCode(ValueText("Enable"), enableCode);
    ValueText pauseCode;
    mapOf(PropertyId::kPauseControl).labelToCode(ValueText("Enable"), pauseCode);
    EXPECT_STREQ("1", enableCode.c_str());
    EXPECT_STREQ("3", pauseCode.c_str());
}

} // namespace
