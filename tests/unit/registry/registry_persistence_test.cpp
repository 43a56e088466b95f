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
#include <grp.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <sys/xattr.h>
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

// What another user is, for tests run as root; a test run as anyone else stays who it is.
struct User {
    uid_t uid;
    gid_t gid;
    std::vector<gid_t> groups;
};

void become(const User& user) {
    if (::geteuid() != 0)
        return;
    if (::setgroups(user.groups.size(), user.groups.data()) != 0 ||
        ::setresgid(user.gid, user.gid, user.gid) != 0 ||
        ::setresuid(user.uid, user.uid, user.uid) != 0)
        ::_exit(9);
}

// The file's extended attributes, its ACL among them, as "name=value" lines.
std::string attributesOf(const std::string& path) {
    char names[4096];
    ssize_t size = ::listxattr(path.c_str(), names, sizeof names);
    std::vector<std::string> lines;
    for (ssize_t at = 0; at < size; at += static_cast<ssize_t>(std::strlen(names + at)) + 1) {
        char value[1024];
        ssize_t length = ::getxattr(path.c_str(), names + at, value, sizeof value);
        lines.push_back(std::string(names + at) + "=" +
                        std::string(value, static_cast<size_t>(length > 0 ? length : 0)));
    }
    std::sort(lines.begin(), lines.end());
    std::string all;
    for (const std::string& line : lines)
        all += line + "\n";
    return all;
}

int waitFor(pid_t child) {
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
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
    ASSERT_EQ(2u, files.size());
    const std::string left = files[1];
    const std::string prefix = "store.reg.tmp." + std::to_string(child) + ".";
    EXPECT_EQ(prefix, left.substr(0, prefix.size()));
    EXPECT_EQ(16u, left.size() - prefix.size()); // 64 random bits
    struct stat st {};
    ASSERT_EQ(0, ::stat((dir_ + "/" + left).c_str(), &st));
    EXPECT_EQ(0600u, st.st_mode & 07777);
    EXPECT_NE(std::string::npos, readFile(dir_ + "/" + left).find("PriQ"));
    EXPECT_EQ(kInitial, readFile(storePath_));

    // Only this user's files of the exact pattern whose process is gone are removed: not a
    // running process's, not another user's, not one of the user's own named alike.
    const std::string running =
        "store.reg.tmp." + std::to_string(::getppid()) + ".00ff00ff00ff00ff";
    const std::string others = left.substr(0, left.size() - 1) + (left.back() == '0' ? "1" : "0");
    const std::vector<std::string> kept = {running, "store.reg.tmp.31000",
                                           "store.reg.tmp.31000.notes", "store.reg.tmp.31000.00ff",
                                           "store.reg.tmp.x." + left.substr(prefix.size())};
    for (const std::string& name : kept)
        writeFile(dir_ + "/" + name, "not a temporary file of a save that died");
    writeFile(dir_ + "/" + others, "another user's");
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(0, ::chown((dir_ + "/" + others).c_str(), 4321, 4321));
    }
    HKEY key = openKey();
    setValue(key, "PriQ", REG_SZ, {'2', 0});
    EXPECT_EQ(ERROR_SUCCESS, RegFlushKey(key));
    RegCloseKey(key);
    std::vector<std::string> expected = kept;
    expected.push_back("store.reg");
    if (root)
        expected.push_back(others);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(expected, filesIn(dir_));

    // However long the store's name (a folder takes 255 bytes), its temporary files fit.
    const std::string longName = dir_ + "/" + std::string(236, 'r') + ".reg";
    writeFile(longName, kInitial);
    std::string error;
    ASSERT_TRUE(portable::useRegistryFile(longName, &error)) << error;
    key = openKey();
    setValue(key, "PriQ", REG_SZ, {'3', 0});
    EXPECT_EQ(ERROR_SUCCESS, RegFlushKey(key)) << portable::lastRegistrySaveError();
    RegCloseKey(key);
    EXPECT_NE(std::string::npos, readFile(longName).find("\"PriQ\"=\"3\""));
}

