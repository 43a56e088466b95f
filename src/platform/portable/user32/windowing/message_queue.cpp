#include "platform/portable/user32/windowing/message_queue.h"

#include "platform/portable/user32/windowing/window_system.h"
#include "platform/portable/portable.h"

#include <chrono>
#include <deque>
#include <thread>
#include <vector>

namespace portable {

namespace {
MessageQueueState& queue() {
    return user32.queue;
}

DWORD realMilliseconds() {
    using namespace std::chrono;
    static const auto start = steady_clock::now();
    return DWORD(duration_cast<milliseconds>(steady_clock::now() - start).count());
}

bool matches(const MSG& msg, HWND filter, UINT filterMin, UINT filterMax) {
    if (filter && msg.hwnd != filter && !isDescendant(filter, msg.hwnd))
        return false;
    if (filterMin == 0 && filterMax == 0)
        return true;
    return msg.message >= filterMin && msg.message <= filterMax;
}

// The keyboard state follows the key messages as the thread takes them.
void trackKeys(const MSG& msg) {
    bool down = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
    bool up = msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP;
    if ((down || up) && msg.wParam < 256)
        queue().keyDown[msg.wParam] = down;
}

Timer* nextTimer() {
    Timer* next = nullptr;
    for (Timer& timer : queue().timers)
        if (!next || LONG(timer.due - next->due) < 0)
            next = &timer;
    return next;
}

bool takeTimer(MSG& msg, HWND filter, UINT filterMin, UINT filterMax, bool remove) {
    DWORD now = currentTime();
    for (Timer& timer : queue().timers) {
        if (LONG(now - timer.due) < 0)
            continue;
        MSG candidate{timer.window, WM_TIMER,   timer.id, reinterpret_cast<LPARAM>(timer.proc),
                      now,          POINT{0, 0}};
        if (!matches(candidate, filter, filterMin, filterMax))
            continue;
        if (remove)
            timer.due = now + timer.elapse;
        msg = candidate;
        return true;
    }
    return false;
}
} // namespace

DWORD currentTime() {
    return realMilliseconds() + queue().skipped;
}

void setFrontEnd(FrontEnd* frontEnd) {
    user32.frontEnd = frontEnd;
}
FrontEnd* frontEnd() {
    return user32.frontEnd;
}

bool takeMessage(MSG& msg, HWND filter, UINT filterMin, UINT filterMax, bool remove) {
    MessageQueueState& q = queue();
    for (auto it = q.posted.begin(); it != q.posted.end(); ++it) {
        if (!matches(*it, filter, filterMin, filterMax))
            continue;
        msg = *it;
        if (remove) {
            if (it == q.posted.begin())
                q.posted.pop_front();
            else
                q.posted.erase(it);
            trackKeys(msg);
        }
        return true;
    }
    if (q.quitPosted) {
        msg = MSG{nullptr, WM_QUIT, WPARAM(q.quitCode), 0, currentTime(), POINT{0, 0}};
        if (remove)
            q.quitPosted = false;
        return true;
    }
    return takeTimer(msg, filter, filterMin, filterMax, remove);
}

void forgetWindowTimers(HWND window) {
    auto& timers = queue().timers;
    for (size_t i = timers.size(); i-- > 0;)
        if (timers[i].window == window)
            timers.erase(timers.begin() + long(i));
}

bool waitForSomething() {
    MessageQueueState& q = queue();
    Timer* timer = nextTimer();
    if (!user32.frontEnd) {
        if (!timer)
            return false;
        DWORD now = currentTime();
        if (LONG(timer->due - now) > 0)
            q.skipped += timer->due - now;
        return true;
    }
    DWORD timeout = INFINITE;
    if (timer) {
        LONG left = LONG(timer->due - currentTime());
        timeout = left > 0 ? DWORD(left) : 0;
    }
    return user32.frontEnd->waitForInput(timeout) || timer;
}

size_t timerCount() {
    return queue().timers.size();
}

size_t postedCount() {
    return queue().posted.size();
}

} // namespace portable

using namespace portable;

extern "C" {

BOOL WINAPI PostMessageA(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (window && !windows().find(window)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    queue().posted.push_back(MSG{window, msg, wParam, lParam, currentTime(), POINT{0, 0}});
    return TRUE;
}

void WINAPI PostQuitMessage(int exitCode) {
    queue().quitPosted = true;
    queue().quitCode = exitCode;
}

BOOL WINAPI PeekMessageA(LPMSG msg, HWND window, UINT filterMin, UINT filterMax, UINT remove) {
    if (!msg)
        return FALSE;
    return takeMessage(*msg, window, filterMin, filterMax, (remove & PM_REMOVE) != 0);
}

BOOL WINAPI GetMessageA(LPMSG msg, HWND window, UINT filterMin, UINT filterMax) {
    if (!msg)
        return -1;
    while (!takeMessage(*msg, window, filterMin, filterMax, true)) {
        if (waitForSomething())
            continue;
        // Nobody can answer any more: close the active window as its system menu would, and
        // end the loop when no window is left.
        HWND active = GetActiveWindow();
        if (!active)
            PostQuitMessage(0);
        else
            PostMessageA(active, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    return msg->message != WM_QUIT;
}

BOOL WINAPI TranslateMessage(const MSG* msg) {
    return msg != nullptr;
}

LRESULT WINAPI DispatchMessageA(const MSG* msg) {
    if (!msg)
        return 0;
    if (msg->message == WM_TIMER && msg->lParam) {
        auto proc = reinterpret_cast<TIMERPROC>(msg->lParam);
        if (msg->hwnd && !windows().find(msg->hwnd))
            return 0;
        DepthGuard guard;
        proc(msg->hwnd, WM_TIMER, msg->wParam, currentTime());
        return 0;
    }
    return callWindowProc(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

LRESULT WINAPI SendMessageA(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    return callWindowProc(window, msg, wParam, lParam);
}

UINT_PTR WINAPI SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC timerProc) {
    if (window && !windows().find(window)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    MessageQueueState& q = queue();
    if (!window)
        id = q.nextTimerId++;
    DWORD due = currentTime() + elapse;
    for (Timer& timer : q.timers)
        if (timer.window == window && timer.id == id) {
            timer = Timer{window, id, elapse, timerProc, due};
            return window ? id : id;
        }
    q.timers.push_back(Timer{window, id, elapse, timerProc, due});
    return id == 0 ? 1 : id;
}

BOOL WINAPI KillTimer(HWND window, UINT_PTR id) {
    auto& timers = queue().timers;
    for (auto it = timers.begin(); it != timers.end(); ++it)
        if (it->window == window && it->id == id) {
            timers.erase(it);
            return TRUE;
        }
    return FALSE;
}

SHORT WINAPI GetKeyState(int key) {
    if (key < 0 || key > 255)
        return 0;
    return queue().keyDown[key] ? SHORT(0x8000) : SHORT(0);
}

DWORD WINAPI GetTickCount(void) {
    return currentTime();
}

void WINAPI Sleep(DWORD milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
}
