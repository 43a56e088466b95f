// The inspection view a terminal front end draws from.
#include "test_layout.h"

#include "platform/portable/window_view.h"

#include <gtest/gtest.h>

namespace {

namespace inspect = portable::inspect;

class InspectTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::vector<BYTE> bytes = testLayout(WS_POPUP | WS_CAPTION | WS_VISIBLE);
        dialog = CreateDialogIndirectParamA(
            nullptr, reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()), nullptr, nullptr, 0);
        ASSERT_NE(nullptr, dialog);
    }
    void TearDown() override { DestroyWindow(dialog); }
    HWND item(int id) const { return GetDlgItem(dialog, id); }

    HWND dialog = nullptr;
};

TEST_F(InspectTest, ListsWindowsAndTheirState) {
    ASSERT_FALSE(inspect::topLevelWindows().empty());
    EXPECT_EQ(dialog, inspect::topLevelWindows().front());
    EXPECT_EQ(8u, inspect::children(dialog).size());

    inspect::WindowView view = inspect::view(dialog);
    EXPECT_EQ("#32770", view.className);
    EXPECT_EQ("Test", view.text);
    EXPECT_TRUE(view.visible);
    EXPECT_EQ(160, view.rect.right - view.rect.left);
    EXPECT_EQ(108, view.rect.bottom - view.rect.top); // a caption row above 100 units
}

TEST_F(InspectTest, ShowsListComboButtonAndEditState) {
    for (const char* label : {"Gamma", "Alpha", "Beta"})
        SendMessageA(item(idList), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label));
    SendMessageA(item(idList), LB_SETCURSEL, 1, 0);
    SendMessageA(item(idCombo), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("One"));
    SendMessageA(item(idCombo), CB_SETCURSEL, 0, 0);
    SendMessageA(item(idCombo), CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageA(item(idRadioB), BM_SETCHECK, BST_CHECKED, 0);
    SetWindowTextA(item(idEdit), "12345");
    SendMessageA(item(idEdit), EM_SETSEL, 1, 3);
    EnableWindow(item(idEdit), FALSE);

    inspect::WindowView list = inspect::view(item(idList));
    EXPECT_EQ((std::vector<std::string>{"Alpha", "Beta", "Gamma"}), list.items);
    EXPECT_EQ(1, list.selection);
    inspect::WindowView combo = inspect::view(item(idCombo));
    EXPECT_EQ("One", combo.text);
    EXPECT_TRUE(combo.dropped);
    EXPECT_EQ(UINT(BST_CHECKED), inspect::view(item(idRadioB)).check);
    inspect::WindowView edit = inspect::view(item(idEdit));
    EXPECT_EQ("12345", edit.text); // a disabled control keeps its text
    EXPECT_FALSE(edit.enabled);
    EXPECT_EQ(1u, edit.selStart);
    EXPECT_EQ(3u, edit.selEnd);
}

TEST_F(InspectTest, FindsTheControlUnderAPoint) {
    RECT r;
    GetWindowRect(item(idCombo), &r);
    EXPECT_EQ(item(idCombo), inspect::childAt(dialog, POINT{r.left + 1, r.top + 1}));
    GetWindowRect(dialog, &r);
    EXPECT_EQ(dialog, inspect::childAt(dialog, POINT{r.right - 1, r.top}));
    EXPECT_EQ(nullptr, inspect::view(nullptr).hwnd);
}

// Mnemonics: Alt+letter clicks the radio whose text has that letter after '&'; a label's
// mnemonic passes the focus to the next tab stop.
TEST_F(InspectTest, MnemonicsClickButtonsAndFocusAfterLabels) {
    MSG alt = {item(idList), WM_SYSCHAR, 'b', 0, 0, {0, 0}};
    EXPECT_TRUE(IsDialogMessageA(dialog, &alt));
    EXPECT_EQ(UINT(BST_CHECKED), inspect::view(item(idRadioB)).check);
    MSG label = {item(idList), WM_SYSCHAR, 'V', 0, 0, {0, 0}};
    EXPECT_TRUE(IsDialogMessageA(dialog, &label));
    EXPECT_EQ(item(idEdit), GetFocus());
}

} // namespace

namespace {

struct HelpSeen {
    int count = 0;
    int ctrlId = 0;
};
HelpSeen* helpSeen = nullptr;

INT_PTR CALLBACK recordsHelp(HWND, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_HELP && helpSeen) {
        ++helpSeen->count;
        helpSeen->ctrlId = reinterpret_cast<const HELPINFO*>(lParam)->iCtrlId;
        return TRUE;
    }
    return message == WM_INITDIALOG;
}

// The keyboard's F1 brings WM_KEYF1 on a control, which reaches the dialog as WM_HELP naming
// that control; a key-down of F1 alone, as a program posts it, asks for nothing.
TEST(HelpTest, F1OnAControlReachesTheDialog) {
    HelpSeen seen;
    helpSeen = &seen;
    std::vector<BYTE> bytes = testLayout(WS_POPUP | WS_VISIBLE);
    HWND dialog = CreateDialogIndirectParamA(
        nullptr, reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()), nullptr, recordsHelp, 0);
    for (int id : {idEdit, idList, idCombo}) {
        MSG keyDown = {GetDlgItem(dialog, id), WM_KEYDOWN, VK_F1, 1, 0, {0, 0}};
        IsDialogMessageA(dialog, &keyDown);
        EXPECT_EQ(0, seen.ctrlId) << id;
        MSG keyF1 = {GetDlgItem(dialog, id), WM_KEYF1, 0, 0, 0, {0, 0}};
        IsDialogMessageA(dialog, &keyF1);
        EXPECT_EQ(id, seen.ctrlId);
        seen.ctrlId = 0;
    }
    EXPECT_EQ(3, seen.count);
    DestroyWindow(dialog);
    helpSeen = nullptr;
}

} // namespace
