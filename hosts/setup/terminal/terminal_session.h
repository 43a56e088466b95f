// TerminalSession: a person at the terminal for one call of the module: the screen, the front
// end of the modal loops, and WinHelpA, which has no viewer here and says so under the dialog.
// Closing puts the terminal and the process's front end back as they were.
#pragma once

#include "terminal_front_end.h"
#include "terminal_screen.h"
#include "platform/non_copyable.h"

#include <memory>
#include <string>
#include <vector>

namespace terminal {

class TerminalSession : NonCopyable {
  public:
    ~TerminalSession();

    // False with *error set when there is no terminal.
    bool open(std::string* error);
    void close();

    // The texts of the message boxes the person was shown, in order.
    const std::vector<std::string>& messagesShown() const { return messages_; }

  private:
    TerminalScreen screen_;
    std::unique_ptr<TerminalFrontEnd> frontEnd_;
    std::vector<std::string> messages_;
};

} // namespace terminal
