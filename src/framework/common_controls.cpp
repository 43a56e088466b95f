#include "framework/common_controls.h"

#include "framework/system_entry.h"
#include "platform/win32.h"

namespace {

// INITCOMMONCONTROLSEX and its class flags, which the headers declare only for the common
// controls of Internet Explorer 3 and later.
struct ControlClasses {
    DWORD size;
    DWORD classes;
};
const DWORD iccUpDownClass = 0x00000010;
const DWORD iccStandardClasses = 0x00004000;

using InitCommonControlsExFunction = BOOL(WINAPI*)(const ControlClasses*);

} // namespace

AfxCommonControlsCall AfxRegisterCommonControls() {
    auto initEx =
        AfxSystemEntry<InitCommonControlsExFunction>("COMCTL32.DLL", "InitCommonControlsEx");
    if (initEx != nullptr) {
        ControlClasses classes{sizeof(ControlClasses), iccUpDownClass | iccStandardClasses};
        if (initEx(&classes))
            return AfxCommonControlsCall::initCommonControlsEx;
    }
    // Registers every class of the common controls, the up-down control among them.
    ::InitCommonControls();
    return AfxCommonControlsCall::initCommonControls;
}
