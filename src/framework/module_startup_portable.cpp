// Module start-up of a shared object: constructor and destructor functions of the module, run
// by the loader after the application object exists (see AFX_APP_OBJECT_INIT) and before it is
// destroyed. The instance handle is the module found from an address inside it.
#include "framework/win_app.h"

namespace {

HINSTANCE thisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&thisModule), &module);
    return module;
}

__attribute__((constructor(AFX_MODULE_STARTUP_PRIORITY))) void moduleAttach() {
    AfxAttachModule(thisModule());
}

__attribute__((destructor(AFX_MODULE_STARTUP_PRIORITY))) void moduleDetach() {
    AfxDetachModule();
}

} // namespace
