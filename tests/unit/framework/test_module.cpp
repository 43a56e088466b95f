// Test programs link the product's objects without its module start-up: attach the program
// itself as the module, so that its resources and title are the framework's.
#include "framework/win_app.h"

#include <gtest/gtest.h>

namespace {

HINSTANCE programModule() {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&programModule), &module);
    return module;
}

class ModuleEnvironment : public ::testing::Environment {
  public:
    void SetUp() override { AfxAttachModule(programModule()); }
    void TearDown() override { AfxDetachModule(); }
};

const ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new ModuleEnvironment);

} // namespace
