// The framework's module start-up and shut-down around an application's hooks, the names it
// derives from the module's path, and the fallbacks it takes where Windows lacks newer functions.
#include "framework/common_controls.h"
#include "framework/module_names.h"
#include "framework/screen_area.h"
#include "framework/system_entry.h"
#include "framework/win_app.h"
#include "platform/own_module.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<std::string> hookCalls;
BOOL startUpResult = TRUE;

class CHookApp : public CWinApp {
  public:
    BOOL InitInstance() override {
        hookCalls.push_back(std::string("start-up as ") + m_pszAppName);
        return startUpResult;
    }
    int ExitInstance() override {
        hookCalls.push_back("shut-down");
        return 0;
    }
};

CHookApp theHookApp;

std::string programTitle() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(ownModule(), path, sizeof path - 1);
    return TitleFromModulePath(path).c_str();
}

class ModuleStartUp : public ::testing::Test {
  protected:
    void SetUp() override {
        hookCalls.clear();
        startUpResult = TRUE;
    }
    void TearDown() override { AfxDetachModule(); }
};

TEST_F(ModuleStartUp, AttachNamesTheApplicationThenRunsTheStartUpHook) {
    EXPECT_EQ(TRUE, AfxAttachModule(ownModule()));
    EXPECT_EQ(std::vector<std::string>{"start-up as " + programTitle()}, hookCalls);
    EXPECT_EQ(ownModule(), AfxGetInstanceHandle());
    EXPECT_EQ(ownModule(), theHookApp.m_hInstance);
    EXPECT_STREQ(programTitle().c_str(), AfxGetAppName());
}

TEST_F(ModuleStartUp, AFailingStartUpHookRunsTheShutDownHookAndFailsTheLoad) {
    startUpResult = FALSE;
    EXPECT_EQ(FALSE, AfxAttachModule(ownModule()));
    std::vector<std::string> expected = {"start-up as " + programTitle(), "shut-down"};
    EXPECT_EQ(expected, hookCalls);
    AfxDetachModule(); // the module is already down: no second shut-down
    EXPECT_EQ(expected, hookCalls);
}

TEST_F(ModuleStartUp, EachHookRunsOnceHoweverOftenTheLoaderCalls) {
    AfxAttachModule(ownModule());
    AfxAttachModule(ownModule());
    AfxDetachModule();
    AfxDetachModule();
    std::vector<std::string> expected = {"start-up as " + programTitle(), "shut-down"};
    EXPECT_EQ(expected, hookCalls);
}

TEST_F(ModuleStartUp, HelpFileIsTheModulePathWithItsExtensionReplaced) {
    AfxAttachModule(ownModule());
    char path[MAX_PATH] = {};
    GetModuleFileNameA(ownModule(), path, sizeof path - 1);
    EXPECT_STREQ(HelpFileFromModulePath(path).c_str(), theHookApp.m_pszHelpFilePath);
    EXPECT_NE(std::string::npos, std::string(theHookApp.m_pszHelpFilePath).find(".HLP"));
}

struct PathCase {
    const char* path;
    const char* title;
    const char* helpFile;
};

TEST(ModuleNames, TitleAndHelpFileFromThePath) {
    const PathCase cases[] = {
        {"C:\\Windows\\System32\\quorlan.dll", "quorlan", "C:\\Windows\\System32\\quorlan.HLP"},
        {"/opt/quorlan/lib/other.so", "other", "/opt/quorlan/lib/other.HLP"},
        {"C:\\setup\\OTHER.DLL", "OTHER", "C:\\setup\\OTHER.HLP"},
        {"quorlan.dll", "quorlan", "quorlan.HLP"},
        {"D:quorlan.dll", "quorlan", "D:quorlan.HLP"},
        {"C:\\drivers.old\\quorlan", "quorlan", "C:\\drivers.old\\quorlan.HLP"},
        {"/build/v1.0/bin/quorlan", "quorlan", "/build/v1.0/bin/quorlan.HLP"},
        {"C:\\dir\\quorlan.v2.dll", "quorlan.v2", "C:\\dir\\quorlan.v2.HLP"},
        {"C:\\dir\\mixed/quorlan.dll", "quorlan", "C:\\dir\\mixed/quorlan.HLP"},
        {"", "", ".HLP"},
    };
    for (const PathCase& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_STREQ(c.title, TitleFromModulePath(c.path).c_str());
        EXPECT_STREQ(c.helpFile, HelpFileFromModulePath(c.path).c_str());
    }
}

