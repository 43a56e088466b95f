// The store kept in a SYSTEM hive: what a save writes into the hive as hivex reads it back, what
// it keeps of the file, the saves it refuses, and a hive left dirty by a crash, brought up to
// date from its transaction logs.
#include "registry_fixture.h"
#include "test_hive.h"
#include "test_hive_logs.h"

#include "platform/portable/advapi32/hivelog/hive_recovery.h"
#include "platform/portable/advapi32/hivelog/le_bytes.h"
#include "platform/portable/advapi32/hivelog/marvin32.h"

#include <hivex.h>

#include <algorithm>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <iterator>
#include <sched.h>
#include <set>
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

// The states a crashed hive's logs carry it to: Select\Replayed set to 2, then 3; and 4 with a
// value of 40000 bytes beside it, which needs hive bins the hive lacks.
struct LaterStates {
    std::string dirtyHive;
    std::string twoBins, threeBins, grownBins;
};

using portable::hivelog::le32;
using test_support::newFormatLog;
using test_support::oldFormatLog;
using LogFiles = std::vector<std::pair<std::string, std::string>>; // name, bytes

struct LogCase {
    const char* name;
    std::function<LogFiles(const LaterStates&)> logs;
    bool damageBaseBlock; // the hive's base block is damaged too
    DWORD replayed;       // Select\Replayed as the store shows it (0: absent, the hive as is)
    bool written;         // a save goes through
    const char* said;     // in the replay note, or in the notice of a hive not written
};

const LogCase kLogCases[] = {
    // The entries of both logs apply in the order of their sequence numbers, whichever log
    // holds them; names are matched without regard to case.
    {"two logs, entries split and out of file order",
     [](const LaterStates& s) {
         return LogFiles{{"system.log1", newFormatLog(s.dirtyHive, {{3, s.threeBins}})},
                         {"SYSTEM.LOG2", newFormatLog(s.dirtyHive, {{2, s.twoBins}})}};
     },
     false, 3, true, "replayed SYSTEM.LOG2 and system.log1 into the hive"},
    {"an entry whose hash is wrong stops the replay, the ones before it stand",
     [](const LaterStates& s) {
         return LogFiles{
             {"SYSTEM.LOG1", newFormatLog(s.dirtyHive, {{2, s.twoBins}, {3, s.threeBins, true}})}};
     },
     false, 2, true, "its hash is wrong"},
    {"the hive grows to the entry's hive bins",
     [](const LaterStates& s) {
         return LogFiles{{"SYSTEM.LOG1", newFormatLog(s.dirtyHive, {{2, s.grownBins}})}};
     },
     false, 4, true, "1 log entry (sequence numbers 2 to 2)"},
    {"a log cut short in its only entry holds nothing that applies",
     [](const LaterStates& s) {
         std::string log = newFormatLog(s.dirtyHive, {{2, s.twoBins}});
         return LogFiles{{"SYSTEM.LOG1", log.substr(0, log.size() - 512)}};
     },
     false, 0, false, "the entry at byte 512: its size does not fit the log"},
    {"entries older than the hive are not applied",
     [](const LaterStates& s) {
         return LogFiles{{"SYSTEM.LOG1", newFormatLog(s.dirtyHive, {{1, s.twoBins}})}};
     },
     false, 0, false, "no entry with a sequence number from 2 on"},
    {"old format: the dirty pages of the log written with the hive",
     [](const LaterStates& s) {
         return LogFiles{{"SYSTEM.LOG1", oldFormatLog(s.dirtyHive, s.grownBins)},
                         {"SYSTEM.LOG2", ""}};
     },
     false, 4, true, "dirty pages of 512 bytes (old format)"},
    {"old format, the hive's base block damaged: taken from the log",
     [](const LaterStates& s) {
         return LogFiles{{"SYSTEM.LOG", oldFormatLog(s.dirtyHive, s.twoBins)}};
     },
     true, 2, true, "its damaged base block taken from the log"},
    {"old format: a log of another write of the hive",
     [](const LaterStates& s) {
         std::string written = s.dirtyHive;
         written[12] ^= 1; // the hive's timestamp when the log was written
         return LogFiles{{"SYSTEM.LOG1", oldFormatLog(written, s.twoBins)}};
     },
     false, 0, false, "belongs to another write"},
    {"no logs", [](const LaterStates&) { return LogFiles{}; }, false, 0, false,
     "Looked for SYSTEM.LOG1, SYSTEM.LOG2 and SYSTEM.LOG beside it"},
};

