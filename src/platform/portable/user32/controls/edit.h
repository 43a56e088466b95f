// Edit: a single-line edit control. Typing (WM_CHAR) honours the text limit and ES_NUMBER;
// text set by code (WM_SETTEXT) is never cut to the limit (EditContract.LimitDoesNotShortenText-
// SetByCode, EditContract.NumberStyleAcceptsAnyTextFromCode), and typing sends no selection
// notification (EditContract.TypingSendsNoSelectionNotification).
#pragma once

#include "platform/portable/user32/windowing/window.h"

#include <string>

namespace portable {

class Edit : public Control {
  public:
    LRESULT handle(Window& window, UINT message, WPARAM wParam, LPARAM lParam) override;

    DWORD selectionStart() const { return start_ < end_ ? start_ : end_; }
    DWORD selectionEnd() const { return start_ < end_ ? end_ : start_; }

  private:
    void typeChar(Window& window, char c);
    void keyDown(Window& window, WPARAM key);
    void setSel(const Window& window, LPARAM from, LPARAM to);
    LRESULT getSel(WPARAM startOut, LPARAM endOut) const;
    // Whether a replacement may leave more text than the limit: typing and pasting may not.
    enum class TextLimit { kEnforce, kIgnore };
    // Replaces the selection and notifies EN_UPDATE and EN_CHANGE; with kEnforce the text is
    // cut at the limit (EN_MAXTEXT).
    bool replaceSel(Window& window, const std::string& text, TextLimit limit);
    void setText(Window& window, LPCSTR text);
    void moveCaret(const Window& window, DWORD to, bool extend);

    DWORD start_ = 0;     // selection anchor
    DWORD end_ = 0;       // selection end, where the caret is
    DWORD limit_ = 30000; // most characters typing may leave in the control
};

} // namespace portable
