// Handles are checked: a destroyed window's handle and values that never were handles fail
// cleanly with ERROR_INVALID_WINDOW_HANDLE.
#include "test_layout.h"

#include <gtest/gtest.h>

namespace {

HWND openModeless() {
    std::vector<BYTE> bytes = testLayout();
    return CreateDialogIndirectParamA(nullptr, reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()),
                                      nullptr, nullptr, 0);
}

void expectDead(HWND hwnd) {
    char text[8] = "x";
    SetLastError(0);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(0, GetWindowTextA(hwnd, text, sizeof text));
    EXPECT_STREQ("", text);
    EXPECT_EQ(0, SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0));
    EXPECT_EQ(DWORD(ERROR_INVALID_WINDOW_HANDLE), GetLastError());
    EXPECT_FALSE(PostMessageA(hwnd, WM_CLOSE, 0, 0));
    EXPECT_FALSE(ShowWindow(hwnd, SW_SHOW));
    EXPECT_FALSE(EnableWindow(hwnd, TRUE));
    EXPECT_EQ(nullptr, GetDlgItem(hwnd, IDOK));
    EXPECT_FALSE(EndDialog(hwnd, IDOK));
    EXPECT_FALSE(DestroyWindow(hwnd));
}

TEST(HandleTest, DestroyedDialogAndItsControlsAreStale) {
    HWND dialog = openModeless();
    ASSERT_NE(nullptr, dialog);
    HWND edit = GetDlgItem(dialog, idEdit);
    ASSERT_TRUE(IsWindow(edit));
    ASSERT_TRUE(DestroyWindow(dialog));
    expectDead(dialog);
    expectDead(edit);
}

TEST(HandleTest, ValuesThatNeverWereHandlesFail) {
    int local = 0;
    const HWND forged[] = {
        reinterpret_cast<HWND>(&local),
        reinterpret_cast<HWND>(uintptr_t(0x12345)),
        reinterpret_cast<HWND>(uintptr_t(0x40000000)), // the tag alone, no slot
        reinterpret_cast<HWND>(uintptr_t(0x4FFFFFFF)), // a slot never used
        reinterpret_cast<HWND>(~uintptr_t(0)),
    };
    for (HWND hwnd : forged)
        expectDead(hwnd);
}

TEST(HandleTest, ReusedSlotGetsANewHandle) {
    HWND first = openModeless();
    DestroyWindow(first);
    HWND second = openModeless();
    ASSERT_NE(nullptr, second);
    EXPECT_NE(first, second);
    EXPECT_FALSE(IsWindow(first));
    DestroyWindow(second);
}

// A control destroyed by its own notification handler must not be touched afterwards.
INT_PTR CALLBACK destroyOnClick(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && LOWORD(wParam) == idRadioA && HIWORD(wParam) == BN_CLICKED) {
        DestroyWindow(dialog);
        return TRUE;
    }
    return message == WM_INITDIALOG;
}

TEST(HandleTest, WindowDestroyedInsideItsOwnNotification) {
    std::vector<BYTE> bytes = testLayout();
    HWND dialog = CreateDialogIndirectParamA(
        nullptr, reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()), nullptr, destroyOnClick, 0);
    HWND radio = GetDlgItem(dialog, idRadioA);
    SendMessageA(radio, BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_FALSE(IsWindow(radio));
}

} // namespace
