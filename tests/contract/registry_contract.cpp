// The registry functions as quorlan relies on them: status codes, buffer rules for text with and
// without a terminator, names without regard to case, and handles. Every test works below a key of
// its own under HKEY_CURRENT_USER and removes it afterwards.
#include "platform/win32.h"
#include "system_registry.h"
#include "wide_text_key.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr const char* kTestRoot = "Software\\QuorlanRegistryContract";

class RegistryContract : public ::testing::Test {
  protected:
    void SetUp() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, kTestRoot);
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, kTestRoot, 0, nullptr, 0,
                                                 KEY_ALL_ACCESS, nullptr, &key_, nullptr));
    }
    void TearDown() override {
        RegCloseKey(key_);
        RegDeleteTreeA(HKEY_CURRENT_USER, kTestRoot);
    }

    LONG set(const char* name, DWORD type, const void* data, DWORD size) {
        return RegSetValueExA(key_, name, 0, type, static_cast<const BYTE*>(data), size);
    }
    DWORD sizeOf(const char* name) {
        DWORD size = 0;
        EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExA(key_, name, nullptr, nullptr, nullptr, &size));
        return size;
    }

    HKEY key_ = nullptr;
};

TEST_F(RegistryContract, TextWrittenWithItsTerminatorReadsBack) {
    ASSERT_EQ(ERROR_SUCCESS, set("RxQueueSz", REG_SZ, "64", 3));
    char buffer[256];
    DWORD type = 0;
    DWORD size = sizeof buffer;
    ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExA(key_, "rxqueuesz", nullptr, &type,
                                              reinterpret_cast<BYTE*>(buffer), &size));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    EXPECT_EQ(3u, size);
    EXPECT_STREQ("64", buffer);
}

TEST_F(RegistryContract, EmptyTextIsOneByte) {
    ASSERT_EQ(ERROR_SUCCESS, set("NetworkAddress", REG_SZ, "", 1));
    EXPECT_EQ(1u, sizeOf("NetworkAddress"));
}

TEST_F(RegistryContract, ForgottenTerminatorIsCountedWhenItFollowsTheData) {
    ASSERT_EQ(ERROR_SUCCESS, set("v", REG_SZ, "64", 2));
    EXPECT_EQ(3u, sizeOf("v"));
    ASSERT_EQ(ERROR_SUCCESS, set("b", REG_BINARY, "64", 2));
    EXPECT_EQ(2u, sizeOf("b"));
}

TEST_F(RegistryContract, TextWithoutTerminatorFillingTheBufferGetsNone) {
    ASSERT_EQ(ERROR_SUCCESS, set("v", REG_SZ, "abcd", 3)); // 'd' follows: stored as 3 bytes
    BYTE buffer[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    DWORD size = 3;
    ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExA(key_, "v", nullptr, nullptr, buffer, &size));
    EXPECT_EQ(3u, size);
    EXPECT_EQ(0, std::memcmp(buffer, "abc\xEE", 4));
}

TEST_F(RegistryContract, TextWithoutTerminatorGetsOneWhenThereIsRoom) {
    ASSERT_EQ(ERROR_SUCCESS, set("v", REG_SZ, "abcd", 3));
    BYTE buffer[6] = {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
    DWORD size = 5;
    ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExA(key_, "v", nullptr, nullptr, buffer, &size));
    EXPECT_EQ(3u, size);
    EXPECT_EQ(0, std::memcmp(buffer, "abc\0\xEE\xEE", 6));
}

TEST_F(RegistryContract, ValueThatDoesNotFitReportsItsSize) {
    std::vector<char> text(300, 'x');
    text.back() = 0;
    ASSERT_EQ(ERROR_SUCCESS, set("Long", REG_SZ, text.data(), 300));
    BYTE buffer[256];
    DWORD type = 0;
    DWORD size = sizeof buffer;
    EXPECT_EQ(ERROR_MORE_DATA, RegQueryValueExA(key_, "Long", nullptr, &type, buffer, &size));
    EXPECT_EQ(300u, size);
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
}

TEST_F(RegistryContract, AnyTypeIsReturnedAsItsBytes) {
    DWORD number = 0x12345678;
    ASSERT_EQ(ERROR_SUCCESS, set("Dword", REG_DWORD, &number, sizeof number));
    BYTE buffer[8] = {};
    DWORD type = 0;
    DWORD size = sizeof buffer;
    ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExA(key_, "Dword", nullptr, &type, buffer, &size));
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), type);
    EXPECT_EQ(4u, size);
    EXPECT_EQ(0, std::memcmp(buffer, "\x78\x56\x34\x12", 4));
}

