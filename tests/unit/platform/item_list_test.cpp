// The item list both list controls keep: its selection follows its item through changes, texts
// are read whole, and typed characters and navigation keys choose items.
#include "platform/portable/user32/controls/item_list.h"

#include "platform/portable/win32_user.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>

namespace {

portable::ItemList listOf(std::initializer_list<const char*> texts) {
    portable::ItemList list;
    for (const char* text : texts)
        list.add(text, false);
    return list;
}

TEST(ItemListSelection, FollowsItsItemThroughInsertsAndRemovals) {
    portable::ItemList list = listOf({"a", "b", "c"});
    ASSERT_TRUE(list.setSelection(1)); // "b"
    list.insert(1, "x");               // at the selected item's place: it moves down
    EXPECT_EQ(2, list.selection());
    list.insert(-1, "z"); // after it: it stays
    EXPECT_EQ(2, list.selection());
    list.add("0", true); // sorted before everything
    EXPECT_EQ(3, list.selection());
    EXPECT_EQ("b", list.at(list.selection()));
    list.remove(0);
    EXPECT_EQ(2, list.selection());
    list.remove(3); // after it
    EXPECT_EQ(2, list.selection());
    EXPECT_EQ("b", list.at(list.selection()));
    list.remove(2);
    EXPECT_EQ(-1, list.selection()) << "removing the selected item selects none";
    list.remove(0);
    EXPECT_EQ(-1, list.selection());
}

TEST(ItemListSelection, FailedChangesLeaveItAlone) {
    portable::ItemList list = listOf({"a", "b"});
    ASSERT_TRUE(list.setSelection(0));
    EXPECT_EQ(-1, list.insert(3, "x"));
    EXPECT_FALSE(list.remove(2));
    EXPECT_FALSE(list.remove(-1));
    EXPECT_EQ(0, list.selection());
    list.clear();
    EXPECT_EQ(-1, list.selection());
}

// setSelection takes none (-1) and any item; moveSelection only an item it is not on yet.
TEST(ItemListSelection, SetAcceptsNoneButMoveOnlyAnotherItem) {
    portable::ItemList list = listOf({"a", "b"});
    EXPECT_FALSE(list.setSelection(2));
    EXPECT_FALSE(list.setSelection(-2));
    EXPECT_EQ(-1, list.selection());
    EXPECT_TRUE(list.setSelection(1));
    EXPECT_TRUE(list.setSelection(-1));
    EXPECT_EQ(-1, list.selection());

    EXPECT_FALSE(list.moveSelection(-1));
    EXPECT_FALSE(list.moveSelection(2));
    EXPECT_TRUE(list.moveSelection(0));
    EXPECT_FALSE(list.moveSelection(0)) << "already there";
    EXPECT_EQ(0, list.selection());
}

TEST(ItemListText, CopiesWholeItemsWithTheirNul) {
    portable::ItemList list = listOf({"Auto", ""});
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(4, list.copy(0, buffer));
    EXPECT_STREQ("Auto", buffer);
    EXPECT_EQ(0, list.copy(1, buffer));
    EXPECT_EQ('\0', buffer[0]);
    EXPECT_EQ(-1, list.copy(2, buffer));
    EXPECT_EQ(-1, list.copy(-1, buffer));
    EXPECT_EQ(-1, list.copy(0, nullptr));
    EXPECT_EQ(4, list.length(0));
    EXPECT_EQ(0, list.length(1));
    EXPECT_EQ(-1, list.length(2));
}

TEST(ItemListFind, AMissingTextFindsNothing) {
    portable::ItemList list = listOf({"a"});
    EXPECT_EQ(-1, list.find(-1, static_cast<const char*>(nullptr), false));
    EXPECT_EQ(-1, list.find(-1, static_cast<const char*>(nullptr), true));
    EXPECT_EQ(0, list.find(-1, "A", true));
}

// A typed character searches from the item after the selection, wrapping round.
TEST(ItemListFind, TypedCharacterCyclesThroughItsItems) {
    portable::ItemList list = listOf({"Beta", "alpha", "Auto", "100"});
    EXPECT_EQ(1, list.findTyped('a')) << "from no selection: the first";
    list.setSelection(1);
    EXPECT_EQ(2, list.findTyped('A'));
    list.setSelection(2);
    EXPECT_EQ(1, list.findTyped('a')) << "wraps round";
    EXPECT_EQ(3, list.findTyped('1'));
    EXPECT_EQ(-1, list.findTyped('z'));
    EXPECT_EQ(-1, list.findTyped('\t'));
    EXPECT_EQ(-1, list.findTyped('\0'));
}

TEST(ItemListNavigate, ArrowsAndEndsStayInTheList) {
    portable::ItemList list = listOf({"a", "b", "c", "d"});
    for (unsigned key : {VK_UP, VK_LEFT, VK_DOWN, VK_RIGHT})
        EXPECT_EQ(0, list.navigate(key, 0)) << "from no selection an arrow goes to the first";
    EXPECT_EQ(0, list.navigate(VK_HOME, 0));
    EXPECT_EQ(3, list.navigate(VK_END, 0));
    list.setSelection(0);
    EXPECT_EQ(0, list.navigate(VK_UP, 0));
    EXPECT_EQ(1, list.navigate(VK_DOWN, 0));
    list.setSelection(3);
    EXPECT_EQ(3, list.navigate(VK_RIGHT, 0));
    EXPECT_EQ(2, list.navigate(VK_LEFT, 0));
    EXPECT_EQ(-1, list.navigate(VK_RETURN, 3));
    EXPECT_EQ(-1, listOf({}).navigate(VK_HOME, 3)) << "an empty list";
}

// A page key moves a page less one item, clamped; without a page it moves nothing.
TEST(ItemListNavigate, PagesMoveByAPageLessOne) {
    portable::ItemList list = listOf({"a", "b", "c", "d", "e", "f"});
    EXPECT_EQ(-1, list.navigate(VK_NEXT, 0));
    EXPECT_EQ(-1, list.navigate(VK_PRIOR, 0));
    EXPECT_EQ(2, list.navigate(VK_NEXT, 3)) << "from no selection, as from the first";
    list.setSelection(4);
    EXPECT_EQ(5, list.navigate(VK_NEXT, 3));
    EXPECT_EQ(2, list.navigate(VK_PRIOR, 3));
    EXPECT_EQ(4, list.navigate(VK_NEXT, 1)) << "a page of one item moves nothing";
    list.setSelection(1);
    EXPECT_EQ(0, list.navigate(VK_PRIOR, 3));
}

} // namespace