// A dirty hive is shown as its logs bring it up to date (or as it is when they cannot), a
// save writes it clean with the change, or is refused with the file as it was; the logs are
// never touched.
TEST_F(HiveStore, ADirtyHiveIsShownAndSavedAsItsLogsBringItUpToDate) {
    LaterStates states;
    states.twoBins =
        test_support::hiveBinsOf(test_support::changedHive(storePath_, "Replayed", 2, 0));
    states.threeBins =
        test_support::hiveBinsOf(test_support::changedHive(storePath_, "Replayed", 3, 0));
    states.grownBins =
        test_support::hiveBinsOf(test_support::changedHive(storePath_, "Replayed", 4, 40000));
    ASSERT_TRUE(test_support::markHiveDirty(storePath_));
    states.dirtyHive = readFile(storePath_);
    ASSERT_EQ(2u, le32(states.dirtyHive, 8)) << "the sequence numbers the cases expect";
    ASSERT_GT(states.grownBins.size(), test_support::hiveBinsOf(states.dirtyHive).size());

    for (const LogCase& c : kLogCases) {
        SCOPED_TRACE(c.name);
        for (const std::string& name : entriesOf(dir_))
            ::unlink((dir_ + "/" + name).c_str());
        std::string hive = states.dirtyHive;
        if (c.damageBaseBlock)
            hive[0x100] ^= 1;
        writeFile(storePath_, hive);
        LogFiles logs = c.logs(states);
        for (const auto& [name, bytes] : logs)
            writeFile(dir_ + "/" + name, bytes);
        useStore();

        HKEY select = openKey("System\\Select");
        auto shown = queryValue(select, "Replayed");
        RegCloseKey(select);
        EXPECT_EQ(c.replayed, shown.second.empty() ? 0u : shown.second[0]);
        std::string said = c.written ? portable::registryReplayNote() : portable::registryNotice();
        EXPECT_NE(std::string::npos, said.find(c.said)) << said;
        EXPECT_EQ(c.written, portable::registryNotice().empty()) << portable::registryNotice();

        HKEY key = createKey();
        setValue(key, "PriQ", REG_SZ, {'1', 0});
        EXPECT_EQ(c.written ? ERROR_SUCCESS : ERROR_CANTWRITE, RegFlushKey(key));
        RegCloseKey(key);
        std::string after = readFile(storePath_);
        if (c.written) {
            EXPECT_EQ(le32(after, 4), le32(after, 8)) << "written clean";
            EXPECT_EQ(Bytes({static_cast<BYTE>(c.replayed), 0, 0, 0}),
                      hiveValue(storePath_, {"Select"}, "Replayed").data);
            EXPECT_EQ(Bytes({'1', 0, 0, 0}),
                      hiveValue(storePath_, kCurrentParameters, "PriQ").data);
        } else {
            EXPECT_TRUE(after == hive) << "a hive its logs cannot bring up to date was written";
            EXPECT_NE(std::string::npos, portable::lastRegistrySaveError().find("SYSTEM.LOG1"));
        }
        for (const auto& [name, bytes] : logs)
            EXPECT_TRUE(readFile(dir_ + "/" + name) == bytes) << name << " was touched";
    }
}

