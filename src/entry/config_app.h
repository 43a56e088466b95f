// CConfigApp: the module's application object. Its title comes from the module's file name. On
// Windows versions before 4 its start-up switches the three-dimensional look of the dialog's
// controls on through CTL3D32.DLL, and its shut-down switches it off again.
#pragma once

#include "framework/win_app.h"

class CConfigApp : public CWinApp {
  public:
    CConfigApp() = default;
    ~CConfigApp() override = default;

    DECLARE_MESSAGE_MAP()

  public:
    BOOL InitInstance() override;
    int ExitInstance() override;

  private:
    // The entry points of CTL3D32.DLL the module calls, each taking its instance handle.
    typedef BOOL(WINAPI* Ctl3dFunction)(HINSTANCE instance);

    void Enable3dControls();
    static Ctl3dFunction Ctl3dEntry(HMODULE library, WORD ordinal);

    HMODULE ctl3d_ = nullptr; // loaded only before version 4, never freed
    Ctl3dFunction ctl3dRegister_ = nullptr;
    Ctl3dFunction ctl3dUnregister_ = nullptr;
    Ctl3dFunction ctl3dAutoSubclass_ = nullptr;
};
