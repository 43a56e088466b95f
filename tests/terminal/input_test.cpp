// Keys and clicks at the terminal become the messages Windows would post, and the controls
// answer them as they answer a person.
#include "terminal/key_translator.h"
#include "terminal/mouse_translator.h"
#include "terminal_dialog.h"

#include "scripted_front_end.h"

#include <gtest/gtest.h>

using terminal::InputEvent;
using terminal::Key;

namespace {
InputEvent key(Key k, bool alt = false, char character = 0) {
    InputEvent event;
    event.kind = InputEvent::Kind::kKey;
    event.key = k;
    event.alt = alt;
    event.character = character;
    return event;
}

struct Posted {
    UINT message;
    WPARAM wParam;
};
std::vector<Posted> summary(const std::vector<MSG>& messages) {
    std::vector<Posted> out;
    for (const MSG& msg : messages)
        out.push_back({msg.message, msg.wParam});
    return out;
}
bool operator==(const Posted& a, const Posted& b) {
    return a.message == b.message && a.wParam == b.wParam;
}
} // namespace

class InputTest : public PropertiesDialogTest {
  protected:
    void SetUp() override {
        PropertiesDialogTest::SetUp();
        SetFocus(GetDlgItem(dialog, IDC_PROPERTY_LIST));
        takeReceived();
    }
    // Presses and releases the mouse on a cell of a terminal of 64 x 21, where the client
    // area starts at column 1, row 2.
    std::vector<MSG> click(int clientCol, int clientRow, int releaseCol = -1) {
        terminal::CellLayout layout(dialog, 64, 21);
        InputEvent event;
        event.kind = InputEvent::Kind::kMousePress;
        event.col = clientCol + 1;
        event.row = clientRow + 2;
        std::vector<MSG> all = mouse.translate(event, layout);
        event.kind = InputEvent::Kind::kMouseRelease;
        if (releaseCol >= 0)
            event.col = releaseCol + 1;
        for (const MSG& msg : mouse.translate(event, layout))
            all.push_back(msg);
        for (const MSG& msg : all)
            PostMessageA(msg.hwnd, msg.message, msg.wParam, msg.lParam);
        pumpMessages(dialog);
        return all;
    }

    terminal::MouseTranslator mouse;
};

TEST_F(InputTest, KeysBecomeTheMessagesOfAKeyboard) {
    struct Case {
        InputEvent event;
        std::vector<Posted> expected;
    };
    const Case cases[] = {
        {key(Key::kTab), {{WM_KEYDOWN, VK_TAB}, {WM_CHAR, '\t'}, {WM_KEYUP, VK_TAB}}},
        {key(Key::kBackTab),
         {{WM_KEYDOWN, VK_SHIFT},
          {WM_KEYDOWN, VK_TAB},
          {WM_CHAR, '\t'},
          {WM_KEYUP, VK_TAB},
          {WM_KEYUP, VK_SHIFT}}},
        {key(Key::kEnter), {{WM_KEYDOWN, VK_RETURN}, {WM_CHAR, '\r'}, {WM_KEYUP, VK_RETURN}}},
        {key(Key::kEscape), {{WM_KEYDOWN, VK_ESCAPE}, {WM_CHAR, 0x1B}, {WM_KEYUP, VK_ESCAPE}}},
        {key(Key::kBackspace), {{WM_KEYDOWN, VK_BACK}, {WM_CHAR, '\b'}, {WM_KEYUP, VK_BACK}}},
        {key(Key::kDelete), {{WM_KEYDOWN, VK_DELETE}, {WM_KEYUP, VK_DELETE}}},
        {key(Key::kF1), {{WM_KEYDOWN, VK_F1}, {WM_KEYF1, 0}, {WM_KEYUP, VK_F1}}},
        {key(Key::kCharacter, false, 'a'), {{WM_KEYDOWN, 'A'}, {WM_CHAR, 'a'}, {WM_KEYUP, 'A'}}},
        {key(Key::kCharacter, false, '7'), {{WM_KEYDOWN, '7'}, {WM_CHAR, '7'}, {WM_KEYUP, '7'}}},
        {key(Key::kCharacter, false, ' '),
         {{WM_KEYDOWN, VK_SPACE}, {WM_CHAR, ' '}, {WM_KEYUP, VK_SPACE}}},
        {key(Key::kCharacter, true, 'd'),
         {{WM_SYSKEYDOWN, 'D'}, {WM_SYSCHAR, 'd'}, {WM_SYSKEYUP, 'D'}}},
        {key(Key::kDown, true), {{WM_SYSKEYDOWN, VK_DOWN}, {WM_SYSKEYUP, VK_DOWN}}},
        {key(Key::kInterrupt), {{WM_SYSCOMMAND, SC_CLOSE}}},
    };
    HWND list = GetDlgItem(dialog, IDC_PROPERTY_LIST);
    for (const Case& c : cases) {
        std::vector<MSG> messages = terminal::KeyTranslator::translate(c.event);
        EXPECT_EQ(c.expected, summary(messages)) << int(c.event.key) << " " << c.event.character;
        for (const MSG& msg : messages)
            EXPECT_EQ(msg.message == WM_SYSCOMMAND ? dialog : list, msg.hwnd);
    }
}

