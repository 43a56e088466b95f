#include "dialog_robot.h"

#include "entry/entry_point.h"
#include "scenario/person/thread_windows.h"

#include <cstring>

namespace {
const size_t kResultBuffer = 256;
// Ticks a dialog may stay up after the last step before it counts as hung.
const unsigned kIdleLimit = 200;
} // namespace

DialogRobot* DialogRobot::active_ = nullptr;

BOOL DialogRobot::call(DWORD argc, LPSTR* argv, LPSTR* textOut) {
    active_ = this;
    UINT_PTR timer = SetTimer(nullptr, 0, 10, onTimer);
    BOOL result = TVXConfigEntryPoint(argc, argv, textOut);
    KillTimer(nullptr, timer);
    active_ = nullptr;
    return result;
}

std::string DialogRobot::call(const char* service) {
    std::vector<char> name(service, service + std::strlen(service) + 1);
    LPSTR argv[] = {name.data(), nullptr};
    LPSTR text = nullptr;
    call(1, argv, &text);
    if (text == nullptr)
        return "(none)";
    size_t length = strnlen(text, kResultBuffer);
    return length == kResultBuffer ? "(unterminated)" : std::string(text, length);
}

void CALLBACK DialogRobot::onTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (active_ != nullptr)
        active_->tick();
}

void DialogRobot::tick() {
    scenario::ThreadWindows windows = scenario::findThreadWindows();
    if (windows.messageBox != nullptr) {
        messages_.push_back(scenario::readMessageBox(windows.messageBox));
        scenario::answerMessageBox(windows.messageBox);
        return;
    }
    // A message box disables the dialog before it shows itself: wait for it.
    if (windows.propertiesDialog == nullptr || !IsWindowEnabled(windows.propertiesDialog))
        return;
    dialogSeen_ = true;
    if (stepsLeft_) {
        stepsLeft_ = step_(windows.propertiesDialog);
    } else if (++idleTicks_ > kIdleLimit) {
        hung_ = true;
        EndDialog(windows.propertiesDialog, IDCANCEL);
    }
}