// The lock is on the store itself: no lock file is made for anyone to plant, hold or lose. A
// holder that keeps it makes a save fail within the wait, named: a saver by its process where
// that can be told, a process that squats on it with a read lock as such.
TEST_F(RegistryPersistence, LockIsTheStoreItselfAndItsWaitEnds) {
    HKEY key = openKey();
    setValue(key, "PriQ", REG_SZ, {'1', 0});
    EXPECT_EQ(ERROR_SUCCESS, RegFlushKey(key));
    EXPECT_EQ((std::vector<std::string>{"store.reg"}), filesIn(dir_));

    struct Holder {
        const char* what;
        int access;
        short type;
        bool named; // also holds the record lock that names a saver
        const char* why;
    };
    const Holder holders[] = {
        {"saver", O_RDWR, F_WRLCK, true, "process %d holds its lock"},
        {"unnamed saver", O_WRONLY, F_WRLCK, false, "another process holds its lock"},
        {"reader", O_RDONLY, F_RDLCK, false, "another process holds a read lock on it"},
    };
    for (const Holder& holder : holders) {
        int held[2], release[2];
        ASSERT_EQ(0, ::pipe(held));
        ASSERT_EQ(0, ::pipe(release));
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            int fd = ::open(storePath_.c_str(), holder.access);
            struct flock saver = {holder.type, SEEK_SET, 0, 1, 0};
            struct flock name = {F_WRLCK, SEEK_SET, 2, 1, 0};
            bool locked = fd >= 0 && ::fcntl(fd, F_OFD_SETLK, &saver) == 0 &&
                          (!holder.named || ::fcntl(fd, F_SETLK, &name) == 0);
            char byte = locked ? 'y' : 'n';
            if (::write(held[1], &byte, 1) != 1 || ::read(release[0], &byte, 1) < 0)
                ::_exit(1);
            ::_exit(0);
        }
        char byte = 0;
        ASSERT_EQ(1, ::read(held[0], &byte, 1));
        ASSERT_EQ('y', byte) << holder.what;
        injectFaults([](portable::RegistryFaults& f) { f.lockWaitMs = 200; });
        setValue(key, "PriQ", REG_SZ, {'2', 0});
        EXPECT_EQ(ERROR_CANTWRITE, RegFlushKey(key)) << holder.what;
        char why[128];
        std::snprintf(why, sizeof why, holder.why, static_cast<int>(child));
        EXPECT_EQ(storePath_ + ": cannot save: " + why +
                      ", and still held it after 0.2 s; nothing was changed",
                  portable::lastRegistrySaveError())
            << holder.what;
        EXPECT_EQ((Bytes{'1', 0}), queryValue(key, "PriQ").second);
        ASSERT_EQ(1, ::write(release[1], "x", 1));
        EXPECT_EQ(0, waitFor(child));
        for (int fd : {held[0], held[1], release[0], release[1]})
            ::close(fd);
    }
    setValue(key, "PriQ", REG_SZ, {'3', 0});
    EXPECT_EQ(ERROR_SUCCESS, RegFlushKey(key));
    RegCloseKey(key);
    EXPECT_NE(std::string::npos, readFile(storePath_).find("\"PriQ\"=\"3\""));
}

