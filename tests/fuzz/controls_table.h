// The properties dialog's controls as the selected property wants them: exactly one value
// editor shown (text field, number field with its up-down control, or drop-down list with the
// map's labels and one selected), and the two radios only for the optional properties, with
// exactly one of them checked and the field enabled exactly when "present" is.
#pragma once

#include "platform/win32.h"

#include <string>

// Empty when the dialog's controls match its selected property, else what differs.
std::string checkControlsTable(HWND dialog);
