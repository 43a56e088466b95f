// Test programs link the product's objects without its module start-up: attach the program
// itself as the module, so that its resources and title are the framework's.
#include "framework/win_app.h"
#include "platform/own_module.h"

#include <gtest/gtest.h>

namespace {

class ModuleEnvironment : public ::testing::Environment {
  public:
    void SetUp() override { AfxAttachModule(ownModule()); }
    void TearDown() override { AfxDetachModule(); }
};

const ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new ModuleEnvironment);

} // namespace
