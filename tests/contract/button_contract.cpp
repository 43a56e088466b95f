// Push buttons and the present / not-present auto radios.
#include "person.h"
#include "properties_layout.h"
#include "test_dialog.h"

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

} // namespace
