// TerminalScreen: the ncurses session on the controlling terminal (/dev/tty), so that standard
// output stays free for the result word. Shows a canvas, reads keys and the mouse as input
// events, and puts the terminal back as it found it when closed or when the process is ended
// by a signal.
#pragma once

#include "cell_canvas.h"
#include "input_event.h"
#include "palette.h"
#include "platform/non_copyable.h"

#include <cstdio>
#include <deque>
#include <string>

namespace terminal {

class TerminalScreen : NonCopyable {
  public:
    ~TerminalScreen();

    // False with *error set when there is no terminal to draw on.
    bool open(std::string* error);
    void close();

    int columns() const;
    int rows() const;
    void show(const CellCanvas& canvas);
    void beep();

    // Waits up to timeoutMs (negative: for ever) for one event; an event of kind None when the
    // time ran out. False when the terminal is gone.
    bool read(int timeoutMs, InputEvent* event);

  private:
    InputEvent decode(int code);
    InputEvent decodeEscape();
    void decodeMouse();

    FILE* tty_ = nullptr;
    SCREEN* screen_ = nullptr;
    Palette palette_;
    std::deque<InputEvent> pending_;
    int failures_ = 0; // reads that failed in a row without a time limit
};

} // namespace terminal
