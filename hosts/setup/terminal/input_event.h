// InputEvent: one thing a person did at the terminal, decoded from the terminal's input but not
// yet turned into window messages.
#pragma once

namespace terminal {

enum class Key {
    kNone,
    kCharacter, // a printable character, in InputEvent::character
    kTab,
    kBackTab,
    kEnter,
    kEscape,
    kBackspace,
    kDelete,
    kUp,
    kDown,
    kLeft,
    kRight,
    kHome,
    kEnd,
    kPageUp,
    kPageDown,
    kF1,
    kF4,
    kInterrupt, // Ctrl+C: close the active window, as its system menu would
};

struct InputEvent {
    enum class Kind { kNone, kKey, kMousePress, kMouseRelease, kResize };

    Kind kind = Kind::kNone;
    Key key = Key::kNone;
    char character = 0;
    bool alt = false;
    int col = 0; // mouse events: the terminal cell
    int row = 0;
};

} // namespace terminal
