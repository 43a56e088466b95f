// The product's properties dialog for the terminal front end's tests, created from its own
// template so that the tests need no module.
#pragma once

#include "platform/win32.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <vector>

// A modeless properties dialog, shown, with the list filled and the text editor showing;
// its procedure records the commands and notifications it receives.
HWND openPropertiesDialog();

// A test with the properties dialog open; after it the dialog (if still open) is destroyed
// and the messages left for it are dropped.
class PropertiesDialogTest : public ::testing::Test {
  protected:
    void SetUp() override { dialog = openPropertiesDialog(); }
    void TearDown() override {
        if (IsWindow(dialog))
            DestroyWindow(dialog);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }

    HWND dialog = nullptr;
};

struct Received {
    UINT message;
    int id;
    int code;
};
// What the dialog received since it was opened or since the last call.
std::vector<Received> takeReceived();

// Handles the posted messages as a modal loop would.
void pumpMessages(HWND dialog);
