#include "terminal_session.h"

#include "platform/portable/portable_module.h"

namespace terminal {

TerminalSession::~TerminalSession() {
    close();
}

bool TerminalSession::open(std::string* error) {
    if (!screen_.open(error))
        return false;
    frontEnd_.reset(new TerminalFrontEnd(screen_));
    TerminalFrontEnd* front = frontEnd_.get();
    portable::setWinHelpHandler([front](HWND, const char* helpFile, UINT, ULONG_PTR) {
        std::string file = helpFile ? helpFile : "";
        file = file.substr(file.find_last_of('/') + 1);
        front->setStatus("Help (" + file + ") has no viewer in a terminal.");
        return TRUE;
    });
    return true;
}

void TerminalSession::close() {
    if (!frontEnd_)
        return;
    portable::setWinHelpHandler(nullptr);
    messages_ = frontEnd_->messagesShown();
    frontEnd_.reset();
    screen_.close();
}

} // namespace terminal
