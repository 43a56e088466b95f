// Static message maps: each command target class lists (message, notification code, control
// or command id, handler) once, chained to its base class's map.
#pragma once

#include "platform/win32.h"

class CCmdTarget;

typedef void (CCmdTarget::*AfxCommandHandler)();
typedef void (CCmdTarget::*AfxNotifyHandler)(NMHDR* header, LRESULT* result);

// The framework's command identifiers: Help, raised by F1, and the base of the help contexts of
// resources (a dialog's context is this plus its template id).
#define ID_HELP 0xE146
#define HID_BASE_RESOURCE 0x20000

struct AfxMessageMapEntry {
    UINT message; // WM_COMMAND or WM_NOTIFY; 0 ends the table
    UINT code;    // notification code
    UINT id;      // control id
    AfxCommandHandler onCommand;
    AfxNotifyHandler onNotify;
};

struct AfxMessageMap {
    const AfxMessageMap* (*base)(); // null for the root
    const AfxMessageMapEntry* entries;
};

#define DECLARE_MESSAGE_MAP()                                                                      \
  public:                                                                                          \
    static const AfxMessageMap* GetThisMessageMap();                                               \
                                                                                                   \
  protected:                                                                                       \
    const AfxMessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AfxMessageMap* theClass::GetMessageMap() const {                                         \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const AfxMessageMap* theClass::GetThisMessageMap() {                                           \
        typedef theClass ThisClass;                                                                \
        typedef baseClass TheBaseClass;                                                            \
        static const AfxMessageMapEntry entries[] = {

#define ON_COMMAND_CODE(code, id, handler)                                                         \
    {WM_COMMAND, code, static_cast<UINT>(id), static_cast<AfxCommandHandler>(&ThisClass::handler), \
     nullptr},
// A command with no notification code: a menu item, an accelerator, a framework command.
#define ON_COMMAND(id, handler) ON_COMMAND_CODE(0, id, handler)
#define ON_BN_CLICKED(id, handler) ON_COMMAND_CODE(BN_CLICKED, id, handler)
#define ON_LBN_SELCHANGE(id, handler) ON_COMMAND_CODE(LBN_SELCHANGE, id, handler)
#define ON_NOTIFY(code, id, handler)                                                               \
    {WM_NOTIFY, static_cast<UINT>(code), static_cast<UINT>(id), nullptr,                           \
     static_cast<AfxNotifyHandler>(&ThisClass::handler)},

#define END_MESSAGE_MAP()                                                                          \
    { 0, 0, 0, nullptr, nullptr }                                                                  \
    }                                                                                              \
    ;                                                                                              \
    static const AfxMessageMap map = {&TheBaseClass::GetThisMessageMap, entries};                  \
    return &map;                                                                                   \
    }
