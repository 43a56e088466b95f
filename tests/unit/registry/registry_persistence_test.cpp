// Saving the store: when it happens, that it is atomic, that it picks up other processes' saves
// and that two processes saving at once lose nothing.
#include "RegistryFixture.h"

#include <dirent.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace registry_test;

namespace {

const std::string kInitial = "REGEDIT4\r\n\r\n"
                             "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Veloxa\\"
                             "Parameters]\r\n\"RxQueueSz\"=\"64\"\r\n\r\n";

std::vector<std::string> filesIn(const std::string& dir) {
    std::vector<std::string> names;
    if (DIR* d = ::opendir(dir.c_str())) {
        while (dirent* entry = ::readdir(d))
            if (entry->d_name[0] != '.')
                names.push_back(entry->d_name);
        ::closedir(d);
    }
    std::sort(names.begin(), names.end());
    return names;
}

ino_t inodeOf(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_ino;
}

class RegistryPersistence : public RegistryFixture {
  protected:
    void SetUp() override {
        RegistryFixture::SetUp();
        writeFile(storePath_, kInitial);
        useStore();
    }
};

TEST_F(RegistryPersistence, ReadingNeverWrites) {
    ino_t before = inodeOf(storePath_);
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyA(HKEY_LOCAL_MACHINE, kServiceKey, &key));
    EXPECT_EQ((Bytes{'6', '4', 0}), queryValue(key, "RxQueueSz").second);
    EXPECT_EQ(ERROR_SUCCESS, RegFlushKey(key));
    EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(key));
    EXPECT_EQ(before, inodeOf(storePath_));
    EXPECT_EQ(kInitial, readFile(storePath_));
}

TEST_F(RegistryPersistence, ChangesReachTheFileOnFlush) {
    HKEY key = openKey();
    setValue(key, "PriQ", REG_SZ, {'1', 0});
    EXPECT_EQ(kInitial, readFile(storePath_));
    EXPECT_EQ(ERROR_SUCCESS, RegFlushKey(key));
    EXPECT_NE(std::string::npos, readFile(storePath_).find("\"PriQ\"=\"1\"\r\n"));
    RegCloseKey(key);
}

TEST_F(RegistryPersistence, ChangesReachTheFileWhenTheirKeyIsClosed) {
    HKEY key = openKey();
    ASSERT_EQ(ERROR_SUCCESS, RegDeleteValueA(key, "RxQueueSz"));
    HKEY reader = nullptr;
    RegOpenKeyA(HKEY_LOCAL_MACHINE, kServiceKey, &reader);
    RegCloseKey(reader); // no changes through this one
    EXPECT_EQ(kInitial, readFile(storePath_));
    RegCloseKey(key);
    EXPECT_EQ(std::string::npos, readFile(storePath_).find("RxQueueSz"));
}

TEST_F(RegistryPersistence, SaveInterruptedBeforeTheRenameLeavesTheOldFile) {
    portable::RegistryFaults faults;
    faults.stopBeforeRename = true;
    portable::setRegistryFaults(faults);
    HKEY key = openKey();
    setValue(key, "PriQ", REG_SZ, {'1', 0});
    EXPECT_EQ(ERROR_CANTWRITE, RegFlushKey(key));
    EXPECT_EQ(kInitial, readFile(storePath_));
    std::string temp = "store.reg.tmp." + std::to_string(::getpid());
    EXPECT_EQ((std::vector<std::string>{"store.reg", "store.reg.lock", temp}), filesIn(dir_));
    EXPECT_NE(std::string::npos, readFile(dir_ + "/" + temp).find("PriQ"));

    // The change is still pending, and the next save that gets through writes it.
    portable::setRegistryFaults({});
    EXPECT_EQ(ERROR_SUCCESS, RegFlushKey(key));
    EXPECT_NE(std::string::npos, readFile(storePath_).find("\"PriQ\"=\"1\""));
    EXPECT_EQ((std::vector<std::string>{"store.reg", "store.reg.lock"}), filesIn(dir_));
    RegCloseKey(key);
}

