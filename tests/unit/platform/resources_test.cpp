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

} // namespace
