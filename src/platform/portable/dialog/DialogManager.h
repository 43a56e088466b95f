// The dialog manager's internal services: making a dialog from a template and running it
// modally.
#pragma once

#include "platform/portable/windows.h"

namespace portable {

// The size of the screen windows are placed on, in pixels: the front end's.
SIZE screenSize();

// Registers the dialog class and the control classes (once).
void registerDialogClasses();

// Creates the dialog and its controls, sends WM_INITDIALOG and sets the first focus; nullptr
// when the template cannot be read or a control cannot be made.
HWND createDialog(HINSTANCE instance, const void* data, size_t size, HWND owner, DLGPROC proc,
                  LPARAM param);

// Runs the modal loop of a dialog made hidden, with its owner disabled meanwhile; returns the
// EndDialog result and destroys the dialog.
INT_PTR runModal(HWND dialog, HWND owner);

} // namespace portable
