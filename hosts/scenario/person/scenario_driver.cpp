#include "scenario_driver.h"

#include "control_input.h"
#include "control_names.h"
#include "dialog_ids.h"
#include "editor_probe.h"
#include "thread_windows.h"

namespace scenario {

namespace {

const UINT kTickMs = 10;
// A call that needs more ticks than this is taken as hung and its dialog is closed.
const unsigned kTickLimit = 3000;
// Ticks the dialog gets to close from its system menu before it is ended outright.
const unsigned kCloseGrace = 50;

int buttonId(Button button) {
    switch (button) {
    case Button::kOk:
        return IDOK;
    case Button::kCancel:
        return IDCANCEL;
    case Button::kDefaults:
        return IDC_DEFAULTS;
    case Button::kPresent:
        return IDC_PRESENT;
    case Button::kNotPresent:
        return IDC_NOT_PRESENT;
    }
    return 0;
}

WPARAM virtualKey(Key key) {
    switch (key) {
    case Key::kEnter:
        return VK_RETURN;
    case Key::kEscape:
        return VK_ESCAPE;
    case Key::kF1:
        return VK_F1;
    }
    return 0;
}

} // namespace

ScenarioDriver* ScenarioDriver::active_ = nullptr;

ScenarioDriver::ScenarioDriver(const std::vector<Step>& steps) : steps_(steps) {}

ScenarioDriver::~ScenarioDriver() {
    if (active_ == this) {
        stop();
    }
}

void ScenarioDriver::start() {
    active_ = this;
    timer_ = SetTimer(nullptr, 0, kTickMs, onTimer);
    if (timer_ == 0) {
        fail("the driver's timer could not be set");
    }
}

void ScenarioDriver::stop() {
    if (timer_ != 0) {
        KillTimer(nullptr, timer_);
        timer_ = 0;
    }
    active_ = nullptr;
    if (next_ < steps_.size()) {
        fail(std::string(sawDialog_ ? "the dialog ended before " : "the dialog never showed for ") +
             describe(steps_[next_]));
    }
}

void CALLBACK ScenarioDriver::onTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (active_ != nullptr && !active_->inTick_) {
        active_->inTick_ = true;
        active_->tick();
        active_->inTick_ = false;
    }
}

void ScenarioDriver::tick() {
    ++ticks_;
    ThreadWindows windows = findThreadWindows();
    if (windows.messageBox != nullptr) {
        messages_.push_back(readMessageBox(windows.messageBox));
        answerMessageBox(windows.messageBox);
        return;
    }
    HWND dialog = windows.propertiesDialog;
    if (dialog == nullptr) {
        return;
    }
    sawDialog_ = true;
    // A message box disables the dialog before it shows itself (once its queue is empty); a
    // tick that falls due in between must wait for it, as a person could not use the dialog.
    if (!IsWindowEnabled(dialog)) {
        return;
    }
    if (ticks_ > kTickLimit && !closing_) {
        fail("the dialog did not end after " + std::to_string(kTickLimit) + " ticks");
    }
    if (closing_) {
        closeDialog(dialog);
    } else if (next_ < steps_.size()) {
        play(dialog, steps_[next_++]);
    } else {
        fail("the dialog is still open after the last action");
        closeDialog(dialog);
    }
}

void ScenarioDriver::play(HWND dialog, const Step& step) {
    switch (step.kind) {
    case Step::Kind::kSelect:
        return select(dialog, step);
    case Step::Kind::kChoose:
        return choose(dialog, step);
    case Step::Kind::kType:
        return type(dialog, step);
    case Step::Kind::kClick:
        return click(dialog, step);
    case Step::Kind::kSpin:
        return spin(dialog, step);
    case Step::Kind::kPress:
        return press(dialog, step);
    case Step::Kind::kClose:
        PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        return;
    case Step::Kind::kExpectEditor:
    case Step::Kind::kExpectRadios: {
        std::string difference = checkControls(dialog, step);
        if (!difference.empty()) {
            fail(difference);
            closeDialog(dialog);
        }
        return;
    }
    }
}

