// Registration of the common control classes the dialogs use (the up-down control).
#pragma once

#include "platform/win32.h"

// INITCOMMONCONTROLSEX, which the headers declare only for the common controls of Internet
// Explorer 3 and later; InitCommonControlsEx is looked up with this type.
struct AfxControlClasses {
    DWORD size;
    DWORD classes; // ICC_ flags
};
using AfxInitCommonControlsExFunction = BOOL(WINAPI*)(const AfxControlClasses*);

enum class AfxCommonControlsCall {
    initCommonControlsEx, // common controls 4.70 and later
    initCommonControls,   // the only call of Windows NT 3.51 and NT 4.0 as shipped
};

// Registers the classes before a template that names them is created; returns the call made.
AfxCommonControlsCall AfxRegisterCommonControls();
