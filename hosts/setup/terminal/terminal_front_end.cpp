#include "terminal_front_end.h"

#include "cell_layout.h"
#include "key_translator.h"
#include "window_painter.h"

#include <algorithm>
#include <climits>

namespace terminal {

namespace {
const char* const kKeyHelp =
    "Tab, Shift+Tab: move  Space: press  Enter: default  Esc: cancel  F1: help";

// The layout of the windows on this terminal, around the oldest visible window.
CellLayout layoutFor(const std::vector<HWND>& windows, int columns, int rows) {
    CellLayout layout(windows.empty() ? nullptr : windows.front(), columns, rows);
    layout.include(windows);
    return layout;
}
} // namespace

TerminalFrontEnd::TerminalFrontEnd(TerminalScreen& screen)
    : screen_(screen), previous_(portable::frontEnd()) {
    portable::setFrontEnd(this);
}

TerminalFrontEnd::~TerminalFrontEnd() {
    portable::setFrontEnd(previous_);
}

bool TerminalFrontEnd::draw() {
    CellCanvas canvas(screen_.columns(), screen_.rows());
    canvas.fill(0, 0, canvas.columns(), canvas.rows(), Role::kDesktop);
    std::vector<HWND> windows = WindowPainter::visibleWindows();
    noteMessageBoxes(windows);
    CellLayout layout = layoutFor(windows, canvas.columns(), canvas.rows());
    bool fits = windows.empty() || layout.fits();
    if (!fits) {
        WindowPainter::tooSmall(canvas, layout.neededColumns(), layout.neededRows());
    } else {
        WindowPainter painter(canvas, layout);
        painter.paint(windows);
        if (canvas.rows() > layout.neededRows())
            painter.hint(status_.empty() ? kKeyHelp : status_);
        else if (!status_.empty())
            painter.frameNote(windows.front(), status_);
    }
    screen_.show(canvas);
    return fits;
}

bool TerminalFrontEnd::waitForInput(DWORD timeoutMs) {
    int timeout = timeoutMs == INFINITE ? -1 : int(timeoutMs > INT_MAX ? INT_MAX : timeoutMs);
    for (;;) {
        bool fits = draw();
        if (leaving_ && cancelActive())
            return true;
        InputEvent event;
        if (!screen_.read(timeout, &event))
            return false; // the terminal is gone: no one is left to answer
        if (event.kind == InputEvent::Kind::kNone)
            return false; // the time is up: the loop's timer is due
        if (event.kind == InputEvent::Kind::kResize)
            continue;
        status_.clear(); // a note lasts until the next key or click
        if (post(event, fits))
            return true;
    }
}

SIZE TerminalFrontEnd::screenSize() const {
    return SIZE{screen_.columns() * CellLayout::kCellWidth,
                screen_.rows() * CellLayout::kCellHeight};
}

bool TerminalFrontEnd::post(const InputEvent& event, bool fits) {
    if (!fits) {
        // Only a way out: the windows cannot be seen, so they take no other input.
        bool escape = event.kind == InputEvent::Kind::kKey &&
                      (event.key == Key::kEscape || event.key == Key::kInterrupt);
        leaving_ = escape;
        lastCancelled_ = nullptr;
        return escape && cancelActive();
    }
    if (event.kind == InputEvent::Kind::kKey)
        return KeyTranslator::post(event);
    std::vector<HWND> windows = WindowPainter::visibleWindows();
    CellLayout layout = layoutFor(windows, screen_.columns(), screen_.rows());
    if (mouse_.post(event, layout))
        return true;
    if (event.kind == InputEvent::Kind::kMousePress)
        screen_.beep(); // a click on a window that takes none
    return false;
}

// A window over the dialog whose text is in a static of id 0xFFFF is a message box.
void TerminalFrontEnd::noteMessageBoxes(const std::vector<HWND>& windows) {
    // A box that is gone is forgotten: its handle may come back as another box.
    auto gone = [&windows](HWND box) {
        return std::find(windows.begin(), windows.end(), box) == windows.end();
    };
    noted_.erase(std::remove_if(noted_.begin(), noted_.end(), gone), noted_.end());
    for (size_t i = 1; i < windows.size(); ++i) {
        if (std::find(noted_.begin(), noted_.end(), windows[i]) != noted_.end())
            continue;
        for (HWND child : portable::inspect::children(windows[i])) {
            portable::inspect::WindowView control = portable::inspect::view(child);
            if (control.id == 0xFFFF && (control.style & SS_TYPEMASK) != SS_ICON) {
                noted_.push_back(windows[i]);
                messages_.push_back(control.text);
                break;
            }
        }
    }
}

bool TerminalFrontEnd::cancelActive() {
    HWND active = GetActiveWindow();
    if (!active || active == lastCancelled_) {
        leaving_ = false; // nothing left, or a window that Escape does not close
        return false;
    }
    lastCancelled_ = active;
    // What Escape makes of itself in a dialog or a message box: the Cancel command.
    PostMessageA(active, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(active, IDCANCEL)));
    return true;
}

} // namespace terminal
