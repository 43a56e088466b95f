// Button: push buttons, check boxes and radio buttons. A person's click (button down then up
// inside) or the space bar presses it; only that, and BM_CLICK, which stands for a click,
// notify BN_CLICKED: a click on the checked radio notifies again (ButtonContract.ClickOnThe-
// CheckedRadioNotifiesAgain), BM_SETCHECK sends nothing (ButtonContract.SetCheckTouchesOnly-
// ThatRadioAndSendsNothing).
#pragma once

#include "platform/portable/user32/windowing/window.h"

namespace portable {

class Button : public Control {
  public:
    LRESULT handle(Window& window, UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    LRESULT getDlgCode(const Window& window) const;
    void buttonDown(Window& window);
    void buttonUp(Window& window, bool inside);
    void setCheck(Window& window, WPARAM check);

    UINT check_ = BST_UNCHECKED; // BST_CHECKED, BST_INDETERMINATE
    bool pushed_ = false;        // drawn pushed in (BM_SETSTATE)
    bool pressed_ = false;       // a mouse button or the space bar is down on it
    bool focused_ = false;
};

// The radio buttons, automatic or not, of the group of a radio button, other than itself:
// those a click on an automatic one unchecks.
std::vector<HWND> radioGroupOf(const Window& radio);

} // namespace portable
