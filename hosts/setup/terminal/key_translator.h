// KeyTranslator: turns a key pressed at the terminal into the messages Windows would post for
// it to the window with the focus: WM_KEYDOWN, the WM_CHAR that TranslateMessage makes of it,
// WM_KEYUP; with Alt, WM_SYSKEYDOWN and WM_SYSCHAR; after F1's key-down, the WM_KEYF1 that asks
// for help. Shift+Tab is posted with Shift held.
// Space opens a closed drop-down list and chooses in an open one, the terminal's stand-in for
// Alt+Down and Enter there.
#pragma once

#include "input_event.h"
#include "platform/portable/windows.h"

#include <vector>

namespace terminal {

class KeyTranslator {
  public:
    // The messages for a key, addressed to the focus, else to the active window. Empty when
    // no window takes keys.
    static std::vector<MSG> translate(const InputEvent& event);
    // Posts them; false when there were none.
    static bool post(const InputEvent& event);

  private:
    static std::vector<MSG> keyMessages(HWND target, const InputEvent& event);
    static std::vector<MSG> spaceMessages(HWND target);
};

} // namespace terminal
