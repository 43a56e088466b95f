// Push buttons and the present / not-present auto radios.
#include "person.h"
#include "properties_layout.h"
#include "test_dialog.h"

#include <vector>

namespace {

class ButtonContract : public ContractTest {
  protected:
    LRESULT checked(int id) const { return SendMessageA(item(id), BM_GETCHECK, 0, 0); }
    void setCheck(int id, WPARAM state) const { SendMessageA(item(id), BM_SETCHECK, state, 0); }
};

TEST_F(ButtonContract, RadiosStartUnchecked) {
    EXPECT_EQ(BST_UNCHECKED, checked(idPresent));
    EXPECT_EQ(BST_UNCHECKED, checked(idNotPresent));
}

TEST_F(ButtonContract, ClickOnARadioChecksItAndUnchecksTheOther) {
    setCheck(idPresent, BST_CHECKED);
    person::clickCentre(item(idNotPresent));
    EXPECT_EQ(BST_UNCHECKED, checked(idPresent));
    EXPECT_EQ(BST_CHECKED, checked(idNotPresent));
    const std::vector<Notification> expected = {command(idNotPresent, BN_CLICKED)};
    EXPECT_EQ(expected, events());
}

TEST_F(ButtonContract, ClickOnTheCheckedRadioNotifiesAgain) {
    setCheck(idPresent, BST_CHECKED);
    person::clickCentre(item(idPresent));
    EXPECT_EQ(BST_CHECKED, checked(idPresent));
    EXPECT_EQ(BST_UNCHECKED, checked(idNotPresent));
    const std::vector<Notification> expected = {command(idPresent, BN_CLICKED)};
    EXPECT_EQ(expected, events());
}

TEST_F(ButtonContract, BmClickOnARadioActsAsAClick) {
    setCheck(idNotPresent, BST_CHECKED);
    SendMessageA(item(idPresent), BM_CLICK, 0, 0);
    EXPECT_EQ(BST_CHECKED, checked(idPresent));
    EXPECT_EQ(BST_UNCHECKED, checked(idNotPresent));
    const std::vector<Notification> expected = {command(idPresent, BN_CLICKED)};
    EXPECT_EQ(expected, events());
}

// BM_SETCHECK checks one radio only: the dialog always sets both.
TEST_F(ButtonContract, SetCheckTouchesOnlyThatRadioAndSendsNothing) {
    setCheck(idPresent, BST_CHECKED);
    setCheck(idNotPresent, BST_CHECKED);
    EXPECT_EQ(BST_CHECKED, checked(idPresent));
    EXPECT_EQ(BST_CHECKED, checked(idNotPresent));
    setCheck(idPresent, BST_UNCHECKED);
    EXPECT_EQ(BST_UNCHECKED, checked(idPresent));
    EXPECT_EQ(noEvents(), events());
}

TEST_F(ButtonContract, HiddenOrDisabledRadioKeepsItsCheck) {
    setCheck(idNotPresent, BST_CHECKED);
    ShowWindow(item(idNotPresent), SW_HIDE);
    EXPECT_EQ(BST_CHECKED, checked(idNotPresent));
    EnableWindow(item(idNotPresent), FALSE);
    ShowWindow(item(idNotPresent), SW_SHOW);
    EnableWindow(item(idNotPresent), TRUE);
    EXPECT_EQ(BST_CHECKED, checked(idNotPresent));
}

// The focus alone neither checks a radio nor notifies.
TEST_F(ButtonContract, FocusOnAnUncheckedRadioSendsNothing) {
    SetFocus(item(idNotPresent));
    EXPECT_EQ(item(idNotPresent), GetFocus());
    EXPECT_EQ(BST_UNCHECKED, checked(idNotPresent));
    EXPECT_EQ(noEvents(), events());
}

TEST_F(ButtonContract, ClickOnAPushButtonNotifies) {
    struct Case {
        int id;
    };
    const Case cases[] = {{IDOK}, {IDCANCEL}, {idDefaults}};
    for (const Case& c : cases) {
        clearEvents();
        person::clickCentre(item(c.id));
        const std::vector<Notification> expected = {command(c.id, BN_CLICKED)};
        EXPECT_EQ(expected, events()) << "button " << c.id;
    }
}

TEST_F(ButtonContract, BmClickOnAPushButtonNotifies) {
    SendMessageA(item(idDefaults), BM_CLICK, 0, 0);
    const std::vector<Notification> expected = {command(idDefaults, BN_CLICKED)};
    EXPECT_EQ(expected, events());
}

// Arrow keys on a focused radio button, through the dialog manager, with the value controls
// hidden as the dialog shows them for a present / not-present property. The arrows move within
// the group that runs from the "Select the property" label up to the "Value" label.
class RadioArrowContract : public ButtonContract {
  protected:
    bool visible() const override { return true; }

