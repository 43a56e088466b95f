// The dialogs the calling thread shows: the properties dialog (the "#32770" window holding the
// property list) and any message box (every other visible "#32770" window of the thread).
#pragma once

#include "platform/win32.h"

namespace scenario {

struct ThreadWindows {
    HWND propertiesDialog = nullptr;
    HWND messageBox = nullptr; // the one on top when several are up
};

ThreadWindows findThreadWindows();

} // namespace scenario
