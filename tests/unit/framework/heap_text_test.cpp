#include "framework/heap_text.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

TEST(HeapText, GrowsAcrossAppendsAndStaysTerminated) {
    HeapText text;
    EXPECT_STREQ("", text.c_str());
    EXPECT_TRUE(text.empty());
    const std::string part(1000, 'p');
    text.append("key\\").append(part.c_str()).append("\\end", 2); // a counted append stops short
    EXPECT_EQ("key\\" + part + "\\e", std::string(text.c_str()));
    EXPECT_EQ(4u + 1000u + 2u, text.size());
    text.append(nullptr).append("", 0); // nothing to add
    EXPECT_EQ(1006u, text.size());
    EXPECT_FALSE(text.failed());
}

TEST(HeapText, AMoveHandsTheTextOverAndEmptiesTheSource) {
    HeapText from("C:\\dir\\quorlan.dll");
    HeapText to(std::move(from));
    EXPECT_STREQ("C:\\dir\\quorlan.dll", to.c_str());
    EXPECT_STREQ("", from.c_str()); // NOLINT(bugprone-use-after-move): a moved-from text is empty
    HeapText other("old");
    other = std::move(to);
    EXPECT_STREQ("C:\\dir\\quorlan.dll", other.c_str());
    from.append("again"); // a moved-from text is usable
    EXPECT_STREQ("again", from.c_str());
}

} // namespace
