// TestDialog: a modeless dialog with the properties dialog's controls, whose procedure records
// the notifications it receives. ContractTest is the fixture that opens one for each test.
#pragma once

#include "notification_log.h"
#include "platform/non_copyable.h"

#include <gtest/gtest.h>

#include <memory>

class TestDialog : NonCopyable {
  public:
    // A hidden dialog unless `visible`: under Wine without a window manager, destroying a
    // dialog that was mapped on screen waits two seconds for its withdrawal.
    explicit TestDialog(bool visible = false);
    ~TestDialog();

    HWND hwnd() const { return hwnd_; }
    HWND item(int id) const { return GetDlgItem(hwnd_, id); }
    NotificationLog& log() { return log_; }

    // What the dialog answers to UDN_DELTAPOS through DWLP_MSGRESULT: 0 allows the change.
    void setDeltaPosResult(LONG_PTR result) { deltaPosResult_ = result; }

  private:
    static INT_PTR CALLBACK proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    NotificationLog log_;
    LONG_PTR deltaPosResult_ = 0;
};

// Makes the common controls' classes available, once per process.
void initCommonControls();

class ContractTest : public ::testing::Test {
  protected:
    // Tests of visibility and focus open the dialog on screen.
    virtual bool visible() const { return false; }

    void SetUp() override;
    void TearDown() override;

    HWND dlg() const { return dialog_->hwnd(); }
    HWND item(int id) const { return dialog_->item(id); }
    const std::vector<Notification>& events() const { return dialog_->log().events(); }
    void clearEvents() { dialog_->log().clear(); }
    static std::vector<Notification> noEvents() { return {}; }
    TestDialog& dialog() { return *dialog_; }

  private:
    std::unique_ptr<TestDialog> dialog_;
};
