// The module functions: the reported version, loading shared objects and stand-in libraries,
// entry points by name and by ordinal, module names and handles, and WinHelpA.
#include "platform/portable/portable_module.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kProbePath = QUORLAN_PROBE_LIBRARY; // set by the build

// Calls probe_answer through its own type; void (*)() is the cast every compiler accepts.
int callProbe(FARPROC proc) {
    return reinterpret_cast<int (*)()>(reinterpret_cast<void (*)()>(proc))();
}

class Modules : public ::testing::Test {
  protected:
    void TearDown() override {
        portable::setReportedVersion(0x1DB10106);
        portable::removeStandInLibraries();
        portable::setWinHelpHandler(nullptr);
    }
};

// ---- GetVersion -------------------------------------------------------------------------------

TEST_F(Modules, ReportsWindows61UnlessToldOtherwise) {
    DWORD version = GetVersion();
    EXPECT_EQ(6, LOBYTE(LOWORD(version)));
    EXPECT_EQ(1, HIBYTE(LOWORD(version)));
    EXPECT_EQ(0u, version & 0x80000000u);
    portable::setReportedVersion(0x00000A03); // 3.10
    EXPECT_EQ(3, LOBYTE(LOWORD(GetVersion())));
}

// ---- stand-in libraries -----------------------------------------------------------------------

std::vector<int> calls;
INT_PTR registerCall() {
    calls.push_back(12);
    return 1;
}
INT_PTR autoSubclassCall() {
    calls.push_back(16);
    return 1;
}

TEST_F(Modules, StandInLoadsByNameInAnyCaseAndResolvesOrdinals) {
    int loads = 0;
    portable::StandInLibrary library;
    library.ordinals = {{12, registerCall}, {16, autoSubclassCall}};
    library.names = {{"Ctl3dRegister", registerCall}};
    library.loadCount = &loads;
    portable::registerStandInLibrary("CTL3D32.DLL", library);

    HMODULE module = LoadLibraryA("ctl3d32.dll");
    ASSERT_NE(nullptr, module);
    EXPECT_EQ(1, loads);
    EXPECT_EQ(reinterpret_cast<FARPROC>(registerCall), GetProcAddress(module, MAKEINTRESOURCE(12)));
    EXPECT_EQ(reinterpret_cast<FARPROC>(autoSubclassCall),
              GetProcAddress(module, MAKEINTRESOURCE(16)));
    EXPECT_EQ(nullptr, GetProcAddress(module, MAKEINTRESOURCE(13)));
    EXPECT_EQ(reinterpret_cast<FARPROC>(registerCall), GetProcAddress(module, "Ctl3dRegister"));
    EXPECT_EQ(nullptr, GetProcAddress(module, "Ctl3dUnregister"));
    char name[MAX_PATH];
    EXPECT_EQ(11u, GetModuleFileNameA(module, name, sizeof name));
    EXPECT_STREQ("CTL3D32.DLL", name);
    EXPECT_TRUE(FreeLibrary(module));
}

TEST_F(Modules, MissingLibraryDoesNotLoad) {
    EXPECT_EQ(nullptr, LoadLibraryA("CTL3D32.DLL"));
    EXPECT_EQ(nullptr, LoadLibraryA("/nonexistent/libnothing.so"));
    EXPECT_EQ(nullptr, LoadLibraryA(nullptr));
}

// ---- shared objects ---------------------------------------------------------------------------

TEST_F(Modules, SharedObjectLoadsWithItsBaseAsHandle) {
    HMODULE module = LoadLibraryA(kProbePath.c_str());
    ASSERT_NE(nullptr, module);
    FARPROC proc = GetProcAddress(module, "probe_answer");
    ASSERT_NE(nullptr, proc);
    EXPECT_EQ(42, callProbe(proc));
    EXPECT_EQ(nullptr, GetProcAddress(module, "no_such_function"));
    EXPECT_EQ(nullptr, GetProcAddress(module, MAKEINTRESOURCE(1))); // no ordinals in an ELF object

    HMODULE found = nullptr;
    ASSERT_TRUE(GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                       GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                   reinterpret_cast<LPCSTR>(proc), &found));
    EXPECT_EQ(module, found);
    EXPECT_EQ(module, GetModuleHandleA(kProbePath.c_str()));
    EXPECT_TRUE(FreeLibrary(module));
    EXPECT_FALSE(FreeLibrary(module)); // its only reference is gone
}

