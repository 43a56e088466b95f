#include "params/decimal_number.h"
#include "params/text_compare.h"
#include "params/value_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

TEST(ValueText, StartsEmpty) {
    ValueText text;
    EXPECT_TRUE(text.empty());
    EXPECT_STREQ("", text.c_str());
}

TEST(ValueText, LongTextsAreCutAt255Characters) {
    const std::string longText(1000, 'x');
    ValueText text(longText.c_str());
    EXPECT_EQ(255u, text.length());
    EXPECT_EQ(longText.substr(0, 255), text.c_str());

    ValueText exact(std::string(255, 'y').c_str());
    EXPECT_EQ(255u, exact.length());
}

TEST(ValueText, DataEndsAtItsFirstNulOrItsLength) {
    struct Case {
        const char* data;
        size_t length;
        const char* expected;
    };
    const Case cases[] = {
        {"64\0junk", 7, "64"}, {"6400", 2, "64"},   {"\0abc", 4, ""},
        {"abc", 0, ""},        {"@\0\0\0", 4, "@"}, // a REG_DWORD of 64 read as bytes
    };
    for (const Case& c : cases) {
        ValueText text("previous");
        text.assignData(c.data, c.length);
        EXPECT_STREQ(c.expected, text.c_str());
    }
    // 256 bytes without a NUL still end inside the buffer.
    const std::string full(256, 'z');
    ValueText text;
    text.assignData(full.data(), full.size());
    EXPECT_EQ(255u, text.length());
}

TEST(ValueText, AssigningItselfKeepsTheText) {
    ValueText text("Auto 100");
    text.assign(text.c_str());
    EXPECT_STREQ("Auto 100", text.c_str());
}

TEST(ValueText, NullAssignsEmpty) {
    ValueText text("x");
    text.assign(nullptr);
    EXPECT_TRUE(text.empty());
}

TEST(ValueText, EqualsIsExact) {
    ValueText text("Enable");
    EXPECT_TRUE(text.equals("Enable"));
    EXPECT_FALSE(text.equals("enable"));
    EXPECT_FALSE(text.equals("Enable "));
    EXPECT_FALSE(text.equals(nullptr));
}

TEST(TextCompare, IgnoresAsciiCase) {
    EXPECT_TRUE(equalsIgnoreCase("IEEE Compliant Link", "ieee COMPLIANT link"));
    EXPECT_FALSE(equalsIgnoreCase("VLAN ID", "VLAN IDs"));
    EXPECT_FALSE(equalsIgnoreCase("VLAN", "VLAN ID"));
    EXPECT_FALSE(equalsIgnoreCase("A", nullptr));
    EXPECT_TRUE(equalsIgnoreCase("", ""));
}

TEST(DecimalNumber, ReadsLikeTheEditor) {
    struct Case {
        const char* text;
        int32_t value;
        bool hasDigits;
    };
    const Case cases[] = {
        {"64", 64, true},
        {"  \t 4095", 4095, true},
        {"+17", 17, true},
        {"-1", -1, true},
        {"12abc", 12, true},
        {"0100", 100, true},
        {"", 0, false},
        {"abc", 0, false},
        {"-", 0, false},
        {" - 5", 0, false},
        {"4294967297", 1, true}, // wraps, no overflow check
        {"2147483648", INT32_MIN, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        DecimalNumber number = parseDecimalNumber(c.text);
        EXPECT_EQ(c.value, number.value);
        EXPECT_EQ(c.hasDigits, number.hasDigits);
        EXPECT_EQ(c.value, decimalNumber(c.text));
    }
    EXPECT_FALSE(parseDecimalNumber(nullptr).hasDigits);
}

TEST(DecimalNumber, FormatsAsPercentDWouldAndReadsBack) {
    const int32_t values[] = {0, 7, -1, 4095, -4094, INT32_MAX, INT32_MIN};
    for (int32_t value : values) {
        char text[kDecimalTextSize];
        formatDecimalNumber(value, text);
        char expected[32];
        std::snprintf(expected, sizeof expected, "%d", static_cast<int>(value));
        EXPECT_STREQ(expected, text);
        EXPECT_EQ(value, decimalNumber(text));
    }
}

} // namespace
