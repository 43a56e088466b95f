// quorlan.so loaded as a host loads it: the start-up and shut-down hooks against the reported
// Windows version and a stand-in CTL3D32.DLL that records its calls, F1 help, and the title a
// renamed module gives its message boxes.
#include "loaded_module.h"
#include "scripted_front_end.h"
#include "platform/portable/portable.h"

#include <gtest/gtest.h>

#include <cstdio>

#include <set>
#include <string>
#include <vector>

namespace {

const DWORD windows7 = 0x1DB10106; // what the portable layer reports by default
const WORD registerOrdinal = 12;
const WORD unregisterOrdinal = 13;
const WORD autoSubclassOrdinal = 16;
const char service[] = "QuorlanStartUpTest";
const char parametersKey[] = "System\\CurrentControlSet\\Services\\QuorlanStartUpTest\\Parameters";

// ---- the stand-in CTL3D32.DLL -----------------------------------------------------------------

struct Ctl3dCall {
    WORD ordinal;
    HINSTANCE instance;
    bool operator==(const Ctl3dCall& other) const {
        return ordinal == other.ordinal && instance == other.instance;
    }
};

std::vector<Ctl3dCall> ctl3dCalls;

template <WORD ordinal> BOOL WINAPI recordCall(HINSTANCE instance) {
    ctl3dCalls.push_back({ordinal, instance});
    return TRUE;
}

FARPROC asProc(BOOL(WINAPI* function)(HINSTANCE)) {
    return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(function));
}

std::ostream& operator<<(std::ostream& out, const Ctl3dCall& call) {
    return out << "ordinal " << call.ordinal << " with " << call.instance;
}

class StartUp : public ::testing::Test {
  protected:
    void TearDown() override {
        portable::setReportedVersion(windows7);
        portable::removeStandInLibraries();
        ctl3dCalls.clear();
    }

    // Offers CTL3D32.DLL with the given entry points.
    void offerCtl3d(const std::set<WORD>& ordinals) {
        portable::StandInLibrary library;
        if (ordinals.count(registerOrdinal))
            library.ordinals[registerOrdinal] = asProc(recordCall<registerOrdinal>);
        if (ordinals.count(unregisterOrdinal))
            library.ordinals[unregisterOrdinal] = asProc(recordCall<unregisterOrdinal>);
        if (ordinals.count(autoSubclassOrdinal))
            library.ordinals[autoSubclassOrdinal] = asProc(recordCall<autoSubclassOrdinal>);
        library.loadCount = &loads_;
        library.freeCount = &frees_;
        portable::registerStandInLibrary("CTL3D32.DLL", library);
    }

    int loads_ = 0;
    int frees_ = 0;
};

TEST_F(StartUp, OnVersion3TheModuleRegistersThenAutoSubclassesAndUnregistersAtShutDown) {
    portable::setReportedVersion(0x00000A03); // 3.10
    offerCtl3d({registerOrdinal, unregisterOrdinal, autoSubclassOrdinal});
    LoadedModule module("quorlan.so");
    ASSERT_TRUE(module.load());
    HINSTANCE instance = module.instance();
    ASSERT_NE(nullptr, instance);
    EXPECT_EQ(1, loads_);
    std::vector<Ctl3dCall> started = {{registerOrdinal, instance}, {autoSubclassOrdinal, instance}};
    EXPECT_EQ(started, ctl3dCalls);

    module.unload();
    std::vector<Ctl3dCall> stopped = started;
    stopped.push_back({unregisterOrdinal, instance});
    EXPECT_EQ(stopped, ctl3dCalls);
    EXPECT_EQ(1, loads_);
    EXPECT_EQ(0, frees_); // the library is never freed
}

struct VersionCase {
    const char* what;
    DWORD version;
    bool loads;
};

