#include "framework/win_app.h"

#include <cstring>

namespace {

// Constant-initialised, so valid whatever the order of static construction.
CWinApp* theApp = nullptr;
HINSTANCE moduleInstance = nullptr;
bool attached = false;

// "C:\dir\quorlan.dll" -> "quorlan"; both separators count, so do shared objects' paths.
std::string titleFromPath(const char* path) {
    const char* name = path;
    for (const char* p = path; *p != '\0'; ++p) {
        if (*p == '\\' || *p == '/' || *p == ':')
            name = p + 1;
    }
    const char* dot = std::strrchr(name, '.');
    return dot != nullptr ? std::string(name, static_cast<size_t>(dot - name)) : std::string(name);
}

std::string moduleTitle(HINSTANCE instance) {
    char path[1024] = {};
    DWORD length = GetModuleFileNameA(instance, path, sizeof path);
    if (length == 0)
        return std::string();
    path[sizeof path - 1] = '\0'; // older systems leave a cut name unterminated
    return titleFromPath(path);
}

} // namespace

CWinApp::CWinApp(const char* appName) : givenName_(appName ? appName : "") {
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
    title_ = givenName_.empty() ? moduleTitle(instance) : givenName_;
    m_pszAppName = title_.c_str();
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
