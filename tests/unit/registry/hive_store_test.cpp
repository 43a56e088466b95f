// The store kept in a SYSTEM hive: what a save writes into the hive as hivex reads it back, what
// it keeps of the file, and the saves it refuses.
#include "registry_fixture.h"
#include "test_hive.h"

#include <hivex.h>

#include <dirent.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace registry_test;

namespace {

std::vector<std::string> entriesOf(const std::string& dir) {
    std::vector<std::string> names;
    if (DIR* d = ::opendir(dir.c_str())) {
        while (dirent* entry = ::readdir(d))
            if (std::string(entry->d_name) != "." && std::string(entry->d_name) != "..")
                names.push_back(entry->d_name);
        ::closedir(d);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// A value of the hive as hivex reads it: its name spelled in UTF-8, type and raw bytes; an
// empty name when the key or the value is missing.
struct HiveValue {
    std::string name;
    int type = 0;
    Bytes data;
};

HiveValue hiveValue(const std::string& path, const std::vector<const char*>& keys,
                    const char* name) {
    HiveValue found;
    hive_h* hive = hivex_open(path.c_str(), 0);
    hive_node_h node = hive ? hivex_root(hive) : 0;
    for (const char* key : keys)
        node = node ? hivex_node_get_child(hive, node, key) : 0;
    hive_value_h value = node ? hivex_node_get_value(hive, node, name) : 0;
    if (value) {
        char* key = hivex_value_key(hive, value);
        hive_type type = hive_t_REG_NONE;
        size_t length = 0;
        char* data = hivex_value_value(hive, value, &type, &length);
        found = {key, static_cast<int>(type), Bytes(data, data + length)};
        std::free(key);
        std::free(data);
    }
    if (hive)
        hivex_close(hive);
    return found;
}

class HiveStore : public RegistryFixture {
  protected:
    void SetUp() override {
        RegistryFixture::SetUp();
        storePath_ = dir_ + "/SYSTEM";
        std::string error;
        test_support::TestHiveOptions options;
        options.current = 2;
        ASSERT_TRUE(test_support::writeTestHive(storePath_, options, &error)) << error;
        ASSERT_EQ(0, ::chmod(storePath_.c_str(), 0640));
        useStore();
    }
};

const std::vector<const char*> kCurrentParameters = {"ControlSet002", "Services", "Veloxa",
                                                     "Parameters"};

// Text and names go to the hive as UTF-16 (hivex spells names in UTF-8) from Windows-1252,
// in the control set that Select\Current names; the file is replaced with its mode kept and
// nothing left beside it.
TEST_F(HiveStore, SaveWritesUtf16TextIntoTheCurrentControlSet) {
    HKEY key = createKey();
    setValue(key, "Caf\xE9", REG_SZ, {0x80, '5', 0});
    setValue(key, "Media", REG_DWORD, {4, 0, 0, 0});
    ASSERT_EQ(ERROR_SUCCESS, RegCloseKey(key));

    HiveValue text = hiveValue(storePath_, kCurrentParameters, "Café");
    EXPECT_EQ("Café", text.name);
    EXPECT_EQ(REG_SZ, static_cast<DWORD>(text.type));
    EXPECT_EQ((Bytes{0xAC, 0x20, '5', 0, 0, 0}), text.data);
    EXPECT_EQ((Bytes{4, 0, 0, 0}), hiveValue(storePath_, kCurrentParameters, "Media").data);
    EXPECT_EQ(
        "",
        hiveValue(storePath_, {"ControlSet001", "Services", "Veloxa", "Parameters"}, "Media").name);
    struct stat st {};
    ASSERT_EQ(0, ::stat(storePath_.c_str(), &st));
    EXPECT_EQ(0640u, st.st_mode & 07777);
    EXPECT_EQ((std::vector<std::string>{"SYSTEM"}), entriesOf(dir_));

    // Read again, the hive gives back what was written, and deleting a value deletes it alone.
    useStore();
    key = openKey();
    EXPECT_EQ((std::pair<DWORD, Bytes>{REG_SZ, {0x80, '5', 0}}), queryValue(key, "caf\xE9"));
    EXPECT_EQ(ERROR_SUCCESS, RegDeleteValueA(key, "CAF\xE9"));
    ASSERT_EQ(ERROR_SUCCESS, RegCloseKey(key));
    EXPECT_EQ("", hiveValue(storePath_, kCurrentParameters, "Café").name);
    EXPECT_EQ("Media", hiveValue(storePath_, kCurrentParameters, "Media").name);
}

// Without /proc (a minimal container), a hive is read and saved all the same, and nothing is left
// behind in the temporary folder.
TEST_F(HiveStore, ReadAndSavedWithoutProc) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "hiding /proc takes root";
    const std::string temp = dir_ + "/temp";
    ASSERT_EQ(0, ::mkdir(temp.c_str(), 0700));
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("none", "/proc", "tmpfs", 0, nullptr) != 0)
            ::_exit(2);
        ::setenv("TMPDIR", temp.c_str(), 1);
        std::string error;
        if (!portable::useRegistryFile(storePath_, &error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            ::_exit(3);
        }
        HKEY key = nullptr;
        BYTE data[] = {'7', 0};
        bool saved = RegCreateKeyA(HKEY_LOCAL_MACHINE, kServiceKey, &key) == ERROR_SUCCESS &&
                     RegSetValueExA(key, "PriQ", 0, REG_SZ, data, 2) == ERROR_SUCCESS &&
                     RegCloseKey(key) == ERROR_SUCCESS;
        ::_exit(saved && portable::useRegistryFile(storePath_, &error) ? 0 : 4);
    }
    int status = 0;
    ASSERT_EQ(child, ::waitpid(child, &status, 0));
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 2)
        GTEST_SKIP() << "no mount namespace here";
    EXPECT_EQ(0, WEXITSTATUS(status));
    EXPECT_EQ((Bytes{'7', 0, 0, 0}), hiveValue(storePath_, kCurrentParameters, "PriQ").data);
    EXPECT_EQ(std::vector<std::string>{}, entriesOf(temp));
}

