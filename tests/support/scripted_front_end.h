// ScriptedFrontEnd: a front end for tests. Each time a modal loop waits for a person it runs
// the next scripted step, which posts the person's input (or answers what is on screen); with
// no step left it reports that no person is left. It records every message box it sees.
#pragma once

#include "platform/portable/portable.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace portable {

struct SeenMessageBox {
    HWND hwnd = nullptr;
    std::string caption;
    std::string text;
    HICON icon = nullptr;
};

class ScriptedFrontEnd : public FrontEnd {
  public:
    using Step = std::function<void()>;

    // Installs itself as the process's front end for its lifetime.
    ScriptedFrontEnd();
    ~ScriptedFrontEnd() override;
    ScriptedFrontEnd(const ScriptedFrontEnd&) = delete;
    ScriptedFrontEnd& operator=(const ScriptedFrontEnd&) = delete;

    void then(Step step) { steps_.push_back(std::move(step)); }

    bool waitForInput(DWORD timeoutMs) override;
    void windowsChanged() override { ++changes_; }
    SIZE screenSize() const override { return screen_; }
    void setScreenSize(SIZE size) { screen_ = size; }

    const std::vector<SeenMessageBox>& messageBoxes() const { return boxes_; }
    // The visible message box shown last, or nullptr.
    HWND currentMessageBox() const;
    size_t stepsLeft() const { return steps_.size(); }
    size_t waits() const { return waits_; }
    size_t changes() const { return changes_; }

  private:
    void recordMessageBoxes();

    std::deque<Step> steps_;
    std::vector<SeenMessageBox> boxes_;
    size_t waits_ = 0;
    size_t changes_ = 0;
    SIZE screen_ = defaultScreenSize();
    FrontEnd* previous_ = nullptr;
};

} // namespace portable
