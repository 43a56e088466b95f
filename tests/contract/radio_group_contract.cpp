// Radio buttons on small layouts: arrow keys in a group that runs round the end of the control
// list, in a list with no WS_GROUP at all, and on a radio alone in its group; what a click
// unchecks; the default id of a dialog without a default button.
#include "person.h"
#include "test_dialog.h"

#include "platform/dialog_template.h"

#include <vector>

namespace {

constexpr int idA = 201, idB = 202, idC = 203, idPush = 210;
constexpr DWORD radio = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON;
constexpr DWORD manualRadio = WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON;
constexpr DWORD push = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP;

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
        {idB, radio}, {idC, radio}, {idPush, push | WS_GROUP}, {idA, radio | WS_GROUP}};
    const std::vector<Control> noGroups = {{idA, radio}, {idB, radio}, {idPush, push}};
    const std::vector<Control> alone = {{idA, radio | WS_GROUP}, {idPush, push | WS_GROUP}};
    const GroupCase cases[] = {
        {"wrapping: down from the start", wrapping, idA, VK_DOWN, idB, idB},
        {"wrapping: up to the start", wrapping, idB, VK_UP, idA, idA},
        {"wrapping: down from the end", wrapping, idC, VK_DOWN, idA, idA},
        {"wrapping: up from the start", wrapping, idA, VK_UP, idC, idC},
        {"no groups: down onto the push button", noGroups, idB, VK_DOWN, idPush, 0},
        {"no groups: up round to the push button", noGroups, idA, VK_UP, idPush, 0},
        {"alone: the radio clicks itself", alone, idA, VK_RIGHT, idA, idA},
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
    const std::vector<Control> mixed = {{idA, radio | WS_GROUP},
                                        {idB, manualRadio},
                                        {idC, radio},
                                        {idPush, push | WS_GROUP},
                                        {idPush + 1, manualRadio}};
    const HWND dlg = openDialog(mixed);
    ASSERT_NE(nullptr, dlg);
    for (int id : {idB, idC, idPush + 1})
        SendMessageA(GetDlgItem(dlg, id), BM_SETCHECK, BST_CHECKED, 0);

    SendMessageA(GetDlgItem(dlg, idA), BM_CLICK, 0, 0);
    SendMessageA(GetDlgItem(dlg, idA), BM_CLICK, 0, 0);

    const std::vector<int> expected = {idA, idA};
    EXPECT_EQ(expected, seen);
    EXPECT_EQ(BST_CHECKED, SendMessageA(GetDlgItem(dlg, idA), BM_GETCHECK, 0, 0));
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(GetDlgItem(dlg, idB), BM_GETCHECK, 0, 0));
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(GetDlgItem(dlg, idC), BM_GETCHECK, 0, 0));
    EXPECT_EQ(BST_CHECKED, SendMessageA(GetDlgItem(dlg, idPush + 1), BM_GETCHECK, 0, 0))
        << "a radio of the next group";
    DestroyWindow(dlg);
}

// A dialog without a default push button still answers DM_GETDEFID with IDOK.
TEST_F(RadioGroupContract, WithoutADefaultButtonTheDefaultIdIsIdOk) {
    const HWND dlg = openDialog({{idA, radio | WS_GROUP}, {idPush, push | WS_GROUP}});
    ASSERT_NE(nullptr, dlg);
    EXPECT_EQ(MAKELONG(IDOK, DC_HASDEFID), SendMessageA(dlg, DM_GETDEFID, 0, 0));
    DestroyWindow(dlg);
}

} // namespace