// The full names of a hive's keys, as hivex reads them.
std::set<std::string> keysOf(const std::string& path) {
    std::set<std::string> keys;
    hive_h* hive = hivex_open(path.c_str(), 0);
    if (!hive)
        return keys;
    std::vector<std::pair<hive_node_h, std::string>> pending{{hivex_root(hive), ""}};
    while (!pending.empty()) {
        auto [node, name] = pending.back();
        pending.pop_back();
        keys.insert(name);
        hive_node_h* children = hivex_node_children(hive, node);
        for (hive_node_h* child = children; child && *child; ++child) {
            char* childName = hivex_node_name(hive, *child);
            pending.emplace_back(*child, name + "\\" + (childName ? childName : "?"));
            std::free(childName);
        }
        std::free(children);
    }
    hivex_close(hive);
    return keys;
}

std::string unxz(const std::string& path) {
    std::string bytes;
    if (FILE* pipe = ::popen(("xz -dc '" + path + "'").c_str(), "r")) {
        char buffer[65536];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            bytes.append(buffer, n);
        ::pclose(pipe);
    }
    return bytes;
}

// A user hive that Windows 10 left dirty, its logs named in lower case: the entries from the
// first log's base block on apply, across a gap from the hive's own sequence number; the keys
// it gains and loses are those another published replay of the same files counts (527).
TEST_F(HiveStore, AHiveWindowsLeftDirtyIsReplayedFromItsLogs) {
    const std::string data = std::string(QUORLAN_REGISTRY_TEST_DATA) + "/ntuser-transactions/";
    for (const char* name : {"NTUSER.DAT", "ntuser.dat.log1", "ntuser.dat.log2"})
        writeFile(dir_ + "/" + name, unxz(data + name + ".xz"));
    int folder = ::open(dir_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(folder, 0);
    std::vector<portable::hivelog::HiveLog> logs =
        portable::hivelog::readHiveLogs(folder, "NTUSER.DAT");
    ::close(folder);
    std::string hive = readFile(dir_ + "/NTUSER.DAT");
    ASSERT_EQ(1048576u, hive.size());

    portable::hivelog::HiveRecovery recovery = portable::hivelog::replayLogs(&hive, logs);
    EXPECT_TRUE(recovery.replayed) << recovery.problem;
    EXPECT_EQ(portable::hivelog::LogFormat::New, recovery.format);
    EXPECT_EQ((std::vector<std::string>{"ntuser.dat.log1"}), recovery.logsUsed);
    EXPECT_EQ(23u, recovery.applied);
    EXPECT_EQ(566u, recovery.firstSequence);
    EXPECT_EQ(589u, recovery.sequenceAfter);
    EXPECT_EQ(589u, le32(hive, 4));
    EXPECT_EQ(589u, le32(hive, 8));

    writeFile(dir_ + "/replayed", hive);
    std::set<std::string> before = keysOf(dir_ + "/NTUSER.DAT"), after = keysOf(dir_ + "/replayed");
    std::vector<std::string> changed;
    std::set_symmetric_difference(before.begin(), before.end(), after.begin(), after.end(),
                                  std::back_inserter(changed));
    EXPECT_EQ(527u, changed.size());
    EXPECT_EQ(before.size() + 521 - 6, after.size());
}

// The hash that vouches for a log entry, pinned on the header of an entry that Windows wrote
// (so that the logs the cases above make are hashed as Windows hashes them).
TEST(LogEntryHash, IsTheOneWindowsWrites) {
    const unsigned char header[32] = {'H',  'v',  'L',  'E',  0x00, 0x5E, 0x00, 0x00,
                                      0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00,
                                      0x00, 0x50, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00,
                                      0x31, 0xE4, 0x07, 0x18, 0x66, 0x6C, 0x86, 0x67};
    std::string_view bytes(reinterpret_cast<const char*>(header), sizeof header);
    EXPECT_EQ(0xCD44F3CFA7657F02ull,
              portable::hivelog::marvin32(bytes, portable::hivelog::kLogEntrySeed));
}

} // namespace
