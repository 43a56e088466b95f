// The driver's input against a stand-in dialog with the same control ids as the properties
// dialog: what it posts must reach the real controls (portable natively, Windows' under Wine)
// as a person's clicks and keys do, raising their notifications in order.
#include "platform/dialog_template.h"
#include "resources/resource.h"
#include "scenario/person/control_names.h"
#include "scenario/run/entry_point_call.h"
#include "scenario/person/scenario_driver.h"
#include "scenario/language/scenario_parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace scenario {
namespace {

// What the stand-in dialog saw: notifications in order, and its controls when OK was pressed.
struct Seen {
    std::vector<std::string> events;
    std::string listItem, comboItem, editText, spinText;
    bool notPresentChecked = false;
};
Seen seen;

std::string itemText(HWND control, UINT getLength, UINT getText, LRESULT index) {
    LRESULT length = SendMessageA(control, getLength, static_cast<WPARAM>(index), 0);
    if (index < 0 || length < 0) {
        return "(none)";
    }
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(control, getText, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

std::string dialogItemText(HWND dialog, int id) {
    char text[64] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

void recordControls(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_PROPERTY_LIST);
    HWND combo = GetDlgItem(dialog, IDC_VALUE_COMBO);
    seen.listItem =
        itemText(list, LB_GETTEXTLEN, LB_GETTEXT, SendMessageA(list, LB_GETCURSEL, 0, 0));
    seen.comboItem =
        itemText(combo, CB_GETLBTEXTLEN, CB_GETLBTEXT, SendMessageA(combo, CB_GETCURSEL, 0, 0));
    seen.editText = dialogItemText(dialog, IDC_VALUE_EDIT);
    seen.spinText = dialogItemText(dialog, IDC_SPIN_EDIT);
    seen.notPresentChecked = IsDlgButtonChecked(dialog, IDC_NOT_PRESENT) == BST_CHECKED;
}

void initialise(HWND dialog) {
    const char* const items[] = {"Alpha", "Beta",  "Gamma", "Delta", "Epsilon", "Zeta",
                                 "Eta",   "Theta", "Iota",  "Kappa", "Lambda",  "Mu"};
    for (const char* item : items) {
        SendDlgItemMessageA(dialog, IDC_PROPERTY_LIST, LB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(item));
    }
    for (const char* item : {"One", "Two", "Three"}) {
        SendDlgItemMessageA(dialog, IDC_VALUE_COMBO, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(item));
    }
    SendDlgItemMessageA(dialog, IDC_VALUE_COMBO, CB_SETCURSEL, 0, 0);
    HWND spin = GetDlgItem(dialog, IDC_VALUE_SPIN);
    SendMessageA(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDC_SPIN_EDIT)),
                 0);
    SendMessageA(spin, UDM_SETRANGE, 0, MAKELPARAM(10, 0));
    SendMessageA(spin, UDM_SETPOS, 0, MAKELPARAM(5, 0));
    CheckDlgButton(dialog, IDC_PRESENT, BST_CHECKED);
}

void command(HWND dialog, WPARAM wParam) {
    int id = LOWORD(wParam);
    int code = HIWORD(wParam);
    if (id == IDOK || id == IDCANCEL) {
        seen.events.push_back(id == IDOK ? "IDOK" : "IDCANCEL");
        if (id == IDOK) {
            recordControls(dialog);
        }
        EndDialog(dialog, id);
    } else if (id == IDC_PROPERTY_LIST && code == LBN_SELCHANGE) {
        seen.events.push_back("LBN_SELCHANGE");
    } else if (id == IDC_VALUE_COMBO && code == CBN_SELCHANGE) {
        seen.events.push_back("CBN_SELCHANGE");
    } else if (code == BN_CLICKED) {
        seen.events.push_back("BN_CLICKED " + std::to_string(id));
    }
}

INT_PTR CALLBACK standInProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        initialise(dialog);
        return TRUE;
    case WM_COMMAND:
        command(dialog, wParam);
        return TRUE;
    case WM_NOTIFY:
        if (reinterpret_cast<NMHDR*>(lParam)->code == UDN_DELTAPOS) {
            seen.events.push_back("UDN_DELTAPOS");
        }
        return FALSE;
    }
    return FALSE;
}

std::vector<BYTE> standInTemplate() {
    const DWORD child = WS_CHILD | WS_VISIBLE;
    platform::DialogTemplate t(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, "Stand-in", 0, 0,
                               200, 120);
    t.setFont(8, "MS Sans Serif");
    using D = platform::DialogTemplate;
    t.addItem(D::Button, "OK", IDOK, child | BS_DEFPUSHBUTTON | WS_TABSTOP, 10, 100, 40, 14);
    t.addItem(D::Button, "Cancel", IDCANCEL, child | WS_TABSTOP, 60, 100, 40, 14);
    // Five items show; the rest are below the fold.
    t.addItem(D::ListBox, "", IDC_PROPERTY_LIST,
              child | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP, 10,
              10, 80, 42);
    t.addItem(D::ComboBox, "", IDC_VALUE_COMBO, child | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
              100, 10, 60, 60);
    t.addItem(D::Edit, "", IDC_VALUE_EDIT, child | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 100, 30,
              60, 12);
    t.addItem(D::Edit, "", IDC_SPIN_EDIT, child | ES_NUMBER | WS_BORDER | WS_TABSTOP, 100, 50, 50,
              12);
    t.addItem("msctls_updown32", "", IDC_VALUE_SPIN, child | UDS_SETBUDDYINT | UDS_ARROWKEYS, 150,
              50, 10, 12);
    t.addItem(D::Button, "", IDC_PRESENT, child | BS_AUTORADIOBUTTON | WS_GROUP, 100, 70, 10, 8);
    t.addItem(D::Button, "Off", IDC_NOT_PRESENT, child | BS_AUTORADIOBUTTON, 100, 80, 40, 10);
    t.addItem(D::Static, "", -1, child | WS_GROUP, 170, 70, 10, 8);
    return t.bytes();
}

