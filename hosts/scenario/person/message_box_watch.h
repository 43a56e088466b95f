// Reads a message box as the person sees it (text, caption, icon) and answers it with its
// only button.
#pragma once

#include "platform/win32.h"

#include <string>

namespace scenario {

struct ShownMessage {
    std::string text;
    std::string caption;
    std::string icon; // "stop", "exclamation", "information", "question", "none" or "other"
};

ShownMessage readMessageBox(HWND box);
// Posts the click of OK, so the box closes from its own modal loop.
void answerMessageBox(HWND box);

} // namespace scenario
