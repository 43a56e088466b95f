// NotificationLog: the ordered list of notifications a dialog received, limited to those the
// properties dialog acts on (BN_CLICKED, LBN_SELCHANGE, CBN_SELCHANGE, UDN_DELTAPOS).
#pragma once

#include "platform/win32.h"

#include <ostream>
#include <string>
#include <vector>

struct Notification {
    UINT message; // WM_COMMAND or WM_NOTIFY
    int id;       // the control's id
    int code;     // the notification code
    int pos = 0;  // UDN_DELTAPOS: iPos
    int delta = 0;
    std::string buddyText; // UDN_DELTAPOS: the buddy's text when the notification arrived

    bool operator==(const Notification& other) const;
};

Notification command(int id, int code);
Notification deltaPos(int id, int pos, int delta, const char* buddyText);

// How gtest prints a notification in a failure message.
void PrintTo(const Notification& n, std::ostream* os);

class NotificationLog {
  public:
    // Records the message if it is one of the notifications kept; dialog procedures call it.
    void record(UINT message, WPARAM wParam, LPARAM lParam);

    const std::vector<Notification>& events() const { return events_; }
    void clear() { events_.clear(); }

  private:
    std::vector<Notification> events_;
};
