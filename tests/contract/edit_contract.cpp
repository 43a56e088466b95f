// The value edits: the free text edit and the digits-only spin edit.
#include "person.h"
#include "properties_layout.h"
#include "test_dialog.h"

#include <string>

namespace {

class EditContract : public ContractTest {
  protected:
    void SetUp() override {
        ContractTest::SetUp();
        edit = item(IDC_VALUE_EDIT);
        spinEdit = item(IDC_SPIN_EDIT);
    }

    static std::string textOf(HWND hwnd) {
        char text[256] = "";
        GetWindowTextA(hwnd, text, sizeof text);
        return text;
    }
    static void select(HWND hwnd, int start, int end) {
        SendMessageA(hwnd, EM_SETSEL, static_cast<WPARAM>(start), end);
    }

    HWND edit = nullptr;
    HWND spinEdit = nullptr;
};

TEST_F(EditContract, LimitStopsTypingAtTheLimit) {
    SendMessageA(edit, EM_LIMITTEXT, 4, 0);
    person::type(edit, "123456");
    EXPECT_EQ("1234", textOf(edit));
}

TEST_F(EditContract, LimitDoesNotShortenTextSetByCode) {
    SendMessageA(edit, EM_LIMITTEXT, 12, 0);
    SetWindowTextA(edit, "00A0C9112233445566");
    EXPECT_EQ("00A0C9112233445566", textOf(edit));
    select(edit, 18, 18);
    person::typeChar(edit, '7');
    EXPECT_EQ("00A0C9112233445566", textOf(edit));
}

TEST_F(EditContract, LimitReplacesTheSelectionWithinTheLimit) {
    SendMessageA(edit, EM_LIMITTEXT, 4, 0);
    person::type(edit, "1234");
    select(edit, 1, 3);
    person::typeChar(edit, 'x');
    EXPECT_EQ("1x4", textOf(edit));
}

TEST_F(EditContract, NumberStyleRefusesOtherCharacters) {
    person::type(spinEdit, "1a2-3 .4x");
    EXPECT_EQ("1234", textOf(spinEdit));
}

// ES_NUMBER constrains typing only: code may set any text.
TEST_F(EditContract, NumberStyleAcceptsAnyTextFromCode) {
    SetWindowTextA(spinEdit, "12abc");
    EXPECT_EQ("12abc", textOf(spinEdit));
}

TEST_F(EditContract, BackspaceDeletesTheCharacterBeforeTheCaret) {
    person::type(edit, "abc");
    person::typeChar(edit, '\b');
    EXPECT_EQ("ab", textOf(edit));
    select(edit, 0, 0);
    person::typeChar(edit, '\b');
    EXPECT_EQ("ab", textOf(edit));
}

TEST_F(EditContract, BackspaceIsAllowedInANumberEdit) {
    person::type(spinEdit, "123");
    person::typeChar(spinEdit, '\b');
    EXPECT_EQ("12", textOf(spinEdit));
}

TEST_F(EditContract, TypedTextGoesToTheCaret) {
    SetWindowTextA(edit, "ac");
    select(edit, 1, 1);
    person::typeChar(edit, 'b');
    EXPECT_EQ("abc", textOf(edit));
}

TEST_F(EditContract, ClearDeletesTheSelection) {
    struct Case {
        int start, end;
        const char* left;
    };
    const Case cases[] = {{0, -1, ""}, {1, 3, "adef"}, {2, 2, "abcdef"}, {4, 1, "aef"}};
    for (const Case& c : cases) {
        SetWindowTextA(edit, "abcdef");
        select(edit, c.start, c.end);
        SendMessageA(edit, WM_CLEAR, 0, 0);
        EXPECT_EQ(c.left, textOf(edit)) << "selection " << c.start << ", " << c.end;
    }
}

// The dialog clears the address edit after disabling it.
TEST_F(EditContract, ClearWorksOnADisabledEdit) {
    SetWindowTextA(edit, "abcdef");
    EnableWindow(edit, FALSE);
    select(edit, 0, -1);
    SendMessageA(edit, WM_CLEAR, 0, 0);
    EXPECT_EQ("", textOf(edit));
}

TEST_F(EditContract, DisabledOrHiddenEditKeepsItsText) {
    SetWindowTextA(edit, "00A0C9");
    EnableWindow(edit, FALSE);
    EXPECT_FALSE(IsWindowEnabled(edit));
    EXPECT_EQ("00A0C9", textOf(edit));
    ShowWindow(edit, SW_HIDE);
    EXPECT_EQ("00A0C9", textOf(edit));
    EnableWindow(edit, TRUE);
    ShowWindow(edit, SW_SHOW);
    EXPECT_EQ("00A0C9", textOf(edit));
}

TEST_F(EditContract, SetTextThenReadBackWholeTextOfTheMaximumLength) {
    const std::string longest(255, 'x');
    SetWindowTextA(edit, longest.c_str());
    EXPECT_EQ(255, GetWindowTextLengthA(edit));
    EXPECT_EQ(longest, textOf(edit));
}

TEST_F(EditContract, GetTextTruncatesToTheBufferAndTerminates) {
    SetWindowTextA(edit, "abcdef");
    char small[4] = {'?', '?', '?', '?'};
    EXPECT_EQ(3, GetWindowTextA(edit, small, sizeof small));
    EXPECT_EQ(std::string("abc"), small);
}

TEST_F(EditContract, TypingSendsNoSelectionNotification) {
    person::type(edit, "abc");
    person::type(spinEdit, "12");
    EXPECT_EQ(noEvents(), events());
}

} // namespace
