#include "terminal_dialog.h"

#include "resources/properties_template.h"

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

HWND openPropertiesDialog() {
    std::vector<BYTE> bytes = resources::propertiesDialogTemplate().bytes();
    HWND dialog = CreateDialogIndirectParamA(
        nullptr, reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()), nullptr, recordingProc, 0);
    const char* labels[] = {"VLAN ID", "Address", "Media Type", "Receive Buffers"};
    for (const char* label : labels)
        SendDlgItemMessageA(dialog, IDC_PROPERTY_LIST, LB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(label));
    SendDlgItemMessageA(dialog, IDC_PROPERTY_LIST, LB_SETCURSEL, 0, 0);
    // The text editor shows; the others lie hidden under it, as the dialog keeps them.
    for (int hidden : {IDC_VALUE_COMBO, IDC_VALUE_SPIN, IDC_SPIN_EDIT})
        ShowWindow(GetDlgItem(dialog, hidden), SW_HIDE);
    SetDlgItemTextA(dialog, IDC_VALUE_EDIT, "00A0C9123456");
    CheckDlgButton(dialog, IDC_PRESENT, BST_CHECKED);
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
