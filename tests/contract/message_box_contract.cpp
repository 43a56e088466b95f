// Message boxes shown from inside the modal dialog, found and answered from a thread timer.
#include "message_box_probe.h"
#include "modal_dialog.h"
#include "properties_layout.h"
#include "test_dialog.h"

namespace {

// The timer procedure has no context argument: the test in progress leaves its state here.
struct Answering {
    HWND dialog = nullptr;
    MessageBoxView seen;
    BOOL ownerEnabled = TRUE;
    int ticks = 0;
};
Answering* answering = nullptr;

void CALLBACK answerOnTimer(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND box = findMessageBox(answering->dialog);
    if (!box && ++answering->ticks < 500)
        return; // not up yet
    KillTimer(nullptr, timer);
    if (!box)
        return;
    answering->seen = readMessageBox(box);
    answering->ownerEnabled = IsWindowEnabled(answering->dialog);
    answerMessageBox(box, IDOK);
}

class MessageBoxContract : public ::testing::Test {
  protected:
    void SetUp() override {
        initCommonControls();
        answering = &state;
    }
    void TearDown() override { answering = nullptr; }

    // Runs the modal dialog, which shows the message box from its loop, and ends with IDOK.
    int showFromDialog(const char* text, const char* caption, UINT type) {
        int result = 0;
        ModalScript script;
        script.onPosted = [&](HWND dlg) {
            state.dialog = dlg;
            SetTimer(nullptr, 0, 10, answerOnTimer);
            result = MessageBoxA(dlg, text, caption, type);
            EndDialog(dlg, IDOK);
        };
        EXPECT_EQ(IDOK, runModal(nullptr, script));
        return result;
    }

    Answering state;
};

TEST_F(MessageBoxContract, IsFoundReadAndAnswered) {
    const int result = showFromDialog("Out of Range (32 to 1024)", "Tavrix QK61450 Veloxa",
                                      MB_ICONEXCLAMATION | MB_OK);
    EXPECT_EQ(IDOK, result);
    ASSERT_NE(nullptr, state.seen.hwnd);
    EXPECT_EQ("Out of Range (32 to 1024)", state.seen.text);
    EXPECT_EQ("Tavrix QK61450 Veloxa", state.seen.caption);
    EXPECT_EQ(state.dialog, state.seen.owner);
    EXPECT_FALSE(state.ownerEnabled);
    EXPECT_FALSE(IsWindow(state.seen.hwnd));
}

TEST_F(MessageBoxContract, CarriesTheSystemIconOfItsType) {
    struct Case {
        UINT type;
        LPCSTR icon;
    };
    const Case cases[] = {
        {MB_ICONEXCLAMATION | MB_OK, IDI_EXCLAMATION},
        {MB_ICONHAND | MB_OK, IDI_HAND},
    };
    for (const Case& c : cases) {
        state = Answering();
        EXPECT_EQ(IDOK, showFromDialog("text", "caption", c.type));
        EXPECT_EQ(LoadIconA(nullptr, c.icon), state.seen.icon) << "type " << c.type;
    }
}

TEST_F(MessageBoxContract, WithoutIconHasNoIconStatic) {
    EXPECT_EQ(IDOK, showFromDialog("text", "caption", MB_OK));
    ASSERT_NE(nullptr, state.seen.hwnd);
    EXPECT_EQ(nullptr, state.seen.icon);
}

// Closing the box gives the keyboard focus back to the control of the dialog that had it.
TEST_F(MessageBoxContract, FocusReturnsToTheDialogsControl) {
    const int ids[] = {IDC_PROPERTY_LIST, IDC_VALUE_EDIT, IDC_DEFAULTS};
    for (int id : ids) {
        state = Answering();
        HWND control = nullptr;
        HWND focusAfter = nullptr;
        ModalScript script;
        script.onPosted = [&](HWND dlg) {
            state.dialog = dlg;
            control = GetDlgItem(dlg, id);
            SendMessageA(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
            SetTimer(nullptr, 0, 10, answerOnTimer);
            MessageBoxA(dlg, "text", "caption", MB_ICONEXCLAMATION | MB_OK);
            focusAfter = GetFocus();
            EndDialog(dlg, IDOK);
        };
        EXPECT_EQ(IDOK, runModal(nullptr, script));
        ASSERT_NE(nullptr, state.seen.hwnd) << id;
        EXPECT_EQ(control, focusAfter) << "focus on " << id;
    }
}

} // namespace
