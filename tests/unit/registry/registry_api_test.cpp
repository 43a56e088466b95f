// The Reg* functions: status codes, buffer rules, names, handles and rights, as Windows has them.
#include "registry_fixture.h"

#include <cstring>

using namespace registry_test;

namespace {

class RegistryApi : public RegistryFixture {
  protected:
    void SetUp() override {
        RegistryFixture::SetUp();
        portable::useMemoryRegistry();
        key_ = createKey();
    }
    void TearDown() override {
        RegCloseKey(key_);
        RegistryFixture::TearDown();
    }
    HKEY key_ = nullptr;
};

// ---- opening and creating ---------------------------------------------------------------------

TEST_F(RegistryApi, OpenKeyWithoutSubkeyGivesTheSameHandle) {
    HKEY same = nullptr;
    EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyA(key_, "", &same));
    EXPECT_EQ(key_, same);
    EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyA(key_, nullptr, &same));
    EXPECT_EQ(key_, same);
    EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, "", 0, KEY_READ, &same));
    EXPECT_EQ(HKEY_LOCAL_MACHINE, same);
}

TEST_F(RegistryApi, OpenKeyExWithoutSubkeyGivesANewHandleToTheKey) {
    HKEY other = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(key_, "", 0, KEY_ALL_ACCESS, &other));
    EXPECT_NE(key_, other);
    setValue(other, "v", REG_SZ, bytesOf("x"));
    EXPECT_EQ(REG_SZ, queryValue(key_, "v").first);
    RegCloseKey(other);
}

TEST_F(RegistryApi, MissingKeyIsNotFoundAndClearsTheResult) {
    HKEY key = reinterpret_cast<HKEY>(1);
    EXPECT_EQ(ERROR_FILE_NOT_FOUND,
              RegOpenKeyExA(HKEY_LOCAL_MACHINE, "No\\Such", 0, KEY_READ, &key));
    EXPECT_EQ(nullptr, key);
    EXPECT_EQ(ERROR_INVALID_PARAMETER, RegOpenKeyA(HKEY_LOCAL_MACHINE, "System", nullptr));
}

// A line break cannot be written in a key line of the registry file: such a name is refused as
// Windows refuses names it cannot take (the other limits are in the platform contract).
TEST_F(RegistryApi, PathsSkipRepeatedBackslashesButNotALeadingOneNorALineBreak) {
    HKEY key = nullptr;
    EXPECT_EQ(ERROR_SUCCESS,
              RegOpenKeyA(HKEY_LOCAL_MACHINE,
                          "system\\\\CURRENTCONTROLSET\\Services\\veloxa\\Parameters\\", &key));
    RegCloseKey(key);
    EXPECT_EQ(ERROR_BAD_PATHNAME, RegOpenKeyA(HKEY_LOCAL_MACHINE, "\\System", &key));
    EXPECT_EQ(ERROR_BAD_PATHNAME, RegCreateKeyA(HKEY_LOCAL_MACHINE, "\\System", &key));
    for (const char* name : {"Software\\Line\nBreak", "Software\\Return\r"}) {
        EXPECT_EQ(ERROR_INVALID_PARAMETER, RegCreateKeyA(HKEY_LOCAL_MACHINE, name, &key)) << name;
        EXPECT_EQ(ERROR_INVALID_PARAMETER, RegOpenKeyA(HKEY_LOCAL_MACHINE, name, &key)) << name;
    }
}

TEST_F(RegistryApi, CreateReportsWhetherTheKeyIsNew) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, "A\\B\\C", 0, nullptr, 0,
                                             KEY_ALL_ACCESS, nullptr, &key, &disposition));
    EXPECT_EQ(static_cast<DWORD>(REG_CREATED_NEW_KEY), disposition);
    RegCloseKey(key);
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, "a\\b\\c", 0, nullptr, 0,
                                             KEY_ALL_ACCESS, nullptr, &key, &disposition));
    EXPECT_EQ(static_cast<DWORD>(REG_OPENED_EXISTING_KEY), disposition);
    RegCloseKey(key);
    RegCloseKey(openKey("A", HKEY_CURRENT_USER)); // the keys above were made too
    EXPECT_EQ(ERROR_BADKEY, RegCreateKeyExA(HKEY_CURRENT_USER, "A", 0, nullptr, 0, KEY_READ,
                                            nullptr, nullptr, nullptr));
}

