// quorlan-params when the registry refuses part of a change: nothing of it is saved, each value
// keeps its own type, the message says why, and the command exits 2.
#include "commands.h"
#include "exit_status.h"
#include "dialog_session.h"
#include "platform/portable/portable.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

const char service[] = "QuorlanParamsFault";

class ParamsCommandFault : public ::testing::Test {
  protected:
    void SetUp() override {
        portable::useMemoryRegistry();
        stage();
    }
    // The registry in use, holding these values alone.
    void stage() {
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
    EXPECT_EQ(quorlan_params::kExitRegistry, quorlan_params::setProperties(service, pairs, {}));
    EXPECT_EQ("quorlan-params: could not save the change: the registry refuses to write "
              "NetworkMedia; nothing was changed\n",
              ::testing::internal::GetCapturedStderr());
    portable::setRegistryFaults(portable::RegistryFaults{});
    expectUnchanged();
}

// Nothing reaches the registry file, nothing is written after the failed save (no values put
// back over what others may have saved meanwhile), and nothing is left to be saved later.
TEST_F(ParamsCommandFault, ASaveRefusedWritesNothingMore) {
    char folder[] = "/tmp/quorlan-params-fault-XXXXXX";
    ASSERT_NE(nullptr, ::mkdtemp(folder));
    const std::string path = std::string(folder) + "/store.reg";
    ASSERT_TRUE(portable::useRegistryFile(path, nullptr));
    stage(); // the same values, now in the file
    portable::RegistryFaults faults;
    faults.failSave = true;
    portable::setRegistryFaults(faults);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(quorlan_params::kExitRegistry, quorlan_params::resetProperties(service, {}, {}));
    EXPECT_EQ("quorlan-params: could not save the change: " + path +
                  ": cannot save: the store refuses (a fault); nothing was changed\n",
              ::testing::internal::GetCapturedStderr());
    portable::setRegistryFaults(portable::RegistryFaults{});
    expectUnchanged();
    portable::useMemoryRegistry();
    std::remove(path.c_str());
    ::rmdir(folder);
}

} // namespace
