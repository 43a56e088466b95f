// A registry file whose save fails during OK, whether the store refuses it, the process stops
// between writing the new file and renaming it, or the disk refuses the write: the call ends in
// "Error" naming every value, and the previous file stays byte for byte, readable, in place.
#include "dialog_session.h"
#include "platform/portable/portable.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char service[] = "Veloxa";
const char everyValue[] = "Could not save NetworkAddress, VLANID, FlowControl, NcBit, "
                          "NetworkMedia, JumboFrame, RxQueueSz, PriQ";
const std::string previousFile =
    "REGEDIT4\r\n\r\n"
    "[HKEY_LOCAL_MACHINE\\Software\\Other]\r\n\"Kept\"=dword:0000002a\r\n\r\n"
    "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Veloxa\\Parameters]\r\n"
    "\"NetworkMedia\"=\"2\"\r\n\"RxQueueSz\"=\"256\"\r\n\r\n";

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

struct SaveFailure {
    const char* name;
    // Makes the next save of the store at path fail.
    void (*arrange)(const std::string& path);
};

void storeRefuses(const std::string&) {
    portable::RegistryFaults faults;
    faults.failSave = true;
    portable::setRegistryFaults(faults);
}

void stopsBeforeRename(const std::string&) {
    portable::RegistryFaults faults;
    faults.stopBeforeRename = true;
    portable::setRegistryFaults(faults);
}

// A real failure, no fault hook: a folder stands where the store writes its new file.
void diskRefuses(const std::string& path) {
    ASSERT_EQ(0, ::mkdir((path + ".tmp." + std::to_string(::getpid())).c_str(), 0755));
}

class FailedFileSave : public ::testing::TestWithParam<SaveFailure> {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/quorlan-faults-XXXXXX";
        ASSERT_NE(nullptr, ::mkdtemp(pattern));
        dir_ = pattern;
        path_ = dir_ + "/registry.reg";
        std::ofstream(path_, std::ios::binary) << previousFile;
        std::string error;
        ASSERT_TRUE(portable::useRegistryFile(path_, &error)) << error;
    }
    void TearDown() override {
        portable::setRegistryFaults(portable::RegistryFaults{});
        portable::useMemoryRegistry(); // drops the changes that could not be saved
        std::system(("rm -rf " + dir_).c_str());
    }

    std::string dir_;
    std::string path_;
};

TEST_P(FailedFileSave, EndsInErrorAndLeavesThePreviousFile) {
    DialogSession session;
    session.click(IDC_DEFAULTS); // every value changes
    session.click(IDOK);
    GetParam().arrange(path_);
    session.callFor(service);
    portable::setRegistryFaults(portable::RegistryFaults{});

    EXPECT_EQ("Error", session.result());
    ASSERT_EQ(1u, session.messages().size());
    EXPECT_EQ(everyValue, session.messages()[0].text);
    EXPECT_EQ(previousFile, readFile(path_));

    // The file still reads, with the values it had.
    std::string error;
    ASSERT_TRUE(portable::useRegistryFile(path_, &error)) << error;
    std::string text;
    DWORD type = 0;
    ASSERT_TRUE(readValue(service, "NetworkMedia", &text, &type));
    EXPECT_EQ("2", text);
    EXPECT_FALSE(readValue(service, "PriQ", &text, &type));
}

INSTANTIATE_TEST_SUITE_P(Failures, FailedFileSave,
                         ::testing::Values(SaveFailure{"StoreRefuses", storeRefuses},
                                           SaveFailure{"StopsBeforeRename", stopsBeforeRename},
                                           SaveFailure{"DiskRefuses", diskRefuses}),
                         [](const ::testing::TestParamInfo<SaveFailure>& param) {
                             return std::string(param.param.name);
                         });

} // namespace
