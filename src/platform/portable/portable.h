// What only the portable build has: the front end that plays the person, and the dialog
// resources of a module (on Windows they live in the module's resource section).
#pragma once

#include "windows.h"

#if __has_include("portable_registry.h")
#include "portable_registry.h"
#endif
#include "portable_module.h"

namespace portable {

// Plays the person at the screen for the modal loops.
class FrontEnd {
  public:
    virtual ~FrontEnd() = default;
    // Wait for a person's input for at most timeoutMs (INFINITE = no timer pending) and post it
    // as the messages Windows would send (PostMessageA). False when no person is left.
    virtual bool waitForInput(DWORD timeoutMs) = 0;
    // The windows changed (a hint to redraw).
    virtual void windowsChanged() {}
    // The screen the person sees, in pixels: dialogs are centred on it and message boxes made
    // to fit it. 80 x 25 cells of 4 x 8 pixels unless the front end knows better.
    virtual SIZE screenSize() const { return defaultScreenSize(); }
    static SIZE defaultScreenSize() { return SIZE{320, 200}; }
};

// The front end of this process; nullptr runs timers in virtual time and closes what waits.
void setFrontEnd(FrontEnd* frontEnd);
FrontEnd* frontEnd();

// Resources of a module for the portable build: the bytes are a DLGTEMPLATE. The bytes are
// copied.
void registerDialogResource(HMODULE module, WORD id, const void* data, size_t size);
void unregisterResources(HMODULE module);

} // namespace portable
