// CCmdTarget: an object that takes commands and notifications through a static message map
// chained to its base class's map. Windows are command targets, and so is the application, to
// which a dialog hands the commands it does not map itself.
#pragma once

#include "framework/message_map.h"

class CCmdTarget {
  public:
    CCmdTarget() = default;
    virtual ~CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    // Calls the handler this object's map chain gives the command; FALSE when there is none.
    BOOL OnCmdMsg(UINT id, UINT code);

    static const AfxMessageMap* GetThisMessageMap();

  protected:
    virtual const AfxMessageMap* GetMessageMap() const;
    // The first entry for (message, code, id), from the most derived map to the root.
    const AfxMessageMapEntry* FindEntry(UINT message, UINT code, UINT id) const;
};
