// The property list: a sorted, notifying single-selection list box.
#include "person.h"
#include "properties_layout.h"
#include "string_list_contract.h"

#include <string>

namespace {

class ListBoxContract : public StringListContract {
  protected:
    ListBoxContract()
        : StringListContract(IDC_PROPERTY_LIST, {LB_ADDSTRING, LB_GETTEXT, LB_GETTEXTLEN,
                                                 LB_GETCURSEL, LB_SETCURSEL, LB_SELECTSTRING}) {}

    void SetUp() override {
        StringListContract::SetUp();
        list = item(IDC_PROPERTY_LIST);
        fill(propertyLabels);
    }

    HWND list = nullptr;
};

TEST_F(ListBoxContract, SortsTheEightLabels) {
    const char* const expected[] = {
        "Address",       "IEEE Compliant Link", "Media Type",      "Packet Size (maximum)",
        "Pause Control", "Priority Queues",     "Receive Buffers", "VLAN ID",
    };
    ASSERT_EQ(8, SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(expected[i], itemText(i)) << "item " << i;
}

// Sorting ignores case: a lower-case label takes its place among the capitalised ones.
TEST_F(ListBoxContract, AddStringReturnsTheSortedIndex) {
    struct Case {
        const char* label;
        LRESULT index;
    };
    const Case cases[] = {{"Jumbo", 2}, {"ieee x", 2}, {"media", 2}, {"zeta", 8}, {"1", 0}};
    for (const Case& c : cases) {
        const LRESULT index =
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(c.label));
        EXPECT_EQ(c.index, index) << '"' << c.label << '"';
        EXPECT_EQ(c.label, itemText(static_cast<int>(c.index))) << '"' << c.label << '"';
        SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    }
}

TEST_F(ListBoxContract, StartsWithNoSelection) {
    EXPECT_EQ(LB_ERR, cursel());
}

TEST_F(ListBoxContract, SetCurselSelectsAndGetTextReadsIt) {
    EXPECT_EQ(5, SendMessageA(list, LB_SETCURSEL, 5, 0));
    EXPECT_EQ(5, cursel());
    EXPECT_EQ("Priority Queues", itemText(5));
    EXPECT_EQ(15, SendMessageA(list, LB_GETTEXTLEN, 5, 0));
}

TEST_F(ListBoxContract, SetCurselMinusOneClearsTheSelection) {
    SendMessageA(list, LB_SETCURSEL, 2, 0);
    // LB_SETCURSEL -1 reports LB_ERR although it clears the selection.
    EXPECT_EQ(LB_ERR, SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0));
    EXPECT_EQ(LB_ERR, cursel());
}

// An index past the end is refused and the selection stays as it was.
TEST_F(ListBoxContract, OutOfRangeIndexIsAnError) {
    SendMessageA(list, LB_SETCURSEL, 2, 0);
    expectIndexRefused(8);
    EXPECT_EQ(2, cursel());
}

TEST_F(ListBoxContract, SelectStringFindsTheFirstPrefixIgnoringCase) {
    struct Case {
        const char* prefix;
        LRESULT index;
    };
    const Case cases[] = {
        {"media", 2}, {"P", 3}, {"pr", 5}, {"ADDRESS", 0}, {"vlan id", 7}, {"Receive B", 6},
    };
    for (const Case& c : cases)
        expectSelectString(4, c.prefix, c.index);
}

// The empty text matches nothing: the dialog's load direction with an empty list text keeps the
// list's selection.
TEST_F(ListBoxContract, SelectStringWithoutMatchKeepsTheSelection) {
    const char* const misses[] = {"x", "Addresses", "VLAN IDs", " Address", ""};
    for (const char* prefix : misses)
        expectSelectString(4, prefix, LB_ERR);
}

TEST_F(ListBoxContract, CodeOperationsSendNothing) {
    SendMessageA(list, LB_SETCURSEL, 3, 0);
    selectString("media");
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Zeta"));
    EXPECT_EQ(noEvents(), events());
}

TEST_F(ListBoxContract, ClickSelectsTheItemAndNotifies) {
    person::clickListItem(list, 2);
    EXPECT_EQ(2, cursel());
    const std::vector<Notification> expected = {command(IDC_PROPERTY_LIST, LBN_SELCHANGE)};
    EXPECT_EQ(expected, events());
}

// A click on the item already selected notifies again; the dialog's selection handling runs
// once more and must bear it.
TEST_F(ListBoxContract, ClickOnTheSelectedItemNotifiesAgain) {
    SendMessageA(list, LB_SETCURSEL, 2, 0);
    person::clickListItem(list, 2);
    EXPECT_EQ(2, cursel());
    const std::vector<Notification> expected = {command(IDC_PROPERTY_LIST, LBN_SELCHANGE)};
    EXPECT_EQ(expected, events());
}

} // namespace
