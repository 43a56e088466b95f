// TerminalFrontEnd: the person at the terminal, for the portable modal loops. Each wait draws
// the windows as they are, then turns the next key or click into the messages Windows would
// post. A terminal too small for the windows shows a notice instead and takes only Escape,
// which cancels: it answers a message box that is up, then cancels the dialog. A resize
// redraws.
#pragma once

#include "mouse_translator.h"
#include "terminal_screen.h"
#include "platform/portable/portable.h"

#include <string>
#include <vector>

namespace terminal {

class TerminalFrontEnd : public portable::FrontEnd {
  public:
    // Installs itself as the process's front end for its lifetime.
    explicit TerminalFrontEnd(TerminalScreen& screen);
    ~TerminalFrontEnd() override;
    TerminalFrontEnd(const TerminalFrontEnd&) = delete;
    TerminalFrontEnd& operator=(const TerminalFrontEnd&) = delete;

    bool waitForInput(DWORD timeoutMs) override;
    // The terminal, at 4 x 8 pixels a cell.
    SIZE screenSize() const override;

    // A line shown under the dialog instead of the key help (on its frame where no row is
    // left), until the next key or click.
    void setStatus(const std::string& text) { status_ = text; }
    // The text of every message box drawn so far, in order, to be told once the screen is gone.
    const std::vector<std::string>& messagesShown() const { return messages_; }

  private:
    // Draws the windows; false when the terminal is too small for them.
    bool draw();
    // Posts what the event means; false when it means nothing here.
    bool post(const InputEvent& event, bool fits);
    // Cancels the active window as Escape would; false when there is none left to cancel, or
    // the last one did not go.
    bool cancelActive();
    void noteMessageBoxes(const std::vector<HWND>& windows);

    TerminalScreen& screen_;
    MouseTranslator mouse_;
    std::string status_;
    bool leaving_ = false; // Escape was pressed where the windows could not be seen
    HWND lastCancelled_ = nullptr;
    std::vector<std::string> messages_;
    std::vector<HWND> noted_; // the message boxes whose text is in messages_
    portable::FrontEnd* previous_ = nullptr;
};

} // namespace terminal