// What the lookup finds, as Windows NT 3.51 and 4.0 (neither has InitCommonControlsEx; NT 3.51
// fails SPI_GETWORKAREA) or a current Windows would answer; each call is recorded.
struct Newer {
    bool hasInitEx = false;
    BOOL initExResult = TRUE;
    BOOL workAreaResult = TRUE;
    std::vector<std::string> looked;
    DWORD initExSize = 0;
    DWORD initExClasses = 0;
    UINT parametersAction = 0;
};
Newer newer;

const RECT fakeWorkArea{10, 20, 610, 420};

BOOL WINAPI fakeInitEx(const AfxControlClasses* classes) {
    newer.initExSize = classes->size;
    newer.initExClasses = classes->classes;
    return newer.initExResult;
}

BOOL WINAPI fakeParameters(UINT action, UINT, PVOID area, UINT) {
    newer.parametersAction = action;
    if (newer.workAreaResult)
        *static_cast<RECT*>(area) = fakeWorkArea;
    return newer.workAreaResult;
}

// Through the generic function type, as GetProcAddress hands functions out.
template <typename Function> FARPROC asProc(Function function) {
    return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(function));
}

FARPROC fakeLookup(const char* module, const char* function) {
    newer.looked.push_back(std::string(module) + "!" + function);
    if (std::strcmp(function, "InitCommonControlsEx") == 0 && newer.hasInitEx)
        return asProc(&fakeInitEx);
    if (std::strcmp(function, "SystemParametersInfoA") == 0)
        return asProc(&fakeParameters);
    return nullptr;
}

class NewerFunctions : public ::testing::Test {
  protected:
    void SetUp() override {
        newer = Newer{};
        previous_ = AfxSetSystemEntryLookup(fakeLookup);
    }
    void TearDown() override { AfxSetSystemEntryLookup(previous_); }

  private:
    AfxSystemEntryLookup previous_ = nullptr;
};

TEST_F(NewerFunctions, CommonControlsAreRegisteredWithTheCallTheSystemHas) {
    struct Case {
        const char* system;
        bool hasInitEx;
        BOOL initExResult;
        AfxCommonControlsCall expected;
    };
    const Case cases[] = {
        {"common controls 4.70 and later", true, TRUE, AfxCommonControlsCall::initCommonControlsEx},
        {"InitCommonControlsEx refusing", true, FALSE, AfxCommonControlsCall::initCommonControls},
        {"Windows NT 3.51 and 4.0", false, TRUE, AfxCommonControlsCall::initCommonControls},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.system);
        newer = Newer{};
        newer.hasInitEx = c.hasInitEx;
        newer.initExResult = c.initExResult;
        EXPECT_EQ(c.expected, AfxRegisterCommonControls());
        EXPECT_EQ(std::vector<std::string>{"COMCTL32.DLL!InitCommonControlsEx"}, newer.looked);
        if (c.hasInitEx) {
            // The structure's size, and the up-down and standard classes.
            EXPECT_EQ(2 * sizeof(DWORD), newer.initExSize);
            EXPECT_EQ(0x4010u, newer.initExClasses);
        }
    }
}

TEST_F(NewerFunctions, TheWorkAreaWhereTheSystemHasOneElseTheWholeScreen) {
    RECT area{};
    EXPECT_EQ(AfxScreenAreaSource::workArea, AfxGetScreenArea(area));
    EXPECT_EQ(std::vector<std::string>{"USER32.DLL!SystemParametersInfoA"}, newer.looked);
    EXPECT_EQ(static_cast<UINT>(SPI_GETWORKAREA), newer.parametersAction);
    EXPECT_EQ(fakeWorkArea.right, area.right);
    EXPECT_EQ(fakeWorkArea.top, area.top);

    // Windows NT 3.51 exports the function, but fails the request.
    newer.workAreaResult = FALSE;
    area = RECT{};
    EXPECT_EQ(AfxScreenAreaSource::wholeScreen, AfxGetScreenArea(area));
    EXPECT_EQ(0, area.left);
    EXPECT_EQ(0, area.top);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), area.right);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), area.bottom);
    EXPECT_GT(area.right, 0);
}

TEST_F(NewerFunctions, WithNoneOfThemTheFallbacksStillDoTheirWork) {
    AfxSetSystemEntryLookup([](const char*, const char*) -> FARPROC { return nullptr; });
    EXPECT_EQ(AfxCommonControlsCall::initCommonControls, AfxRegisterCommonControls());
    RECT area{};
    EXPECT_EQ(AfxScreenAreaSource::wholeScreen, AfxGetScreenArea(area));
    EXPECT_GT(area.bottom, 0);
}

} // namespace
