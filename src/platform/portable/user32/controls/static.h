// Static: a text or an icon that takes no input.
#pragma once

#include "platform/portable/user32/windowing/window.h"

namespace portable {

class Static : public Control {
  public:
    LRESULT handle(Window& window, UINT message, WPARAM wParam, LPARAM lParam) override;
    HICON icon() const { return icon_; }

  private:
    HICON icon_ = nullptr; // SS_ICON: the icon shown
};

} // namespace portable
