// The input a person gives, as the messages Windows posts for it: mouse clicks at a point of a
// control, keys pressed and released, characters typed. Everything is posted, never sent, so it
// is handled in order by the modal loop that is running, as real input is.
#pragma once

#include "platform/win32.h"

#include <string>

namespace scenario {

// Left button down and up at (x, y) of the control's client area.
void postClick(HWND control, int x, int y);
// Left button down and up at the centre of the control.
void postClickAtCentre(HWND control);
// A key pressed and released on the window (VK_RETURN, VK_ESCAPE, VK_F1, VK_HOME...); F1 also
// posts the WM_KEYF1 that a keyboard's F1 brings.
void postKey(HWND window, WPARAM virtualKey);
// One WM_CHAR for each character.
void postChars(HWND window, const std::string& text);

} // namespace scenario
