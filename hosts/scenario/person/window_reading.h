// Reading windows the way a test reads them: whole texts of any length.
#pragma once

#include "platform/win32.h"

#include <string>

namespace scenario {

std::string windowText(HWND window);
// The text of a combo box item; empty when there is no such item.
std::string comboItemText(HWND combo, LRESULT index);
// The control's id as the template gave it (16 bits).
unsigned controlId(HWND control);

} // namespace scenario
