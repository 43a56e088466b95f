// Dialog: the state of a window of the dialog class "#32770", and its default procedure: the
// dialog procedure first, then what DefDlgProc does (Close as Cancel, default button,
// WM_NEXTDLGCTL, the focused control kept while another window is active).
#pragma once

#include "platform/portable/user32/windowing/window.h"

namespace portable {

constexpr const char* kDialogClassName = "#32770";

// What a modal loop waits for; it outlives the dialog window.
struct ModalState {
    bool ended = false;
    INT_PTR result = 0;
};

class Dialog : public Control {
  public:
    LRESULT handle(Window& window, UINT message, WPARAM wParam, LPARAM lParam) override;
    Dialog* asDialog() override { return this; }

    int defaultId = 0;           // the default push button's id; 0 when none
    HWND savedFocus = nullptr;   // the control that had the focus when the dialog last lost it
    ModalState* modal = nullptr; // the modal loop running this dialog, if any
    HWND modalOwner = nullptr;   // the owner a modal run keeps disabled; EndDialog enables it
    bool ended = false;          // EndDialog was called
    INT_PTR result = 0;          // its result

  private:
    LRESULT defaultProc(Window& window, UINT message, WPARAM wParam, LPARAM lParam);
    void nextControl(Window& window, WPARAM wParam, LPARAM lParam);
    // Deactivated or hidden, the dialog keeps the control that has the focus; activated again,
    // or given the focus itself, it hands the focus back to that control.
    void saveFocus(HWND self);
    void restoreFocus(HWND self, bool justActivated);
};

// The dialog state of a window, or nullptr when it is not a dialog.
Dialog* dialogOf(HWND handle);

// Moves the focus to a control of the dialog as the dialog manager does: an edit's text is
// selected, and a push button receiving the focus becomes the default one.
void focusControl(HWND dialog, HWND control);

// The next (or previous) visible, enabled control with WS_TABSTOP after `from` (or the first).
HWND nextTabItem(HWND dialog, HWND from, bool previous);

// The next (or previous) visible, enabled control of the group of `from`, going round the group;
// `from` itself when it is the only one. A group starts at a WS_GROUP control and runs up to the
// next one, round the end of the list.
HWND nextGroupItem(HWND dialog, HWND from, bool previous);

} // namespace portable
