// A small dialog for the window system's own tests: OK, Cancel, a sorted list, an edit, a
// drop-down list and two auto radios.
#pragma once

#include "platform/dialog_template.h"

#include <vector>

enum TestId { idList = 100, idEdit, idCombo, idRadioA, idRadioB, idLabel };

std::vector<BYTE> testLayout(DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);

// Runs the layout modally with a procedure that ends on IDOK and IDCANCEL.
INT_PTR runTestDialog(HWND owner = nullptr, DLGPROC proc = nullptr, LPARAM param = 0);