// A save that cannot go through leaves the hive as it was, and says why.
TEST_F(HiveStore, RefusedSavesLeaveTheHiveAsItWas) {
    const std::string before = readFile(storePath_);
    injectFaults([](portable::RegistryFaults& f) { f.stopBeforeRename = true; });
    HKEY key = createKey();
    setValue(key, "PriQ", REG_SZ, {'1', 0});
    EXPECT_EQ(ERROR_CANTWRITE, RegFlushKey(key));
    RegCloseKey(key);
    EXPECT_TRUE(before == readFile(storePath_));
    portable::setRegistryFaults({});

    // The hive holds HKLM\System alone: a key elsewhere cannot be saved into it.
    HKEY elsewhere = createKey("Software\\Tavrix");
    EXPECT_EQ(ERROR_CANTWRITE, RegFlushKey(elsewhere));
    RegCloseKey(elsewhere);
    EXPECT_TRUE(before == readFile(storePath_));
    EXPECT_NE(std::string::npos,
              portable::lastRegistrySaveError().find("it holds HKEY_LOCAL_MACHINE\\System alone"))
        << portable::lastRegistrySaveError();

    // The control set in use is never deleted, by either of its names, nor emptied with its link.
    for (const char* name : {"System\\CurrentControlSet", "System\\ControlSet002"}) {
        EXPECT_EQ(ERROR_ACCESS_DENIED, RegDeleteTreeA(HKEY_LOCAL_MACHINE, name)) << name;
        EXPECT_EQ(ERROR_ACCESS_DENIED, RegDeleteKeyA(HKEY_LOCAL_MACHINE, name)) << name;
    }
    HKEY services = openKey("System\\ControlSet002\\Services");
    EXPECT_TRUE(before == readFile(storePath_));

    // A hive removed meanwhile is not made again, empty, by the save.
    ASSERT_EQ(0, ::unlink(storePath_.c_str()));
    setValue(services, "PriQ", REG_SZ, {'1', 0});
    EXPECT_EQ(ERROR_CANTWRITE, RegFlushKey(services));
    EXPECT_EQ(storePath_ + ": the file is gone; nothing was changed",
              portable::lastRegistrySaveError());
    EXPECT_FALSE(fileExists(storePath_));
    EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(services));
}

} // namespace