TEST_F(Modules, FileNameIsThePathAndIsCutToTheBuffer) {
    HMODULE module = LoadLibraryA(kProbePath.c_str());
    ASSERT_NE(nullptr, module);
    char name[MAX_PATH];
    EXPECT_EQ(kProbePath.size(), GetModuleFileNameA(module, name, sizeof name));
    EXPECT_EQ(kProbePath, name);

    char small[8];
    std::fill(std::begin(small), std::end(small), 'X');
    EXPECT_EQ(sizeof small, GetModuleFileNameA(module, small, sizeof small));
    EXPECT_EQ(kProbePath.substr(0, 7), std::string(small));
    EXPECT_EQ(0u, GetModuleFileNameA(module, small, 0));
    FreeLibrary(module);
}

TEST_F(Modules, ReferenceTakenByGetModuleHandleExIsGivenBackByFreeLibrary) {
    HMODULE module = LoadLibraryA(kProbePath.c_str());
    FARPROC proc = GetProcAddress(module, "probe_answer");
    HMODULE found = nullptr;
    ASSERT_TRUE(GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                                   reinterpret_cast<LPCSTR>(proc), &found));
    EXPECT_TRUE(FreeLibrary(module));
    EXPECT_EQ(42, callProbe(proc)); // still mapped by the second reference
    EXPECT_TRUE(FreeLibrary(found));
}

int functionOfTheProgram() {
    return 7;
}

TEST_F(Modules, TheProgramItself) {
    HMODULE program = GetModuleHandleA(nullptr);
    ASSERT_NE(nullptr, program);
    HMODULE found = nullptr;
    ASSERT_TRUE(GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                       GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                   reinterpret_cast<LPCSTR>(&functionOfTheProgram), &found));
    EXPECT_EQ(program, found);
    char name[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, name, sizeof name);
    ASSERT_GT(length, 0u);
    EXPECT_EQ("module_tests", std::string(name).substr(std::string(name).rfind('/') + 1));
    char same[MAX_PATH];
    EXPECT_EQ(length, GetModuleFileNameA(program, same, sizeof same));
    EXPECT_STREQ(name, same);
}

TEST_F(Modules, AddressOutsideAnyModuleFindsNothing) {
    HMODULE found = reinterpret_cast<HMODULE>(1);
    int onTheStack = 0;
    EXPECT_FALSE(GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                                    reinterpret_cast<LPCSTR>(&onTheStack), &found));
    EXPECT_EQ(nullptr, found);
    char name[MAX_PATH];
    EXPECT_EQ(0u, GetModuleFileNameA(reinterpret_cast<HMODULE>(&onTheStack), name, sizeof name));
}

// ---- WinHelpA ---------------------------------------------------------------------------------

TEST_F(Modules, WinHelpFailsUnlessAHandlerAnswers) {
    EXPECT_FALSE(WinHelpA(nullptr, "/x/quorlan.HLP", HELP_CONTEXT, 0x2006B));
    std::string file;
    ULONG_PTR context = 0;
    portable::setWinHelpHandler([&](HWND, const char* helpFile, UINT command, ULONG_PTR data) {
        file = helpFile;
        context = command == HELP_CONTEXT ? data : 0;
        return TRUE;
    });
    EXPECT_TRUE(WinHelpA(nullptr, "/x/quorlan.HLP", HELP_CONTEXT, 0x2006B));
    EXPECT_EQ("/x/quorlan.HLP", file);
    EXPECT_EQ(0x2006Bu, context);
}

TEST_F(Modules, DisableThreadLibraryCallsSucceeds) {
    EXPECT_TRUE(DisableThreadLibraryCalls(GetModuleHandleA(nullptr)));
}

} // namespace
