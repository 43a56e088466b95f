// What a person does to a dialog, as the messages Windows delivers for it: a click is
// WM_LBUTTONDOWN and WM_LBUTTONUP at a point of the control's client area, a typed character is
// WM_CHAR, a key goes through the dialog manager (IsDialogMessageA) as WM_KEYDOWN/WM_KEYUP.
#pragma once

#include "platform/win32.h"

namespace person {

void click(HWND control, POINT at);
void clickCentre(HWND control);
// The centre of list box item `index` (LB_GETITEMRECT).
void clickListItem(HWND listBox, int index);
// The centre of the upper (increment) or lower (decrement) half of an up-down control.
void clickUpDown(HWND upDown, bool upper);

void typeChar(HWND edit, char c);
void type(HWND edit, const char* text);

// A key pressed while `target` has the focus in `dialog`, then whatever it posted handled.
void pressKey(HWND dialog, HWND target, WPARAM virtualKey);

// Handles the messages waiting in the thread's queue as a modeless dialog's loop would.
void pump(HWND dialog);

} // namespace person
