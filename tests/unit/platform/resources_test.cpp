// Dialog resources of a module: DialogBoxParamA finds them by module and id; a missing or
// damaged template makes the run fail with -1 instead of reading past its bytes.
#include "test_layout.h"

#include "platform/portable/portable.h"

#include <gtest/gtest.h>

namespace {

HMODULE fakeModule() {
    return reinterpret_cast<HMODULE>(uintptr_t(0x7000000));
}

class ResourcesTest : public ::testing::Test {
  protected:
    void TearDown() override { portable::unregisterResources(fakeModule()); }
};

INT_PTR CALLBACK endAtOnce(HWND dialog, UINT message, WPARAM, LPARAM param) {
    if (message == WM_INITDIALOG)
        EndDialog(dialog, param);
    return FALSE;
}

TEST_F(ResourcesTest, RegisteredTemplateRuns) {
    std::vector<BYTE> bytes = testLayout();
    portable::registerDialogResource(fakeModule(), 107, bytes.data(), bytes.size());
    EXPECT_EQ(5, DialogBoxParamA(fakeModule(), MAKEINTRESOURCEA(107), nullptr, endAtOnce, 5));
}

TEST_F(ResourcesTest, MissingTemplateFails) {
    std::vector<BYTE> bytes = testLayout();
    portable::registerDialogResource(fakeModule(), 107, bytes.data(), bytes.size());
    EXPECT_EQ(-1, DialogBoxParamA(fakeModule(), MAKEINTRESOURCEA(108), nullptr, endAtOnce, 5));
    EXPECT_EQ(-1, DialogBoxParamA(nullptr, MAKEINTRESOURCEA(107), nullptr, endAtOnce, 5));
    EXPECT_EQ(-1, DialogBoxParamA(fakeModule(), "NAMED", nullptr, endAtOnce, 5));
    portable::unregisterResources(fakeModule());
    EXPECT_EQ(-1, DialogBoxParamA(fakeModule(), MAKEINTRESOURCEA(107), nullptr, endAtOnce, 5));
}

// Every cut of a template is refused, never read past (ASan watches the copies).
TEST_F(ResourcesTest, TruncatedTemplatesFail) {
    std::vector<BYTE> bytes = testLayout();
    for (size_t size = 0; size < bytes.size(); size += 3) {
        portable::registerDialogResource(fakeModule(), 107, bytes.data(), size);
        EXPECT_EQ(-1, DialogBoxParamA(fakeModule(), MAKEINTRESOURCEA(107), nullptr, endAtOnce, 5))
            << size;
    }
}

// Records the dialog's style as WM_INITDIALOG sees it, then ends.
INT_PTR CALLBACK recordStyle(HWND dialog, UINT message, WPARAM, LPARAM param) {
    if (message == WM_INITDIALOG) {
        *reinterpret_cast<DWORD*>(param) = DWORD(GetWindowLongA(dialog, GWL_STYLE));
        EndDialog(dialog, 1);
    }
    return FALSE;
}

// The same dialog is made again from what its template says now, even when new bytes of the
// same size took the place of the old ones.
TEST_F(ResourcesTest, ChangedTemplateOfTheSameSizeIsReadAgain) {
    const DWORD plain = WS_POPUP | WS_CAPTION | DS_MODALFRAME;
    std::vector<BYTE> bytes = testLayout(plain | WS_SYSMENU);
    std::vector<BYTE> other = testLayout(plain);
    ASSERT_EQ(bytes.size(), other.size());
    for (int run = 0; run < 4; ++run) {
        const std::vector<BYTE>& now = run % 2 ? other : bytes;
        portable::registerDialogResource(fakeModule(), 107, now.data(), now.size());
        DWORD style = 0;
        ASSERT_EQ(1, DialogBoxParamA(fakeModule(), MAKEINTRESOURCEA(107), nullptr, recordStyle,
                                     reinterpret_cast<LPARAM>(&style)));
        EXPECT_EQ(run % 2 == 0, (style & WS_SYSMENU) != 0) << run;
    }
}

constexpr UINT kCheckShown = WM_APP + 1;

// Runs another dialog from WM_INITDIALOG, then asks, before the loop shows anything of its own,
// whether the outer dialog is already on screen.
INT_PTR CALLBACK runAnotherFirst(HWND dialog, UINT message, WPARAM, LPARAM param) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, param);
        DialogBoxParamA(fakeModule(), MAKEINTRESOURCEA(108), nullptr, endAtOnce, 0);
        PostMessageA(dialog, kCheckShown, 0, 0);
    } else if (message == kCheckShown) {
        *reinterpret_cast<BOOL*>(GetWindowLongPtrA(dialog, DWLP_USER)) = IsWindowVisible(dialog);
        EndDialog(dialog, 1);
    }
    return FALSE;
}

// A dialog made while another is being made does not change what the first one's template said:
// the first, WS_VISIBLE in its template, is shown as soon as WM_INITDIALOG returns.
TEST_F(ResourcesTest, DialogMadeDuringAnotherKeepsTheirTemplatesApart) {
    std::vector<BYTE> outer = testLayout(WS_POPUP | WS_CAPTION | DS_MODALFRAME | WS_VISIBLE);
    std::vector<BYTE> inner = testLayout(WS_POPUP | WS_CAPTION | DS_MODALFRAME);
    portable::registerDialogResource(fakeModule(), 107, outer.data(), outer.size());
    portable::registerDialogResource(fakeModule(), 108, inner.data(), inner.size());
    BOOL shown = FALSE;
    ASSERT_EQ(1, DialogBoxParamA(fakeModule(), MAKEINTRESOURCEA(107), nullptr, runAnotherFirst,
                                 reinterpret_cast<LPARAM>(&shown)));
    EXPECT_TRUE(shown);
}

} // namespace
