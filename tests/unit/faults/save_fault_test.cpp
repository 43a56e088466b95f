// Any one value that the registry refuses to write or delete: the call ends in "Error", the
// message names that value alone, and the others are still saved (shown by one that was
// missing and is created with its default).
#include "dialog_session.h"
#include "platform/portable/portable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char service[] = "QuorlanOneFault";

struct OneFault {
    const char* value;   // the value whose write (or delete) fails
    bool present;        // false: stored as "-1", absent, so OK deletes it
    const char* created; // another value, missing before the call, that OK creates
};

// Every value but the one OK creates; the optional one under test absent for a delete.
std::vector<RegistryValue> storedValues(const OneFault& fault) {
    const std::vector<RegistryValue> all = {{"NetworkAddress", "0002B3A1C4F7"},
                                            {"VLANID", "12"},
                                            {"FlowControl", "0"},
                                            {"NcBit", "0"},
                                            {"NetworkMedia", "2"},
                                            {"JumboFrame", "4088"},
                                            {"RxQueueSz", "100"},
                                            {"PriQ", "1"}};
    std::vector<RegistryValue> values;
    for (RegistryValue value : all) {
        if (std::string(value.name) == fault.created)
            continue;
        if (!fault.present && std::string(value.name) == fault.value)
            value.text = "-1";
        values.push_back(value);
    }
    return values;
}

std::string defaultCode(const std::string& name) {
    return name == "RxQueueSz" ? "64" : "8"; // "Receive Buffers" 64, "Media Type" Autonegotiate
}

class OneValueFails : public ::testing::TestWithParam<OneFault> {
  protected:
    void TearDown() override { portable::setRegistryFaults(portable::RegistryFaults{}); }
};

TEST_P(OneValueFails, EndsInErrorNamingOnlyThatValue) {
    const OneFault& fault = GetParam();
    portable::useMemoryRegistry();
    resetService(service, true, storedValues(fault));
    portable::RegistryFaults faults;
    (fault.present ? faults.failSetValue : faults.failDeleteValue) = fault.value;
    DialogSession session;
    session.click(IDOK);
    portable::setRegistryFaults(faults);
    session.callFor(service);
    portable::setRegistryFaults(portable::RegistryFaults{});

    EXPECT_EQ("Error", session.result());
    ASSERT_EQ(1u, session.messages().size());
    EXPECT_EQ(std::string("Could not save ") + fault.value, session.messages()[0].text);
    EXPECT_EQ("exclamation", session.messages()[0].icon);
    std::string text;
    DWORD type = 0;
    ASSERT_TRUE(readValue(service, fault.created, &text, &type));
    EXPECT_EQ(defaultCode(fault.created), text);
}

INSTANTIATE_TEST_SUITE_P(EachValue, OneValueFails,
                         ::testing::Values(OneFault{"NetworkAddress", true, "NetworkMedia"},
                                           OneFault{"NetworkAddress", false, "RxQueueSz"},
                                           OneFault{"VLANID", true, "NetworkMedia"},
                                           OneFault{"VLANID", false, "RxQueueSz"},
                                           OneFault{"FlowControl", true, "NetworkMedia"},
                                           OneFault{"NcBit", true, "RxQueueSz"},
                                           OneFault{"NetworkMedia", true, "RxQueueSz"},
                                           OneFault{"JumboFrame", true, "NetworkMedia"},
                                           OneFault{"RxQueueSz", true, "NetworkMedia"},
                                           OneFault{"PriQ", true, "NetworkMedia"}),
                         [](const ::testing::TestParamInfo<OneFault>& param) {
                             return std::string(param.param.present ? "Set" : "Delete") +
                                    param.param.value;
                         });

} // namespace
