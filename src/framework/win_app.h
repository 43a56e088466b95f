// CWinApp: the module's one application object, with its instance handle, title and help
// file, the start-up and shut-down hooks the module start-up calls, and the default help
// handler.
#pragma once

#include "framework/cmd_target.h"
#include "framework/heap_text.h"
#include "platform/win32.h"

class CWinApp : public CCmdTarget {
  public:
    // Without a name, the title is the module's file name without directory and extension.
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return 0; }

    // A command a window did not handle, with that window's help context.
    BOOL RouteCommand(UINT id, UINT code, DWORD_PTR helpContext);
    // The default help handler: help on the context of the window that raised the command.
    void OnHelp();
    // Asks Windows Help for the module's help file; "Failed to launch help." when it cannot.
    void WinHelp(DWORD_PTR data, UINT command = HELP_CONTEXT);

    HINSTANCE m_hInstance = nullptr;
    const char* m_pszAppName = "";      // the title: caption of the application's message boxes
    const char* m_pszHelpFilePath = ""; // the module's path with the extension ".HLP"

  private:
    friend BOOL AfxAttachModule(HINSTANCE instance);
    void SetModule(HINSTANCE instance);

    HeapText givenName_;
    HeapText title_;
    HeapText helpFile_;
    DWORD_PTR helpContext_ = 0; // of the window whose command is being routed
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
