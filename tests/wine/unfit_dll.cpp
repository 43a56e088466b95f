// A DLL that breaks every rule check-dll enforces, so that the check is seen to refuse it.
#include <winsock2.h>

// Code in a section that is writable as well.
asm(".section .wxcode,\"wx\"\n"
    "ret\n"
    ".text\n");

extern "C" __declspec(dllexport) int unfitFirst(int value) {
    return value + 1;
}

// A second export, importing from a DLL outside the allowed set.
extern "C" __declspec(dllexport) unsigned short unfitSecond(unsigned short value) {
    return htons(value);
}