// A save replaces only a file its user could write in place (root included), and the new file
// is the old one in all but its bytes: owner, group, mode, ACL and extended attributes. Where a
// new file could not carry them (a label the user may not give), the file is rewritten in place,
// and the save says so.
TEST_F(RegistryPersistence, SaveKeepsOwnershipAttributesAndRespectsReadOnlyFiles) {
    const bool root = ::geteuid() == 0;
    if (root) { // someone else's file, which root saves for them
        ASSERT_EQ(0, ::chown(storePath_.c_str(), 4321, 4322));
        ASSERT_EQ(0, ::setxattr(storePath_.c_str(), "trusted.origin", "t", 1, 0));
    }
    ASSERT_EQ(0, ::chmod(storePath_.c_str(), 0640));
    ASSERT_EQ(0, ::setxattr(storePath_.c_str(), "user.origin", "u", 1, 0));
    ASSERT_EQ(0, std::system(("setfacl -m u:4323:rw " + storePath_).c_str()));
    const std::string attributes = attributesOf(storePath_);
    ASSERT_NE(std::string::npos, attributes.find("system.posix_acl_access="));
    ino_t before = inodeOf(storePath_);
    HKEY key = openKey();
    setValue(key, "PriQ", REG_SZ, {'1', 0});
    EXPECT_EQ(ERROR_SUCCESS, RegFlushKey(key));
    struct stat st {};
    ASSERT_EQ(0, ::stat(storePath_.c_str(), &st));
    EXPECT_NE(before, st.st_ino);         // replaced
    EXPECT_EQ(0660u, st.st_mode & 07777); // the ACL's mask shows as the group's bits
    EXPECT_EQ(root ? 4321u : ::geteuid(), st.st_uid);
    EXPECT_EQ(root ? 4322u : ::getegid(), st.st_gid);
    EXPECT_EQ(attributes, attributesOf(storePath_));
    EXPECT_EQ("", portable::lastRegistrySaveNote());

    if (root) { // a label its owner may not give a new file: the file stays, rewritten
        ASSERT_EQ(0, ::setxattr(storePath_.c_str(), "security.origin", "s", 1, 0));
        ASSERT_EQ(0, ::chown(dir_.c_str(), 4321, 4322));
        const std::string labelled = attributesOf(storePath_);
        before = inodeOf(storePath_);
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            become({4321, 4322, {}});
            HKEY changed = nullptr;
            RegOpenKeyA(HKEY_LOCAL_MACHINE, kServiceKey, &changed);
            BYTE data[] = {'4', 0};
            RegSetValueExA(changed, "PriQ", 0, REG_SZ, data, 2);
            bool saved = RegFlushKey(changed) == ERROR_SUCCESS;
            std::string note = portable::lastRegistrySaveNote();
            ::_exit(saved && note == storePath_ +
                                         ": rewritten in place: a new file cannot keep the "
                                         "extended attribute security.origin: Operation not "
                                         "permitted"
                        ? 0
                        : 1);
        }
        EXPECT_EQ(0, waitFor(child));
        EXPECT_EQ(before, inodeOf(storePath_));
        EXPECT_EQ(labelled, attributesOf(storePath_));
        EXPECT_NE(std::string::npos, readFile(storePath_).find("\"PriQ\"=\"4\""));
        useStore();
        key = openKey();
    }

    ASSERT_EQ(0, ::chmod(storePath_.c_str(), 0444));
    std::string unchanged = readFile(storePath_);
    setValue(key, "PriQ", REG_SZ, {'2', 0});
    EXPECT_EQ(ERROR_CANTWRITE, RegFlushKey(key));
    EXPECT_EQ(unchanged, readFile(storePath_));
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

// Each child sets its own values, saving after each, all children starting together; a save
// holds its lock a little while (`pause` ms), as on a slow disk.
void saveManyTimes(const std::string& path, int child, int rounds, int pause, int startPipe) {
    char go = 0;
    if (::read(startPipe, &go, 1) < 0)
        ::_exit(2);
    std::string error;
    if (!portable::useRegistryFile(path, &error))
        ::_exit(3);
    portable::RegistryFaults faults;
    faults.pauseWhileLockedMs = pause;
    portable::setRegistryFaults(faults);
    for (int i = 0; i < rounds; ++i) {
        HKEY key = nullptr;
        if (RegCreateKeyA(HKEY_LOCAL_MACHINE, kServiceKey, &key) != ERROR_SUCCESS)
            ::_exit(4);
        std::string name = "child" + std::to_string(child) + "_" + std::to_string(i);
        BYTE data[] = {static_cast<BYTE>('0' + child), 0};
        if (RegSetValueExA(key, name.c_str(), 0, REG_SZ, data, 2) != ERROR_SUCCESS)
            ::_exit(5);
        if (RegFlushKey(key) != ERROR_SUCCESS) {
            std::fprintf(stderr, "%s\n", portable::lastRegistrySaveError().c_str());
            ::_exit(6);
        }
        RegCloseKey(key);
    }
    ::_exit(0);
}

