// The product's properties dialog for the terminal front end's tests, created from its own
// template so that the tests need no module.
#pragma once

#include "platform/win32.h"
#include "resources/resource.h"

#include <vector>

// A modeless properties dialog, shown, with the list filled and the text editor showing;
// its procedure records the commands and notifications it receives.
HWND openPropertiesDialog();

struct Received {
    UINT message;
    int id;
    int code;
};
// What the dialog received since it was opened or since the last call.
std::vector<Received> takeReceived();

// Handles the posted messages as a modal loop would.
void pumpMessages(HWND dialog);
