// UpDown: the msctls_updown32 control. Its position lives in the control and, with
// UDS_SETBUDDYINT, in the buddy's text; UDM_GETPOS reads it back from that text. A person's
// click on an arrow (or Up/Down in the buddy with UDS_ARROWKEYS) asks the parent with
// UDN_DELTAPOS first, and moves only when the parent answers 0 (UpDownContract.NonZeroResult-
// RefusesTheChange); at a bound it asks but does not move (UpDownContract.ClickAtTheBound-
// NotifiesButDoesNotMove).
#pragma once

#include "platform/portable/user32/windowing/window.h"

namespace portable {

class UpDown : public Control {
  public:
    LRESULT handle(Window& window, UINT message, WPARAM wParam, LPARAM lParam) override;

    // The arrow keys the buddy passes on.
    void keyPressed(Window& window, WPARAM key);

  private:
    LRESULT create(Window& window, const CREATESTRUCTA* create);
    HWND setBuddy(Window& window, HWND buddy);
    LRESULT getPos(const Window& window, bool* error);
    LRESULT setPos(const Window& window, int pos);
    LRESULT setBase(const Window& window, WPARAM base);
    void buttonDown(Window& window, LPARAM point);
    // Asks the parent, then moves by delta (positive: towards the upper bound).
    void doAction(Window& window, int delta);
    bool readBuddy(const Window& window);
    void writeBuddy(const Window& window) const;
    bool inBounds(int value) const;
    int clamp(int value) const;

    int pos_ = 0;
    int min_ = 100; // the real control starts with the range 100 down to 0
    int max_ = 0;
    int base_ = 10;
    HWND buddy_ = nullptr;
    HWND notify_ = nullptr; // the parent at creation, which receives UDN_DELTAPOS
    // UDS_SETBUDDYINT as created: a later change of the style changes nothing
    // (UpDownContract.SetBuddyIntIsTakenAtCreation).
    bool setBuddyInt_ = false;
};

} // namespace portable
