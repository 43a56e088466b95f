// InputEvent: one thing a person did at the terminal, decoded from the terminal's input but not
// yet turned into window messages.
#pragma once

namespace terminal {

enum class Key {
    None,
    Character, // a printable character, in InputEvent::character
    Tab,
    BackTab,
    Enter,
    Escape,
    Backspace,
    Delete,
    Up,
    Down,
    Left,
    Right,
    Home,
    End,
    PageUp,
    PageDown,
    F1,
    F4,
    Interrupt, // Ctrl+C: close the active window, as its system menu would
};

struct InputEvent {
    enum class Kind { None, Key, MousePress, MouseRelease, Resize };

    Kind kind = Kind::None;
    Key key = Key::None;
    char character = 0;
    bool alt = false;
    int col = 0; // mouse events: the terminal cell
    int row = 0;
};

} // namespace terminal
