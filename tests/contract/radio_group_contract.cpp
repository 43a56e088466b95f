// Radio buttons on small layouts: arrow keys in a group that runs round the end of the control
// list, in a list with no WS_GROUP at all, and on a radio alone in its group; what a click
// unchecks; the default id of a dialog without a default button.
#include "person.h"
#include "test_dialog.h"

#include "platform/dialog_template.h"

#include <vector>

namespace {

constexpr int kIdA = 201, kIdB = 202, kIdC = 203, kIdPush = 210;
constexpr DWORD kRadio = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON;
constexpr DWORD kManualRadio = WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON;
constexpr DWORD kPush = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP;

struct Control {
    int id;
    DWORD style;
};

std::vector<int>* clicks = nullptr; // the BN_CLICKED ids the open dialog received

INT_PTR CALLBACK recordClicks(HWND, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && clicks)
        clicks->push_back(LOWORD(wParam));
    return message == WM_INITDIALOG;
}

HWND openDialog(const std::vector<Control>& controls) {
    platform::DialogTemplate t(WS_POPUP | WS_CAPTION, "Radios", 0, 0, 120, 90);
    short y = 5;
    for (const Control& c : controls) {
        const DWORD type = c.style & BS_TYPEMASK;
        const bool isRadio = type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON;
        t.addItem(platform::DialogTemplate::Button, isRadio ? "Radio" : "Push", c.id, c.style, 5, y,
                  60, 12);
        y = static_cast<short>(y + 15);
    }
    const std::vector<BYTE> bytes = t.bytes();
    return CreateDialogIndirectParamA(GetModuleHandleA(nullptr),
                                      reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()), nullptr,
                                      recordClicks, 0);
}

struct GroupCase {
    const char* name;
    std::vector<Control> controls; // in creation order
    int focus;
    WPARAM key;
    int focusAfter;
    int clicked; // the radio clicked, and so checked, by the key; 0 for none
};

class RadioGroupContract : public ::testing::Test {
  protected:
    void SetUp() override { clicks = &seen; }
    void TearDown() override { clicks = nullptr; }
    std::vector<int> seen;
};

TEST_F(RadioGroupContract, ArrowsFollowTheGroupRoundTheList) {
    // A group starting at the last control continues at the first one.
    const std::vector<Control> wrapping = {
        {kIdB, kRadio}, {kIdC, kRadio}, {kIdPush, kPush | WS_GROUP}, {kIdA, kRadio | WS_GROUP}};
    const std::vector<Control> noGroups = {{kIdA, kRadio}, {kIdB, kRadio}, {kIdPush, kPush}};
    const std::vector<Control> alone = {{kIdA, kRadio | WS_GROUP}, {kIdPush, kPush | WS_GROUP}};
    const GroupCase cases[] = {
        {"wrapping: down from the start", wrapping, kIdA, VK_DOWN, kIdB, kIdB},
        {"wrapping: up to the start", wrapping, kIdB, VK_UP, kIdA, kIdA},
        {"wrapping: down from the end", wrapping, kIdC, VK_DOWN, kIdA, kIdA},
        {"wrapping: up from the start", wrapping, kIdA, VK_UP, kIdC, kIdC},
        {"no groups: down onto the push button", noGroups, kIdB, VK_DOWN, kIdPush, 0},
        {"no groups: up round to the push button", noGroups, kIdA, VK_UP, kIdPush, 0},
        {"alone: the radio clicks itself", alone, kIdA, VK_RIGHT, kIdA, kIdA},
    };
    for (const GroupCase& c : cases) {
        const HWND dlg = openDialog(c.controls);
        ASSERT_NE(nullptr, dlg) << c.name;
        SetFocus(GetDlgItem(dlg, c.focus));
        seen.clear();

        person::pressKey(dlg, GetDlgItem(dlg, c.focus), c.key);

        EXPECT_EQ(GetDlgItem(dlg, c.focusAfter), GetFocus()) << c.name;
        std::vector<int> expected;
        if (c.clicked)
            expected.push_back(c.clicked);
        EXPECT_EQ(expected, seen) << c.name;
        for (const Control& control : c.controls) {
            if ((control.style & BS_TYPEMASK) != BS_AUTORADIOBUTTON)
                continue;
            const LRESULT check = SendMessageA(GetDlgItem(dlg, control.id), BM_GETCHECK, 0, 0);
            EXPECT_EQ(control.id == c.clicked ? BST_CHECKED : BST_UNCHECKED, check)
                << c.name << ", radio " << control.id;
        }
        DestroyWindow(dlg);
    }
}

// A click on an automatic radio unchecks every other radio of its group, plain BS_RADIOBUTTON
// ones included, and none beyond the group; BM_CLICK on one already checked notifies again.
TEST_F(RadioGroupContract, AClickUnchecksTheWholeGroup) {
    const std::vector<Control> mixed = {{kIdA, kRadio | WS_GROUP},
                                        {kIdB, kManualRadio},
                                        {kIdC, kRadio},
                                        {kIdPush, kPush | WS_GROUP},
                                        {kIdPush + 1, kManualRadio}};
    const HWND dlg = openDialog(mixed);
    ASSERT_NE(nullptr, dlg);
    for (int id : {kIdB, kIdC, kIdPush + 1})
        SendMessageA(GetDlgItem(dlg, id), BM_SETCHECK, BST_CHECKED, 0);

    SendMessageA(GetDlgItem(dlg, kIdA), BM_CLICK, 0, 0);
    SendMessageA(GetDlgItem(dlg, kIdA), BM_CLICK, 0, 0);

    const std::vector<int> expected = {kIdA, kIdA};
    EXPECT_EQ(expected, seen);
    EXPECT_EQ(BST_CHECKED, SendMessageA(GetDlgItem(dlg, kIdA), BM_GETCHECK, 0, 0));
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(GetDlgItem(dlg, kIdB), BM_GETCHECK, 0, 0));
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(GetDlgItem(dlg, kIdC), BM_GETCHECK, 0, 0));
    EXPECT_EQ(BST_CHECKED, SendMessageA(GetDlgItem(dlg, kIdPush + 1), BM_GETCHECK, 0, 0))
        << "a radio of the next group";
    DestroyWindow(dlg);
}

// A dialog without a default push button still answers DM_GETDEFID with IDOK.
TEST_F(RadioGroupContract, WithoutADefaultButtonTheDefaultIdIsIdOk) {
    const HWND dlg = openDialog({{kIdA, kRadio | WS_GROUP}, {kIdPush, kPush | WS_GROUP}});
    ASSERT_NE(nullptr, dlg);
    EXPECT_EQ(MAKELONG(IDOK, DC_HASDEFID), SendMessageA(dlg, DM_GETDEFID, 0, 0));
    DestroyWindow(dlg);
}

} // namespace
