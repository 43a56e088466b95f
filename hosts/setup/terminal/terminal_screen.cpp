#include "terminal_screen.h"

#include <clocale>
#include <csignal>
#include <cstdlib>
#include <cstring>

namespace terminal {

namespace {
// Alt+Down and Alt+Up as xterm-like terminals send them, where terminfo does not name them.
constexpr int kAltDownCode = KEY_MAX + 0x101;
constexpr int kAltUpCode = KEY_MAX + 0x102;

bool screenOpen = false;

void restoreAndRaise(int signal) {
    if (screenOpen)
        endwin();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

InputEvent keyEvent(Key key, bool alt = false) {
    InputEvent event;
    event.kind = InputEvent::Kind::kKey;
    event.key = key;
    event.alt = alt;
    return event;
}

// Keys ncurses knows only by their terminfo names, such as kDN3 for Alt+Down.
Key namedKey(int code, bool* alt) {
    const char* name = keyname(code);
    *alt = false;
    if (code == kAltDownCode || (name && std::strcmp(name, "kDN3") == 0)) {
        *alt = true;
        return Key::kDown;
    }
    if (code == kAltUpCode || (name && std::strcmp(name, "kUP3") == 0)) {
        *alt = true;
        return Key::kUp;
    }
    return Key::kNone;
}
// A terminal that cannot put its cursor on a cell (a dumb terminal, a printer) cannot draw.
bool cursorAddressable() {
    char name[] = "cup";
    const char* move = tigetstr(name);
    return move != nullptr && move != reinterpret_cast<const char*>(-1);
}
} // namespace

TerminalScreen::~TerminalScreen() {
    close();
}

bool TerminalScreen::open(std::string* error) {
    std::setlocale(LC_ALL, "");
    tty_ = std::fopen("/dev/tty", "r+");
    if (!tty_) {
        *error = "the dialog needs a terminal (use --script to play a scenario without one)";
        return false;
    }
    screen_ = newterm(nullptr, tty_, tty_);
    const char* term = std::getenv("TERM");
    std::string named = std::string("the terminal \"") + (term ? term : "") + "\"";
    if (screen_ && !cursorAddressable()) {
        endwin();
        delscreen(screen_);
        screen_ = nullptr;
        named += " cannot move its cursor, which the dialog needs";
    } else if (!screen_) {
        named = "cannot use " + named;
    }
    if (!screen_) {
        std::fclose(tty_);
        tty_ = nullptr;
        *error = named + " (use --script to play a scenario without a terminal)";
        return false;
    }
    for (int signal : {SIGTERM, SIGHUP, SIGQUIT})
        std::signal(signal, restoreAndRaise);
    screenOpen = true;
    set_escdelay(50);
    raw();
    noecho();
    nonl();
    keypad(stdscr, TRUE);
    mousemask(BUTTON1_PRESSED | BUTTON1_RELEASED | BUTTON1_CLICKED, nullptr);
    mouseinterval(0);
    if (key_defined("\033[1;3B") <= 0)
        define_key("\033[1;3B", kAltDownCode);
    if (key_defined("\033[1;3A") <= 0)
        define_key("\033[1;3A", kAltUpCode);
    bool colours = Palette::coloursWanted(has_colors(), std::getenv("NO_COLOR"));
    if (colours) {
        start_color();
        use_default_colors();
    }
    palette_.setUp(colours);
    return true;
}

void TerminalScreen::close() {
    if (!screen_)
        return;
    // Where the terminal has no alternate screen, the dialog would stay above the output.
    erase();
    refresh();
    endwin();
    screenOpen = false;
    delscreen(screen_);
    screen_ = nullptr;
    std::fclose(tty_);
    tty_ = nullptr;
    for (int signal : {SIGTERM, SIGHUP, SIGQUIT})
        std::signal(signal, SIG_DFL);
}

int TerminalScreen::columns() const {
    return screen_ ? COLS : 0;
}

int TerminalScreen::rows() const {
    return screen_ ? LINES : 0;
}

void TerminalScreen::show(const CellCanvas& canvas) {
    if (!screen_)
        return;
    for (int row = 0; row < canvas.rows() && row < LINES; ++row) {
        for (int col = 0; col < canvas.columns() && col < COLS; ++col) {
            const Cell& cell = canvas.at(col, row);
            chtype attributes = palette_.attributes(cell.role) | (cell.underline ? A_UNDERLINE : 0);
            chtype glyph;
            switch (cell.glyph) {
            case HLine:
                glyph = ACS_HLINE;
                break;
            case VLine:
                glyph = ACS_VLINE;
                break;
            case TopLeft:
                glyph = ACS_ULCORNER;
                break;
            case TopRight:
                glyph = ACS_URCORNER;
                break;
            case BottomLeft:
                glyph = ACS_LLCORNER;
                break;
            case BottomRight:
                glyph = ACS_LRCORNER;
                break;
            case ScrollTrack:
                glyph = ACS_CKBOARD;
                break;
            case ScrollThumb:
                glyph = ACS_BLOCK;
                break;
            default:
                glyph = chtype(static_cast<unsigned char>(cell.glyph));
            }
            mvaddch(row, col, glyph | attributes);
        }
    }
    if (canvas.cursorColumn() >= 0) {
        move(canvas.cursorRow(), canvas.cursorColumn());
        curs_set(1);
    } else {
        curs_set(0);
    }
    refresh();
}

void TerminalScreen::beep() {
    if (screen_)
        ::beep();
}

bool TerminalScreen::read(int timeoutMs, InputEvent* event) {
    *event = InputEvent{};
    if (!pending_.empty()) {
        *event = pending_.front();
        pending_.pop_front();
        return true;
    }
    if (!screen_)
        return false;
    for (;;) {
        timeout(timeoutMs < 0 ? -1 : timeoutMs);
        int code = getch();
        if (code == ERR) {
            // Without a time limit, getch fails only when the terminal is gone.
            return timeoutMs >= 0 || ++failures_ < 3;
        }
        failures_ = 0;
        *event = decode(code);
        // Input the dialog has no use for (Ctrl+A, F5, the mouse wheel) is dropped: taken as
        // an event of no kind it would read as the end of the wait, which cancels the dialog.
        if (event->kind != InputEvent::Kind::kNone)
            return true;
    }
}

InputEvent TerminalScreen::decode(int code) {
    bool alt = false;
    Key named = namedKey(code, &alt);
    if (named != Key::kNone)
        return keyEvent(named, alt);
    switch (code) {
    case KEY_RESIZE: {
        InputEvent event;
        event.kind = InputEvent::Kind::kResize;
        return event;
    }
    case KEY_MOUSE: {
        decodeMouse();
        InputEvent event;
        if (!pending_.empty()) {
            event = pending_.front();
            pending_.pop_front();
        }
        return event;
    }
    case 27:
        return decodeEscape();
    case '\t':
        return keyEvent(Key::kTab);
    case KEY_BTAB:
        return keyEvent(Key::kBackTab);
    case '\r':
    case '\n':
    case KEY_ENTER:
        return keyEvent(Key::kEnter);
    case KEY_BACKSPACE:
    case 127:
    case 8:
        return keyEvent(Key::kBackspace);
    case KEY_DC:
        return keyEvent(Key::kDelete);
    case KEY_UP:
        return keyEvent(Key::kUp);
    case KEY_DOWN:
        return keyEvent(Key::kDown);
    case KEY_LEFT:
        return keyEvent(Key::kLeft);
    case KEY_RIGHT:
        return keyEvent(Key::kRight);
    case KEY_HOME:
        return keyEvent(Key::kHome);
    case KEY_END:
        return keyEvent(Key::kEnd);
    case KEY_PPAGE:
        return keyEvent(Key::kPageUp);
    case KEY_NPAGE:
        return keyEvent(Key::kPageDown);
    case 3:
        return keyEvent(Key::kInterrupt);
    default:
        break;
    }
    if (code == KEY_F(1))
        return keyEvent(Key::kF1);
    if (code == KEY_F(4))
        return keyEvent(Key::kF4);
    if (code >= 0x20 && code < 0x7F) {
        InputEvent event = keyEvent(Key::kCharacter);
        event.character = char(code);
        return event;
    }
    return InputEvent{};
}

// Escape alone, or the first byte of a key pressed with Alt.
InputEvent TerminalScreen::decodeEscape() {
    timeout(0);
    int next = getch();
    if (next == ERR)
        return keyEvent(Key::kEscape);
    InputEvent event = decode(next);
    if (event.kind != InputEvent::Kind::kKey || event.key == Key::kEscape)
        return keyEvent(Key::kEscape);
    event.alt = true;
    return event;
}

void TerminalScreen::decodeMouse() {
    MEVENT mouse;
    if (getmouse(&mouse) != OK)
        return;
    InputEvent event;
    event.col = mouse.x;
    event.row = mouse.y;
    if (mouse.bstate & (BUTTON1_PRESSED | BUTTON1_CLICKED)) {
        event.kind = InputEvent::Kind::kMousePress;
        pending_.push_back(event);
    }
    if (mouse.bstate & (BUTTON1_RELEASED | BUTTON1_CLICKED)) {
        event.kind = InputEvent::Kind::kMouseRelease;
        pending_.push_back(event);
    }
}

} // namespace terminal
