// Finds, reads and answers a message box from code running on its thread (a timer procedure
// inside its modal loop), the way a person would see and press it.
#pragma once

#include "platform/win32.h"

#include <string>

struct MessageBoxView {
    HWND hwnd = nullptr;
    HWND owner = nullptr;
    std::string caption;
    std::string text;
    HICON icon = nullptr; // the image of its icon static, null when it has none
};

// The first visible dialog-class window ("#32770") of this thread other than `except`.
HWND findMessageBox(HWND except);

MessageBoxView readMessageBox(HWND box);

// Presses the button with that id (IDOK for an OK box).
void answerMessageBox(HWND box, int buttonId);
