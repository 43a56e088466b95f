#include "terminal_dialog.h"

namespace {
std::vector<Received>& received() {
    static std::vector<Received> list;
    return list;
}

INT_PTR CALLBACK recordingProc(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message == WM_COMMAND)
        received().push_back({message, LOWORD(wParam), HIWORD(wParam)});
    if (message == WM_NOTIFY) {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        received().push_back({message, int(header->idFrom), int(header->code)});
    }
    return message == WM_COMMAND || message == WM_NOTIFY;
}
} // namespace

std::vector<BYTE> propertiesLayout() {
    using T = platform::DialogTemplate;
    const DWORD child = WS_CHILD | WS_VISIBLE;
    T t(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, "Test Properties", 0, 0, 248, 143);
    t.addItem(T::Button, "OK", IDOK, child | BS_DEFPUSHBUTTON | WS_TABSTOP, 131, 119, 50, 14);
    t.addItem(T::Button, "Cancel", IDCANCEL, child | WS_TABSTOP, 189, 119, 50, 14);
    t.addItem(T::ListBox, "", idList,
              child | LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER |
                  WS_TABSTOP,
              14, 29, 103, 104);
    t.addItem(T::Static, "Select the property to configure", -1, child | SS_LEFT | WS_GROUP, 13, 15,
              127, 10);
    t.addItem(T::Edit, "", idTextEdit, child | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 149, 31, 75,
              13);
    t.addItem(T::ComboBox, "", idCombo, WS_CHILD | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 150,
              31, 75, 67);
    t.addItem(T::Button, "&Defaults", idDefaults, child | WS_TABSTOP, 149, 75, 42, 12);
    t.addItem(T::Button, "", idPresent, child | BS_AUTORADIOBUTTON, 133, 33, 10, 8);
    t.addItem(T::Button, "  Disable", idNotPresent, child | BS_AUTORADIOBUTTON, 133, 48, 65, 10);
    t.addItem(UPDOWN_CLASSA, "Spin1", idSpin,
              WS_CHILD | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 225, 31, 11, 12);
    t.addItem(T::Edit, "", idSpinEdit,
              WS_CHILD | ES_NUMBER | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 149, 31, 75, 12);
    t.addItem(T::Static, "Value", -1, child | SS_LEFT | WS_GROUP, 150, 16, 40, 10);
    return t.bytes();
}

HWND openPropertiesDialog() {
    std::vector<BYTE> bytes = propertiesLayout();
    HWND dialog = CreateDialogIndirectParamA(
        nullptr, reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()), nullptr, recordingProc, 0);
    const char* labels[] = {"VLAN ID", "Address", "Media Type", "Receive Buffers"};
    for (const char* label : labels)
        SendDlgItemMessageA(dialog, idList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label));
    SendDlgItemMessageA(dialog, idList, LB_SETCURSEL, 0, 0);
    SetDlgItemTextA(dialog, idTextEdit, "00A0C9123456");
    CheckDlgButton(dialog, idPresent, BST_CHECKED);
    ShowWindow(dialog, SW_SHOW);
    SetActiveWindow(dialog);
    takeReceived();
    return dialog;
}

std::vector<Received> takeReceived() {
    std::vector<Received> list;
    list.swap(received());
    return list;
}

void pumpMessages(HWND dialog) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!IsWindow(dialog) || !IsDialogMessageA(dialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}