// ---- reading values ---------------------------------------------------------------------------

struct QueryCase {
    const char* what;
    DWORD type;
    Bytes stored;
    DWORD capacity;
    LONG status;
    Bytes buffer; // the first capacity + 1 bytes of a buffer filled with 0xEE before the call
};

class RegistryQuery : public RegistryApi, public ::testing::WithParamInterface<QueryCase> {};

TEST_P(RegistryQuery, FillsTheBufferAsWindowsDoes) {
    const QueryCase& c = GetParam();
    setValue(key_, "v", c.type, c.stored);
    Bytes buffer(c.capacity + 1, 0xEE);
    DWORD type = 99;
    DWORD size = c.capacity;
    EXPECT_EQ(c.status, RegQueryValueExA(key_, "v", nullptr, &type, buffer.data(), &size));
    EXPECT_EQ(c.type, type);
    EXPECT_EQ(c.stored.size(), size); // the size of the data, whether it fitted or not
    EXPECT_EQ(c.buffer, buffer);
}

constexpr BYTE E = 0xEE;

INSTANTIATE_TEST_SUITE_P(
    Buffers, RegistryQuery,
    ::testing::Values(
        QueryCase{"terminated text fits exactly",
                  REG_SZ,
                  {'a', 'b', 0},
                  3,
                  ERROR_SUCCESS,
                  {'a', 'b', 0, E}},
        QueryCase{"unterminated text fills the buffer: no terminator",
                  REG_SZ,
                  {'a', 'b', 'c'},
                  3,
                  ERROR_SUCCESS,
                  {'a', 'b', 'c', E}},
        QueryCase{"unterminated text with room: a terminator",
                  REG_SZ,
                  {'a', 'b', 'c'},
                  5,
                  ERROR_SUCCESS,
                  {'a', 'b', 'c', 0, E, E}},
        QueryCase{"unterminated multi-string with room",
                  REG_MULTI_SZ,
                  {'a'},
                  2,
                  ERROR_SUCCESS,
                  {'a', 0, E}},
        QueryCase{"binary gets no terminator",
                  REG_BINARY,
                  {'a', 'b', 'c'},
                  5,
                  ERROR_SUCCESS,
                  {'a', 'b', 'c', E, E, E}},
        QueryCase{"too small: buffer left alone",
                  REG_SZ,
                  {'a', 'b', 'c', 0},
                  3,
                  ERROR_MORE_DATA,
                  {E, E, E, E}},
        QueryCase{"too small dword", REG_DWORD, {1, 0, 0, 0}, 2, ERROR_MORE_DATA, {E, E, E}},
        QueryCase{"empty text", REG_SZ, {}, 2, ERROR_SUCCESS, {E, E, E}},
        QueryCase{"empty buffer, empty data", REG_BINARY, {}, 0, ERROR_SUCCESS, {E}}),
    [](const ::testing::TestParamInfo<QueryCase>& param) {
        return "case" + std::to_string(param.index);
    });

TEST_F(RegistryApi, QueryWithoutBufferGivesTheSize) {
    setValue(key_, "v", REG_SZ, {'6', '4', 0});
    DWORD size = 77;
    DWORD type = 0;
    EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExA(key_, "v", nullptr, &type, nullptr, &size));
    EXPECT_EQ(3u, size);
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExA(key_, "v", nullptr, nullptr, nullptr, nullptr));
}

TEST_F(RegistryApi, QueryRefusesBadArguments) {
    BYTE buffer[4];
    DWORD size = 4;
    DWORD reserved = 0;
    EXPECT_EQ(ERROR_INVALID_PARAMETER,
              RegQueryValueExA(key_, "v", nullptr, nullptr, buffer, nullptr));
    EXPECT_EQ(ERROR_INVALID_PARAMETER,
              RegQueryValueExA(key_, "v", &reserved, nullptr, buffer, &size));
}

TEST_F(RegistryApi, MissingValueIsNotFoundWithTypeNone) {
    DWORD type = REG_SZ;
    DWORD size = 0;
    EXPECT_EQ(ERROR_FILE_NOT_FOUND,
              RegQueryValueExA(key_, "Nothing", nullptr, &type, nullptr, &size));
    EXPECT_EQ(static_cast<DWORD>(REG_NONE), type);
}

