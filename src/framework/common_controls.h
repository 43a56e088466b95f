// Registration of the common control classes the dialogs use (the up-down control).
#pragma once

enum class AfxCommonControlsCall {
    initCommonControlsEx, // common controls 4.70 and later
    initCommonControls,   // the only call of Windows NT 3.51 and NT 4.0 as shipped
};

// Registers the classes before a template that names them is created; returns the call made.
AfxCommonControlsCall AfxRegisterCommonControls();