// Reads the store again and again until told to stop: every read is of a whole file.
void readUntilStopped(const std::string& path, int stopPipe) {
    int reads = 0;
    char stop = 0;
    ::fcntl(stopPipe, F_SETFL, O_NONBLOCK);
    while (::read(stopPipe, &stop, 1) < 0) {
        std::string error;
        if (!portable::useRegistryFile(path, &error)) {
            std::fprintf(stderr, "read %d: %s\n", reads, error.c_str());
            ::_exit(1);
        }
        ++reads;
    }
    ::_exit(reads > 0 ? 0 : 2);
}

// Writers of every kind at once: the store's owner's administrator (root, who replaces the
// file), a member of its group and a user its ACL lets write (who rewrite it in place, the folder
// being root's), each holding the lock a while, and a reader meanwhile. No update is lost, no
// read is of half a file, and the file is still the same file to its users.
TEST_F(RegistryPersistence, WritersOfEveryKindSavingAtOnceLoseNothing) {
    const bool root = ::geteuid() == 0;
    std::vector<User> writers{{::geteuid(), ::getegid(), {}}, {::geteuid(), ::getegid(), {}}};
    if (root) {
        writers = {{0, 0, {}}, {4321, 4321, {4322}}, {4323, 4323, {}}};
        ASSERT_EQ(0, ::chmod(dir_.c_str(), 0755));
        ASSERT_EQ(0, ::chown(storePath_.c_str(), 4320, 4322));
        ASSERT_EQ(0, ::chmod(storePath_.c_str(), 0664));
        ASSERT_EQ(0, std::system(("setfacl -m u:4323:rw " + storePath_).c_str()));
    }
    const std::string attributes = attributesOf(storePath_);
    constexpr int kRounds = 20;
    int start[2], stop[2];
    ASSERT_EQ(0, ::pipe(start));
    ASSERT_EQ(0, ::pipe(stop));
    std::vector<pid_t> children;
    for (size_t child = 0; child < writers.size(); ++child) {
        pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::close(start[1]);
            become(writers[child]);
            saveManyTimes(storePath_, static_cast<int>(child), kRounds, 1 + static_cast<int>(child),
                          start[0]);
        }
        children.push_back(pid);
    }
    pid_t reader = ::fork();
    ASSERT_GE(reader, 0);
    if (reader == 0) {
        ::close(start[0]);
        ::close(start[1]);
        ::close(stop[1]);
        become({4324, 4324, {}});
        readUntilStopped(storePath_, stop[0]);
    }
    ::close(start[0]);
    ::close(start[1]); // the writers start now
    for (pid_t pid : children)
        EXPECT_EQ(0, waitFor(pid));
    ASSERT_EQ(1, ::write(stop[1], "x", 1));
    EXPECT_EQ(0, waitFor(reader));
    ::close(stop[0]);
    ::close(stop[1]);

    useStore();
    HKEY key = openKey();
    int found = 0;
    for (size_t child = 0; child < writers.size(); ++child)
        for (int i = 0; i < kRounds; ++i) {
            std::string name = "child" + std::to_string(child) + "_" + std::to_string(i);
            found += queryValue(key, name.c_str()).first == REG_SZ;
        }
    EXPECT_EQ(kRounds * static_cast<int>(writers.size()), found);
    EXPECT_EQ((Bytes{'6', '4', 0}), queryValue(key, "RxQueueSz").second);
    RegCloseKey(key);
    struct stat st {};
    ASSERT_EQ(0, ::stat(storePath_.c_str(), &st));
    EXPECT_EQ(root ? 4320u : ::geteuid(), st.st_uid);
    EXPECT_EQ(root ? 4322u : ::getegid(), st.st_gid);
    EXPECT_EQ(attributes, attributesOf(storePath_));
    EXPECT_EQ((std::vector<std::string>{"store.reg"}), filesIn(dir_));
}

} // namespace
