/*
 * quorlan.h: the interface of quorlan.dll for a setup host, in C (and C++).
 *
 * quorlan.dll exports one function, TVXConfigEntryPoint, under that undecorated name in both
 * the 32-bit and the 64-bit DLL. It shows the adapter's properties dialog, lets the user edit
 * the driver's parameters under
 *     HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\<service>\Parameters
 * and hands back one result word. A host loads the DLL of its own bitness.
 *
 * Call rules:
 *   - argc is at least 1 and argv[0] is the driver's service name (the name of its key under
 *     System\CurrentControlSet\Services), an 8-bit text; further arguments are ignored.
 *   - *textOut receives the address of the DLL's static result buffer, on every path. It holds
 *     one of the result words below until the next call overwrites it: copy it before calling
 *     again.
 *   - The function always returns TRUE; the result word says how the call ended.
 *   - One call at a time, on the host's thread, which must be able to show windows: the
 *     dialog's modal loop runs there, with the thread's active window as its owner (disabled
 *     meanwhile).
 *   - OK writes the values, so the calling user needs write access to the Parameters key;
 *     Cancel writes nothing.
 */
#ifndef QUORLAN_H
#define QUORLAN_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The result words found through *textOut after a call. */
#define QUORLAN_RESULT_OK "OK"         /* the user pressed OK; the values were saved */
#define QUORLAN_RESULT_CANCEL "Cancel" /* Cancel, Escape or Close; nothing was written */
#define QUORLAN_RESULT_ERROR "Error"   /* no Parameters key, or the dialog could not be shown */

/* The export's name, for GetProcAddress. */
#define QUORLAN_ENTRY_POINT_NAME "TVXConfigEntryPoint"

/* __stdcall on i686 (WINAPI), the one calling convention on x86_64. */
BOOL WINAPI TVXConfigEntryPoint(DWORD argc, LPSTR* argv, LPSTR* textOut);

/* The export's type, for a host that loads the DLL with LoadLibrary and GetProcAddress. */
typedef BOOL(WINAPI* TVXConfigEntryPointFunction)(DWORD argc, LPSTR* argv, LPSTR* textOut);

#ifdef __cplusplus
}
#endif

#endif /* QUORLAN_H */
