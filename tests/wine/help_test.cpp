// F1 on the real properties dialog of quorlan.dll under Wine. Wine's WinHelpA hands its request
// to the window of class "MS_WINHELP" (its help viewer's) as WM_COPYDATA, starting the viewer
// only when no such window exists; this test's window of that class records the request and
// answers as a viewer that could, or could not, show the file.
#include "resources/resource.h"
#include "scenario/person/message_box_watch.h"
#include "scenario/person/thread_windows.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

const char service[] = "QuorlanHelpTest";
const char serviceKey[] = "System\\CurrentControlSet\\Services\\QuorlanHelpTest";
const char parametersKey[] = "System\\CurrentControlSet\\Services\\QuorlanHelpTest\\Parameters";
const ULONG_PTR winHelpMagic = 0xA1DE505; // tags Wine's WinHelpA requests
const DWORD dialogHelpContext = 0x20000 + IDD_PROPERTIES;

// The request as Wine's WinHelpA lays it out.
struct WineHelpRequest {
    WORD size;
    WORD command;
    LONG data;
    LONG reserved;
    WORD ofsFilename;
    WORD ofsData;
};

struct HelpCall {
    std::string file;
    UINT command = 0;
    ULONG_PTR data = 0;
};

struct Seen {
    std::vector<HelpCall> helpCalls;
    std::vector<std::string> messages; // "caption: text"
    bool dialogSeen = false;
    BOOL helpAnswer = TRUE;
    int ticks = 0;
    bool f1Pressed = false;
};

Seen* seen = nullptr;

LRESULT CALLBACK helpViewerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COPYDATA || seen == nullptr)
        return DefWindowProcA(window, message, wParam, lParam);
    auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (copy->dwData != winHelpMagic || copy->cbData < sizeof(WineHelpRequest))
        return FALSE;
    auto* request = static_cast<const WineHelpRequest*>(copy->lpData);
    HelpCall call;
    if (request->ofsFilename != 0)
        call.file = static_cast<const char*>(copy->lpData) + request->ofsFilename;
    call.command = request->command;
    call.data = static_cast<ULONG_PTR>(request->data);
    seen->helpCalls.push_back(call);
    return seen->helpAnswer;
}

// F1 as the keyboard sends it, to the window with the focus: the dialog's first control.
void pressF1() {
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = VK_F1;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
}

