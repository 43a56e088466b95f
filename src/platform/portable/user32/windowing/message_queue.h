// MessageQueue: the thread's posted messages, its timers and the clock they run on, and the
// wait for a person's input through the front end.
#pragma once

#include "platform/portable/windows.h"

namespace portable {

// Takes the next posted message (filtered as PeekMessageA filters), or else turns the next due
// timer into WM_TIMER. False when there is neither.
bool takeMessage(MSG& msg, HWND filter, UINT filterMin, UINT filterMax, bool remove);

// Nothing is queued: wait for the next timer or for the front end's input. False when nothing
// can ever arrive (no timer, and no front end or it has no person left): the caller must close
// what waits, or it would wait for ever.
bool waitForSomething();

// Drops the timers of a window that is being destroyed.
void forgetWindowTimers(HWND window);

// Timers set and messages posted, not yet taken.
size_t timerCount();
size_t postedCount();

// Milliseconds on the window system's clock: real time plus the virtual time skipped to fire
// timers when no front end waits for a person.
DWORD currentTime();

} // namespace portable
