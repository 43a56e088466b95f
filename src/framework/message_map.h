// Static message maps: each dialog class lists (message, notification code, control id,
// handler) once, chained to its base class's map.
#pragma once

#include "platform/win32.h"

class CDialog;

typedef void (CDialog::*AfxCommandHandler)();
typedef void (CDialog::*AfxNotifyHandler)(NMHDR* header, LRESULT* result);

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
