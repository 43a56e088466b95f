// Saving the store: when it happens, that it is atomic, that it picks up other processes' saves,
// that two processes saving at once lose nothing, and that it is safe on any path as any user:
// only regular files, files no one can plant or hold, owners and modes kept, failures final.
#include "registry_fixture.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
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

// A failed save is final: its changes are dropped, the view is the file again, and neither a
// later save nor the end of the process writes them.
TEST_F(RegistryPersistence, FailedSaveIsDroppedAndNeverWrittenLater) {
    injectFaults([](portable::RegistryFaults& f) { f.failSave = true; });
    HKEY key = openKey();
    setValue(key, "PriQ", REG_SZ, {'1', 0});
    EXPECT_EQ(ERROR_CANTWRITE, RegFlushKey(key));
    EXPECT_EQ(storePath_ + ": cannot save: the store refuses (a fault); nothing was changed",
              portable::lastRegistrySaveError());
    EXPECT_EQ(REG_NONE, queryValue(key, "PriQ").first);
    portable::setRegistryFaults({});
    EXPECT_EQ(ERROR_SUCCESS, RegFlushKey(key));
    EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(key));
    EXPECT_EQ(kInitial, readFile(storePath_));

    // Changes never flushed are not written when the process ends.
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        HKEY changed = nullptr;
        RegOpenKeyA(HKEY_LOCAL_MACHINE, kServiceKey, &changed);
        BYTE data[] = {'2', 0};
        RegSetValueExA(changed, "PriQ", 0, REG_SZ, data, 2);
        std::exit(0); // runs the static destructors
    }
    int status = 0;
    ASSERT_EQ(child, ::waitpid(child, &status, 0));
    EXPECT_EQ(kInitial, readFile(storePath_));
}

// The temporary file of a save is the process's own (a new file, mode 0600, a name no one can
// guess); one left by a killed save is removed by the next save, unless its process still runs.
TEST_F(RegistryPersistence, TemporaryFilesAreNewPrivateAndTidiedAfterADeadProcess) {
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        portable::RegistryFaults faults;
        faults.stopBeforeRename = true;
        portable::setRegistryFaults(faults);
        HKEY key = nullptr;
        RegOpenKeyA(HKEY_LOCAL_MACHINE, kServiceKey, &key);
        BYTE data[] = {'1', 0};
        RegSetValueExA(key, "PriQ", 0, REG_SZ, data, 2);
        ::_exit(RegFlushKey(key) == ERROR_CANTWRITE ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(child, ::waitpid(child, &status, 0));
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    std::vector<std::string> files = filesIn(dir_);
    ASSERT_EQ(3u, files.size());
    const std::string left = files[2];
    const std::string prefix = "store.reg.tmp." + std::to_string(child) + ".";
    EXPECT_EQ(prefix, left.substr(0, prefix.size()));
    EXPECT_EQ(16u, left.size() - prefix.size()); // 64 random bits
    struct stat st {};
    ASSERT_EQ(0, ::stat((dir_ + "/" + left).c_str(), &st));
    EXPECT_EQ(0600u, st.st_mode & 07777);
    EXPECT_NE(std::string::npos, readFile(dir_ + "/" + left).find("PriQ"));
    EXPECT_EQ(kInitial, readFile(storePath_));

    const std::string running = "store.reg.tmp." + std::to_string(::getppid()) + ".00ff";
    writeFile(dir_ + "/" + running, "another process's save in progress");
    HKEY key = openKey();
    setValue(key, "PriQ", REG_SZ, {'2', 0});
    EXPECT_EQ(ERROR_SUCCESS, RegFlushKey(key));
    RegCloseKey(key);
    EXPECT_EQ((std::vector<std::string>{"store.reg", "store.reg.lock", running}), filesIn(dir_));
}

// Only those who may write the store can hold its lock: a link planted at the lock file is
// replaced, not followed, the lock file grants no one who may merely read the store, and a
// holder that keeps it makes a save fail within the wait, named.
TEST_F(RegistryPersistence, LockIsForWritersOnlyAndItsWaitEnds) {
    const std::string victim = dir_ + "/victim";
    writeFile(victim, "not the lock");
    ASSERT_EQ(0, ::chmod(victim.c_str(), 0644));
    ASSERT_EQ(0, ::chmod(storePath_.c_str(), 0664));
    ASSERT_EQ(0, ::symlink(victim.c_str(), (storePath_ + ".lock").c_str()));
    HKEY key = openKey();
    setValue(key, "PriQ", REG_SZ, {'1', 0});
    EXPECT_EQ(ERROR_SUCCESS, RegFlushKey(key));
    EXPECT_EQ("not the lock", readFile(victim));
    struct stat st {};
    ASSERT_EQ(0, ::lstat((storePath_ + ".lock").c_str(), &st));
    EXPECT_TRUE(S_ISREG(st.st_mode));
    EXPECT_EQ(0660u, st.st_mode & 07777); // the store's writers, not its readers

    int held[2], release[2];
    ASSERT_EQ(0, ::pipe(held));
    ASSERT_EQ(0, ::pipe(release));
    pid_t holder = ::fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        int fd = ::open((storePath_ + ".lock").c_str(), O_RDWR);
        char byte = fd >= 0 && ::flock(fd, LOCK_EX) == 0 ? 'y' : 'n';
        if (::write(held[1], &byte, 1) != 1 || ::read(release[0], &byte, 1) < 0)
            ::_exit(1);
        ::_exit(0);
    }
    char byte = 0;
    ASSERT_EQ(1, ::read(held[0], &byte, 1));
    ASSERT_EQ('y', byte);
    injectFaults([](portable::RegistryFaults& f) { f.lockWaitMs = 200; });
    setValue(key, "PriQ", REG_SZ, {'2', 0});
    EXPECT_EQ(ERROR_CANTWRITE, RegFlushKey(key));
    EXPECT_EQ(storePath_ + ": cannot save: process " + std::to_string(holder) +
                  " holds its lock, and still held it after 0.2 s; nothing was changed",
              portable::lastRegistrySaveError());
    EXPECT_EQ((Bytes{'1', 0}), queryValue(key, "PriQ").second);
    ASSERT_EQ(1, ::write(release[1], "x", 1));
    ::waitpid(holder, nullptr, 0);
    setValue(key, "PriQ", REG_SZ, {'3', 0});
    EXPECT_EQ(ERROR_SUCCESS, RegFlushKey(key));
    RegCloseKey(key);
    for (int fd : {held[0], held[1], release[0], release[1]})
        ::close(fd);
}

