// A registry that refuses the dialog, at load or at save: what is written, what the person is
// told, what the call says.
#include "dialog_session.h"
#include "platform/portable/portable.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char service[] = "QuorlanFaultTest";

class SaveFaults : public ::testing::Test {
  protected:
    void SetUp() override {
        portable::useMemoryRegistry();
        resetService(service, true,
                     {{"NetworkAddress", "-1"}, {"NetworkMedia", "2"}, {"RxQueueSz", "100"}});
    }
    void TearDown() override { portable::setRegistryFaults(portable::RegistryFaults{}); }

    // Presses OK with the registry failing as `arrange` sets it, then mends the registry.
    template <class Arrange> void pressOk(Arrange arrange) {
        portable::RegistryFaults faults;
        arrange(faults);
        portable::setRegistryFaults(faults);
        session.click(IDOK);
        session.callFor(service);
        portable::setRegistryFaults(portable::RegistryFaults{});
    }
    std::string value(const char* name) {
        std::string text;
        DWORD type = 0;
        return readValue(service, name, &text, &type) ? text : "(missing)";
    }

    DialogSession session;
};

TEST_F(SaveFaults, AKeyThatCannotBeOpenedForWritingEndsInError) {
    pressOk([](portable::RegistryFaults& f) { f.denyWriteAccess = true; });
    EXPECT_EQ("Error", session.result());
    ASSERT_EQ(1u, session.messages().size());
    EXPECT_EQ("Invalid Service Name", session.messages()[0].text);
    EXPECT_EQ("PropPage Debug ", session.messages()[0].caption);
    EXPECT_EQ("stop", session.messages()[0].icon);
    EXPECT_EQ("(missing)", value("PriQ")); // nothing written
}

TEST_F(SaveFaults, AFailedWriteIsNamedAndTheOthersAreStillWritten) {
    pressOk([](portable::RegistryFaults& f) { f.failSetValue = "RxQueueSz"; });
    EXPECT_EQ("Error", session.result());
    ASSERT_EQ(1u, session.messages().size());
    EXPECT_EQ("Could not save RxQueueSz", session.messages()[0].text);
    EXPECT_EQ("exclamation", session.messages()[0].icon);
    EXPECT_EQ("100", value("RxQueueSz"));
    EXPECT_EQ("0", value("PriQ")); // written after the failed one
    EXPECT_EQ("2", value("NetworkMedia"));
}

TEST_F(SaveFaults, EveryFailedWriteIsNamedInTheOrderOfWriting) {
    pressOk([](portable::RegistryFaults& f) { f.failSetValue = "*"; });
    EXPECT_EQ("Error", session.result());
    ASSERT_EQ(1u, session.messages().size());
    EXPECT_EQ("Could not save FlowControl, NcBit, NetworkMedia, JumboFrame, RxQueueSz, PriQ",
              session.messages()[0].text);
}

TEST_F(SaveFaults, AFailedDeleteIsNamed) {
    pressOk([](portable::RegistryFaults& f) { f.failDeleteValue = "NetworkAddress"; });
    EXPECT_EQ("Error", session.result());
    ASSERT_EQ(1u, session.messages().size());
    EXPECT_EQ("Could not save NetworkAddress", session.messages()[0].text);
    EXPECT_EQ("-1", value("NetworkAddress"));
}

TEST_F(SaveFaults, AFailedFlushNamesEveryValue) {
    pressOk([](portable::RegistryFaults& f) { f.failSave = true; });
    EXPECT_EQ("Error", session.result());
    ASSERT_EQ(1u, session.messages().size());
    EXPECT_EQ("Could not save NetworkAddress, VLANID, FlowControl, NcBit, NetworkMedia, "
              "JumboFrame, RxQueueSz, PriQ",
              session.messages()[0].text);
}

// The key is there when the call checks it and gone when the dialog opens it to load.
TEST_F(SaveFaults, AKeyGoneBeforeLoadingLeavesTheDialogUpWithItsDefaults) {
    portable::RegistryFaults faults;
    faults.keyGoneAfterOpens = 1;
    portable::setRegistryFaults(faults);
    LRESULT selected = LB_ERR;
    session.then([&](HWND dialog) {
        selected = SendDlgItemMessageA(dialog, IDC_PROPERTY_LIST, LB_GETCURSEL, 0, 0);
    });
    session.click(IDCANCEL);
    session.callFor(service);
    portable::setRegistryFaults(portable::RegistryFaults{});
    EXPECT_EQ("Cancel", session.result());
    ASSERT_EQ(1u, session.messages().size());
    EXPECT_EQ("Invalid Service Name", session.messages()[0].text);
    EXPECT_EQ("Error ", session.messages()[0].caption);
    EXPECT_EQ("stop", session.messages()[0].icon);
    EXPECT_EQ(0, selected); // the list is filled and its first item selected all the same
    EXPECT_EQ("100", value("RxQueueSz"));
}

// OK after such a load saves the defaults, once the key can be opened again.
TEST_F(SaveFaults, OkAfterAFailedLoadSavesTheDefaults) {
    portable::RegistryFaults faults;
    faults.keyGoneAfterOpens = 1;
    portable::setRegistryFaults(faults);
    session.then([](HWND) { portable::setRegistryFaults(portable::RegistryFaults{}); });
    session.click(IDOK);
    session.callFor(service);
    EXPECT_EQ("OK", session.result());
    ASSERT_EQ(1u, session.messages().size());
    EXPECT_EQ("Error ", session.messages()[0].caption);
    EXPECT_EQ("64", value("RxQueueSz")); // not the 100 stored: nothing was read
    EXPECT_EQ("(missing)", value("NetworkAddress"));
}

} // namespace