// ---- writing and deleting values --------------------------------------------------------------

TEST_F(RegistryApi, TextDataIsStoredAsGivenUnlessATerminatorFollowsIt) {
    const char text[] = "64";
    ASSERT_EQ(ERROR_SUCCESS,
              RegSetValueExA(key_, "WithNul", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), 3));
    ASSERT_EQ(ERROR_SUCCESS,
              RegSetValueExA(key_, "Forgotten", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), 2));
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key_, "Binary", 0, REG_BINARY,
                                            reinterpret_cast<const BYTE*>(text), 2));
    const char longer[] = "6400";
    ASSERT_EQ(ERROR_SUCCESS,
              RegSetValueExA(key_, "Cut", 0, REG_SZ, reinterpret_cast<const BYTE*>(longer), 2));
    EXPECT_EQ((Bytes{'6', '4', 0}), queryValue(key_, "WithNul").second);
    EXPECT_EQ((Bytes{'6', '4', 0}), queryValue(key_, "Forgotten").second);
    EXPECT_EQ((Bytes{'6', '4'}), queryValue(key_, "Binary").second);
    EXPECT_EQ((Bytes{'6', '4'}), queryValue(key_, "Cut").second);
}

TEST_F(RegistryApi, SetWithoutData) {
    EXPECT_EQ(ERROR_SUCCESS, RegSetValueExA(key_, "v", 0, REG_SZ, nullptr, 0));
    EXPECT_EQ((std::pair<DWORD, Bytes>{REG_SZ, {}}), queryValue(key_, "v"));
    EXPECT_EQ(ERROR_NOACCESS, RegSetValueExA(key_, "v", 0, REG_SZ, nullptr, 4));
}

TEST_F(RegistryApi, NamesIgnoreCaseAndKeepTheirFirstSpelling) {
    setValue(key_, "NetworkMedia", REG_SZ, {'1', 0});
    setValue(key_, "NETWORKMEDIA", REG_SZ, {'4', 0});
    EXPECT_EQ((Bytes{'4', 0}), queryValue(key_, "networkmedia").second);
    char name[32];
    DWORD nameSize = sizeof name;
    ASSERT_EQ(ERROR_SUCCESS,
              RegEnumValueA(key_, 0, name, &nameSize, nullptr, nullptr, nullptr, nullptr));
    EXPECT_STREQ("NetworkMedia", name);
    EXPECT_EQ(ERROR_NO_MORE_ITEMS,
              RegEnumValueA(key_, 1, name, &nameSize, nullptr, nullptr, nullptr, nullptr));
}

TEST_F(RegistryApi, DefaultValueIsTheEmptyName) {
    setValue(key_, nullptr, REG_SZ, {'d', 0});
    EXPECT_EQ((Bytes{'d', 0}), queryValue(key_, "").second);
    EXPECT_EQ(ERROR_SUCCESS, RegDeleteValueA(key_, ""));
    EXPECT_EQ(REG_NONE, queryValue(key_, nullptr).first);
}

// ---- handles ----------------------------------------------------------------------------------

TEST_F(RegistryApi, ClosedHandleIsStaleEvenWhenItsSlotIsReused) {
    HKEY first = openKey();
    ASSERT_EQ(ERROR_SUCCESS, RegCloseKey(first));
    HKEY second = openKey();
    EXPECT_NE(first, second);
    EXPECT_EQ(ERROR_INVALID_HANDLE, RegCloseKey(first));
    EXPECT_EQ(ERROR_INVALID_HANDLE,
              RegQueryValueExA(first, "v", nullptr, nullptr, nullptr, nullptr));
    BYTE data[] = {'x', 0};
    EXPECT_EQ(ERROR_INVALID_HANDLE, RegSetValueExA(first, "v", 0, REG_SZ, data, 2));
    EXPECT_EQ(ERROR_INVALID_HANDLE, RegDeleteValueA(first, "v"));
    EXPECT_EQ(ERROR_INVALID_HANDLE, RegFlushKey(first));
    EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(second));
}

