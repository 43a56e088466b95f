// A person at the dialog: any registry contents, then any sequence of actions (select, choose,
// type any bytes, click, spin, keys, close). After every action the controls must match the
// selected property; the call must end with one of the three words; Cancel must write nothing
// and OK must leave every value well formed.
#include "controls_table.h"
#include "dialog_robot.h"
#include "fuzz_check.h"
#include "fuzzed_registry.h"
#include "module_attachment.h"
#include "saved_values_model.h"
#include "scenario/person/control_input.h"
#include "scenario/person/dialog_ids.h"

namespace {

using namespace scenario;

const int kButtons[] = {IDC_DEFAULTS,    IDC_PRESENT, IDC_NOT_PRESENT, IDC_DEFAULTS, IDC_PRESENT,
                        IDC_NOT_PRESENT, IDOK,        IDCANCEL};
const WPARAM kKeys[] = {VK_TAB,   VK_UP,   VK_DOWN,   VK_HOME,   VK_END,    VK_LEFT, VK_RIGHT,
                        VK_SPACE, VK_BACK, VK_DELETE, VK_RETURN, VK_ESCAPE, VK_F1};
const size_t kLongestTyping = 20;

// A control a person could use: shown and enabled.
HWND usable(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    return control != nullptr && IsWindowVisible(control) && IsWindowEnabled(control) ? control
                                                                                      : nullptr;
}

void selectProperty(HWND dialog, size_t index) {
    HWND list = GetDlgItem(dialog, IDC_PROPERTY_LIST);
    RECT item = {0, 0, 0, 0};
    SendMessageA(list, LB_SETTOPINDEX, index, 0); // a person scrolls it into view
    if (SendMessageA(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item)) != LB_ERR)
        postClick(list, (item.left + item.right) / 2, (item.top + item.bottom) / 2);
}

void chooseItem(HWND dialog, size_t index) {
    HWND combo = usable(dialog, IDC_VALUE_COMBO);
    if (combo == nullptr)
        return;
    SetFocus(combo);
    postKey(combo, VK_HOME);
    for (size_t i = 0; i < index; ++i)
        postKey(combo, VK_DOWN);
}

void typeInto(HWND dialog, const std::string& text) {
    HWND field = usable(dialog, IDC_VALUE_EDIT);
    if (field == nullptr)
        field = usable(dialog, IDC_SPIN_EDIT);
    if (field == nullptr)
        return;
    postClickAtCentre(field);
    PostMessageA(field, EM_SETSEL, 0, -1);
    postChars(field, text);
}

void spin(HWND dialog, bool up) {
    HWND arrows = usable(dialog, IDC_VALUE_SPIN);
    if (arrows == nullptr)
        return;
    RECT client = {0, 0, 0, 0};
    GetClientRect(arrows, &client);
    int height = client.bottom - client.top;
    postClick(arrows, client.right / 2, up ? height / 4 : height - height / 4 - 1);
}

void pressKey(HWND dialog, WPARAM key) {
    HWND focus = GetFocus();
    postKey(focus != nullptr && IsChild(dialog, focus) ? focus : dialog, key);
}

// One action read from the input; false when the input is used up.
bool playAction(HWND dialog, ByteReader& input) {
    fuzzCheckEmpty(checkControlsTable(dialog));
    if (input.empty())
        return false;
    uint8_t op = input.byte();
    switch (op % 16) {
    case 0:
    case 1:
    case 2:
    case 3:
        selectProperty(dialog, input.number(7));
        break;
    case 4:
    case 5:
        chooseItem(dialog, input.number(7));
        break;
    case 6:
    case 7:
    case 8:
        typeInto(dialog, input.bytes(input.number(kLongestTyping)));
        break;
    case 9:
    case 10: {
        HWND button = usable(dialog, kButtons[input.number(7)]);
        if (button != nullptr)
            postClickAtCentre(button);
        break;
    }
    case 11:
    case 12:
        spin(dialog, (op & 0x10) != 0);
        break;
    case 13:
    case 14:
        pressKey(dialog, kKeys[input.number(12)]);
        break;
    default:
        PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    attachProgramAsModule();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ByteReader input(data, size);
    const FuzzedContents contents = decodeContents(input);
    stageContents(contents);
    const ParametersSnapshot before = snapshotParameters();

    DialogRobot robot([&input](HWND dialog) {
        if (playAction(dialog, input))
            return true;
        postClickAtCentre(GetDlgItem(dialog, IDCANCEL)); // the person leaves
        return false;
    });
    const std::string result = robot.call(kFuzzService);
    const ParametersSnapshot after = snapshotParameters();

    fuzzCheck(!robot.hung(), "the dialog did not end");
    fuzzCheck(result == "OK" || result == "Cancel" || result == "Error",
              "the result word is " + result);
    fuzzCheck((result == "Error") == !contents.parametersKey,
              "the result is " + result + (contents.parametersKey ? " with" : " without") +
                  " the Parameters key");
    if (result == "OK")
        fuzzCheckEmpty(checkAnySave(after));
    else
        fuzzCheckEmpty(compareSnapshots(before, after));
    return 0;
}
