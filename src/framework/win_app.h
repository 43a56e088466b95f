// CWinApp: the module's one application object, with its instance handle and title, and the
// start-up and shut-down hooks the module start-up calls.
#pragma once

#include "platform/win32.h"

#include <string>

class CWinApp {
  public:
    // Without a name, the title is the module's file name without directory and extension.
    explicit CWinApp(const char* appName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return 0; }

    HINSTANCE m_hInstance = nullptr;
    const char* m_pszAppName = ""; // the title: caption of the application's message boxes

  private:
    friend BOOL AfxAttachModule(HINSTANCE instance);
    void SetModule(HINSTANCE instance);

    std::string givenName_;
    std::string title_;
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
const char* AfxGetAppName();

// The module start-up: records the module, names the application and runs its start-up hook;
// FALSE (after the shut-down hook) when the hook fails. Attaching again does nothing.
BOOL AfxAttachModule(HINSTANCE instance);
// The module shut-down: runs the shut-down hook once.
void AfxDetachModule();

// The application object must exist before the module start-up runs. On Windows DllMain
// follows every static constructor; for a shared object the order is spelled out: the object
// is constructed in this early group, the start-up (a constructor function) runs after it.
#define AFX_APP_OBJECT_INIT __attribute__((init_priority(1000)))
#define AFX_MODULE_STARTUP_PRIORITY 2000
