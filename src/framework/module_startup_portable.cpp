// Module start-up of a shared object: a constructor function of the module, run by the loader
// after the application object exists (see AFX_APP_OBJECT_INIT). The shut-down is registered
// from there with atexit, which in a shared object runs at its unload (or at exit) in reverse
// order of registration: before the application object, registered earlier by its
// construction, is destroyed. The instance handle is the module found from an address inside
// it.
#include "framework/win_app.h"
#include "platform/own_module.h"

#include <cstdlib>

namespace {

void moduleDetach() {
    AfxDetachModule();
}

// A shared object cannot refuse its load: when the start-up fails, the framework has already
// run the shut-down and the module stays without an application.
__attribute__((constructor(AFX_MODULE_STARTUP_PRIORITY))) void moduleAttach() {
    if (AfxAttachModule(ownModule()))
        std::atexit(moduleDetach);
}

} // namespace