TEST_F(RegistryContract, MissingValuesAndKeys) {
    EXPECT_EQ(ERROR_FILE_NOT_FOUND,
              RegQueryValueExA(key_, "None", nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegDeleteValueA(key_, "None"));
    HKEY sub = nullptr;
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyA(key_, "Missing\\Parameters", &sub));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyExA(key_, "Missing", 0, KEY_ALL_ACCESS, &sub));
}

TEST_F(RegistryContract, DeletedValueIsGone) {
    ASSERT_EQ(ERROR_SUCCESS, set("VLANID", REG_SZ, "7", 2));
    EXPECT_EQ(ERROR_SUCCESS, RegDeleteValueA(key_, "vlanid"));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND,
              RegQueryValueExA(key_, "VLANID", nullptr, nullptr, nullptr, nullptr));
}

TEST_F(RegistryContract, OpenKeyWithoutSubkeyGivesTheSameHandle) {
    HKEY same = nullptr;
    EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyA(key_, "", &same));
    EXPECT_EQ(key_, same);
}

TEST_F(RegistryContract, CreateKeyWithoutSubkeyGivesANewHandle) {
    HKEY other = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(key_, "", &other));
    EXPECT_NE(key_, other);
    EXPECT_EQ(ERROR_SUCCESS,
              RegSetValueExA(other, "v", 0, REG_SZ, reinterpret_cast<const BYTE*>("1"), 2));
    EXPECT_EQ(2u, sizeOf("v"));
    EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(other));
}

TEST_F(RegistryContract, KeyPathsIgnoreCaseAndOpenForWriting) {
    HKEY created = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(key_, "Services\\Veloxa\\Parameters", &created));
    RegCloseKey(created);
    HKEY opened = nullptr;
    ASSERT_EQ(ERROR_SUCCESS,
              RegOpenKeyExA(key_, "SERVICES\\veloxa\\parameters", 0, KEY_ALL_ACCESS, &opened));
    EXPECT_EQ(ERROR_SUCCESS,
              RegSetValueExA(opened, "PriQ", 0, REG_SZ, reinterpret_cast<const BYTE*>("1"), 2));
    EXPECT_EQ(ERROR_SUCCESS, RegFlushKey(opened));
    EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(opened));
}

TEST_F(RegistryContract, ReadOnlyHandleRefusesWrites) {
    HKEY reader = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, kTestRoot, 0, KEY_READ, &reader));
    EXPECT_EQ(ERROR_ACCESS_DENIED,
              RegSetValueExA(reader, "v", 0, REG_SZ, reinterpret_cast<const BYTE*>("1"), 2));
    RegCloseKey(reader);
}

TEST_F(RegistryContract, KeyWithSubkeysIsNotDeleted) {
    HKEY created = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(key_, "Parent\\Child", &created));
    RegCloseKey(created);
    EXPECT_EQ(ERROR_ACCESS_DENIED, RegDeleteKeyA(key_, "Parent"));
    EXPECT_EQ(ERROR_SUCCESS, RegDeleteTreeA(key_, "Parent"));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegDeleteKeyA(key_, "Parent"));
}

TEST_F(RegistryContract, ClosingHandles) {
    HKEY opened = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, kTestRoot, 0, KEY_READ, &opened));
    EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(opened));
    EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(HKEY_LOCAL_MACHINE));
    EXPECT_EQ(ERROR_INVALID_HANDLE, RegCloseKey(nullptr));
}

TEST_F(RegistryContract, SubkeysEnumerateInNameOrder) {
    for (const char* name : {"beta", "Alpha", "GAMMA"}) {
        HKEY created = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(key_, name, &created));
        RegCloseKey(created);
    }
    std::vector<std::string> names;
    char name[16];
    DWORD size = sizeof name;
    for (DWORD i = 0;
         RegEnumKeyExA(key_, i, name, &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
         ++i, size = sizeof name)
        names.push_back(name);
    EXPECT_EQ((std::vector<std::string>{"Alpha", "beta", "GAMMA"}), names);
}

TEST_F(RegistryContract, BufferTooSmallIsLeftAlone) {
    ASSERT_EQ(ERROR_SUCCESS, set("v", REG_SZ, "abc", 4));
    BYTE buffer[3] = {0xEE, 0xEE, 0xEE};
    DWORD size = sizeof buffer;
    EXPECT_EQ(ERROR_MORE_DATA, RegQueryValueExA(key_, "v", nullptr, nullptr, buffer, &size));
    EXPECT_EQ(4u, size);
    EXPECT_EQ(0, std::memcmp(buffer, "\xEE\xEE\xEE", 3));
}

