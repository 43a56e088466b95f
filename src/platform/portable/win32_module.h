// The module subset of <windows.h> for the portable build: the Windows version, loading
// libraries and finding their entry points, module names and handles, and Windows Help.
// A module is a shared object; its HMODULE is the base address the object is mapped at.
#pragma once

#include "win32_types.h"

#define MAX_PATH 260

#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1
#define DLL_THREAD_ATTACH 2
#define DLL_THREAD_DETACH 3

#define GET_MODULE_HANDLE_EX_FLAG_PIN 0x00000001
#define GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT 0x00000002
#define GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS 0x00000004

// WinHelpA commands (the window system's header spells the same values).
#ifndef HELP_CONTEXT
#define HELP_CONTEXT 0x0001L
#endif
#ifndef HELP_QUIT
#define HELP_QUIT 0x0002L
#endif

#define INVALID_FILE_ATTRIBUTES ((DWORD)-1)
#define FILE_ATTRIBUTE_READONLY 0x00000001
#define FILE_ATTRIBUTE_DIRECTORY 0x00000010
#define FILE_ATTRIBUTE_NORMAL 0x00000080
#ifndef ERROR_FILE_NOT_FOUND
#define ERROR_FILE_NOT_FOUND 2L
#endif

extern "C" {

DWORD WINAPI GetVersion(void);
HMODULE WINAPI LoadLibraryA(LPCSTR fileName);
BOOL WINAPI FreeLibrary(HMODULE module);
FARPROC WINAPI GetProcAddress(HMODULE module, LPCSTR procName);
DWORD WINAPI GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size);
HMODULE WINAPI GetModuleHandleA(LPCSTR moduleName);
BOOL WINAPI GetModuleHandleExA(DWORD flags, LPCSTR moduleName, HMODULE* module);
BOOL WINAPI DisableThreadLibraryCalls(HMODULE module);
// A file's attributes: a directory or a normal file, read-only when this process may not write
// it; INVALID_FILE_ATTRIBUTES (and ERROR_FILE_NOT_FOUND) when there is nothing at that path.
DWORD WINAPI GetFileAttributesA(LPCSTR fileName);
BOOL WINAPI WinHelpA(HWND window, LPCSTR helpFile, UINT command, ULONG_PTR data);

} // extern "C"
