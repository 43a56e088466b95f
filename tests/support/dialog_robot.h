// Plays the person during one call of TVXConfigEntryPoint, from a thread timer that the modal
// loops dispatch whenever their queue is empty (so the input of one step is handled before the
// next). Each tick answers a message box that is up, as the scenario player reads and answers
// it, or gives the properties dialog to the step function. A dialog still up long after the
// steps ran out is ended with IDCANCEL, and reported.
#pragma once

#include "platform/win32.h"
#include "scenario/person/message_box_watch.h"

#include <functional>
#include <string>
#include <vector>

class DialogRobot {
  public:
    // Plays one step at the dialog; false when the person has nothing more to do.
    using Step = std::function<bool(HWND dialog)>;

    explicit DialogRobot(Step step) : step_(std::move(step)) {}

    // Calls the entry point with these arguments while the person plays.
    BOOL call(DWORD argc, LPSTR* argv, LPSTR* textOut);
    // Calls it for the service; the result word, checked to be terminated within the 256 bytes
    // of the result buffer ("(unterminated)" otherwise, "(none)" without one).
    std::string call(const char* service);

    const std::vector<scenario::ShownMessage>& messages() const { return messages_; }
    bool dialogSeen() const { return dialogSeen_; }
    bool hung() const { return hung_; }

  private:
    static void CALLBACK onTimer(HWND, UINT, UINT_PTR, DWORD);
    void tick();

    static DialogRobot* active_;
    Step step_;
    bool stepsLeft_ = true;
    unsigned idleTicks_ = 0;
    bool dialogSeen_ = false;
    bool hung_ = false;
    std::vector<scenario::ShownMessage> messages_;
};