TEST_F(RegistryContract, MissingValueHasTypeNone) {
    DWORD type = REG_SZ;
    EXPECT_EQ(ERROR_FILE_NOT_FOUND,
              RegQueryValueExA(key_, "None", nullptr, &type, nullptr, nullptr));
    EXPECT_EQ(static_cast<DWORD>(REG_NONE), type);
}

TEST_F(RegistryContract, LeadingBackslashIsABadPath) {
    HKEY sub = nullptr;
    EXPECT_EQ(ERROR_BAD_PATHNAME, RegOpenKeyExA(key_, "\\Sub", 0, KEY_READ, &sub));
    EXPECT_EQ(ERROR_BAD_PATHNAME, RegCreateKeyA(key_, "\\Sub", &sub));
}

TEST_F(RegistryContract, CreateTellsNewFromExisting) {
    HKEY created = nullptr;
    DWORD disposition = 0;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(key_, "A\\B", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                             &created, &disposition));
    EXPECT_EQ(static_cast<DWORD>(REG_CREATED_NEW_KEY), disposition);
    RegCloseKey(created);
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(key_, "a\\b\\", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                             &created, &disposition));
    EXPECT_EQ(static_cast<DWORD>(REG_OPENED_EXISTING_KEY), disposition);
    RegCloseKey(created);
}

TEST_F(RegistryContract, HandleOfADeletedKey) {
    HKEY child = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(key_, "Gone", &child));
    ASSERT_EQ(ERROR_SUCCESS, RegDeleteKeyA(key_, "Gone"));
    EXPECT_EQ(ERROR_KEY_DELETED,
              RegSetValueExA(child, "v", 0, REG_SZ, reinterpret_cast<const BYTE*>("1"), 2));
    EXPECT_EQ(ERROR_KEY_DELETED, RegQueryValueExA(child, "v", nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(child));
}

TEST_F(RegistryContract, DeleteTreeWithoutSubkeyEmptiesTheKey) {
    HKEY child = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(key_, "Sub", &child));
    RegCloseKey(child);
    ASSERT_EQ(ERROR_SUCCESS, set("v", REG_SZ, "1", 2));
    EXPECT_EQ(ERROR_SUCCESS, RegDeleteTreeA(key_, nullptr));
    DWORD subKeys = 9, values = 9;
    EXPECT_EQ(ERROR_SUCCESS,
              RegQueryInfoKeyA(key_, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values,
                               nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(0u, subKeys);
    EXPECT_EQ(0u, values);
}

TEST_F(RegistryContract, NamesThatDoNotFit) {
    HKEY child = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(key_, "Alpha", &child));
    RegCloseKey(child);
    char name[5];
    DWORD size = sizeof name;
    EXPECT_EQ(ERROR_MORE_DATA,
              RegEnumKeyExA(key_, 0, name, &size, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(5u, size);
    ASSERT_EQ(ERROR_SUCCESS, set("LongName", REG_SZ, "1", 2));
    size = sizeof name;
    DWORD type = 0, dataSize = 0;
    EXPECT_EQ(ERROR_MORE_DATA,
              RegEnumValueA(key_, 0, name, &size, nullptr, &type, nullptr, &dataSize));
    EXPECT_STREQ("Long", name);
    EXPECT_EQ(2u, dataSize);
}

// A key name is at most 255 characters (Wine takes 256, Microsoft documents 255: 256 is not
// tested). The ANSI functions convert a subkey path into a buffer of MAX_PATH + 1 characters
// first: a longer one fails before anything is looked up, even a missing key.
TEST_F(RegistryContract, NamesWindowsRefuses) {
    auto create = [&](const std::string& name) {
        HKEY child = nullptr;
        LONG status = RegCreateKeyExA(key_, name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                      &child, nullptr);
        if (status == ERROR_SUCCESS)
            RegCloseKey(child);
        return status;
    };
    auto open = [&](const std::string& name) {
        HKEY child = nullptr;
        LONG status = RegOpenKeyExA(key_, name.c_str(), 0, KEY_READ, &child);
        if (status == ERROR_SUCCESS)
            RegCloseKey(child);
        return status;
    };
    const std::string longest(255, 'a'), tooLong(257, 'b'), service(300, 'c');
    EXPECT_EQ(ERROR_SUCCESS, create(longest));
    EXPECT_EQ(ERROR_SUCCESS, open(longest));
    EXPECT_EQ(ERROR_INVALID_PARAMETER, create(tooLong));
    EXPECT_EQ(ERROR_INVALID_PARAMETER, open(tooLong));
    EXPECT_EQ(ERROR_INVALID_PARAMETER, create("n\\" + tooLong));
    EXPECT_EQ(ERROR_INVALID_PARAMETER, RegDeleteKeyA(key_, tooLong.c_str()));
    EXPECT_EQ(ERROR_INVALID_PARAMETER, RegDeleteTreeA(key_, service.c_str()));
    EXPECT_EQ(ERROR_MORE_DATA, create(service));
    EXPECT_EQ(ERROR_MORE_DATA, open(service));
    EXPECT_EQ(ERROR_MORE_DATA, RegDeleteKeyA(key_, service.c_str()));

    // 260 characters of short names fit; one more does not.
    std::string path;
    while (path.size() < 250)
        path += "abcdefghi\\";
    path += "0123456789";
    ASSERT_EQ(260u, path.size());
    EXPECT_EQ(ERROR_SUCCESS, create(path));
    EXPECT_EQ(ERROR_MORE_DATA, create(path + "x"));

    // A value name is at most 16,383 characters.
    const std::string longestValue(16383, 'v'), tooLongValue(16384, 'w');
    EXPECT_EQ(ERROR_SUCCESS, set(longestValue.c_str(), REG_SZ, "1", 2));
    EXPECT_EQ(2u, sizeOf(longestValue.c_str()));
    EXPECT_EQ(ERROR_INVALID_PARAMETER, set(tooLongValue.c_str(), REG_SZ, "1", 2));
    DWORD size = 0;
    EXPECT_EQ(ERROR_FILE_NOT_FOUND,
              RegQueryValueExA(key_, tooLongValue.c_str(), nullptr, nullptr, nullptr, &size));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegDeleteValueA(key_, tooLongValue.c_str()));
}

} // namespace

