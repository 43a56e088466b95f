// A DLL that breaks every rule check-dll enforces, so that the check is seen to refuse it.
#include <winsock2.h>
#include <windows.h>

// Code in a section that is writable as well.
asm(".section .wxcode,\"wx\"\n"
    "ret\n"
    ".text\n");

extern "C" __declspec(dllexport) int unfitFirst(int value) {
    return value + 1;
}

// A function of Windows XP and later: no i686 import of quorlan.dll may need newer than NT 3.51.
extern "C" __declspec(dllexport) void* unfitThird() {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                       reinterpret_cast<LPCSTR>(&unfitThird), &module);
    return module;
}

// A second export, importing from a DLL outside the allowed set.
extern "C" __declspec(dllexport) unsigned short unfitSecond(unsigned short value) {
    return htons(value);
}
