// The names a person gives the controls of the properties dialog, for messages: "the OK
// button", "the Receive Buffers field" (a value's editor is named after the property selected).
#pragma once

#include "platform/win32.h"

#include <string>

namespace scenario {

// The control's name as the dialog shows it now; its kind alone where it is not in the dialog.
std::string controlName(HWND dialog, int id);

} // namespace scenario
