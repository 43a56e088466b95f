// CConfigApp: the module's application object. Its title comes from the module's file name.
#pragma once

#include "framework/win_app.h"

class CConfigApp : public CWinApp {
  public:
    CConfigApp() = default;
};