// Handles reuse the slots of closed ones and the table grows under the key a handle is opened
// from: each handle still stands for its own path.
TEST_F(RegistryApi, HandlesKeepTheirPathsAsSlotsAreReusedAndAdded) {
    RegCloseKey(openKey()); // a free slot that held a longer path
    HKEY system = nullptr;
    ASSERT_EQ(ERROR_SUCCESS,
              RegOpenKeyExA(HKEY_LOCAL_MACHINE, "System", 0, KEY_ALL_ACCESS, &system));
    HKEY services = nullptr; // every slot is taken: the table grows
    ASSERT_EQ(ERROR_SUCCESS,
              RegOpenKeyExA(system, "CurrentControlSet\\Services", 0, KEY_ALL_ACCESS, &services));
    setValue(system, "s", REG_SZ, {'1', 0});
    setValue(services, "v", REG_SZ, {'2', 0});
    HKEY check = openKey("System\\CurrentControlSet\\Services");
    EXPECT_EQ((Bytes{'2', 0}), queryValue(check, "v").second);
    EXPECT_EQ(REG_NONE, queryValue(check, "s").first);
    RegCloseKey(check);
    check = openKey("System");
    EXPECT_EQ((Bytes{'1', 0}), queryValue(check, "s").second);
    RegCloseKey(check);
    EXPECT_EQ(REG_NONE, queryValue(key_, "s").first);
    RegCloseKey(services);
    RegCloseKey(system);
}