namespace {

std::vector<BYTE> utf16(const char* ascii, size_t terminatorBytes = 2) {
    std::vector<BYTE> bytes;
    for (const char* c = ascii; *c; ++c) {
        bytes.push_back(static_cast<BYTE>(*c));
        bytes.push_back(0);
    }
    bytes.insert(bytes.end(), terminatorBytes, 0);
    return bytes;
}

// What RegQueryValueExA returns of a value: status, size and the bytes it wrote into a buffer
// of `capacity` bytes filled with 0xEE beforehand.
struct Query {
    LONG status;
    DWORD size;
    std::vector<BYTE> buffer;
    bool operator==(const Query& other) const {
        return status == other.status && size == other.size && buffer == other.buffer;
    }
};

std::ostream& operator<<(std::ostream& out, const Query& query) {
    out << "status " << query.status << ", size " << query.size << ", bytes";
    for (BYTE byte : query.buffer)
        out << " " << static_cast<int>(byte);
    return out;
}

Query queryValue(HKEY key, const char* name, DWORD capacity) {
    Query query{0, capacity, std::vector<BYTE>(capacity, 0xEE)};
    query.status = RegQueryValueExA(key, name, nullptr, nullptr, query.buffer.data(), &query.size);
    return query;
}

std::vector<BYTE> bytes(const char* text, size_t size) {
    return std::vector<BYTE>(text, text + size);
}

} // namespace

// Text the registry keeps as UTF-16 reads through the A functions in the ANSI code page
// (Windows-1252), one byte per whole UTF-16 unit: the sizes are those of the converted text,
// half the stored ones.
TEST(RegistryWideTextContract, TextReadsConvertedWithTheConvertedSizes) {
    WideTextKey wide;
    ASSERT_TRUE(wide.open({{"Media", REG_SZ, utf16("Force 100 Full")},
                           {"Euro", REG_SZ, {0xAC, 0x20, 0xE9, 0x00, 0x00, 0x00}},
                           {"Multi", REG_MULTI_SZ, {'a', 0, 0, 0, 'b', 0, 0, 0, 0, 0}},
                           {"Binary", REG_BINARY, utf16("64")}}));
    HKEY key = wide.key();
    DWORD size = 0;
    ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExA(key, "Media", nullptr, nullptr, nullptr, &size));
    EXPECT_EQ(15u, size);

    EXPECT_EQ((Query{ERROR_SUCCESS, 3, bytes("\x80\xE9\0\xEE", 4)}), queryValue(key, "Euro", 4));
    // Text with an odd last byte is not pinned here: 32- and 64-bit Wine read it differently.
    EXPECT_EQ((Query{ERROR_SUCCESS, 5, bytes("a\0b\0\0\xEE\xEE\xEE", 8)}),
              queryValue(key, "Multi", 8));
    // Other types are their bytes.
    EXPECT_EQ((Query{ERROR_SUCCESS, 6,
                     bytes("6\0"
                           "4\0\0\0\xEE\xEE",
                           8)}),
              queryValue(key, "Binary", 8));
}

