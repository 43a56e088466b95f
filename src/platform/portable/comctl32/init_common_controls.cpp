// InitCommonControls and InitCommonControlsEx. The up-down class is registered with the
// predefined control classes (registerControlClasses), so there is nothing left to load: both
// only answer as Windows does.
#include "platform/portable/windows.h"

extern "C" {

void WINAPI InitCommonControls(void) {}

BOOL WINAPI InitCommonControlsEx(const INITCOMMONCONTROLSEX* init) {
    return init != nullptr;
}

} // extern "C"