// Plays the person: F1 once the dialog is up, then Cancel; message boxes are read and closed.
void CALLBACK onTimer(HWND, UINT, UINT_PTR, DWORD) {
    scenario::ThreadWindows found = scenario::findThreadWindows();
    ++seen->ticks;
    if (found.messageBox != nullptr) {
        scenario::ShownMessage shown = scenario::readMessageBox(found.messageBox);
        seen->messages.push_back(shown.caption + ": " + shown.text);
        scenario::answerMessageBox(found.messageBox);
        return;
    }
    if (found.propertiesDialog == nullptr)
        return;
    seen->dialogSeen = true;
    bool answered = !seen->helpCalls.empty() || !seen->messages.empty();
    if (!seen->f1Pressed && GetForegroundWindow() == found.propertiesDialog) {
        seen->f1Pressed = true;
        pressF1();
    } else if (answered || seen->ticks > 100) {
        PostMessageA(found.propertiesDialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }
}

typedef BOOL(WINAPI* EntryPoint)(DWORD argc, LPSTR* argv, LPSTR* textOut);

class HelpOnF1 : public ::testing::Test {
  protected:
    void SetUp() override {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, serviceKey);
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, parametersKey, 0, nullptr, 0,
                                                 KEY_ALL_ACCESS, nullptr, &key, nullptr));
        RegCloseKey(key);

        module_ = LoadLibraryA("quorlan.dll");
        ASSERT_NE(nullptr, module_);
        entryPoint_ = reinterpret_cast<EntryPoint>(
            reinterpret_cast<void (*)()>(GetProcAddress(module_, "TVXConfigEntryPoint")));
        ASSERT_NE(nullptr, entryPoint_);

        WNDCLASSA viewerClass = {};
        viewerClass.lpfnWndProc = helpViewerProc;
        viewerClass.hInstance = GetModuleHandleA(nullptr);
        viewerClass.lpszClassName = "MS_WINHELP";
        RegisterClassA(&viewerClass);
        viewer_ = CreateWindowA("MS_WINHELP", "Help viewer stand-in", WS_OVERLAPPED, 0, 0, 10, 10,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, viewer_);
    }

    void TearDown() override {
        if (placedHelpFile_)
            DeleteFileA(expectedHelpFile().c_str());
        DestroyWindow(viewer_);
        UnregisterClassA("MS_WINHELP", GetModuleHandleA(nullptr));
        if (module_ != nullptr)
            FreeLibrary(module_);
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, serviceKey);
        seen = nullptr;
    }

    std::string callWith(Seen* watch) {
        seen = watch;
        char name[sizeof service];
        std::memcpy(name, service, sizeof service);
        LPSTR argv[] = {name};
        LPSTR text = nullptr;
        UINT_PTR timer = SetTimer(nullptr, 0, 50, onTimer);
        entryPoint_(1, argv, &text);
        KillTimer(nullptr, timer);
        return text != nullptr ? text : "(none)";
    }

    // A help file next to the module, made here (never one that was there) and removed again.
    void placeHelpFile() {
        HANDLE file = CreateFileA(expectedHelpFile().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, file);
        CloseHandle(file);
        placedHelpFile_ = true;
    }

    // The module's path with its extension replaced by ".HLP".
    std::string expectedHelpFile() const {
        char path[MAX_PATH] = {};
        GetModuleFileNameA(module_, path, sizeof path - 1);
        std::string file = path;
        return file.substr(0, file.rfind('.')) + ".HLP";
    }

    HMODULE module_ = nullptr;
    EntryPoint entryPoint_ = nullptr;
    HWND viewer_ = nullptr;
    bool placedHelpFile_ = false;
};

TEST_F(HelpOnF1, AsksForTheModulesHelpFileAtTheDialogsContext) {
    placeHelpFile();
    Seen watch;
    watch.helpAnswer = TRUE;
    EXPECT_EQ("Cancel", callWith(&watch));
    ASSERT_TRUE(watch.dialogSeen);
    ASSERT_TRUE(watch.f1Pressed) << "the dialog never became the foreground window";
    ASSERT_EQ(1u, watch.helpCalls.size());
    EXPECT_EQ(expectedHelpFile(), watch.helpCalls[0].file);
    EXPECT_EQ(static_cast<UINT>(HELP_CONTEXT), watch.helpCalls[0].command);
    EXPECT_EQ(dialogHelpContext, watch.helpCalls[0].data);
    EXPECT_TRUE(watch.messages.empty());
}

TEST_F(HelpOnF1, HelpThatCannotStartIsReportedWithTheApplicationTitle) {
    placeHelpFile();
    Seen watch;
    watch.helpAnswer = FALSE;
    EXPECT_EQ("Cancel", callWith(&watch));
    ASSERT_EQ(1u, watch.helpCalls.size());
    EXPECT_EQ(expectedHelpFile(), watch.helpCalls[0].file);
    ASSERT_EQ(1u, watch.messages.size());
    EXPECT_EQ("quorlan: Failed to launch help.", watch.messages[0]);
}

// Without its help file Windows Help would show a box of its own and never return: it is not
// asked, and the framework's message says why.
TEST_F(HelpOnF1, AMissingHelpFileIsReportedWithoutAskingHelp) {
    Seen watch;
    watch.helpAnswer = TRUE;
    EXPECT_EQ("Cancel", callWith(&watch));
    ASSERT_TRUE(watch.f1Pressed);
    EXPECT_TRUE(watch.helpCalls.empty());
    ASSERT_EQ(1u, watch.messages.size());
    EXPECT_EQ("quorlan: Failed to launch help.", watch.messages[0]);
}

} // namespace