TEST_F(RegistryApi, HandlesOfAStoreNoLongerInUseAreStale) {
    portable::useMemoryRegistry();
    EXPECT_EQ(ERROR_INVALID_HANDLE,
              RegQueryValueExA(key_, "v", nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(ERROR_INVALID_HANDLE, RegCloseKey(key_));
    key_ = nullptr;
}

TEST_F(RegistryApi, ForeignHandlesAreRefused) {
    for (uintptr_t value : {uintptr_t{0}, uintptr_t{1}, uintptr_t{0x1234}, uintptr_t{0x7FFF0004}}) {
        HKEY bogus = reinterpret_cast<HKEY>(value);
        HKEY result = nullptr;
        EXPECT_EQ(ERROR_INVALID_HANDLE, RegOpenKeyExA(bogus, "x", 0, KEY_READ, &result)) << value;
        EXPECT_EQ(ERROR_INVALID_HANDLE,
                  RegQueryValueExA(bogus, "v", nullptr, nullptr, nullptr, nullptr));
        EXPECT_EQ(ERROR_INVALID_HANDLE, RegCloseKey(bogus));
    }
}

// ---- deleting keys ----------------------------------------------------------------------------

TEST_F(RegistryApi, DeleteKeyRemovesOnlyLeaves) {
    RegCloseKey(createKey("Software\\Parent\\Child", HKEY_CURRENT_USER));
    EXPECT_EQ(ERROR_ACCESS_DENIED, RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Parent"));
    EXPECT_EQ(ERROR_SUCCESS, RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Parent\\Child"));
    EXPECT_EQ(ERROR_SUCCESS, RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Parent"));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Parent"));
    EXPECT_EQ(ERROR_INVALID_PARAMETER, RegDeleteKeyA(HKEY_CURRENT_USER, nullptr));
    EXPECT_EQ(ERROR_ACCESS_DENIED, RegDeleteKeyA(HKEY_CURRENT_USER, ""));
}

TEST_F(RegistryApi, DeleteTreeWithASubkeyRemovesIt) {
    HKEY services = createKey("System\\CurrentControlSet\\Services");
    EXPECT_EQ(ERROR_SUCCESS, RegDeleteTreeA(services, "Veloxa"));
    HKEY gone = nullptr;
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyA(services, "Veloxa", &gone));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegDeleteTreeA(services, "Veloxa"));
    RegCloseKey(services);
}

// A handle that has already worked with its key must not keep reaching it once it is deleted,
// whichever way it goes.
TEST_F(RegistryApi, UsedHandleOfADeletedKeyFindsItGone) {
    for (bool wholeTree : {false, true}) {
        HKEY child = createKey("Gone", key_);
        setValue(child, "v", REG_SZ, {'1', 0});
        ASSERT_EQ((Bytes{'1', 0}), queryValue(child, "v").second);
        if (wholeTree)
            ASSERT_EQ(ERROR_SUCCESS, RegDeleteTreeA(key_, nullptr)) << "subkeys and values";
        else
            ASSERT_EQ(ERROR_SUCCESS, RegDeleteKeyA(key_, "Gone"));
        EXPECT_EQ(ERROR_KEY_DELETED,
                  RegQueryValueExA(child, "v", nullptr, nullptr, nullptr, nullptr));
        BYTE data[] = {'2', 0};
        EXPECT_EQ(ERROR_KEY_DELETED, RegSetValueExA(child, "v", 0, REG_SZ, data, 2));
        EXPECT_EQ(ERROR_KEY_DELETED, RegDeleteValueA(child, "v"));
        HKEY below = nullptr;
        EXPECT_EQ(ERROR_KEY_DELETED, RegOpenKeyExA(child, "x", 0, KEY_READ, &below));
        RegCloseKey(child);
    }
}

// The checks come in one order: the handle, its rights, the subkey path, whether the handle's key
// is gone, then what the call asks of the key. A query clears the type and size it reports
// before it finds the key gone.
TEST_F(RegistryApi, DeletedKeyIsReportedAfterRightsAndPathBeforeTheRest) {
    HKEY child = createKey("Gone", key_);
    HKEY reader = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(key_, "Gone", 0, KEY_QUERY_VALUE, &reader));
    ASSERT_EQ(ERROR_SUCCESS, RegDeleteKeyA(key_, "Gone"));

    DWORD type = REG_SZ, size = 99;
    EXPECT_EQ(ERROR_KEY_DELETED, RegQueryValueExA(child, "v", nullptr, &type, nullptr, &size));
    EXPECT_EQ(static_cast<DWORD>(REG_NONE), type);
    EXPECT_EQ(0u, size);
    BYTE data[] = {'1', 0};
    EXPECT_EQ(ERROR_ACCESS_DENIED, RegSetValueExA(reader, "v", 0, REG_SZ, data, 2));
    HKEY below = nullptr;
    EXPECT_EQ(ERROR_BAD_PATHNAME, RegOpenKeyExA(child, "\\x", 0, KEY_READ, &below));
    EXPECT_EQ(ERROR_BAD_PATHNAME, RegCreateKeyA(child, "\\x", &below));
    EXPECT_EQ(ERROR_KEY_DELETED, RegCreateKeyA(child, "x", &below));
    EXPECT_EQ(ERROR_KEY_DELETED, RegDeleteKeyA(child, "x"));
    EXPECT_EQ(ERROR_KEY_DELETED, RegDeleteTreeA(child, nullptr));
    char name[8];
    DWORD nameSize = sizeof name;
    EXPECT_EQ(ERROR_KEY_DELETED,
              RegEnumKeyExA(child, 0, name, &nameSize, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(ERROR_KEY_DELETED,
              RegEnumValueA(child, 0, name, &nameSize, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(ERROR_KEY_DELETED,
              RegQueryInfoKeyA(child, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                               nullptr, nullptr, nullptr, nullptr));

    // A refused value comes after the key.
    injectFaults([](portable::RegistryFaults& f) {
        f.failSetValue = "*";
        f.failDeleteValue = "*";
    });
    EXPECT_EQ(ERROR_KEY_DELETED, RegSetValueExA(child, "v", 0, REG_SZ, data, 2));
    EXPECT_EQ(ERROR_KEY_DELETED, RegDeleteValueA(child, "v"));
    EXPECT_EQ(ERROR_INVALID_HANDLE, RegSetValueExA(nullptr, "v", 0, REG_SZ, data, 2));
    RegCloseKey(reader);
    RegCloseKey(child);
}

// ---- key information (registry_contract.cpp covers enumeration) -----------------------------

TEST_F(RegistryApi, QueryInfoCountsAndMeasures) {
    setValue(key_, "NetworkAddress", REG_SZ,
             Bytes{'0', '0', '1', '1', '2', '2', '3', '3', '4', '4', '5', '5', 0});
    setValue(key_, "PriQ", REG_SZ, {'1', 0});
    RegCloseKey(createKey("Sub", key_));
    DWORD subKeys = 0, maxSubKey = 0, values = 0, maxName = 0, maxData = 0;
    ASSERT_EQ(ERROR_SUCCESS,
              RegQueryInfoKeyA(key_, nullptr, nullptr, nullptr, &subKeys, &maxSubKey, nullptr,
                               &values, &maxName, &maxData, nullptr, nullptr));
    EXPECT_EQ(1u, subKeys);
    EXPECT_EQ(3u, maxSubKey);
    EXPECT_EQ(2u, values);
    EXPECT_EQ(14u, maxName);
    EXPECT_EQ(13u, maxData);
}

// ---- rights and faults ------------------------------------------------------------------------

TEST_F(RegistryApi, HandleRightsAreChecked) {
    HKEY reader = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, kServiceKey, 0, KEY_READ, &reader));
    BYTE data[] = {'x', 0};
    EXPECT_EQ(ERROR_ACCESS_DENIED, RegSetValueExA(reader, "v", 0, REG_SZ, data, 2));
    EXPECT_EQ(ERROR_ACCESS_DENIED, RegDeleteValueA(reader, "v"));
    RegCloseKey(reader);
    HKEY writer = nullptr;
    ASSERT_EQ(ERROR_SUCCESS,
              RegOpenKeyExA(HKEY_LOCAL_MACHINE, kServiceKey, 0, KEY_SET_VALUE, &writer));
    EXPECT_EQ(ERROR_SUCCESS, RegSetValueExA(writer, "v", 0, REG_SZ, data, 2));
    EXPECT_EQ(ERROR_ACCESS_DENIED,
              RegQueryValueExA(writer, "v", nullptr, nullptr, nullptr, nullptr));
    RegCloseKey(writer);
}

TEST_F(RegistryApi, DeniedWriteAccessStillOpensForReading) {
    injectFaults([](portable::RegistryFaults& f) { f.denyWriteAccess = true; });
    HKEY key = nullptr;
    EXPECT_EQ(ERROR_ACCESS_DENIED,
              RegOpenKeyExA(HKEY_LOCAL_MACHINE, kServiceKey, 0, KEY_ALL_ACCESS, &key));
    EXPECT_EQ(ERROR_ACCESS_DENIED, RegCreateKeyA(HKEY_LOCAL_MACHINE, "System\\New", &key));
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyA(HKEY_LOCAL_MACHINE, kServiceKey, &key));
    BYTE data[] = {'x', 0};
    EXPECT_EQ(ERROR_ACCESS_DENIED, RegSetValueExA(key, "v", 0, REG_SZ, data, 2));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegQueryValueExA(key, "v", nullptr, nullptr, nullptr, nullptr));
    RegCloseKey(key);
    EXPECT_EQ(ERROR_ACCESS_DENIED, RegDeleteKeyA(HKEY_LOCAL_MACHINE, kServiceKey));
}

