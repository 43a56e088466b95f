// The 3-D look on the real platform: quorlan.dll loaded under Wine, with the Windows version the
// prefix reports. Before version 4 the module loads CTL3D32.DLL, registers itself (then asks for
// every later dialog to be subclassed) at load and unregisters at unload, each time with its own
// instance handle; from version 4 on it never loads the library. Wine's CTL3D32.DLL does
// nothing visible, so its three entry points are patched to jump to recorders here. The start-up
// also seeds the stack protector's guard, before any protected function runs.
//   ctl3d_test [--nt351]   --nt351: the prefix must report version 3 (else the run fails)
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

bool nt351Expected = false;

struct Call {
    std::string what;
    HINSTANCE instance;
};
std::vector<Call> calls;

BOOL WINAPI recordRegister(HINSTANCE instance) {
    calls.push_back({"register", instance});
    return TRUE;
}
BOOL WINAPI recordUnregister(HINSTANCE instance) {
    calls.push_back({"unregister", instance});
    return TRUE;
}
BOOL WINAPI recordAutoSubclass(HINSTANCE instance) {
    calls.push_back({"auto-subclass", instance});
    return TRUE;
}

// Overwrites the start of `target` with a jump to `to` (an absolute one through the
// accumulator, which carries no argument in either calling convention).
bool redirect(FARPROC target, void* to) {
    unsigned char code[16];
    size_t size = 0;
    code[size++] = sizeof(void*) == 8 ? 0x48 : 0x90; // REX.W on x86_64, else a no-op
    code[size++] = 0xB8;                             // mov (r|e)ax, imm
    std::memcpy(code + size, &to, sizeof to);
    size += sizeof to;
    code[size++] = 0xFF; // jmp (r|e)ax
    code[size++] = 0xE0;
    void* place = reinterpret_cast<void*>(target);
    DWORD old = 0;
    if (!VirtualProtect(place, size, PAGE_EXECUTE_READWRITE, &old))
        return false;
    std::memcpy(place, code, size);
    VirtualProtect(place, size, old, &old);
    return FlushInstructionCache(GetCurrentProcess(), place, size) != 0;
}

// Loads Wine's CTL3D32.DLL and redirects ordinals 12 (register), 13 (unregister) and 16
// (auto-subclass); the module's own LoadLibraryA then finds it loaded.
void patchCtl3d() {
    HMODULE ctl3d = LoadLibraryA("CTL3D32.DLL");
    ASSERT_NE(nullptr, ctl3d) << "Wine ships CTL3D32.DLL";
    struct Entry {
        WORD ordinal;
        void* recorder;
    };
    const Entry entries[] = {{12, reinterpret_cast<void*>(recordRegister)},
                             {13, reinterpret_cast<void*>(recordUnregister)},
                             {16, reinterpret_cast<void*>(recordAutoSubclass)}};
    for (const Entry& e : entries) {
        FARPROC target = GetProcAddress(ctl3d, MAKEINTRESOURCEA(e.ordinal));
        ASSERT_NE(nullptr, target) << "ordinal " << e.ordinal;
        ASSERT_TRUE(redirect(target, e.recorder)) << "ordinal " << e.ordinal;
    }
}

TEST(Ctl3dOnTheRealPlatform, FollowsTheWindowsVersion) {
    const DWORD major = LOBYTE(LOWORD(GetVersion()));
    if (nt351Expected)
        ASSERT_EQ(3u, major) << "the prefix does not report NT 3.51";
    else
        ASSERT_GE(major, 4u);
    calls.clear();
    if (major < 4)
        patchCtl3d();

    HMODULE module = LoadLibraryA("quorlan.dll");
    ASSERT_NE(nullptr, module);
    const bool loadedAfterStart = GetModuleHandleA("CTL3D32.DLL") != nullptr;
    const std::vector<Call> atLoad = calls;
    calls.clear();
    FreeLibrary(module);
    ASSERT_EQ(nullptr, GetModuleHandleA("quorlan.dll")) << "the module stayed loaded";

    if (major >= 4) {
        EXPECT_FALSE(loadedAfterStart) << "CTL3D32.DLL loaded on version " << major;
        EXPECT_TRUE(atLoad.empty());
        EXPECT_TRUE(calls.empty());
        return;
    }
    EXPECT_TRUE(loadedAfterStart);
    ASSERT_EQ(2u, atLoad.size());
    EXPECT_EQ("register", atLoad[0].what);
    EXPECT_EQ("auto-subclass", atLoad[1].what);
    ASSERT_EQ(1u, calls.size());
    EXPECT_EQ("unregister", calls[0].what);
    for (const Call& call : {atLoad[0], atLoad[1], calls[0]})
        EXPECT_EQ(module, call.instance) << call.what << ": not the module's instance handle";
}

// The guard's value in the DLL file (src/framework/dll_runtime/stack_guard.cpp), until the
// start-up replaces it.
const uintptr_t unseededGuard = static_cast<uintptr_t>(0x2f8a5c71e31b9d46ULL);

// Where the file holds `value` in a section, as offsets from the image base once loaded.
std::vector<DWORD> imagePlacesOf(const std::string& path, uintptr_t value) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<DWORD> places;
    IMAGE_DOS_HEADER dos{};
    if (file.size() < sizeof dos)
        return places;
    std::memcpy(&dos, file.data(), sizeof dos);
    size_t headersAt = static_cast<size_t>(dos.e_lfanew);
    IMAGE_FILE_HEADER header{};
    std::memcpy(&header, file.data() + headersAt + sizeof(DWORD), sizeof header);
    size_t sectionsAt = headersAt + sizeof(DWORD) + sizeof header + header.SizeOfOptionalHeader;
    for (WORD i = 0; i < header.NumberOfSections; ++i) {
        IMAGE_SECTION_HEADER section{};
        std::memcpy(&section, file.data() + sectionsAt + i * sizeof section, sizeof section);
        for (DWORD at = 0; at + sizeof value <= section.SizeOfRawData; at += sizeof value) {
            if (std::memcmp(file.data() + section.PointerToRawData + at, &value, sizeof value) == 0)
                places.push_back(section.VirtualAddress + at);
        }
    }
    return places;
}

TEST(StartUp, SeedsTheStackGuardAtEveryLoad) {
    HMODULE module = LoadLibraryA("quorlan.dll");
    ASSERT_NE(nullptr, module);
    char path[MAX_PATH] = {};
    GetModuleFileNameA(module, path, sizeof path - 1);
    const std::vector<DWORD> places = imagePlacesOf(path, unseededGuard);
    ASSERT_EQ(1u, places.size()) << "the guard's initial value is not in the file once";
    uintptr_t seeds[2] = {};
    for (uintptr_t& seed : seeds) {
        if (module == nullptr)
            module = LoadLibraryA("quorlan.dll");
        ASSERT_NE(nullptr, module);
        std::memcpy(&seed, reinterpret_cast<const char*>(module) + places[0], sizeof seed);
        FreeLibrary(module);
        module = nullptr;
    }
    EXPECT_NE(unseededGuard, seeds[0]);
    EXPECT_NE(unseededGuard, seeds[1]);
    EXPECT_NE(seeds[0], seeds[1]) << "the same guard at two loads";
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i)
        nt351Expected = nt351Expected || std::strcmp(argv[i], "--nt351") == 0;
    return RUN_ALL_TESTS();
}