TEST_F(StartUp, OnlyTheLowByteOfTheVersionDecides) {
    const VersionCase cases[] = {
        {"NT 3.10", 0x00000A03, true},
        {"NT 3.51, build 1057", 0x04213303, true},
        {"Win32s on 3.11 (bit 31 set)", 0x80000B03, true},
        {"3.95: a large minor version", 0x00005F03, true},
        {"95, 4.0 (bit 31 set)", 0xC3B60004, false},
        {"NT 4.0, build 1381", 0x05650004, false},
        {"7, 6.1", windows7, false},
        {"10.0, build 19041", 0x4A61000A, false},
    };
    for (const VersionCase& c : cases) {
        SCOPED_TRACE(c.what);
        ctl3dCalls.clear();
        loads_ = 0;
        portable::setReportedVersion(c.version);
        offerCtl3d({registerOrdinal, unregisterOrdinal, autoSubclassOrdinal});
        LoadedModule module("quorlan.so");
        ASSERT_TRUE(module.load());
        EXPECT_EQ(c.loads ? 1 : 0, loads_);
        EXPECT_EQ(c.loads ? 2u : 0u, ctl3dCalls.size());
        module.unload();
        EXPECT_EQ(c.loads ? 3u : 0u, ctl3dCalls.size());
    }
}

struct EntryPointCase {
    const char* what;
    std::set<WORD> offered;
    std::vector<WORD> atStartUp;
    std::vector<WORD> atShutDown;
};

TEST_F(StartUp, EntryPointsThatDoNotResolveAreNotCalled) {
    const EntryPointCase cases[] = {
        {"none", {}, {}, {}},
        {"register only", {registerOrdinal}, {registerOrdinal}, {}},
        {"unregister only", {unregisterOrdinal}, {}, {unregisterOrdinal}},
        {"auto-subclass only", {autoSubclassOrdinal}, {autoSubclassOrdinal}, {}},
        {"no unregister",
         {registerOrdinal, autoSubclassOrdinal},
         {registerOrdinal, autoSubclassOrdinal},
         {}},
    };
    portable::setReportedVersion(0x00000A03);
    for (const EntryPointCase& c : cases) {
        SCOPED_TRACE(c.what);
        ctl3dCalls.clear();
        offerCtl3d(c.offered);
        LoadedModule module("quorlan.so");
        ASSERT_TRUE(module.load());
        std::vector<WORD> started;
        for (const Ctl3dCall& call : ctl3dCalls)
            started.push_back(call.ordinal);
        EXPECT_EQ(c.atStartUp, started);
        ctl3dCalls.clear();
        module.unload();
        std::vector<WORD> stopped;
        for (const Ctl3dCall& call : ctl3dCalls)
            stopped.push_back(call.ordinal);
        EXPECT_EQ(c.atShutDown, stopped);
    }
}

TEST_F(StartUp, WithoutTheLibraryOnVersion3NothingIsReportedAndTheModuleWorks) {
    portable::setReportedVersion(0x00000A03);
    portable::useMemoryRegistry();
    portable::ScriptedFrontEnd person;
    LoadedModule module("quorlan.so");
    ASSERT_TRUE(module.load());
    EXPECT_TRUE(person.messageBoxes().empty());
    // The module still works: a call reaches its message about the missing key.
    EXPECT_EQ("Error", module.call(service));
    ASSERT_EQ(1u, person.messageBoxes().size());
    EXPECT_EQ("Fatal Error: Registry Key not found", person.messageBoxes()[0].text);
    module.unload();
    EXPECT_TRUE(ctl3dCalls.empty());
}

// ---- F1 and the title -------------------------------------------------------------------------

// The message boxes the person saw. The front end takes any dialog with a static of id 0xFFFF
// for one, and the properties dialog has such a static (its IDC_STATIC label): leave it out.
std::vector<portable::SeenMessageBox> messagesShown(const portable::ScriptedFrontEnd& person) {
    std::vector<portable::SeenMessageBox> shown;
    for (const portable::SeenMessageBox& box : person.messageBoxes())
        if (box.caption != "Tavrix QK61450 Veloxa Properties")
            shown.push_back(box);
    return shown;
}

struct HelpCall {
    HWND window;
    std::string file;
    UINT command;
    ULONG_PTR data;
};