TEST_F(InputTest, SpaceOpensAClosedDropDownListAndChoosesInAnOpenOne) {
    HWND combo = GetDlgItem(dialog, IDC_VALUE_COMBO);
    ShowWindow(combo, SW_SHOW);
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("One"));
    SetFocus(combo);
    terminal::KeyTranslator::post(key(Key::kCharacter, false, ' '));
    pumpMessages(dialog);
    EXPECT_TRUE(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0));
    terminal::KeyTranslator::post(key(Key::kCharacter, false, ' '));
    pumpMessages(dialog);
    EXPECT_FALSE(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_TRUE(IsWindow(dialog)); // neither Space pressed the default button
}

TEST_F(InputTest, AltAndTheUnderlinedLetterPressThatButton) {
    terminal::KeyTranslator::post(key(Key::kCharacter, true, 'd'));
    pumpMessages(dialog);
    std::vector<Received> got = takeReceived();
    ASSERT_FALSE(got.empty());
    EXPECT_EQ(IDC_DEFAULTS, got.back().id);
    EXPECT_EQ(BN_CLICKED, got.back().code);
}

TEST_F(InputTest, ShiftTabMovesBackwards) {
    terminal::KeyTranslator::post(key(Key::kBackTab));
    pumpMessages(dialog);
    EXPECT_EQ(GetDlgItem(dialog, IDCANCEL), GetFocus());
}

TEST_F(InputTest, AClickOnAButtonPressesIt) {
    click(38, 15); // "OK"
    std::vector<Received> got = takeReceived();
    ASSERT_EQ(1u, got.size());
    EXPECT_EQ(IDOK, got[0].id);
}

TEST_F(InputTest, AButtonReleasedElsewhereIsNotPressed) {
    click(38, 15, 20);
    EXPECT_TRUE(takeReceived().empty());
}

TEST_F(InputTest, AClickOnAListRowSelectsThatItem) {
    click(8, 6); // the third item, "Receive Buffers"
    HWND list = GetDlgItem(dialog, IDC_PROPERTY_LIST);
    EXPECT_EQ(2, SendMessageA(list, LB_GETCURSEL, 0, 0));
    std::vector<Received> got = takeReceived();
    ASSERT_EQ(1u, got.size());
    EXPECT_EQ(LBN_SELCHANGE, got[0].code);
}

TEST_F(InputTest, TheUpDownArrowsAreItsTwoCells) {
    HWND spin = GetDlgItem(dialog, IDC_VALUE_SPIN);
    HWND edit = GetDlgItem(dialog, IDC_SPIN_EDIT);
    ShowWindow(GetDlgItem(dialog, IDC_VALUE_EDIT), SW_HIDE);
    ShowWindow(edit, SW_SHOW);
    ShowWindow(spin, SW_SHOW);
    SendMessageA(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
    SendMessageA(spin, UDM_SETRANGE, 0, MAKELPARAM(1024, 32));
    SendMessageA(spin, UDM_SETPOS, 0, 256);
    click(56, 4);
    EXPECT_EQ(257, LOWORD(SendMessageA(spin, UDM_GETPOS, 0, 0)));
    click(57, 4);
    click(57, 4);
    EXPECT_EQ(255, LOWORD(SendMessageA(spin, UDM_GETPOS, 0, 0)));
    int asked = 0;
    for (const Received& got : takeReceived())
        asked += got.message == WM_NOTIFY && got.code == int(UDN_DELTAPOS) ? 1 : 0;
    EXPECT_EQ(3, asked); // the parent was asked before each move
}

TEST_F(InputTest, AClickInAFieldPutsTheCaretAtThatCharacter) {
    click(37 + 1 + 4, 4); // the fifth character of "00A0C9123456"
    HWND edit = GetDlgItem(dialog, IDC_VALUE_EDIT);
    EXPECT_EQ(edit, GetFocus());
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(4u, end);
}

TEST_F(InputTest, DisabledControlsTakeNoClicks) {
    EnableWindow(GetDlgItem(dialog, IDOK), FALSE);
    EXPECT_TRUE(click(38, 15).empty());
    EXPECT_TRUE(takeReceived().empty());
}

TEST_F(InputTest, TheCloseBoxClosesTheWindowAsCancel) {
    click(59, -1); // the caption row, in "[x]"
    std::vector<Received> got = takeReceived();
    ASSERT_EQ(1u, got.size());
    EXPECT_EQ(IDCANCEL, got[0].id);
}

TEST_F(InputTest, TheDialogTakesNoClicksWhileItsMessageBoxIsUp) {
    portable::ScriptedFrontEnd front;
    std::vector<MSG> clickedBehind;
    front.then([&] {
        terminal::CellLayout layout(dialog, 64, 21);
        InputEvent event;
        event.kind = InputEvent::Kind::kMousePress;
        event.col = 1 + 8; // the list, left of the message box
        event.row = 2 + 6;
        clickedBehind = mouse.translate(event, layout);
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
    });
    MessageBoxA(dialog, "Out of Range (32 to 1024)", "quorlan", MB_ICONEXCLAMATION);
    EXPECT_TRUE(clickedBehind.empty());
}
