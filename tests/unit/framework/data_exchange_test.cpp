// Data exchange in both directions between the template's controls and fixed buffers.
#include "framework/dialog.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

namespace {

class CExchangeDlg : public CDialog {
  public:
    CExchangeDlg() : CDialog(IDD_PROPERTIES, nullptr) {}

    char combo[256] = {};
    char list[256] = {};
    char edit[256] = {};
    CWnd boundEdit;
    std::function<void(CExchangeDlg&)> whileOpen;

  protected:
    BOOL OnInitDialog() override {
        // Items exist before the first exchange, as the load direction needs them.
        const char* items[] = {"Media Type", "Address", "VLAN ID"};
        for (const char* item : items)
            SendDlgItemMessageA(m_hWnd, IDC_PROPERTY_LIST, LB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(item));
        const char* choices[] = {"Enable", "Disable", "Tx Pause Frames"};
        for (const char* choice : choices)
            SendDlgItemMessageA(m_hWnd, IDC_VALUE_COMBO, CB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(choice));
        CDialog::OnInitDialog();
        if (whileOpen)
            whileOpen(*this);
        return TRUE;
    }
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Control(dx, IDC_VALUE_EDIT, boundEdit);
        DDX_CBString(dx, IDC_VALUE_COMBO, combo, sizeof combo);
        DDX_LBString(dx, IDC_PROPERTY_LIST, list, sizeof list);
        DDX_Text(dx, IDC_VALUE_EDIT, edit, sizeof edit);
    }
};

int selection(HWND dialog, int id, UINT message) {
    return static_cast<int>(SendDlgItemMessageA(dialog, id, message, 0, 0));
}

std::string text(HWND dialog, int id) {
    char buffer[512] = {};
    GetDlgItemTextA(dialog, id, buffer, sizeof buffer);
    return buffer;
}

TEST(DataExchange, LoadSelectsByPrefixWithoutRegardToCaseAndSetsText) {
    CExchangeDlg dialog;
    std::snprintf(dialog.combo, sizeof dialog.combo, "%s", "tx pause");
    std::snprintf(dialog.list, sizeof dialog.list, "%s", "vlan");
    std::snprintf(dialog.edit, sizeof dialog.edit, "%s", "00A0C9");
    int comboSelection = -2;
    int listSelection = -2;
    std::string editText;
    HWND bound = nullptr;
    dialog.whileOpen = [&](CExchangeDlg& d) {
        comboSelection = selection(d.m_hWnd, IDC_VALUE_COMBO, CB_GETCURSEL);
        listSelection = selection(d.m_hWnd, IDC_PROPERTY_LIST, LB_GETCURSEL);
        editText = text(d.m_hWnd, IDC_VALUE_EDIT);
        bound = d.boundEdit.m_hWnd;
        d.EndDialog(IDCANCEL);
    };
    dialog.DoModal();
    EXPECT_EQ(2, comboSelection); // items keep the order of addition
    EXPECT_EQ(2, listSelection);  // sorted: Address, Media Type, VLAN ID
    EXPECT_EQ("00A0C9", editText);
    EXPECT_NE(nullptr, bound);
}

TEST(DataExchange, LoadWithoutAMatchLeavesTheSelections) {
    CExchangeDlg dialog;
    std::snprintf(dialog.combo, sizeof dialog.combo, "%s", "Autonegotiate");
    std::snprintf(dialog.list, sizeof dialog.list, "%s", "Receive");
    int comboSelection = -2;
    int listSelection = -2;
    dialog.whileOpen = [&](CExchangeDlg& d) {
        comboSelection = selection(d.m_hWnd, IDC_VALUE_COMBO, CB_GETCURSEL);
        listSelection = selection(d.m_hWnd, IDC_PROPERTY_LIST, LB_GETCURSEL);
        d.EndDialog(IDCANCEL);
    };
    dialog.DoModal();
    EXPECT_EQ(CB_ERR, comboSelection);
    EXPECT_EQ(LB_ERR, listSelection);
}

TEST(DataExchange, SaveReadsTheControlsCuttingLongTexts) {
    CExchangeDlg dialog;
    const std::string longText(300, 'a');
    dialog.whileOpen = [&](CExchangeDlg& d) {
        SendDlgItemMessageA(d.m_hWnd, IDC_VALUE_COMBO, CB_SETCURSEL, 1, 0);
        LRESULT item = SendDlgItemMessageA(d.m_hWnd, IDC_PROPERTY_LIST, LB_ADDSTRING, 0,
                                           reinterpret_cast<LPARAM>(longText.c_str()));
        SendDlgItemMessageA(d.m_hWnd, IDC_PROPERTY_LIST, LB_SETCURSEL, static_cast<WPARAM>(item),
                            0);
        SetDlgItemTextA(d.m_hWnd, IDC_VALUE_EDIT, longText.c_str());
        d.UpdateData(TRUE);
        d.EndDialog(IDCANCEL);
    };
    dialog.DoModal();
    EXPECT_STREQ("Disable", dialog.combo);
    EXPECT_EQ(longText.substr(0, 255), dialog.list);
    EXPECT_EQ(longText.substr(0, 255), dialog.edit);
}

TEST(DataExchange, SaveWithoutASelectionGivesEmptyTexts) {
    CExchangeDlg dialog;
    std::snprintf(dialog.list, sizeof dialog.list, "%s", "stale");
    std::snprintf(dialog.combo, sizeof dialog.combo, "%s", "stale");
    dialog.whileOpen = [&](CExchangeDlg& d) {
        SendDlgItemMessageA(d.m_hWnd, IDC_PROPERTY_LIST, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        SendDlgItemMessageA(d.m_hWnd, IDC_VALUE_COMBO, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        d.UpdateData(TRUE);
        d.EndDialog(IDCANCEL);
    };
    dialog.DoModal();
    EXPECT_STREQ("", dialog.list);
    EXPECT_STREQ("", dialog.combo);
}

} // namespace
