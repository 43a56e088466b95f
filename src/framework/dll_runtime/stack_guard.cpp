// The stack protector's guard and failure handler. The guard is seeded at attach from
// CryptGenRandom where the running Windows has it (CryptoAPI came with Windows NT 4.0): it is
// looked up, not imported, so that the DLL still loads on Windows NT 3.51, which gets a mix of
// the clock, the process and thread ids and addresses instead.
#include "framework/dll_runtime/dll_runtime.h"
#include "framework/system_entry.h"

#include <cstdint>

extern "C" {
// Any value until the seeding: the constructors that could rely on it run after it.
uintptr_t __stack_chk_guard = static_cast<uintptr_t>(0x2f8a5c71e31b9d46ULL);

__attribute__((noreturn)) void __stack_chk_fail(void);
}

namespace {

using CryptProvider = ULONG_PTR;
using AcquireContextFunction = BOOL(WINAPI*)(CryptProvider*, LPCSTR, LPCSTR, DWORD, DWORD);
using GenRandomFunction = BOOL(WINAPI*)(CryptProvider, DWORD, BYTE*);
using ReleaseContextFunction = BOOL(WINAPI*)(CryptProvider, DWORD);

const DWORD provRsaFull = 1;
const DWORD cryptVerifyContext = 0xF0000000;
const DWORD statusStackBufferOverrun = 0xC0000409;

bool randomFromCryptoApi(uintptr_t& value) {
    auto acquire = AfxSystemEntry<AcquireContextFunction>("ADVAPI32.DLL", "CryptAcquireContextA");
    auto generate = AfxSystemEntry<GenRandomFunction>("ADVAPI32.DLL", "CryptGenRandom");
    auto release = AfxSystemEntry<ReleaseContextFunction>("ADVAPI32.DLL", "CryptReleaseContext");
    if (acquire == nullptr || generate == nullptr || release == nullptr)
        return false;
    CryptProvider provider = 0;
    if (!acquire(&provider, nullptr, nullptr, provRsaFull, cryptVerifyContext))
        return false;
    bool generated = generate(provider, sizeof value, reinterpret_cast<BYTE*>(&value)) != FALSE;
    release(provider, 0);
    return generated;
}

// One step of a 64-bit mixing function (SplitMix64's finaliser) folding in the next value.
uint64_t mix(uint64_t state, uint64_t value) {
    uint64_t z = state + value + 0x9e3779b97f4a7c15ULL;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

uintptr_t mixOfWhatVaries(HINSTANCE instance) {
    LARGE_INTEGER counter{};
    ::QueryPerformanceCounter(&counter);
    uint64_t state = mix(0, static_cast<uint64_t>(counter.QuadPart));
    state = mix(state, ::GetTickCount());
    state = mix(state, ::GetCurrentProcessId());
    state = mix(state, ::GetCurrentThreadId());
    state = mix(state, reinterpret_cast<uintptr_t>(&counter)); // the stack's place
    state = mix(state, reinterpret_cast<uintptr_t>(instance)); // the image's place
    if (sizeof(uintptr_t) < sizeof state)
        state ^= state >> 32;
    return static_cast<uintptr_t>(state);
}

} // namespace

__attribute__((no_stack_protector)) void AfxSeedStackGuard(HINSTANCE instance) {
    uintptr_t guard = 0;
    if (!randomFromCryptoApi(guard) || guard == 0)
        guard = mixOfWhatVaries(instance);
    __stack_chk_guard = guard;
}

// A smashed stack cannot be trusted to run a message box: say it to a debugger and end.
void __stack_chk_fail(void) {
    ::OutputDebugStringA("*** stack smashing detected ***: terminated\n");
    ::TerminateProcess(::GetCurrentProcess(), statusStackBufferOverrun);
    __builtin_trap();
}
