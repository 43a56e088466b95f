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
    void expectRadios(LRESULT present, LRESULT notPresent) const {
        EXPECT_EQ(present, checked(IDC_PRESENT));
        EXPECT_EQ(notPresent, checked(IDC_NOT_PRESENT));
    }
    static std::vector<Notification> clicked(int id) { return {command(id, BN_CLICKED)}; }
};

TEST_F(ButtonContract, RadiosStartUnchecked) {
    expectRadios(BST_UNCHECKED, BST_UNCHECKED);
}

TEST_F(ButtonContract, ClickOnARadioChecksItAndUnchecksTheOther) {
    setCheck(IDC_PRESENT, BST_CHECKED);
    person::clickCentre(item(IDC_NOT_PRESENT));
    expectRadios(BST_UNCHECKED, BST_CHECKED);
    EXPECT_EQ(clicked(IDC_NOT_PRESENT), events());
}

TEST_F(ButtonContract, ClickOnTheCheckedRadioNotifiesAgain) {
    setCheck(IDC_PRESENT, BST_CHECKED);
    person::clickCentre(item(IDC_PRESENT));
    expectRadios(BST_CHECKED, BST_UNCHECKED);
    EXPECT_EQ(clicked(IDC_PRESENT), events());
}

TEST_F(ButtonContract, BmClickOnARadioActsAsAClick) {
    setCheck(IDC_NOT_PRESENT, BST_CHECKED);
    SendMessageA(item(IDC_PRESENT), BM_CLICK, 0, 0);
    expectRadios(BST_CHECKED, BST_UNCHECKED);
    EXPECT_EQ(clicked(IDC_PRESENT), events());
}

// BM_SETCHECK checks one radio only: the dialog always sets both.
TEST_F(ButtonContract, SetCheckTouchesOnlyThatRadioAndSendsNothing) {
    setCheck(IDC_PRESENT, BST_CHECKED);
    setCheck(IDC_NOT_PRESENT, BST_CHECKED);
    expectRadios(BST_CHECKED, BST_CHECKED);
    setCheck(IDC_PRESENT, BST_UNCHECKED);
    EXPECT_EQ(BST_UNCHECKED, checked(IDC_PRESENT));
    EXPECT_EQ(noEvents(), events());
}

TEST_F(ButtonContract, HiddenOrDisabledRadioKeepsItsCheck) {
    setCheck(IDC_NOT_PRESENT, BST_CHECKED);
    ShowWindow(item(IDC_NOT_PRESENT), SW_HIDE);
    EXPECT_EQ(BST_CHECKED, checked(IDC_NOT_PRESENT));
    EnableWindow(item(IDC_NOT_PRESENT), FALSE);
    ShowWindow(item(IDC_NOT_PRESENT), SW_SHOW);
    EnableWindow(item(IDC_NOT_PRESENT), TRUE);
    EXPECT_EQ(BST_CHECKED, checked(IDC_NOT_PRESENT));
}

// The focus alone neither checks a radio nor notifies.
TEST_F(ButtonContract, FocusOnAnUncheckedRadioSendsNothing) {
    SetFocus(item(IDC_NOT_PRESENT));
    EXPECT_EQ(item(IDC_NOT_PRESENT), GetFocus());
    EXPECT_EQ(BST_UNCHECKED, checked(IDC_NOT_PRESENT));
    EXPECT_EQ(noEvents(), events());
}

TEST_F(ButtonContract, ClickOnAPushButtonNotifies) {
    struct Case {
        int id;
    };
    const Case cases[] = {{IDOK}, {IDCANCEL}, {IDC_DEFAULTS}};
    for (const Case& c : cases) {
        clearEvents();
        person::clickCentre(item(c.id));
        EXPECT_EQ(clicked(c.id), events()) << "button " << c.id;
    }
}

TEST_F(ButtonContract, BmClickOnAPushButtonNotifies) {
    SendMessageA(item(IDC_DEFAULTS), BM_CLICK, 0, 0);
    EXPECT_EQ(clicked(IDC_DEFAULTS), events());
}

// Arrow keys on a focused radio button, through the dialog manager, with the value controls
// hidden as the dialog shows them for a present / not-present property. The arrows move within
// the group that runs from the "Select the property" label up to the "Value" label.
class RadioArrowContract : public ButtonContract {
  protected:
    bool visible() const override { return true; }

    // The "Select the property" label: it has no id of its own.
    HWND selectLabel() const { return GetWindow(item(IDC_PROPERTY_LIST), GW_HWNDNEXT); }
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
        {"down", VK_DOWN, IDC_PRESENT, {on, off}, 0, IDC_NOT_PRESENT, {off, on}, IDC_NOT_PRESENT},
        {"right", VK_RIGHT, IDC_PRESENT, {on, off}, 0, IDC_NOT_PRESENT, {off, on}, IDC_NOT_PRESENT},
        {"up", VK_UP, IDC_NOT_PRESENT, {off, on}, 0, IDC_PRESENT, {on, off}, IDC_PRESENT},
        {"left", VK_LEFT, IDC_NOT_PRESENT, {off, on}, 0, IDC_PRESENT, {on, off}, IDC_PRESENT},
        {"onto a checked radio", VK_DOWN, IDC_PRESENT, {off, on}, 0, IDC_NOT_PRESENT, {off, on}, 0},
        {"neither checked",
         VK_DOWN,
         IDC_PRESENT,
         {off, off},
         0,
         IDC_NOT_PRESENT,
         {off, on},
         IDC_NOT_PRESENT},
        {"up from the first", VK_UP, IDC_PRESENT, {on, off}, 0, IDC_DEFAULTS, {on, off}, 0},
        {"down from the last", VK_DOWN, IDC_NOT_PRESENT, {off, on}, 0, kLabelFocus, {off, on}, 0},
        {"over disabled",
         VK_DOWN,
         IDC_PRESENT,
         {on, off},
         IDC_NOT_PRESENT,
         kLabelFocus,
         {on, off},
         0},
    };
    const int valueControls[] = {IDC_VALUE_EDIT, IDC_VALUE_COMBO, IDC_VALUE_SPIN, IDC_SPIN_EDIT};
    for (int id : valueControls)
        ShowWindow(item(id), SW_HIDE);
    for (const ArrowCase& c : cases) {
        EnableWindow(item(IDC_NOT_PRESENT), TRUE);
        setCheck(IDC_PRESENT, WPARAM(c.before.present));
        setCheck(IDC_NOT_PRESENT, WPARAM(c.before.notPresent));
        SetFocus(item(c.focus));
        if (c.disabled)
            EnableWindow(item(c.disabled), FALSE);
        clearEvents();

        person::pressKey(dlg(), item(c.focus), c.key);

        const HWND expectedFocus = c.focusAfter == kLabelFocus ? selectLabel() : item(c.focusAfter);
        EXPECT_EQ(expectedFocus, GetFocus()) << c.name;
        EXPECT_EQ(c.after.present, checked(IDC_PRESENT)) << c.name;
        EXPECT_EQ(c.after.notPresent, checked(IDC_NOT_PRESENT)) << c.name;
        EXPECT_EQ(c.clicked ? clicked(c.clicked) : noEvents(), events()) << c.name;
    }
}

} // namespace