    // The "Select the property" label: it has no id of its own.
    HWND selectLabel() const { return GetWindow(item(idPropertyList), GW_HWNDNEXT); }
};

constexpr int kLabelFocus = -2; // the focus lands on the group's first control, the label

struct Radios {
    LRESULT present;
    LRESULT notPresent;
};

struct ArrowCase {
    const char* name;
    WPARAM key;
    int focus; // the radio with the focus when the key is pressed
    Radios before;
    int disabled;   // a control of the group disabled first, or 0
    int focusAfter; // a control id, or kLabelFocus
    Radios after;
    int clicked; // the id notified BN_CLICKED, or 0 for no notification
};

TEST_F(RadioArrowContract, ArrowsMoveWithinTheGroup) {
    const LRESULT on = BST_CHECKED, off = BST_UNCHECKED;
    const ArrowCase cases[] = {
        {"down", VK_DOWN, idPresent, {on, off}, 0, idNotPresent, {off, on}, idNotPresent},
        {"right", VK_RIGHT, idPresent, {on, off}, 0, idNotPresent, {off, on}, idNotPresent},
        {"up", VK_UP, idNotPresent, {off, on}, 0, idPresent, {on, off}, idPresent},
        {"left", VK_LEFT, idNotPresent, {off, on}, 0, idPresent, {on, off}, idPresent},
        {"onto a checked radio", VK_DOWN, idPresent, {off, on}, 0, idNotPresent, {off, on}, 0},
        {"neither checked",
         VK_DOWN,
         idPresent,
         {off, off},
         0,
         idNotPresent,
         {off, on},
         idNotPresent},
        {"up from the first", VK_UP, idPresent, {on, off}, 0, idDefaults, {on, off}, 0},
        {"down from the last", VK_DOWN, idNotPresent, {off, on}, 0, kLabelFocus, {off, on}, 0},
        {"over disabled", VK_DOWN, idPresent, {on, off}, idNotPresent, kLabelFocus, {on, off}, 0},
    };
    const int valueControls[] = {idValueEdit, idValueCombo, idValueSpin, idSpinEdit};
    for (int id : valueControls)
        ShowWindow(item(id), SW_HIDE);
    for (const ArrowCase& c : cases) {
        EnableWindow(item(idNotPresent), TRUE);
        setCheck(idPresent, WPARAM(c.before.present));
        setCheck(idNotPresent, WPARAM(c.before.notPresent));
        SetFocus(item(c.focus));
        if (c.disabled)
            EnableWindow(item(c.disabled), FALSE);
        clearEvents();

        person::pressKey(dlg(), item(c.focus), c.key);

        const HWND expectedFocus = c.focusAfter == kLabelFocus ? selectLabel() : item(c.focusAfter);
        EXPECT_EQ(expectedFocus, GetFocus()) << c.name;
        EXPECT_EQ(c.after.present, checked(idPresent)) << c.name;
        EXPECT_EQ(c.after.notPresent, checked(idNotPresent)) << c.name;
        std::vector<Notification> expected;
        if (c.clicked)
            expected.push_back(command(c.clicked, BN_CLICKED));
        EXPECT_EQ(expected, events()) << c.name;
    }
}

} // namespace
