// TerminalFrontEnd: the person at the terminal, for the portable modal loops. Each wait draws
// the windows as they are, then turns the next key or click into the messages Windows would
// post. A terminal too small for the dialog shows a message instead and takes only Escape;
// a resize redraws.
#pragma once

#include "MouseTranslator.h"
#include "TerminalScreen.h"
#include "platform/portable/portable.h"

#include <string>

namespace terminal {

class TerminalFrontEnd : public portable::FrontEnd {
  public:
    // Installs itself as the process's front end for its lifetime.
    explicit TerminalFrontEnd(TerminalScreen& screen);
    ~TerminalFrontEnd() override;
    TerminalFrontEnd(const TerminalFrontEnd&) = delete;
    TerminalFrontEnd& operator=(const TerminalFrontEnd&) = delete;

    bool waitForInput(DWORD timeoutMs) override;

    // A line shown under the dialog instead of the key help, until the next key.
    void setStatus(const std::string& text) { status_ = text; }

  private:
    // Draws the windows; false when the terminal is too small for them.
    bool draw();
    // Posts what the event means; false when it means nothing here.
    bool post(const InputEvent& event, bool fits);

    TerminalScreen& screen_;
    MouseTranslator mouse_;
    std::string status_;
    portable::FrontEnd* previous_ = nullptr;
};

} // namespace terminal
