// A registry file whose save fails during OK, whether the store refuses it, the process stops
// between writing the new file and renaming it, the disk refuses the write, or another process
// keeps the file locked: the call ends in
// "Error" naming every value, the previous file stays byte for byte in place, and the changes
// are dropped: the registry reads as the file again.
#include "dialog_session.h"
#include "platform/portable/portable.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
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

// A real failure, no fault hook: writes past a few bytes fail (EFBIG) as on a full disk.
void diskRefuses(const std::string&) {
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit small{};
    ASSERT_EQ(0, ::getrlimit(RLIMIT_FSIZE, &small));
    small.rlim_cur = 16;
    ASSERT_EQ(0, ::setrlimit(RLIMIT_FSIZE, &small));
}

// Another process keeps a lock on the file (a read lock, which even one who may only read can
// take): the save gives up after its wait.
int heldLock = -1;

void lockIsHeld(const std::string& path) {
    heldLock = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct flock range = {F_RDLCK, SEEK_SET, 0, 1, 0};
    ASSERT_EQ(0, ::fcntl(heldLock, F_OFD_SETLK, &range));
    portable::RegistryFaults faults;
    faults.lockWaitMs = 100;
    portable::setRegistryFaults(faults);
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
        ASSERT_EQ(0, ::getrlimit(RLIMIT_FSIZE, &fileSizeLimit_));
    }
    void TearDown() override {
        if (heldLock >= 0)
            ::close(heldLock);
        heldLock = -1;
        ::setrlimit(RLIMIT_FSIZE, &fileSizeLimit_);
        portable::setRegistryFaults(portable::RegistryFaults{});
        portable::useMemoryRegistry(); // drops the changes that could not be saved
        std::system(("rm -rf " + dir_).c_str());
    }

    std::string dir_;
    std::string path_;
    rlimit fileSizeLimit_{};
};

TEST_P(FailedFileSave, EndsInErrorAndLeavesThePreviousFile) {
    DialogSession session;
    session.click(IDC_DEFAULTS); // every value changes
    session.click(IDOK);
    GetParam().arrange(path_);
    session.callFor(service);
    portable::setRegistryFaults(portable::RegistryFaults{});
    ::setrlimit(RLIMIT_FSIZE, &fileSizeLimit_);

    EXPECT_EQ("Error", session.result());
    ASSERT_EQ(1u, session.messages().size());
    EXPECT_EQ(everyValue, session.messages()[0].text);
    EXPECT_EQ(previousFile, readFile(path_));

    EXPECT_NE(std::string::npos, portable::lastRegistrySaveError().find(path_ + ": "));

    // What the program reads now is the file again, and nothing of the call is written later.
    std::string text;
    DWORD type = 0;
    ASSERT_TRUE(readValue(service, "NetworkMedia", &text, &type));
    EXPECT_EQ("2", text);
    EXPECT_FALSE(readValue(service, "PriQ", &text, &type));
    portable::useMemoryRegistry();
    EXPECT_EQ(previousFile, readFile(path_));
}

INSTANTIATE_TEST_SUITE_P(Failures, FailedFileSave,
                         ::testing::Values(SaveFailure{"StoreRefuses", storeRefuses},
                                           SaveFailure{"StopsBeforeRename", stopsBeforeRename},
                                           SaveFailure{"DiskRefuses", diskRefuses},
                                           SaveFailure{"LockIsHeld", lockIsHeld}),
                         [](const ::testing::TestParamInfo<SaveFailure>& param) {
                             return std::string(param.param.name);
                         });

} // namespace
