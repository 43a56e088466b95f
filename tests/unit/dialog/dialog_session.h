// Runs one call of the entry point with a script of actions played on the properties dialog,
// one per tick of the robot's timer, which records and answers every message box.
#pragma once

#include "dialog_robot.h"
#include "platform/win32.h"

#include <functional>
#include <string>
#include <vector>

class DialogSession {
  public:
    using Action = std::function<void(HWND dialog)>;

    void then(Action action) { actions_.push_back(std::move(action)); }
    // Clicks a button of the dialog as a person's click reaches the dialog.
    void click(int id);

    // Calls TVXConfigEntryPoint(argc, argv, textOut) while the timer plays the actions.
    BOOL call(DWORD argc, LPSTR* argv, LPSTR* textOut);
    BOOL callFor(const char* service);

    const std::vector<scenario::ShownMessage>& messages() const { return robot_.messages(); }
    bool dialogSeen() const { return robot_.dialogSeen(); }
    bool actionsLeft() const { return next_ < actions_.size(); }
    std::string result() const { return resultText_ ? resultText_ : "(none)"; }

  private:
    bool playNext(HWND dialog);

    std::vector<Action> actions_;
    size_t next_ = 0;
    DialogRobot robot_{[this](HWND dialog) { return playNext(dialog); }};
    LPSTR resultText_ = nullptr;
};

// A fresh Parameters key for the service (or only the service key), with REG_SZ values.
struct RegistryValue {
    const char* name;
    const char* text;
};
void resetService(const char* service, bool withParameters,
                  const std::vector<RegistryValue>& values = {});
// The value as text and its type; false when it does not exist.
bool readValue(const char* service, const char* name, std::string* text, DWORD* type);
