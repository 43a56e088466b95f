// The framework's module start-up and shut-down around an application's hooks, and the names
// it derives from the module's path.
#include "framework/module_names.h"
#include "framework/win_app.h"

#include <gtest/gtest.h>

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

HINSTANCE programModule() {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&programModule), &module);
    return module;
}

std::string programTitle() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(programModule(), path, sizeof path - 1);
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
    EXPECT_EQ(TRUE, AfxAttachModule(programModule()));
    EXPECT_EQ(std::vector<std::string>{"start-up as " + programTitle()}, hookCalls);
    EXPECT_EQ(programModule(), AfxGetInstanceHandle());
    EXPECT_EQ(programModule(), theHookApp.m_hInstance);
    EXPECT_STREQ(programTitle().c_str(), AfxGetAppName());
}

TEST_F(ModuleStartUp, AFailingStartUpHookRunsTheShutDownHookAndFailsTheLoad) {
    startUpResult = FALSE;
    EXPECT_EQ(FALSE, AfxAttachModule(programModule()));
    std::vector<std::string> expected = {"start-up as " + programTitle(), "shut-down"};
    EXPECT_EQ(expected, hookCalls);
    AfxDetachModule(); // the module is already down: no second shut-down
    EXPECT_EQ(expected, hookCalls);
}

TEST_F(ModuleStartUp, EachHookRunsOnceHoweverOftenTheLoaderCalls) {
    AfxAttachModule(programModule());
    AfxAttachModule(programModule());
    AfxDetachModule();
    AfxDetachModule();
    std::vector<std::string> expected = {"start-up as " + programTitle(), "shut-down"};
    EXPECT_EQ(expected, hookCalls);
}

TEST_F(ModuleStartUp, HelpFileIsTheModulePathWithItsExtensionReplaced) {
    AfxAttachModule(programModule());
    char path[MAX_PATH] = {};
    GetModuleFileNameA(programModule(), path, sizeof path - 1);
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

} // namespace
