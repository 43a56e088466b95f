#include "framework/common_controls.h"

#include "framework/system_entry.h"
#include "platform/win32.h"

namespace {

// The class flags of INITCOMMONCONTROLSEX.
const DWORD iccUpDownClass = 0x00000010;
const DWORD iccStandardClasses = 0x00004000;

} // namespace

AfxCommonControlsCall AfxRegisterCommonControls() {
    auto initEx =
        AfxSystemEntry<AfxInitCommonControlsExFunction>("COMCTL32.DLL", "InitCommonControlsEx");
    if (initEx != nullptr) {
        AfxControlClasses classes{sizeof(AfxControlClasses), iccUpDownClass | iccStandardClasses};
        if (initEx(&classes))
            return AfxCommonControlsCall::initCommonControlsEx;
    }
    // Registers every class of the common controls, the up-down control among them.
    ::InitCommonControls();
    return AfxCommonControlsCall::initCommonControls;
}
