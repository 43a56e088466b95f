// Showing, hiding, enabling and disabling the controls, on a dialog that is on screen.
#include "properties_layout.h"
#include "test_dialog.h"

namespace {

class WindowStateContract : public ContractTest {
  protected:
    bool visible() const override { return true; }
};

TEST_F(WindowStateContract, ShowAndHideChangeVisibility) {
    const int ids[] = {IDC_VALUE_EDIT, IDC_VALUE_COMBO, IDC_PRESENT, IDC_VALUE_SPIN, IDC_SPIN_EDIT};
    for (int id : ids) {
        EXPECT_TRUE(IsWindowVisible(item(id))) << id;
        EXPECT_NE(0, ShowWindow(item(id), SW_HIDE)) << id; // it was visible
        EXPECT_FALSE(IsWindowVisible(item(id))) << id;
        EXPECT_EQ(0, ShowWindow(item(id), SW_SHOW)) << id; // it was hidden
        EXPECT_TRUE(IsWindowVisible(item(id))) << id;
    }
}

TEST_F(WindowStateContract, EnableWindowReportsThePreviousState) {
    const int ids[] = {IDC_VALUE_EDIT, IDC_VALUE_SPIN, IDC_SPIN_EDIT, IDC_PRESENT};
    for (int id : ids) {
        EXPECT_TRUE(IsWindowEnabled(item(id))) << id;
        EXPECT_FALSE(EnableWindow(item(id), FALSE)) << id; // was enabled
        EXPECT_FALSE(IsWindowEnabled(item(id))) << id;
        EXPECT_TRUE(EnableWindow(item(id), FALSE)) << id; // was disabled
        EnableWindow(item(id), TRUE);
        EXPECT_TRUE(IsWindowEnabled(item(id))) << id;
    }
}

TEST_F(WindowStateContract, ControlsOfAHiddenDialogAreNotVisible) {
    ShowWindow(dlg(), SW_HIDE);
    EXPECT_FALSE(IsWindowVisible(item(IDOK)));
    ShowWindow(dlg(), SW_SHOW);
    EXPECT_TRUE(IsWindowVisible(item(IDOK)));
}

// GetDlgItem goes by the id a control has now, and no longer finds a destroyed control while
// it still finds the others.
TEST_F(ContractTest, ControlsAreFoundByTheirPresentIds) {
    HWND edit = item(IDC_VALUE_EDIT);
    SetWindowLongPtrA(edit, GWLP_ID, 4321);
    EXPECT_EQ(edit, GetDlgItem(dlg(), 4321));
    EXPECT_EQ(nullptr, GetDlgItem(dlg(), IDC_VALUE_EDIT));
    EXPECT_EQ(4321, GetDlgCtrlID(edit));
    SetWindowLongPtrA(edit, GWLP_ID, IDC_VALUE_EDIT);

    ASSERT_TRUE(DestroyWindow(item(IDC_VALUE_COMBO)));
    EXPECT_EQ(nullptr, GetDlgItem(dlg(), IDC_VALUE_COMBO));
    const int ids[] = {IDC_PROPERTY_LIST, IDC_VALUE_EDIT, IDC_DEFAULTS,  IDC_PRESENT,
                       IDC_NOT_PRESENT,   IDC_VALUE_SPIN, IDC_SPIN_EDIT, IDOK};
    for (int id : ids) {
        ASSERT_NE(nullptr, item(id)) << id;
        EXPECT_EQ(id, GetDlgCtrlID(item(id))) << id;
    }
}

} // namespace
