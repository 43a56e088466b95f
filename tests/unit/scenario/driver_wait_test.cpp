// The driver never plays a step at a dialog that a message box has disabled but not yet shown:
// a message box shows itself once its queue is empty, and a tick that falls due first (the
// handler took longer than a tick) must wait for it.
#include "platform/dialog_template.h"
#include "resources/resource.h"
#include "scenario/run/entry_point_call.h"
#include "scenario/person/scenario_driver.h"
#include "scenario/language/scenario_parser.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace scenario {
namespace {

bool boxOpen = false;
bool cancelledUnderTheBox = false;

INT_PTR CALLBACK slowBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message != WM_COMMAND)
        return FALSE;
    if (LOWORD(wParam) == IDC_DEFAULTS) {
        // Longer than the driver's tick: its timer is due when the box starts.
        std::this_thread::sleep_for(std::chrono::milliseconds(40));
        boxOpen = true;
        MessageBoxA(dialog, "Slow", "Stand-in", MB_OK | MB_ICONEXCLAMATION);
        boxOpen = false;
    } else if (LOWORD(wParam) == IDCANCEL) {
        cancelledUnderTheBox = cancelledUnderTheBox || boxOpen;
        EndDialog(dialog, IDCANCEL);
    }
    return TRUE;
}

BOOL WINAPI showSlowBox(DWORD, LPSTR*, LPSTR* textOut) {
    static char word[] = "Done";
    const DWORD child = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    platform::DialogTemplate t(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, "Stand-in", 0, 0,
                               120, 60);
    t.setFont(8, "MS Sans Serif");
    using D = platform::DialogTemplate;
    t.addItem(D::Button, "Cancel", IDCANCEL, child, 10, 40, 40, 14);
    t.addItem(D::Button, "Slow", IDC_DEFAULTS, child, 60, 40, 40, 14);
    t.addItem(D::ListBox, "", IDC_PROPERTY_LIST, child | LBS_NOTIFY | WS_BORDER, 10, 10, 80, 24);
    std::vector<BYTE> bytes = t.bytes();
    DialogBoxIndirectParamA(GetModuleHandleA(nullptr),
                            reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()), nullptr, slowBoxProc,
                            0);
    *textOut = word;
    return TRUE;
}

TEST(DriverWait, NoStepIsPlayedUnderAMessageBoxStillToShow) {
    Scenario scenario;
    ScenarioParser parser("slow-box.scn");
    ASSERT_TRUE(parser.parse("click defaults\nclick cancel\n", &scenario)) << parser.error();
    ScenarioDriver driver(scenario.steps);
    driver.start();
    callEntryPoint(showSlowBox, "Any");
    driver.stop();
    EXPECT_EQ("", driver.failure());
    ASSERT_EQ(1u, driver.messages().size());
    EXPECT_EQ("Slow", driver.messages()[0].text);
    EXPECT_FALSE(cancelledUnderTheBox);
}

} // namespace
} // namespace scenario
