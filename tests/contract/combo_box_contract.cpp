// The value combo: a drop-down list (no edit field), unsorted.
#include "person.h"
#include "properties_layout.h"
#include "string_list_contract.h"

#include <string>

namespace {

const char* const mediaLabels[] = {"Autonegotiate", "Force 10 Half", "Force 10 Full",
                                   "Force 100 Half", "Force 100 Full"};

class ComboBoxContract : public StringListContract {
  protected:
    ComboBoxContract()
        : StringListContract(IDC_VALUE_COMBO, {CB_ADDSTRING, CB_GETLBTEXT, CB_GETLBTEXTLEN,
                                               CB_GETCURSEL, CB_SETCURSEL, CB_SELECTSTRING}) {}

    void SetUp() override {
        StringListContract::SetUp();
        combo = item(IDC_VALUE_COMBO);
        fill(mediaLabels);
    }

    std::string windowText() const {
        char text[256] = "";
        GetWindowTextA(combo, text, sizeof text);
        return text;
    }

    HWND combo = nullptr;
};

TEST_F(ComboBoxContract, KeepsTheOrderOfAddition) {
    ASSERT_EQ(5, SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(mediaLabels[i], itemText(i)) << "item " << i;
    EXPECT_EQ(5, SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Alpha")));
}

TEST_F(ComboBoxContract, ResetContentEmptiesIt) {
    SendMessageA(combo, CB_SETCURSEL, 1, 0);
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    EXPECT_EQ(0, SendMessageA(combo, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(CB_ERR, cursel());
    EXPECT_EQ("", windowText());
}

TEST_F(ComboBoxContract, SetCurselSelectsAndTheWindowTextFollows) {
    EXPECT_EQ(CB_ERR, cursel());
    EXPECT_EQ("", windowText());
    EXPECT_EQ(3, SendMessageA(combo, CB_SETCURSEL, 3, 0));
    EXPECT_EQ(3, cursel());
    EXPECT_EQ("Force 100 Half", windowText());
    EXPECT_EQ(14, SendMessageA(combo, CB_GETLBTEXTLEN, 3, 0));
    EXPECT_EQ(14, GetWindowTextLengthA(combo));
}

TEST_F(ComboBoxContract, SetCurselMinusOneClearsTheText) {
    SendMessageA(combo, CB_SETCURSEL, 3, 0);
    EXPECT_EQ(CB_ERR, SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0));
    EXPECT_EQ(CB_ERR, cursel());
    EXPECT_EQ("", windowText());
}

TEST_F(ComboBoxContract, OutOfRangeIndexIsAnError) {
    SendMessageA(combo, CB_SETCURSEL, 1, 0);
    expectIndexRefused(5);
}

TEST_F(ComboBoxContract, SelectStringFindsTheFirstPrefixIgnoringCase) {
    struct Case {
        const char* prefix;
        LRESULT index;
        const char* text;
    };
    const Case cases[] = {
        {"force", 1, "Force 10 Half"},
        {"FORCE 100", 3, "Force 100 Half"},
        {"force 100 full", 4, "Force 100 Full"},
        {"a", 0, "Autonegotiate"},
    };
    for (const Case& c : cases) {
        expectSelectString(2, c.prefix, c.index);
        EXPECT_EQ(c.text, windowText()) << '"' << c.prefix << '"';
    }
}

TEST_F(ComboBoxContract, SelectStringWithoutMatchKeepsTheSelection) {
    const char* const misses[] = {"Force 1000", "x", ""};
    for (const char* prefix : misses) {
        expectSelectString(2, prefix, CB_ERR);
        EXPECT_EQ("Force 10 Full", windowText()) << '"' << prefix << '"';
    }
}

// The dialog's load direction sets the text when no item matches; a drop-down list has no edit
// field, so the text it shows stays that of the selected item.
TEST_F(ComboBoxContract, SetTextOnADropDownListLeavesTheSelection) {
    SendMessageA(combo, CB_SETCURSEL, 2, 0);
    SetWindowTextA(combo, "Something else");
    EXPECT_EQ(2, cursel());
    EXPECT_EQ("Force 10 Full", windowText());
}

TEST_F(ComboBoxContract, CodeOperationsSendNothing) {
    SendMessageA(combo, CB_SETCURSEL, 1, 0);
    selectString("force 100");
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Disable"));
    EXPECT_EQ(noEvents(), events());
}

TEST_F(ComboBoxContract, ArrowKeysOnTheClosedListMoveTheSelection) {
    SendMessageA(combo, CB_SETCURSEL, 2, 0);
    SetFocus(combo);
    struct Step {
        WPARAM key;
        LRESULT selection;
    };
    const Step steps[] = {{VK_DOWN, 3}, {VK_UP, 2}, {VK_END, 4}, {VK_HOME, 0}};
    for (const Step& s : steps) {
        clearEvents();
        person::pressKey(dlg(), combo, s.key);
        EXPECT_EQ(s.selection, cursel()) << "key " << s.key;
        EXPECT_EQ(mediaLabels[s.selection], windowText()) << "key " << s.key;
        const std::vector<Notification> expected = {command(IDC_VALUE_COMBO, CBN_SELCHANGE)};
        EXPECT_EQ(expected, events()) << "key " << s.key;
    }
}

// At the last item Down keeps the selection yet still notifies. This is what Wine's combo box
// does; Windows may stay silent here. The dialog does not act on CBN_SELCHANGE, so either is safe.
TEST_F(ComboBoxContract, ArrowKeyAtTheEndKeepsTheSelection) {
    SendMessageA(combo, CB_SETCURSEL, 4, 0);
    SetFocus(combo);
    clearEvents();
    person::pressKey(dlg(), combo, VK_DOWN);
    EXPECT_EQ(4, cursel());
    const std::vector<Notification> expected = {command(IDC_VALUE_COMBO, CBN_SELCHANGE)};
    EXPECT_EQ(expected, events());
}

} // namespace
