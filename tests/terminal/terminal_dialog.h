// The properties dialog's layout for the terminal front end's tests: the same controls, places
// and styles as the product's, built here so that the tests need no module.
#pragma once

#include "platform/dialog_template.h"

#include <vector>

enum TerminalTestId {
    idList = 1095,
    idTextEdit = 1096,
    idCombo = 1097,
    idDefaults = 1100,
    idPresent = 1101,
    idNotPresent = 1102,
    idSpin = 1106,
    idSpinEdit = 1107,
};

std::vector<BYTE> propertiesLayout();

// A modeless dialog of that layout, shown, with the list filled and the text editor showing;
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
