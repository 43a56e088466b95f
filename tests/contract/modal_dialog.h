// runModal: runs a modal dialog with the properties layout (DialogBoxIndirectParamA) and lets a
// test act from inside its modal loop: at WM_INITDIALOG, and when the WM_APP message that
// the dialog posts to itself there arrives, that is once the loop runs and the focus is set.
#pragma once

#include "platform/win32.h"

#include <functional>

struct ModalScript {
    std::function<void(HWND)> onInit;   // inside WM_INITDIALOG
    std::function<void(HWND)> onPosted; // inside the modal loop
    BOOL initResult = TRUE;             // what WM_INITDIALOG returns
};

// IDOK and IDCANCEL end the dialog with their id.
INT_PTR runModal(HWND owner, ModalScript& script);