namespace {

constexpr const char* kViaLink = "System\\CurrentControlSet\\Services\\QuorlanControlSetContract";
constexpr const char* kViaName = "System\\ControlSet001\\Services\\QuorlanControlSetContract";

bool sameNameIgnoringCase(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b)
        if (std::tolower(static_cast<unsigned char>(*a)) !=
            std::tolower(static_cast<unsigned char>(*b)))
            return false;
    return *a == *b;
}

bool listsSubkey(HKEY key, const char* wanted) {
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD size = sizeof name;
        if (RegEnumKeyExA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            return false;
        if (sameNameIgnoringCase(name, wanted))
            return true;
    }
}

} // namespace

// The control set in use is never deleted through CurrentControlSet (ControlSetHasTwoNames pins
// the same for its own name, where the registry has one).
TEST(RegistryControlSetContract, CurrentControlSetIsNotDeleted) {
    SystemRegistry system;
    ASSERT_TRUE(system.open());
    EXPECT_EQ(ERROR_ACCESS_DENIED, RegDeleteKeyA(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet"));
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS,
              RegOpenKeyExA(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Services", 0, KEY_READ,
                            &key));
    RegCloseKey(key);
}

// The control set in use has two names, its own (ControlSet001) and CurrentControlSet: the same
// key to every function, both listed, and deleting it by either name is refused.
TEST(RegistryControlSetContract, ControlSetHasTwoNames) {
    SystemRegistry system;
    ASSERT_TRUE(system.open());
    HKEY viaLink = nullptr, viaName = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "System\\ControlSet001", 0, KEY_READ, &viaName) ==
        ERROR_FILE_NOT_FOUND)
        GTEST_SKIP() << "this registry keeps CurrentControlSet as a key of its own, with no "
                        "ControlSet001 (Wine 8)";
    RegCloseKey(viaName);
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, kViaLink, 0, nullptr, 0,
                                             KEY_ALL_ACCESS, nullptr, &viaLink, nullptr));
    ASSERT_EQ(ERROR_SUCCESS,
              RegOpenKeyExA(HKEY_LOCAL_MACHINE, kViaName, 0, KEY_ALL_ACCESS, &viaName));
    EXPECT_EQ(ERROR_SUCCESS,
              RegSetValueExA(viaLink, "Media", 0, REG_SZ, reinterpret_cast<const BYTE*>("4"), 2));
    EXPECT_EQ(ERROR_SUCCESS,
              RegSetValueExA(viaName, "PriQ", 0, REG_SZ, reinterpret_cast<const BYTE*>("1"), 2));
    char data[8] = {};
    DWORD size = sizeof data;
    EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExA(viaName, "Media", nullptr, nullptr,
                                              reinterpret_cast<BYTE*>(data), &size));
    EXPECT_STREQ("4", data);
    size = sizeof data;
    EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExA(viaLink, "PriQ", nullptr, nullptr,
                                              reinterpret_cast<BYTE*>(data), &size));
    EXPECT_STREQ("1", data);
    EXPECT_EQ(ERROR_SUCCESS, RegDeleteValueA(viaName, "Media"));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND,
              RegQueryValueExA(viaLink, "Media", nullptr, nullptr, nullptr, nullptr));

    HKEY systemKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, "System", 0, KEY_READ, &systemKey));
    EXPECT_TRUE(listsSubkey(systemKey, "ControlSet001"));
    EXPECT_TRUE(listsSubkey(systemKey, "CurrentControlSet"));
    RegCloseKey(systemKey);
    EXPECT_EQ(ERROR_ACCESS_DENIED, RegDeleteKeyA(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet"));
    EXPECT_EQ(ERROR_ACCESS_DENIED, RegDeleteKeyA(HKEY_LOCAL_MACHINE, "System\\ControlSet001"));

    RegCloseKey(viaLink);
    RegCloseKey(viaName);
    EXPECT_EQ(ERROR_SUCCESS, RegDeleteKeyA(HKEY_LOCAL_MACHINE, kViaName));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND,
              RegOpenKeyExA(HKEY_LOCAL_MACHINE, kViaLink, 0, KEY_READ, &viaLink));
}
