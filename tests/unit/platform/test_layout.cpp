#include "test_layout.h"

namespace {
INT_PTR CALLBACK endOnButtons(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}
} // namespace

std::vector<BYTE> testLayout(DWORD style) {
    using T = platform::DialogTemplate;
    const DWORD child = WS_CHILD | WS_VISIBLE;
    T t(style, "Test", 0, 0, 160, 100);
    t.addItem(T::Static, "&Value", idLabel, child | SS_LEFT, 4, 4, 40, 8);
    t.addItem(T::Edit, "", idEdit, child | WS_BORDER | WS_TABSTOP, 48, 4, 60, 12);
    t.addItem(T::ListBox, "", idList, child | LBS_NOTIFY | LBS_SORT | WS_TABSTOP, 4, 20, 60, 40);
    t.addItem(T::ComboBox, "", idCombo, child | CBS_DROPDOWNLIST | WS_TABSTOP, 70, 20, 60, 50);
    t.addItem(T::Button, "&Alpha", idRadioA, child | BS_AUTORADIOBUTTON | WS_GROUP, 70, 40, 40, 8);
    t.addItem(T::Button, "&Beta", idRadioB, child | BS_AUTORADIOBUTTON, 70, 50, 40, 8);
    t.addItem(T::Button, "OK", IDOK, child | BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 50, 80, 40,
              14);
    t.addItem(T::Button, "Cancel", IDCANCEL, child | WS_TABSTOP, 100, 80, 40, 14);
    return t.bytes();
}

INT_PTR runTestDialog(HWND owner, DLGPROC proc, LPARAM param) {
    std::vector<BYTE> bytes = testLayout();
    return DialogBoxIndirectParamA(nullptr, reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()), owner,
                                   proc ? proc : endOnButtons, param);
}
