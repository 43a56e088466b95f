// The dialog manager: modal runs and how they end, the owner, focus and Tab order, and failures.
#include "message_box_probe.h"
#include "modal_dialog.h"
#include "person.h"
#include "properties_layout.h"
#include "test_dialog.h"

#include <string>
#include <vector>

namespace {

class DialogManagerContract : public ::testing::Test {
  protected:
    void SetUp() override { initCommonControls(); }
};

void postKey(HWND target, WPARAM virtualKey) {
    PostMessageA(target, WM_KEYDOWN, virtualKey, 1);
    PostMessageA(target, WM_KEYUP, virtualKey, static_cast<LPARAM>(0xC0000001u));
}

// Enter presses the default button whichever control has the focus.
TEST_F(DialogManagerContract, EnterEndsWithTheDefaultButton) {
    const int focused[] = {IDC_PROPERTY_LIST, IDC_VALUE_EDIT, IDC_SPIN_EDIT, IDC_VALUE_COMBO};
    for (int id : focused) {
        ModalScript script;
        script.onPosted = [id](HWND dlg) {
            SetFocus(GetDlgItem(dlg, id));
            postKey(GetDlgItem(dlg, id), VK_RETURN);
        };
        EXPECT_EQ(IDOK, runModal(nullptr, script)) << "focus on " << id;
    }
}

// Tab onto a push button makes it the default one, so Enter then presses it.
TEST_F(DialogManagerContract, EnterPressesAPushButtonReachedByTab) {
    int focused = 0;
    ModalScript script;
    script.onPosted = [&](HWND dlg) {
        person::pressKey(dlg, GetFocus(), VK_TAB);
        focused = GetDlgCtrlID(GetFocus());
        postKey(GetFocus(), VK_RETURN);
    };
    EXPECT_EQ(IDCANCEL, runModal(nullptr, script));
    EXPECT_EQ(IDCANCEL, focused);
}

TEST_F(DialogManagerContract, EscapeEndsWithCancel) {
    ModalScript script;
    script.onPosted = [](HWND dlg) {
        SetFocus(GetDlgItem(dlg, IDC_VALUE_EDIT));
        postKey(GetDlgItem(dlg, IDC_VALUE_EDIT), VK_ESCAPE);
    };
    EXPECT_EQ(IDCANCEL, runModal(nullptr, script));
}

TEST_F(DialogManagerContract, SystemMenuCloseEndsWithCancel) {
    ModalScript script;
    script.onPosted = [](HWND dlg) { PostMessageA(dlg, WM_SYSCOMMAND, SC_CLOSE, 0); };
    EXPECT_EQ(IDCANCEL, runModal(nullptr, script));
}

TEST_F(DialogManagerContract, EndDialogResultIsReturned) {
    ModalScript script;
    script.onPosted = [](HWND dlg) { EndDialog(dlg, 7); };
    EXPECT_EQ(7, runModal(nullptr, script));
}

TEST_F(DialogManagerContract, EndDialogDuringInitialisationEndsTheRun) {
    bool posted = false;
    ModalScript script;
    script.onInit = [](HWND dlg) { EndDialog(dlg, 9); };
    script.onPosted = [&posted](HWND) { posted = true; };
    EXPECT_EQ(9, runModal(nullptr, script));
    EXPECT_FALSE(posted);
}

// The owner is disabled before WM_INITDIALOG and while the loop runs; EndDialog enables it at
// once, before the run returns.
TEST_F(DialogManagerContract, OwnerIsDisabledWhileTheDialogRuns) {
    TestDialog owner;
    ASSERT_NE(nullptr, owner.hwnd());
    BOOL enabledAtInit = TRUE;
    BOOL enabledMeanwhile = TRUE;
    BOOL enabledAfterEnd = FALSE;
    HWND ownerSeen = nullptr;
    ModalScript script;
    script.onInit = [&](HWND) { enabledAtInit = IsWindowEnabled(owner.hwnd()); };
    script.onPosted = [&](HWND dlg) {
        enabledMeanwhile = IsWindowEnabled(owner.hwnd());
        ownerSeen = GetWindow(dlg, GW_OWNER);
        EndDialog(dlg, IDOK);
        enabledAfterEnd = IsWindowEnabled(owner.hwnd());
    };
    EXPECT_EQ(IDOK, runModal(owner.hwnd(), script));
    EXPECT_FALSE(enabledAtInit);
    EXPECT_FALSE(enabledMeanwhile);
    EXPECT_TRUE(enabledAfterEnd);
    EXPECT_EQ(owner.hwnd(), ownerSeen);
    EXPECT_TRUE(IsWindowEnabled(owner.hwnd()));
}

HWND boxOwner = nullptr;
BOOL boxOwnerEnabled = TRUE; // whether the owner was enabled while the message box showed

void CALLBACK answerBoxOfOwner(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND box = findMessageBox(nullptr);
    if (box == nullptr || GetWindow(box, GW_OWNER) != boxOwner)
        return;
    KillTimer(nullptr, timer);
    boxOwnerEnabled = IsWindowEnabled(boxOwner);
    answerMessageBox(box, IDOK);
}

// A message box owned by the dialog's owner, raised from WM_INITDIALOG, finds the owner already
// disabled. Its own end enables the owner, as every EndDialog enables its owner whoever disabled
// it (Wine 8.0; Microsoft does not document it), and the owner stays enabled for the rest of
// the run.
TEST_F(DialogManagerContract, AMessageBoxOfTheOwnerAtInitialisationEnablesItWhenItEnds) {
    TestDialog owner;
    ASSERT_NE(nullptr, owner.hwnd());
    boxOwner = owner.hwnd();
    boxOwnerEnabled = TRUE;
    BOOL enabledAfterBox = FALSE;
    BOOL enabledMeanwhile = FALSE;
    ModalScript script;
    script.onInit = [&](HWND dlg) {
        // The box's loop would deliver the dialog's WM_APP: it is posted again after the box.
        MSG posted;
        PeekMessageA(&posted, dlg, WM_APP, WM_APP, PM_REMOVE);
        UINT_PTR timer = SetTimer(nullptr, 0, 10, answerBoxOfOwner);
        MessageBoxA(owner.hwnd(), "Raised during initialisation", "Owner", MB_OK);
        KillTimer(nullptr, timer);
        enabledAfterBox = IsWindowEnabled(owner.hwnd());
        PostMessageA(dlg, WM_APP, 0, 0);
    };
    script.onPosted = [&](HWND dlg) {
        enabledMeanwhile = IsWindowEnabled(owner.hwnd());
        EndDialog(dlg, IDOK);
    };
    EXPECT_EQ(IDOK, runModal(owner.hwnd(), script));
    EXPECT_FALSE(boxOwnerEnabled);
    EXPECT_TRUE(enabledAfterBox);
    EXPECT_TRUE(enabledMeanwhile);
    EXPECT_TRUE(IsWindowEnabled(owner.hwnd()));
}

// The modal loop shows the dialog once its queue is empty, so code run from a timer (as the
// scenario driver is) finds it on screen.
HWND dialogOnScreen = nullptr;
BOOL visibleInTimer = FALSE;

void CALLBACK checkVisibleAndEnd(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    visibleInTimer = IsWindowVisible(dialogOnScreen);
    EndDialog(dialogOnScreen, IDOK);
}

TEST_F(DialogManagerContract, DialogIsShownWhenTheQueueIsEmpty) {
    BOOL visibleAtInit = TRUE;
    BOOL visibleAtFirstMessage = TRUE;
    visibleInTimer = FALSE;
    ModalScript script;
    script.onInit = [&](HWND dlg) { visibleAtInit = IsWindowVisible(dlg); };
    script.onPosted = [&](HWND dlg) {
        visibleAtFirstMessage = IsWindowVisible(dlg);
        dialogOnScreen = dlg;
        SetTimer(nullptr, 0, 50, checkVisibleAndEnd);
    };
    EXPECT_EQ(IDOK, runModal(nullptr, script));
    EXPECT_FALSE(visibleAtInit);
    EXPECT_FALSE(visibleAtFirstMessage);
    EXPECT_TRUE(visibleInTimer);
}

// A dialog activated without the focus in it gives the focus to its first tab stop.
int focusedInTimer = 0;

void CALLBACK readFocusAndEnd(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    focusedInTimer = GetDlgCtrlID(GetFocus());
    EndDialog(dialogOnScreen, IDOK);
}

TEST_F(DialogManagerContract, ShownWithoutFocusItFocusesTheFirstTabStop) {
    focusedInTimer = 0;
    HWND focusBeforeShown = nullptr;
    ModalScript script;
    script.initResult = FALSE;
    script.onPosted = [&](HWND dlg) {
        focusBeforeShown = GetFocus();
        dialogOnScreen = dlg;
        SetTimer(nullptr, 0, 50, readFocusAndEnd);
    };
    EXPECT_EQ(IDOK, runModal(nullptr, script));
    EXPECT_EQ(nullptr, focusBeforeShown);
    EXPECT_EQ(IDOK, focusedInTimer);
}

// WM_INITDIALOG returning TRUE gives the focus to the first tab stop; FALSE keeps the focus
// the dialog procedure set itself.
TEST_F(DialogManagerContract, InitResultDecidesTheFirstFocus) {
    for (BOOL initResult : {TRUE, FALSE}) {
        int focused = 0;
        ModalScript script;
        script.initResult = initResult;
        script.onInit = [](HWND dlg) { SetFocus(GetDlgItem(dlg, IDC_PROPERTY_LIST)); };
        script.onPosted = [&](HWND dlg) {
            focused = GetDlgCtrlID(GetFocus());
            EndDialog(dlg, IDOK);
        };
        runModal(nullptr, script);
        EXPECT_EQ(initResult ? IDOK : IDC_PROPERTY_LIST, focused) << "init result " << initResult;
    }
}

// Tab visits the visible, enabled tab stops in template order and wraps round.
TEST_F(DialogManagerContract, TabFollowsTheTemplateOrder) {
    struct Case {
        std::vector<int> hidden;
        std::vector<int> order;
    };
    const Case cases[] = {
        {{},
         {IDCANCEL, IDC_PROPERTY_LIST, IDC_VALUE_EDIT, IDC_VALUE_COMBO, IDC_DEFAULTS, IDC_SPIN_EDIT,
          IDOK}},
        {{IDC_VALUE_EDIT, IDC_VALUE_COMBO},
         {IDCANCEL, IDC_PROPERTY_LIST, IDC_DEFAULTS, IDC_SPIN_EDIT, IDOK}},
    };
    for (const Case& c : cases) {
        std::vector<int> visited;
        ModalScript script;
        script.onPosted = [&](HWND dlg) {
            for (int id : c.hidden)
                ShowWindow(GetDlgItem(dlg, id), SW_HIDE);
            for (size_t i = 0; i < c.order.size(); ++i) {
                person::pressKey(dlg, GetFocus(), VK_TAB);
                visited.push_back(GetDlgCtrlID(GetFocus()));
            }
            EndDialog(dlg, IDOK);
        };
        runModal(nullptr, script);
        EXPECT_EQ(c.order, visited) << c.hidden.size() << " hidden";
    }
}

TEST_F(DialogManagerContract, DisabledControlIsSkippedByTab) {
    std::vector<int> visited;
    ModalScript script;
    script.onPosted = [&](HWND dlg) {
        EnableWindow(GetDlgItem(dlg, IDCANCEL), FALSE);
        person::pressKey(dlg, GetFocus(), VK_TAB);
        visited.push_back(GetDlgCtrlID(GetFocus()));
        EndDialog(dlg, IDOK);
    };
    runModal(nullptr, script);
    EXPECT_EQ(std::vector<int>{IDC_PROPERTY_LIST}, visited);
}

TEST_F(DialogManagerContract, TemplateWithAnUnknownClassFails) {
    platform::DialogTemplate bad(WS_POPUP | WS_CAPTION, "Bad", 0, 0, 100, 50);
    bad.addItem("quorlan_no_such_class", "", 1000, WS_CHILD | WS_VISIBLE, 5, 5, 20, 10);
    const std::vector<BYTE> bytes = bad.bytes();
    const auto* t = reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data());
    ModalScript script;
    EXPECT_EQ(-1, DialogBoxIndirectParamA(GetModuleHandleA(nullptr), t, nullptr, nullptr, 0));
    EXPECT_EQ(nullptr,
              CreateDialogIndirectParamA(GetModuleHandleA(nullptr), t, nullptr, nullptr, 0));
}

TEST_F(DialogManagerContract, MissingResourceFails) {
    EXPECT_EQ(-1, DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(4321), nullptr,
                                  nullptr, 0));
}

} // namespace
