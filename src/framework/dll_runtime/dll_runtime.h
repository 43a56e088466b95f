// What the DLL's start-up needs of a C and C++ runtime, carried by the DLL itself: it imports
// no C runtime DLL, since Windows NT 3.51 has no msvcrt.dll. Besides these, the DLL defines
// the few C functions the product calls (heap and string functions) and the stack protector's
// guard and failure handler.
#pragma once

#include "platform/win32.h"

// Seeds the stack protector's guard, before any function it protects runs. Itself unprotected,
// as is every function that calls it: their frames outlive the change of the guard.
__attribute__((no_stack_protector)) void AfxSeedStackGuard(HINSTANCE instance);

// Runs the constructors of the static objects, in the order the compiler laid down; once.
void AfxConstructStaticObjects();
// Runs what was registered with atexit, latest first, then the remaining static destructors;
// once after each construction.
void AfxDestroyStaticObjects();
