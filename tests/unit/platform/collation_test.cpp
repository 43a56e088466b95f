// The list sorting order: case ignored, word sort, blanks before punctuation before digits
// before letters.
#include "platform/portable/user32/controls/item_list.h"

#include <gtest/gtest.h>

namespace {

struct Order {
    const char* before;
    const char* after;
};

TEST(CollationTest, OrdersPairs) {
    const Order cases[] = {
        {"Packet Size (maximum)", "Pause Control"},
        {"IEEE Compliant Link", "Media Type"},
        {"Priority Queues", "Receive Buffers"},
        {"a b", "a(b"},   // a blank before punctuation
        {"a(b", "a1"},    // punctuation before digits
        {"a9", "aa"},     // digits before letters
        {"abc", "ABD"},   // case ignored
        {"co-op", "cop"}, // the hyphen is ignored: "coop" < "cop"
        {"ab", "abc"},    // a prefix first
    };
    for (const Order& c : cases) {
        EXPECT_LT(portable::collate(c.before, c.after), 0) << c.before << " < " << c.after;
        EXPECT_GT(portable::collate(c.after, c.before), 0) << c.after << " > " << c.before;
    }
    EXPECT_EQ(0, portable::collate("Media Type", "MEDIA TYPE"));
}

TEST(CollationTest, SortedAddKeepsEqualItemsInArrivalOrder) {
    portable::ItemList list;
    EXPECT_EQ(0, list.add("b", true));
    EXPECT_EQ(0, list.add("a", true));
    EXPECT_EQ(2, list.add("B", true));
    EXPECT_EQ("b", list.at(1));
    EXPECT_EQ("B", list.at(2));
}

TEST(CollationTest, FindWrapsAfterTheStart) {
    portable::ItemList list;
    for (const char* item : {"Alpha", "Beta", "alps"})
        list.add(item, false);
    EXPECT_EQ(0, list.find(-1, "al", false));
    EXPECT_EQ(2, list.find(0, "al", false));
    EXPECT_EQ(0, list.find(2, "al", false)); // wraps round
    EXPECT_EQ(1, list.find(-1, "BETA", true));
    EXPECT_EQ(-1, list.find(-1, "Bet ", false));
    EXPECT_EQ(-1, list.find(-1, "", false));
}

// An exact search wants the whole item, a prefix search only its beginning, both without case.
TEST(CollationTest, ExactFindNeedsTheWholeItemAndAPrefixNoMore) {
    portable::ItemList list;
    for (const char* item : {"Auto Negotiation", "Auto", "100"})
        list.add(item, false);
    EXPECT_EQ(1, list.find(-1, "auto", true));
    EXPECT_EQ(0, list.find(-1, "AUTO NEGOTIATION", true));
    EXPECT_EQ(-1, list.find(-1, "Aut", true));
    EXPECT_EQ(0, list.find(-1, "auto n", false));
    EXPECT_EQ(-1, list.find(-1, "Auto Negotiation Full", false));
    EXPECT_EQ(2, list.find(-1, "100", false));
}

} // namespace