// A save replaces only a file its user could write in place (root included), and the new file
// keeps the old one's owner, group and mode.
TEST_F(RegistryPersistence, SaveKeepsOwnershipAndRespectsReadOnlyFiles) {
    const bool root = ::geteuid() == 0;
    if (root) { // someone else's file, which root saves for them
        ASSERT_EQ(0, ::chown(storePath_.c_str(), 4321, 4322));
    }
    ASSERT_EQ(0, ::chmod(storePath_.c_str(), 0640));
    HKEY key = openKey();
    setValue(key, "PriQ", REG_SZ, {'1', 0});
    EXPECT_EQ(ERROR_SUCCESS, RegFlushKey(key));
    struct stat st {};
    ASSERT_EQ(0, ::stat(storePath_.c_str(), &st));
    EXPECT_EQ(0640u, st.st_mode & 07777);
    EXPECT_EQ(root ? 4321u : ::geteuid(), st.st_uid);
    EXPECT_EQ(root ? 4322u : ::getegid(), st.st_gid);

    ASSERT_EQ(0, ::chmod(storePath_.c_str(), 0444));
    std::string before = readFile(storePath_);
    setValue(key, "PriQ", REG_SZ, {'2', 0});
    EXPECT_EQ(ERROR_CANTWRITE, RegFlushKey(key));
    EXPECT_EQ(before, readFile(storePath_));
    EXPECT_EQ(storePath_ + ": cannot save: no permission to write the file (" +
                  std::strerror(EACCES) + "); nothing was changed",
              portable::lastRegistrySaveError());
    RegCloseKey(key);
}

// The path is resolved once: a link leads to the store, which saves replace behind the link.
// Anything but a regular file of a registry's size is refused before a byte of it is read.
TEST_F(RegistryPersistence, OnlyRegularFilesAreStoresAndLinksStayLinks) {
    const std::string link = dir_ + "/link.reg";
    ASSERT_EQ(0, ::symlink("store.reg", link.c_str()));
    std::string error;
    ASSERT_TRUE(portable::useRegistryFile(link, &error)) << error;
    HKEY key = openKey();
    setValue(key, "PriQ", REG_SZ, {'1', 0});
    EXPECT_EQ(ERROR_SUCCESS, RegFlushKey(key));
    RegCloseKey(key);
    struct stat st {};
    ASSERT_EQ(0, ::lstat(link.c_str(), &st));
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_NE(std::string::npos, readFile(storePath_).find("\"PriQ\"=\"1\""));

    const std::string fifo = dir_ + "/fifo.reg", big = dir_ + "/big.reg";
    const std::string dangling = dir_ + "/dangling.reg", socketPath = dir_ + "/socket.reg";
    ASSERT_EQ(0, ::mkfifo(fifo.c_str(), 0644));
    writeFile(big, "REGEDIT4\r\n");
    ASSERT_EQ(0, ::truncate(big.c_str(), (off_t(1) << 30) + 1));
    ASSERT_EQ(0, ::symlink("missing.reg", dangling.c_str()));
    int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socketPath.c_str());
    ASSERT_EQ(0, ::bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address));
    const std::pair<std::string, std::string> refused[] = {
        {fifo, ": cannot read: a FIFO, not a regular file"},
        {"/dev/zero", ": cannot read: a character device, not a regular file"},
        {socketPath, ": cannot read: a socket, not a regular file"},
        {big, ": cannot read: 1073741825 bytes, too large for a registry file (at most 1 GiB)"},
        {dangling, ": cannot resolve: a link to a file that does not exist"},
        {dir_ + "/no/such.reg", ": cannot resolve its folder: No such file or directory"},
    };
    for (const auto& [path, why] : refused) {
        EXPECT_FALSE(portable::useRegistryFile(path, &error)) << path;
        EXPECT_EQ(path + why, error);
    }
    ::close(server);
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