TEST_F(RegistryPersistence, FailingSaveWritesNothing) {
    portable::RegistryFaults faults;
    faults.failSave = true;
    portable::setRegistryFaults(faults);
    HKEY key = openKey();
    setValue(key, "PriQ", REG_SZ, {'1', 0});
    EXPECT_EQ(ERROR_CANTWRITE, RegFlushKey(key));
    EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(key));
    EXPECT_EQ(kInitial, readFile(storePath_));
}

TEST_F(RegistryPersistence, FileChangedOnDiskIsReadAgainUnderPendingChanges) {
    HKEY key = openKey();
    setValue(key, "PriQ", REG_SZ, {'1', 0});
    // Another program replaces the file meanwhile (a new file, as editors and saves do).
    writeFile(storePath_ + ".new", kInitial + "[HKEY_CURRENT_USER\\Other]\r\n\"x\"=\"y\"\r\n");
    ASSERT_EQ(0, ::rename((storePath_ + ".new").c_str(), storePath_.c_str()));

    HKEY other = openKey("Other", HKEY_CURRENT_USER);
    EXPECT_EQ((Bytes{'y', 0}), queryValue(other, "x").second);
    EXPECT_EQ((Bytes{'1', 0}), queryValue(key, "PriQ").second);
    RegCloseKey(other);
    RegCloseKey(key);
    std::string text = readFile(storePath_);
    EXPECT_NE(std::string::npos, text.find("[HKEY_CURRENT_USER\\Other]"));
    EXPECT_NE(std::string::npos, text.find("\"PriQ\"=\"1\""));
}

// Each child sets its own values, saving after each, all children starting together.
void saveManyTimes(const std::string& path, int child, int rounds, int startPipe) {
    char go = 0;
    if (::read(startPipe, &go, 1) < 0)
        ::_exit(2);
    std::string error;
    if (!portable::useRegistryFile(path, &error))
        ::_exit(3);
    for (int i = 0; i < rounds; ++i) {
        HKEY key = nullptr;
        if (RegCreateKeyA(HKEY_LOCAL_MACHINE, kServiceKey, &key) != ERROR_SUCCESS)
            ::_exit(4);
        std::string name = "child" + std::to_string(child) + "_" + std::to_string(i);
        BYTE data[] = {static_cast<BYTE>('0' + child), 0};
        if (RegSetValueExA(key, name.c_str(), 0, REG_SZ, data, 2) != ERROR_SUCCESS)
            ::_exit(5);
        if (RegFlushKey(key) != ERROR_SUCCESS)
            ::_exit(6);
        RegCloseKey(key);
    }
    ::_exit(0);
}

TEST_F(RegistryPersistence, TwoProcessesSavingAtOnceLoseNothing) {
    constexpr int kChildren = 2;
    constexpr int kRounds = 25;
    int start[2];
    ASSERT_EQ(0, ::pipe(start));
    std::vector<pid_t> children;
    for (int child = 0; child < kChildren; ++child) {
        pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::close(start[1]);
            saveManyTimes(storePath_, child, kRounds, start[0]);
        }
        children.push_back(pid);
    }
    ::close(start[0]);
    ::close(start[1]); // both children start now
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(pid, ::waitpid(pid, &status, 0));
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }

    useStore();
    HKEY key = openKey();
    for (int child = 0; child < kChildren; ++child)
        for (int i = 0; i < kRounds; ++i) {
            std::string name = "child" + std::to_string(child) + "_" + std::to_string(i);
            EXPECT_EQ(REG_SZ, queryValue(key, name.c_str()).first) << name;
        }
    EXPECT_EQ((Bytes{'6', '4', 0}), queryValue(key, "RxQueueSz").second);
    RegCloseKey(key);
}

} // namespace
