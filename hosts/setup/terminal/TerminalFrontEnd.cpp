#include "TerminalFrontEnd.h"

#include "CellLayout.h"
#include "KeyTranslator.h"
#include "WindowPainter.h"

#include <climits>

namespace terminal {

namespace {
const char* const keyHelp =
    "Tab, Shift+Tab: move  Space: press  Enter: default  Esc: cancel  F1: help";

// The layout of the windows on this terminal, around the oldest visible window.
CellLayout layoutFor(const std::vector<HWND>& windows, int columns, int rows) {
    return CellLayout(windows.empty() ? nullptr : windows.front(), columns, rows);
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
    canvas.fill(0, 0, canvas.columns(), canvas.rows(), Role::Desktop);
    std::vector<HWND> windows = WindowPainter::visibleWindows();
    CellLayout layout = layoutFor(windows, canvas.columns(), canvas.rows());
    bool fits = windows.empty() || layout.fits();
    if (!fits) {
        WindowPainter::tooSmall(canvas, layout.neededColumns(), layout.neededRows());
    } else {
        WindowPainter painter(canvas, layout);
        painter.paint(windows);
        if (canvas.rows() > layout.neededRows())
            painter.hint(status_.empty() ? keyHelp : status_);
    }
    screen_.show(canvas);
    return fits;
}

bool TerminalFrontEnd::waitForInput(DWORD timeoutMs) {
    int timeout = timeoutMs == INFINITE ? -1 : int(timeoutMs > INT_MAX ? INT_MAX : timeoutMs);
    for (;;) {
        bool fits = draw();
        InputEvent event;
        if (!screen_.read(timeout, &event))
            return false; // the terminal is gone: no one is left to answer
        if (event.kind == InputEvent::Kind::None)
            return false; // the time is up: the loop's timer is due
        if (event.kind == InputEvent::Kind::Resize)
            continue;
        if (event.kind == InputEvent::Kind::Key)
            status_.clear();
        if (post(event, fits))
            return true;
    }
}

bool TerminalFrontEnd::post(const InputEvent& event, bool fits) {
    if (!fits) {
        // Only a way out: the dialog cannot be seen, so it takes no other input.
        bool escape = event.kind == InputEvent::Kind::Key &&
                      (event.key == Key::Escape || event.key == Key::Interrupt);
        return escape && KeyTranslator::post(event);
    }
    if (event.kind == InputEvent::Kind::Key)
        return KeyTranslator::post(event);
    std::vector<HWND> windows = WindowPainter::visibleWindows();
    CellLayout layout = layoutFor(windows, screen_.columns(), screen_.rows());
    if (mouse_.post(event, layout))
        return true;
    if (event.kind == InputEvent::Kind::MousePress)
        screen_.beep(); // a click on a window that takes none
    return false;
}

} // namespace terminal
