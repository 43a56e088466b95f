// Plays a scenario's actions at the dialog from a thread timer that the modal loops of the
// dialog and of its message boxes dispatch. Each tick does one thing: it reads and answers a
// message box that is up, or plays the next step at the properties dialog. Posted input is
// handled before the next tick (a timer fires only when the queue is empty), so steps keep
// their order.
#pragma once

#include "message_box_watch.h"
#include "scenario/language/scenario.h"
#include "platform/win32.h"

#include <string>
#include <vector>

namespace scenario {

class ScenarioDriver {
  public:
    explicit ScenarioDriver(const std::vector<Step>& steps);
    ~ScenarioDriver();
    ScenarioDriver(const ScenarioDriver&) = delete;
    ScenarioDriver& operator=(const ScenarioDriver&) = delete;

    // Set the timer before the call, kill it after; one driver at a time.
    void start();
    void stop();

    // Every message box shown, in order.
    const std::vector<ShownMessage>& messages() const { return messages_; }
    // The first thing that went wrong while playing, or empty; complete only after stop().
    const std::string& failure() const { return failure_; }

  private:
    static void CALLBACK onTimer(HWND window, UINT message, UINT_PTR id, DWORD time);
    void tick();
    void play(HWND dialog, const Step& step);
    void select(HWND dialog, const Step& step);
    void choose(HWND dialog, const Step& step);
    void type(HWND dialog, const Step& step);
    void click(HWND dialog, const Step& step);
    void spin(HWND dialog, const Step& step);
    void press(HWND dialog, const Step& step);
    HWND usableControl(HWND dialog, int id, const Step& step);
    void closeDialog(HWND dialog);
    void fail(const std::string& what);

    static ScenarioDriver* active_;

    std::vector<Step> steps_;
    size_t next_ = 0; // the next step to play
    std::vector<ShownMessage> messages_;
    std::string failure_;
    UINT_PTR timer_ = 0;
    unsigned ticks_ = 0;
    unsigned closingTicks_ = 0; // ticks since the driver began closing the dialog
    bool closing_ = false;      // the driver ends the dialog: nothing more is played
    bool sawDialog_ = false;
    bool inTick_ = false;
};

} // namespace scenario
