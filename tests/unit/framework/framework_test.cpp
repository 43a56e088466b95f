// The framework's dialog: message routing through the map, OK and Cancel, the application.
#include "framework/app_message_box.h"
#include "framework/dialog.h"
#include "framework/win_app.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// A dialog on the module's properties template with a map of its own; the test's steps run
// from a thread timer inside the modal loop.
class CTestDlg : public CDialog {
  public:
    CTestDlg() : CDialog(IDD_PROPERTIES, nullptr) {}

    std::vector<std::function<void(CTestDlg&)>> steps;
    std::vector<std::string> calls;
    LRESULT notifyResult = 7;
    bool placeAtInit = false; // OnInitDialog moves the dialog to 5, 6

    void runNextStep() {
        if (next_ < steps.size())
            steps[next_++](*this);
    }

  protected:
    BOOL OnInitDialog() override {
        calls.push_back("init");
        if (placeAtInit)
            SetWindowPos(m_hWnd, nullptr, 5, 6, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        return CDialog::OnInitDialog();
    }
    void OnOK() override {
        calls.push_back("ok");
        CDialog::OnOK();
    }
    void OnCancel() override {
        calls.push_back("cancel");
        CDialog::OnCancel();
    }
    void OnDefaults() { calls.push_back("defaults"); }
    void OnSelchange() { calls.push_back("selchange"); }
    void OnDeltapos(NMHDR* header, LRESULT* result) {
        calls.push_back("deltapos " + std::to_string(header->idFrom));
        *result = notifyResult;
    }

    DECLARE_MESSAGE_MAP()

  private:
    size_t next_ = 0;
};

BEGIN_MESSAGE_MAP(CTestDlg, CDialog)
ON_BN_CLICKED(IDC_DEFAULTS, OnDefaults)
ON_LBN_SELCHANGE(IDC_PROPERTY_LIST, OnSelchange)
ON_NOTIFY(UDN_DELTAPOS, IDC_VALUE_SPIN, OnDeltapos)
END_MESSAGE_MAP()

CTestDlg* running = nullptr;

void CALLBACK onTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (running != nullptr && running->m_hWnd != nullptr)
        running->runNextStep();
}

INT_PTR runModal(CTestDlg& dialog) {
    running = &dialog;
    UINT_PTR timer = SetTimer(nullptr, 0, 10, onTimer);
    INT_PTR result = dialog.DoModal();
    KillTimer(nullptr, timer);
    running = nullptr;
    return result;
}

LRESULT command(CTestDlg& dialog, int id, UINT code) {
    return SendMessageA(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(id, code),
                        reinterpret_cast<LPARAM>(dialog.GetDlgItem(id)));
}

LRESULT notify(CTestDlg& dialog, int id, UINT code) {
    NMUPDOWN change = {};
    change.hdr.hwndFrom = dialog.GetDlgItem(id);
    change.hdr.idFrom = static_cast<UINT_PTR>(id);
    change.hdr.code = code;
    change.iDelta = 1;
    return SendMessageA(dialog.m_hWnd, WM_NOTIFY, static_cast<WPARAM>(id),
                        reinterpret_cast<LPARAM>(&change));
}

TEST(CDialog, RoutesNotificationsByCodeAndControl) {
    CTestDlg dialog;
    dialog.steps.push_back([](CTestDlg& d) {
        command(d, IDC_DEFAULTS, BN_CLICKED);
        command(d, IDC_PROPERTY_LIST, LBN_SELCHANGE);
        command(d, IDC_PROPERTY_LIST, LBN_DBLCLK); // not in the map
        command(d, IDC_PRESENT, BN_CLICKED);       // not in the map
        command(d, IDC_DEFAULTS, LBN_SELCHANGE);   // right code, wrong control
        d.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, runModal(dialog));
    const std::vector<std::string> expected = {"init", "defaults", "selchange"};
    EXPECT_EQ(expected, dialog.calls);
}

TEST(CDialog, HandsANotifyResultBackThroughTheDialog) {
    CTestDlg dialog;
    LRESULT mapped = -1;
    LRESULT unmapped = -1;
    dialog.steps.push_back([&](CTestDlg& d) {
        mapped = notify(d, IDC_VALUE_SPIN, UDN_DELTAPOS);
        d.notifyResult = 0;
        unmapped = notify(d, IDC_PROPERTY_LIST, UDN_DELTAPOS);
        d.EndDialog(IDCANCEL);
    });
    runModal(dialog);
    EXPECT_EQ(7, mapped);
    EXPECT_EQ(0, unmapped);
    const std::vector<std::string> expected = {"init", "deltapos 1106"};
    EXPECT_EQ(expected, dialog.calls);
}

TEST(CDialog, OkAndCancelEndTheModalRun) {
    struct Case {
        int id;
        INT_PTR result;
        const char* handler;
    };
    const Case cases[] = {{IDOK, IDOK, "ok"}, {IDCANCEL, IDCANCEL, "cancel"}};
    for (const Case& c : cases) {
        CTestDlg dialog;
        int id = c.id;
        dialog.steps.push_back([id](CTestDlg& d) { command(d, id, BN_CLICKED); });
        EXPECT_EQ(c.result, runModal(dialog));
        const std::vector<std::string> expected = {"init", c.handler};
        EXPECT_EQ(expected, dialog.calls);
        EXPECT_EQ(nullptr, dialog.m_hWnd);
    }
}

TEST(CDialog, EnterAndEscapeReachOkAndCancel) {
    struct Case {
        WPARAM key;
        INT_PTR result;
    };
    const Case cases[] = {{VK_RETURN, IDOK}, {VK_ESCAPE, IDCANCEL}};
    for (const Case& c : cases) {
        CTestDlg dialog;
        WPARAM key = c.key;
        dialog.steps.push_back([key](CTestDlg& d) {
            HWND focus = GetFocus();
            PostMessageA(focus ? focus : d.m_hWnd, WM_KEYDOWN, key, 0);
            PostMessageA(focus ? focus : d.m_hWnd, WM_KEYUP, key, 0);
        });
        EXPECT_EQ(c.result, runModal(dialog));
    }
}

// The dialog manager leaves the dialog at its template position (0, 0); the framework centres it
// over the work area when there is no owner, unless its initialisation placed it itself.
TEST(CDialog, OpensCentredOnTheWorkAreaUnlessInitialisationPlacedIt) {
    RECT area{};
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0));
    for (bool placedByInit : {false, true}) {
        CTestDlg dialog;
        dialog.placeAtInit = placedByInit;
        RECT seen{};
        dialog.steps.push_back([&seen](CTestDlg& d) {
            GetWindowRect(d.m_hWnd, &seen);
            d.EndDialog(IDCANCEL);
        });
        runModal(dialog);
        LONG width = seen.right - seen.left;
        LONG height = seen.bottom - seen.top;
        POINT expected = placedByInit ? POINT{5, 6}
                                      : POINT{(area.left + area.right) / 2 - width / 2,
                                              (area.top + area.bottom) / 2 - height / 2};
        EXPECT_EQ(expected.x, seen.left) << placedByInit;
        EXPECT_EQ(expected.y, seen.top) << placedByInit;
        EXPECT_GT(seen.left, 0) << "not at its template position";
    }
}

TEST(CWinApp, TheTitleIsTheModuleFileNameWithoutDirectoryAndExtension) {
    ASSERT_NE(nullptr, AfxGetApp());
    EXPECT_STREQ("framework_test", AfxGetAppName());
    EXPECT_NE(nullptr, AfxGetInstanceHandle());
}

} // namespace
