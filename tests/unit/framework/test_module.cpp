// Test programs link the product's objects without its module start-up: attach the program
// itself as the module, so that its resources and title are the framework's.
#include "framework/win_app.h"

#include <gtest/gtest.h>

namespace {

HINSTANCE programModule() {
    return AfxModuleContaining(reinterpret_cast<const void*>(&programModule));
}

class ModuleEnvironment : public ::testing::Environment {
  public:
    void SetUp() override { AfxAttachModule(programModule()); }
    void TearDown() override { AfxDetachModule(); }
};

const ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new ModuleEnvironment);

} // namespace