// Click the list item; a person scrolls it into view first.
void ScenarioDriver::select(HWND dialog, const Step& step) {
    HWND list = usableControl(dialog, IDC_PROPERTY_LIST, step);
    if (list == nullptr) {
        return;
    }
    LRESULT index = SendMessageA(list, LB_FINDSTRINGEXACT, WPARAM(-1),
                                 reinterpret_cast<LPARAM>(step.text.c_str()));
    if (index < 0) {
        fail(describe(step) + ": the list has no such item");
        return closeDialog(dialog);
    }
    RECT client = {0, 0, 0, 0};
    RECT item = {0, 0, 0, 0};
    GetClientRect(list, &client);
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    if (item.top < client.top || item.bottom > client.bottom) {
        SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
        SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item));
    }
    postClick(list, (item.left + item.right) / 2, (item.top + item.bottom) / 2);
}

// Pick the item with the keyboard: Home, then Down as often as its index.
void ScenarioDriver::choose(HWND dialog, const Step& step) {
    HWND combo = usableControl(dialog, IDC_VALUE_COMBO, step);
    if (combo == nullptr) {
        return;
    }
    LRESULT index = SendMessageA(combo, CB_FINDSTRINGEXACT, WPARAM(-1),
                                 reinterpret_cast<LPARAM>(step.text.c_str()));
    if (index < 0) {
        fail(describe(step) + ": the drop-down list has no such item");
        return closeDialog(dialog);
    }
    SetFocus(combo);
    postKey(combo, VK_HOME);
    for (LRESULT i = 0; i < index; ++i) {
        postKey(combo, VK_DOWN);
    }
}

// Click into the showing field, select all of it and type over it.
void ScenarioDriver::type(HWND dialog, const Step& step) {
    HWND textEdit = GetDlgItem(dialog, IDC_VALUE_EDIT);
    HWND spinEdit = GetDlgItem(dialog, IDC_SPIN_EDIT);
    if (!IsWindowVisible(textEdit) && !IsWindowVisible(spinEdit)) {
        fail(describe(step) + ": no text or number field is showing");
        return closeDialog(dialog);
    }
    int id = IsWindowVisible(textEdit) ? IDC_VALUE_EDIT : IDC_SPIN_EDIT;
    HWND field = usableControl(dialog, id, step);
    if (field == nullptr) {
        return;
    }
    postClickAtCentre(field);
    PostMessageA(field, EM_SETSEL, 0, -1);
    postChars(field, step.text);
}

void ScenarioDriver::click(HWND dialog, const Step& step) {
    HWND button = usableControl(dialog, buttonId(step.button), step);
    if (button != nullptr) {
        postClickAtCentre(button);
    }
}

// The upper half of the up-down control is its up arrow.
void ScenarioDriver::spin(HWND dialog, const Step& step) {
    HWND spinControl = usableControl(dialog, IDC_VALUE_SPIN, step);
    if (spinControl == nullptr) {
        return;
    }
    RECT client = {0, 0, 0, 0};
    GetClientRect(spinControl, &client);
    int height = client.bottom - client.top;
    int y = client.top + (step.up ? height / 4 : height - height / 4 - 1);
    postClick(spinControl, (client.left + client.right) / 2, y);
}

// Keys go to the control that has the focus, as the keyboard's do.
void ScenarioDriver::press(HWND dialog, const Step& step) {
    HWND focus = GetFocus();
    if (focus == nullptr || (focus != dialog && !IsChild(dialog, focus))) {
        focus = dialog;
    }
    postKey(focus, virtualKey(step.key));
}

// The control a step works with, if a person could use it: there, shown and enabled.
HWND ScenarioDriver::usableControl(HWND dialog, int id, const Step& step) {
    HWND control = GetDlgItem(dialog, id);
    const char* problem = control == nullptr          ? "is not in the dialog"
                          : !IsWindowVisible(control) ? "is hidden"
                          : !IsWindowEnabled(control) ? "is disabled"
                                                      : nullptr;
    if (problem == nullptr) {
        return control;
    }
    fail(describe(step) + ": " + controlName(dialog, id) + " " + problem);
    closeDialog(dialog);
    return nullptr;
}

// Close from the system menu as a person would; end the dialog if that does not work.
void ScenarioDriver::closeDialog(HWND dialog) {
    if (!closing_) {
        closing_ = true;
        closingTicks_ = 0;
    }
    if (closingTicks_++ < kCloseGrace) {
        if (closingTicks_ == 1) {
            PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        return;
    }
    EndDialog(dialog, IDCANCEL);
}

void ScenarioDriver::fail(const std::string& what) {
    if (failure_.empty()) {
        failure_ = what;
    }
}

} // namespace scenario
