// Module start-up on Windows: the loader calls DllMain after the static constructors.
#include "framework/win_app.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        DisableThreadLibraryCalls(instance);
        return AfxAttachModule(instance);
    case DLL_PROCESS_DETACH:
        AfxDetachModule();
        return TRUE;
    default:
        return TRUE;
    }
}
