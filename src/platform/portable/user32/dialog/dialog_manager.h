// The dialog manager's internal services: making a dialog from a template and running it
// modally.
#pragma once

#include "platform/portable/user32/windowing/window_system.h"
#include "platform/portable/windows.h"

namespace portable {

// Registers the dialog class and the control classes (once).
void registerDialogClasses();

// Creates a window of the dialog class with `proc` as its dialog procedure (DWLP_DLGPROC) and
// no controls yet; nullptr when the window cannot be made.
HWND createDialogWindow(const CreateParams& params, DLGPROC proc);

// Creates the dialog and its controls, sends WM_INITDIALOG and sets the first focus; nullptr
// when the template cannot be read or a control cannot be made. A dialog made to run modally
// has its owner disabled before WM_INITDIALOG (disableOwner; DialogManagerContract.OwnerIs-
// DisabledWhileTheDialogRuns).
HWND createDialog(HINSTANCE instance, const void* data, size_t size, HWND owner, DLGPROC proc,
                  LPARAM param, bool modal);

// Disables the top-level window of `owner` for a modal run of the dialog. EndDialog enables it
// again whoever disabled it: a message box owned by the same window, raised from the dialog's
// WM_INITDIALOG, leaves it enabled for the rest of the run, as Wine 8.0's EndDialog does
// (DialogManagerContract.AMessageBoxOfTheOwnerAtInitialisationEnablesItWhenItEnds).
void disableOwner(HWND dialog, HWND owner);

// Runs the modal loop of a dialog made hidden, with its owner disabled meanwhile; returns the
// EndDialog result and destroys the dialog.
INT_PTR runModal(HWND dialog);

} // namespace portable
