#include "modal_dialog.h"

#include "properties_layout.h"

namespace {

INT_PTR CALLBACK modalProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, lParam);
        auto* script = reinterpret_cast<ModalScript*>(lParam);
        PostMessageA(hwnd, WM_APP, 0, 0);
        if (script->onInit)
            script->onInit(hwnd);
        return script->initResult;
    }
    case WM_APP: {
        auto* script = reinterpret_cast<ModalScript*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (script && script->onPosted)
            script->onPosted(hwnd);
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(hwnd, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

INT_PTR runModal(HWND owner, ModalScript& script) {
    const std::vector<BYTE> bytes =
        propertiesLayout(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME).bytes();
    return DialogBoxIndirectParamA(GetModuleHandleA(nullptr),
                                   reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()), owner,
                                   modalProc, reinterpret_cast<LPARAM>(&script));
}
