#include "framework/win_app.h"

#include "framework/app_message_box.h"
#include "framework/module_names.h"

namespace {

// Constant-initialised, so valid whatever the order of static construction.
CWinApp* theApp = nullptr;
HINSTANCE moduleInstance = nullptr;
bool attached = false;

// The module's full path; empty when it cannot be had.
void modulePath(HINSTANCE instance, char (&path)[1024]) {
    path[0] = '\0';
    if (GetModuleFileNameA(instance, path, sizeof path) == 0)
        path[0] = '\0';
    path[sizeof path - 1] = '\0'; // older systems leave a cut name unterminated
}

// Windows Help shows a box of its own, and may never return, for a file it cannot find: a help
// file that is not there fails here instead.
bool helpFileExists(const char* path) {
    DWORD attributes = ::GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

CWinApp::CWinApp(const char* appName) : givenName_(appName) {
    theApp = this;
    if (moduleInstance != nullptr)
        SetModule(moduleInstance);
}

CWinApp::~CWinApp() {
    if (theApp == this)
        theApp = nullptr;
}

void CWinApp::SetModule(HINSTANCE instance) {
    m_hInstance = instance;
    char path[1024];
    modulePath(instance, path);
    title_ = givenName_.empty() ? TitleFromModulePath(path) : HeapText(givenName_.c_str());
    helpFile_ = HelpFileFromModulePath(path);
    m_pszAppName = title_.c_str();
    m_pszHelpFilePath = helpFile_.c_str();
}

BOOL CWinApp::RouteCommand(UINT id, UINT code, DWORD_PTR helpContext) {
    helpContext_ = helpContext;
    return OnCmdMsg(id, code);
}

void CWinApp::OnHelp() {
    WinHelp(helpContext_, HELP_CONTEXT);
}

void CWinApp::WinHelp(DWORD_PTR data, UINT command) {
    if (!helpFileExists(m_pszHelpFilePath) ||
        !::WinHelpA(GetActiveWindow(), m_pszHelpFilePath, command, data))
        AfxMessageBox("Failed to launch help.");
}

CWinApp* AfxGetApp() {
    return theApp;
}
HINSTANCE AfxGetInstanceHandle() {
    return moduleInstance;
}

const char* AfxGetAppName() {
    return theApp != nullptr ? theApp->m_pszAppName : "";
}

BOOL AfxAttachModule(HINSTANCE instance) {
    if (attached)
        return TRUE;
    moduleInstance = instance;
    attached = true;
    if (theApp == nullptr)
        return TRUE;
    theApp->SetModule(instance);
    if (theApp->InitInstance())
        return TRUE;
    AfxDetachModule();
    return FALSE;
}

void AfxDetachModule() {
    if (!attached)
        return;
    attached = false;
    if (theApp != nullptr)
        theApp->ExitInstance();
}
