// The modal loop: posted messages, then timers in virtual time, then the front end; with no
// one left to answer, the dialog closes as by its system menu so nothing hangs.
#include "test_layout.h"

#include "scripted_front_end.h"

#include <gtest/gtest.h>

namespace {

using portable::ScriptedFrontEnd;

TEST(ModalLoopTest, WithNoFrontEndTheDialogIsCancelled) {
    EXPECT_EQ(IDCANCEL, runTestDialog());
}

INT_PTR CALLBACK ignoresEverything(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

TEST(ModalLoopTest, ADialogThatRefusesToCloseIsEndedAnyway) {
    EXPECT_EQ(IDCANCEL, runTestDialog(nullptr, ignoresEverything));
}

struct TimerRun {
    DWORD startTick = 0;
    DWORD firedTick = 0;
};
TimerRun* timerRun = nullptr;
HWND timerDialog = nullptr;

void CALLBACK endFromTimer(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    timerRun->firedTick = GetTickCount();
    EndDialog(timerDialog, 42);
}

INT_PTR CALLBACK startsATimer(HWND dialog, UINT message, WPARAM, LPARAM) {
    if (message != WM_INITDIALOG)
        return FALSE;
    timerDialog = dialog;
    timerRun->startTick = GetTickCount();
    SetTimer(nullptr, 0, 60000, endFromTimer);
    return TRUE;
}

// Without a front end, a minute-long timer fires at once: the clock skips ahead.
TEST(ModalLoopTest, TimersRunInVirtualTimeWithoutAFrontEnd) {
    TimerRun run;
    timerRun = &run;
    EXPECT_EQ(42, runTestDialog(nullptr, startsATimer));
    EXPECT_GE(run.firedTick - run.startTick, 60000u);
}

HWND findDialog() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM param) -> BOOL {
            char name[16] = "";
            GetClassNameA(hwnd, name, sizeof name);
            if (IsWindowVisible(hwnd) && std::string(name) == "#32770") {
                *reinterpret_cast<HWND*>(param) = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

void postKey(WPARAM key) {
    HWND target = GetFocus();
    PostMessageA(target, WM_KEYDOWN, key, 1);
    PostMessageA(target, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
}

TEST(ModalLoopTest, FrontEndInputReachesTheDialog) {
    ScriptedFrontEnd person;
    int focusAfterTab = 0;
    person.then([] { postKey(VK_TAB); });
    person.then([&] {
        focusAfterTab = GetDlgCtrlID(GetFocus());
        postKey(VK_RETURN);
    });
    EXPECT_EQ(IDOK, runTestDialog());
    EXPECT_EQ(idList, focusAfterTab); // the edit had the focus first
    EXPECT_EQ(0u, person.stepsLeft());
}

TEST(ModalLoopTest, OwnerIsDisabledDuringTheRunAndEnabledAfter) {
    std::vector<BYTE> bytes = testLayout(WS_POPUP | WS_VISIBLE);
    HWND owner = CreateDialogIndirectParamA(
        nullptr, reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()), nullptr, nullptr, 0);
    ScriptedFrontEnd person;
    BOOL enabledDuring = TRUE;
    HWND ownerSeen = nullptr;
    person.then([&] {
        enabledDuring = IsWindowEnabled(owner);
        ownerSeen = GetWindow(findDialog(), GW_OWNER);
        postKey(VK_ESCAPE);
    });
    EXPECT_EQ(IDCANCEL, runTestDialog(owner));
    EXPECT_FALSE(enabledDuring);
    EXPECT_EQ(owner, ownerSeen);
    EXPECT_TRUE(IsWindowEnabled(owner));
    DestroyWindow(owner);
}

TEST(ModalLoopTest, MessageBoxIsShownRecordedAndAnswered) {
    ScriptedFrontEnd person;
    person.then([&] {
        HWND box = person.currentMessageBox();
        SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(IDOK, MessageBoxA(nullptr, "Value out of range", "Quorlan", MB_ICONEXCLAMATION));
    ASSERT_EQ(1u, person.messageBoxes().size());
    const portable::SeenMessageBox& seen = person.messageBoxes()[0];
    EXPECT_EQ("Quorlan", seen.caption);
    EXPECT_EQ("Value out of range", seen.text);
    EXPECT_EQ(LoadIconA(nullptr, IDI_EXCLAMATION), seen.icon);
    EXPECT_FALSE(IsWindow(seen.hwnd));
}

TEST(ModalLoopTest, EscapeAnswersOkInAnOkBox) {
    ScriptedFrontEnd person;
    person.then([] { postKey(VK_ESCAPE); });
    EXPECT_EQ(IDOK, MessageBoxA(nullptr, "text", "caption", MB_OK));
}

TEST(ModalLoopTest, UnansweredMessageBoxEndsWhenNoPersonIsLeft) {
    EXPECT_EQ(IDOK, MessageBoxA(nullptr, "text", nullptr, MB_ICONHAND));
    ScriptedFrontEnd person;
    EXPECT_EQ(IDCANCEL, MessageBoxA(nullptr, "text", nullptr, MB_OKCANCEL));
}

TEST(ModalLoopTest, SystemIconsHaveDistinctFixedHandles) {
    const LPCSTR ids[] = {IDI_APPLICATION, IDI_HAND, IDI_QUESTION, IDI_EXCLAMATION, IDI_ASTERISK};
    for (size_t i = 0; i < 5; ++i) {
        ASSERT_NE(nullptr, LoadIconA(nullptr, ids[i]));
        EXPECT_EQ(LoadIconA(nullptr, ids[i]), LoadIconA(nullptr, ids[i]));
        for (size_t j = 0; j < i; ++j)
            EXPECT_NE(LoadIconA(nullptr, ids[i]), LoadIconA(nullptr, ids[j]));
    }
    EXPECT_EQ(nullptr, LoadIconA(nullptr, MAKEINTRESOURCEA(1)));
}

} // namespace