class HelpAndTitle : public ::testing::Test {
  protected:
    void SetUp() override {
        portable::useMemoryRegistry();
        HKEY key = nullptr;
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, parametersKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr);
        RegCloseKey(key);
    }
    void TearDown() override { portable::setWinHelpHandler(nullptr); }

    // Help that records its calls and answers `started`.
    void offerHelp(BOOL started) {
        portable::setWinHelpHandler(
            [this, started](HWND window, const char* file, UINT command, ULONG_PTR data) {
                helpCalls_.push_back({window, file != nullptr ? file : "(null)", command, data});
                return started;
            });
    }

    // Runs the dialog and presses F1 in it; the person then leaves, closing what is open.
    std::string pressF1In(const LoadedModule& module, portable::ScriptedFrontEnd& person) {
        person.then([this] {
            HWND focus = GetFocus();
            dialog_ = GetParent(focus);
            PostMessageA(focus, WM_KEYDOWN, VK_F1, 0x003B0001);
            PostMessageA(focus, WM_KEYF1, 0, 0); // as taking a keyboard's key-down posts it
            PostMessageA(focus, WM_KEYUP, VK_F1, static_cast<LPARAM>(0xC03B0001u));
        });
        return module.call(service);
    }

    static std::string helpFileOf(const LoadedModule& module) {
        const std::string& path = module.path();
        return path.substr(0, path.rfind('.')) + ".HLP";
    }
    // Puts a help file next to the module (its directory goes with the module).
    static void placeHelpFile(const LoadedModule& module) {
        std::FILE* file = std::fopen(helpFileOf(module).c_str(), "wx");
        ASSERT_NE(nullptr, file);
        std::fclose(file);
    }

    std::vector<HelpCall> helpCalls_;
    HWND dialog_ = nullptr;
};

TEST_F(HelpAndTitle, F1AsksForTheModulesHelpFileAtTheDialogsContext) {
    offerHelp(TRUE);
    portable::ScriptedFrontEnd person;
    LoadedModule module("quorlan.so");
    ASSERT_TRUE(module.load());
    placeHelpFile(module);
    EXPECT_EQ("Cancel", pressF1In(module, person));
    ASSERT_EQ(1u, helpCalls_.size());
    EXPECT_EQ(helpFileOf(module), helpCalls_[0].file);
    EXPECT_NE(std::string::npos, helpCalls_[0].file.find("/quorlan.HLP"));
    EXPECT_EQ(static_cast<UINT>(HELP_CONTEXT), helpCalls_[0].command);
    EXPECT_EQ(0x20000u + 107u, helpCalls_[0].data);
    EXPECT_EQ(dialog_, helpCalls_[0].window);
    EXPECT_TRUE(messagesShown(person).empty());
}

struct FailedHelpCase {
    const char* what;
    const char* fileName;
    bool helpFilePresent;
    bool helpOffered;
    const char* caption;
};

TEST_F(HelpAndTitle, HelpThatCannotStartIsReportedUnderTheModulesTitle) {
    const FailedHelpCase cases[] = {
        {"help refuses", "quorlan.so", true, true, "quorlan"},
        {"no help at all", "quorlan.so", true, false, "quorlan"},
        {"no help file: help is not asked", "quorlan.so", false, true, "quorlan"},
        {"renamed module", "other.so", true, true, "other"},
    };
    for (const FailedHelpCase& c : cases) {
        SCOPED_TRACE(c.what);
        helpCalls_.clear();
        if (c.helpOffered)
            offerHelp(FALSE);
        else
            portable::setWinHelpHandler(nullptr);
        portable::ScriptedFrontEnd person;
        LoadedModule module(c.fileName);
        ASSERT_TRUE(module.load());
        if (c.helpFilePresent)
            placeHelpFile(module);
        EXPECT_EQ("Cancel", pressF1In(module, person));
        bool asked = c.helpFilePresent && c.helpOffered;
        EXPECT_EQ(asked ? 1u : 0u, helpCalls_.size());
        if (asked) {
            EXPECT_EQ(helpFileOf(module), helpCalls_[0].file);
        }
        std::vector<portable::SeenMessageBox> shown = messagesShown(person);
        ASSERT_EQ(1u, shown.size());
        EXPECT_EQ("Failed to launch help.", shown[0].text);
        EXPECT_EQ(c.caption, shown[0].caption);
    }
}

TEST_F(HelpAndTitle, ARenamedModuleCaptionsItsMessagesWithItsNewName) {
    const char* const names[][2] = {
        {"quorlan.so", "quorlan"}, {"other.so", "other"}, {"Setup.Helper.so", "Setup.Helper"}};
    for (const auto& name : names) {
        SCOPED_TRACE(name[0]);
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, parametersKey);
        portable::ScriptedFrontEnd person;
        LoadedModule module(name[0]);
        ASSERT_TRUE(module.load());
        EXPECT_EQ("Error", module.call(service));
        ASSERT_EQ(1u, person.messageBoxes().size());
        EXPECT_EQ("Fatal Error: Registry Key not found", person.messageBoxes()[0].text);
        EXPECT_EQ(name[1], person.messageBoxes()[0].caption);
    }
}

} // namespace
