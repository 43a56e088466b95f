// Module start-up on Windows: the DLL's entry point itself, since the DLL carries its own
// runtime (see dll_runtime.h). The module's handle is the one the loader passes.
#include "framework/dll_runtime/dll_runtime.h"
#include "framework/win_app.h"

// Unprotected: its frame spans the seeding of the stack protector's guard. The loader may call
// it with the stack aligned to four bytes only.
extern "C" __attribute__((no_stack_protector, force_align_arg_pointer)) BOOL WINAPI
DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        AfxSeedStackGuard(instance);
        DisableThreadLibraryCalls(instance);
        AfxConstructStaticObjects();
        if (AfxAttachModule(instance))
            return TRUE;
        AfxDestroyStaticObjects();
        return FALSE;
    case DLL_PROCESS_DETACH:
        AfxDetachModule();
        AfxDestroyStaticObjects();
        return TRUE;
    default:
        return TRUE;
    }
}
