#include "test_dialog.h"

#include "properties_layout.h"

void initCommonControls() {
    INITCOMMONCONTROLSEX init = {sizeof init, ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&init);
}

TestDialog::TestDialog(bool visible) {
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    const std::vector<BYTE> bytes = propertiesLayout(visible ? style | WS_VISIBLE : style).bytes();
    hwnd_ = CreateDialogIndirectParamA(GetModuleHandleA(nullptr),
                                       reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()), nullptr,
                                       proc, reinterpret_cast<LPARAM>(this));
}

TestDialog::~TestDialog() {
    if (hwnd_)
        DestroyWindow(hwnd_);
}

INT_PTR CALLBACK TestDialog::proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, lParam);
        return TRUE;
    }
    auto* self = reinterpret_cast<TestDialog*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self || (message != WM_COMMAND && message != WM_NOTIFY))
        return FALSE;
    self->log_.record(message, wParam, lParam);
    if (message == WM_NOTIFY &&
        reinterpret_cast<const NMHDR*>(lParam)->code == static_cast<UINT>(UDN_DELTAPOS)) {
        SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, self->deltaPosResult_);
        return TRUE;
    }
    return FALSE;
}

void ContractTest::SetUp() {
    initCommonControls();
    dialog_ = std::make_unique<TestDialog>(visible());
    ASSERT_NE(nullptr, dlg());
}

void ContractTest::TearDown() {
    dialog_.reset();
}