// Denied write access refuses a key that is there; a missing one is reported as missing.
TEST_F(RegistryApi, DeniedWriteAccessComesAfterTheKeyIsFound) {
    injectFaults([](portable::RegistryFaults& f) { f.denyWriteAccess = true; });
    HKEY key = nullptr;
    EXPECT_EQ(ERROR_FILE_NOT_FOUND,
              RegOpenKeyExA(HKEY_LOCAL_MACHINE, "System\\Missing", 0, KEY_ALL_ACCESS, &key));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegDeleteKeyA(HKEY_LOCAL_MACHINE, "System\\Missing"));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegDeleteTreeA(HKEY_LOCAL_MACHINE, "System\\Missing"));
    EXPECT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, kServiceKey, 0, nullptr, 0,
                                             KEY_READ, nullptr, &key, nullptr))
        << "an existing key opens for reading";
    RegCloseKey(key);
}

TEST_F(RegistryApi, OneWriteOrDeleteFailsOnDemand) {
    injectFaults([](portable::RegistryFaults& f) {
        f.failSetValue = "VLANID";
        f.failDeleteValue = "NetworkAddress";
    });
    BYTE data[] = {'1', 0};
    EXPECT_EQ(ERROR_ACCESS_DENIED, RegSetValueExA(key_, "vlanid", 0, REG_SZ, data, 2));
    EXPECT_EQ(ERROR_SUCCESS, RegSetValueExA(key_, "NetworkAddress", 0, REG_SZ, data, 2));
    EXPECT_EQ(ERROR_ACCESS_DENIED, RegDeleteValueA(key_, "NetworkAddress"));
    EXPECT_EQ(REG_NONE, queryValue(key_, "VLANID").first);
    EXPECT_EQ(REG_SZ, queryValue(key_, "NetworkAddress").first);
}

} // namespace
