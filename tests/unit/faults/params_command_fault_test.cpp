// quorlan-params when the registry refuses part of a change: the change is taken back whole,
// each value with its own type, and the command exits 2.
#include "commands.h"
#include "exit_status.h"
#include "dialog_session.h"
#include "platform/portable/portable.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char service[] = "QuorlanParamsFault";

class ParamsCommandFault : public ::testing::Test {
  protected:
    void SetUp() override {
        portable::useMemoryRegistry();
        resetService(service, true,
                     {{"NetworkAddress", "0002B3A1C4F7"}, {"NetworkMedia", "2"}, {"PriQ", "1"}});
        // A value of another type than the command writes, to be put back as it was.
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE,
                                               "System\\CurrentControlSet\\Services\\"
                                               "QuorlanParamsFault\\Parameters",
                                               0, KEY_ALL_ACCESS, &key));
        const DWORD vlan = 12;
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key, "VLANID", 0, REG_DWORD,
                                                reinterpret_cast<const BYTE*>(&vlan), sizeof vlan));
        RegCloseKey(key);
    }
    void TearDown() override { portable::setRegistryFaults(portable::RegistryFaults{}); }

    void expectUnchanged() {
        std::string text;
        DWORD type = 0;
        EXPECT_TRUE(readValue(service, "NetworkAddress", &text, &type));
        EXPECT_EQ("0002B3A1C4F7", text);
        EXPECT_TRUE(readValue(service, "VLANID", &text, &type));
        EXPECT_EQ(static_cast<DWORD>(REG_DWORD), type);
        EXPECT_TRUE(readValue(service, "NetworkMedia", &text, &type));
        EXPECT_EQ("2", text);
        EXPECT_FALSE(readValue(service, "RxQueueSz", &text, &type));
    }

    const std::vector<std::string> pairs = {"address=absent", "vlanid=7", "media type=auto 10",
                                            "receive buffers=128"};
};

// NetworkAddress (deleted) and VLANID are written before NetworkMedia fails.
TEST_F(ParamsCommandFault, AWriteRefusedTakesBackTheValuesWrittenBeforeIt) {
    portable::RegistryFaults faults;
    faults.failSetValue = "NetworkMedia";
    portable::setRegistryFaults(faults);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(quorlan_params::kExitRegistry, quorlan_params::setProperties(service, pairs, false));
    EXPECT_EQ("quorlan-params: could not save NetworkMedia; nothing was changed\n",
              ::testing::internal::GetCapturedStderr());
    portable::setRegistryFaults(portable::RegistryFaults{});
    expectUnchanged();
}

// Nothing reaches the store, and nothing of the change is left to be saved later either.
TEST_F(ParamsCommandFault, ASaveRefusedLeavesNothingToSaveLater) {
    portable::RegistryFaults faults;
    faults.failSave = true;
    portable::setRegistryFaults(faults);
    EXPECT_EQ(quorlan_params::kExitRegistry, quorlan_params::resetProperties(service, {}, false));
    portable::setRegistryFaults(portable::RegistryFaults{});
    expectUnchanged();
}

} // namespace