BOOL WINAPI showStandIn(DWORD, LPSTR*, LPSTR* textOut) {
    static char word[16];
    std::vector<BYTE> bytes = standInTemplate();
    INT_PTR result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr),
                                             reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()),
                                             nullptr, standInProc, 0);
    std::snprintf(word, sizeof word, "%s",
                  result == IDOK       ? "OK"
                  : result == IDCANCEL ? "Cancel"
                                       : "Error");
    *textOut = word;
    return TRUE;
}

std::string play(const std::string& text, std::string* failure) {
    Scenario scenario;
    ScenarioParser parser("stand-in.scn");
    EXPECT_TRUE(parser.parse(text, &scenario)) << parser.error();
    seen = Seen();
    ScenarioDriver driver(scenario.steps);
    driver.start();
    std::string word = callEntryPoint(showStandIn, "Any").word;
    driver.stop();
    *failure = driver.failure();
    return word;
}

TEST(DriverPlay, ActionsReachTheControlsAsInput) {
    std::string failure;
    EXPECT_EQ("OK", play("select \"Kappa\"\n"
                         "choose \"Three\"\n"
                         "type \"hello\"\n"
                         "click not-present\n"
                         "spin up\n"
                         "click ok\n",
                         &failure));
    EXPECT_EQ("", failure);
    const std::vector<std::string> expected = {"LBN_SELCHANGE", "CBN_SELCHANGE", "BN_CLICKED 1102",
                                               "UDN_DELTAPOS", "IDOK"};
    std::vector<std::string> events;
    for (const std::string& event : seen.events) {
        if (events.empty() || events.back() != event) { // repeated notifications count once
            events.push_back(event);
        }
    }
    EXPECT_EQ(expected, events);
    EXPECT_EQ("Kappa", seen.listItem);
    EXPECT_EQ("Three", seen.comboItem);
    EXPECT_EQ("hello", seen.editText);
    EXPECT_TRUE(seen.notPresentChecked);
    EXPECT_EQ("6", seen.spinText);
}

TEST(DriverPlay, TypingReplacesTheWholeField) {
    std::string failure;
    EXPECT_EQ("OK", play("type \"first\"\ntype \"second\"\npress enter\n", &failure));
    EXPECT_EQ("", failure);
    EXPECT_EQ("second", seen.editText);
}

struct EndCase {
    const char* steps;
    const char* word;
};

TEST(DriverPlay, EscapeAndCloseEndAsCancel) {
    const EndCase cases[] = {{"press escape\n", "Cancel"},
                             {"close\n", "Cancel"},
                             {"click cancel\n", "Cancel"},
                             {"press enter\n", "OK"}};
    for (const EndCase& c : cases) {
        std::string failure;
        EXPECT_EQ(c.word, play(c.steps, &failure)) << c.steps;
        EXPECT_EQ("", failure) << c.steps;
    }
}

TEST(DriverPlay, ADialogLeftOpenIsClosedAndFails) {
    std::string failure;
    EXPECT_EQ("Cancel", play("choose \"Two\"\n", &failure));
    EXPECT_EQ("the dialog is still open after the last action", failure);
}

TEST(DriverPlay, AMissingItemOrControlFailsTheStep) {
    std::string failure;
    play("select \"Omega\"\nclick ok\n", &failure);
    EXPECT_EQ("line 1 select \"Omega\": the list has no such item", failure);
    play("click defaults\n", &failure);
    EXPECT_EQ("line 1 click defaults: the Defaults button is not in the dialog", failure);
}

TEST(DriverPlay, ControlsAreNamedAsThePersonSeesThem) {
    std::vector<BYTE> bytes = standInTemplate();
    HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr),
                                             reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()),
                                             nullptr, standInProc, 0);
    ASSERT_NE(nullptr, dialog);
    SetDlgItemTextA(dialog, IDCANCEL, "&Cancel");
    SendDlgItemMessageA(dialog, IDC_PROPERTY_LIST, LB_SETCURSEL, 9, 0);
    struct Case {
        int id;
        const char* name;
    };
    const Case cases[] = {{IDOK, "the OK button"},
                          {IDCANCEL, "the Cancel button"},
                          {IDC_DEFAULTS, "the Defaults button"}, // not in the stand-in
                          {IDC_PRESENT, "the present radio button"},
                          {IDC_NOT_PRESENT, "the Off radio button"},
                          {IDC_PROPERTY_LIST, "the property list"},
                          {IDC_VALUE_EDIT, "the Kappa field"},
                          {IDC_SPIN_EDIT, "the Kappa field"},
                          {IDC_VALUE_COMBO, "the Kappa drop-down list"},
                          {IDC_VALUE_SPIN, "the Kappa up-down control"}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.name, controlName(dialog, c.id)) << c.id;
    }
    SendDlgItemMessageA(dialog, IDC_PROPERTY_LIST, LB_SETCURSEL, WPARAM(-1), 0);
    EXPECT_EQ("the number field", controlName(dialog, IDC_SPIN_EDIT));
    DestroyWindow(dialog);
}

} // namespace
} // namespace scenario
