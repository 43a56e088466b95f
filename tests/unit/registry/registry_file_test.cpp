// The REGEDIT4 store: every value type comes back byte for byte, hand-written files in the
// export format load, and malformed files are refused with their line and left untouched.
#include "registry_fixture.h"

using namespace registry_test;

namespace {

struct StoredValue {
    const char* name;
    DWORD type;
    Bytes data;
};

Bytes withNul(const std::string& text) {
    Bytes bytes = bytesOf(text);
    bytes.push_back(0);
    return bytes;
}

Bytes allBytes() {
    Bytes bytes;
    for (int i = 0; i < 256; ++i)
        bytes.push_back(static_cast<BYTE>(i));
    return bytes;
}

const std::vector<StoredValue>& everyKindOfValue() {
    static const std::vector<StoredValue> values = {
        {"Plain", REG_SZ, withNul("plain text")},
        {"", REG_SZ, withNul("the default value")},
        {"Empty", REG_SZ, withNul("")},
        {"NoData", REG_SZ, {}},
        {"Unterminated", REG_SZ, bytesOf("abc")},
        {"EmbeddedNul", REG_SZ, bytesOf(std::string("a\0b\0", 4))},
        {"Escapes", REG_SZ, withNul("say \"hi\" to C:\\dir\\")},
        {"LineBreaks", REG_SZ, withNul("one\r\ntwo\n")},
        {"HighBytes", REG_SZ, withNul("caf\xc3\xa9 \xff")},
        {"Expand", REG_EXPAND_SZ, withNul("%SystemRoot%\\x")},
        {"Binary", REG_BINARY, allBytes()},
        {"EmptyBinary", REG_BINARY, {}},
        {"Dword", REG_DWORD, {0x78, 0x56, 0x34, 0x12}},
        {"ShortDword", REG_DWORD, {1, 2, 3}},
        {"BigEndian", REG_DWORD_BIG_ENDIAN, {0x12, 0x34, 0x56, 0x78}},
        {"Link", REG_LINK, {'\\', 0, 'x', 0}},
        {"Multi", REG_MULTI_SZ, bytesOf(std::string("a\0bc\0\0", 6))},
        {"Qword", REG_QWORD, {1, 2, 3, 4, 5, 6, 7, 8}},
        {"None", REG_NONE, {}},
        {"NoneWithData", REG_NONE, {9, 8, 7}},
        {"OwnType", 0x12345, {0xAB}},
        {"Quote\"And\\Slash", REG_SZ, withNul("name escapes")},
        {"Name\nWith Break", REG_SZ, withNul("x")},
    };
    return values;
}

class RegistryFile : public RegistryFixture {};

TEST_F(RegistryFile, EveryValueTypeComesBackByteForByte) {
    useStore();
    HKEY key = createKey();
    for (const StoredValue& v : everyKindOfValue())
        setValue(key, v.name, v.type, v.data);
    ASSERT_EQ(ERROR_SUCCESS, RegCloseKey(key));

    useStore(); // a fresh read of the file
    key = openKey();
    for (const StoredValue& v : everyKindOfValue()) {
        auto [type, data] = queryValue(key, v.name);
        EXPECT_EQ(v.type, type) << v.name;
        EXPECT_EQ(v.data, data) << v.name;
    }
    RegCloseKey(key);
}

TEST_F(RegistryFile, WritesTheExportFormat) {
    useStore();
    HKEY key = createKey();
    for (const StoredValue& v : everyKindOfValue())
        setValue(key, v.name, v.type, v.data);
    RegCloseKey(key);

    std::string text = readFile(storePath_);
    EXPECT_EQ(0u, text.find("REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\"
                            "Services\\Veloxa\\Parameters]\r\n"));
    for (const char* line : {
             "\"Plain\"=\"plain text\"\r\n",
             "@=\"the default value\"\r\n",
             "\"Empty\"=\"\"\r\n",
             "\"NoData\"=hex(1):\r\n",
             "\"Unterminated\"=hex(1):61,62,63\r\n",
             "\"Escapes\"=\"say \\\"hi\\\" to C:\\\\dir\\\\\"\r\n",
             "\"Dword\"=dword:12345678\r\n",
             "\"ShortDword\"=hex(4):01,02,03\r\n",
             "\"Qword\"=hex(b):01,02,03,04,05,06,07,08\r\n",
             "\"OwnType\"=hex(12345):ab\r\n",
             "\"Binary\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,\\\r\n"
             "  15,16,",
             "\"Quote\\\"And\\\\Slash\"=\"name escapes\"\r\n",
             "\"Name\\nWith Break\"=\"x\"\r\n",
         })
        EXPECT_NE(std::string::npos, text.find(line)) << line;
}

TEST_F(RegistryFile, KeysWithoutValuesSurviveAndParentsAreImplied) {
    useStore();
    RegCloseKey(createKey("Software\\Empty\\Leaf", HKEY_CURRENT_USER));
    HKEY key = createKey();
    RegCloseKey(key);
    setValue(HKEY_USERS, "OnTheRoot", REG_SZ, withNul("r"));
    RegFlushKey(HKEY_CURRENT_USER);
    std::string text = readFile(storePath_);
    EXPECT_NE(std::string::npos, text.find("[HKEY_CURRENT_USER\\Software\\Empty\\Leaf]"));
    EXPECT_EQ(std::string::npos, text.find("[HKEY_CURRENT_USER\\Software]"));

    useStore();
    RegCloseKey(openKey("Software\\Empty\\Leaf", HKEY_CURRENT_USER));
    RegCloseKey(openKey("Software", HKEY_CURRENT_USER));
    EXPECT_EQ(withNul("r"), queryValue(HKEY_USERS, "OnTheRoot").second);
}

struct ReadCase {
    const char* what;
    std::string file;
    const char* name;
    DWORD type;
    Bytes data;
};

class RegistryFileReading : public RegistryFixture,
                            public ::testing::WithParamInterface<ReadCase> {};

TEST_P(RegistryFileReading, LoadsWhatAnEditorWrites) {
    const ReadCase& c = GetParam();
    writeFile(storePath_, c.file);
    useStore();
    HKEY key = openKey("Software\\Test", HKEY_LOCAL_MACHINE);
    auto [type, data] = queryValue(key, c.name);
    EXPECT_EQ(c.type, type);
    EXPECT_EQ(c.data, data);
    RegCloseKey(key);
}

std::string utf16File(const std::string& ascii) {
    std::string out = "\xff\xfe";
    for (char c : ascii) {
        out += c;
        out += '\0';
    }
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, RegistryFileReading,
    ::testing::Values(
        ReadCase{"comments and blank lines",
                 "; exported\n\nREGEDIT4\n\n; the key\n[HKEY_LOCAL_MACHINE\\Software\\Test]\n\n"
                 "  ; a value\n\"v\"=\"x\"\n",
                 "v", REG_SZ, withNul("x")},
        ReadCase{"CRLF line ends",
                 "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Test]\r\n"
                 "\"v\"=\"x\"\r\n",
                 "v", REG_SZ, withNul("x")},
        ReadCase{"escapes",
                 "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Test]\n"
                 "\"v\"=\"C:\\\\dir \\\"q\\\"\"\n",
                 "v", REG_SZ, withNul("C:\\dir \"q\"")},
        ReadCase{"root in any case",
                 "REGEDIT4\n[hkey_local_machine\\Software\\Test]\n\"v\"=\"x\"\n", "v", REG_SZ,
                 withNul("x")},
        ReadCase{"continued hex lines",
                 "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Test]\n\"v\"=hex:01,02,\\\n  03,\\\n"
                 "  04\n",
                 "v", REG_BINARY, Bytes{1, 2, 3, 4}},
        ReadCase{"short dword", "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Test]\n\"v\"=dword:1f\n",
                 "v", REG_DWORD, Bytes{0x1f, 0, 0, 0}},
        ReadCase{"later value of the same name wins",
                 "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Test]\n\"V\"=\"old\"\n"
                 "[HKEY_LOCAL_MACHINE\\Software\\Test]\n\"v\"=\"new\"\n",
                 "v", REG_SZ, withNul("new")},
        ReadCase{"version 5 in UTF-16",
                 utf16File("Windows Registry Editor Version 5.00\r\n\r\n"
                           "[HKEY_LOCAL_MACHINE\\Software\\Test]\r\n\"v\"=\"x\"\r\n"),
                 "v", REG_SZ, withNul("x")},
        ReadCase{"version 5 keeps string data as UTF-16",
                 "Windows Registry Editor Version 5.00\n[HKEY_LOCAL_MACHINE\\Software\\Test]\n"
                 "\"v\"=hex(2):25,00,41,00,e9,00,00,00\n",
                 "v", REG_EXPAND_SZ, bytesOf(std::string("%A\xc3\xa9\0", 5))}),
    [](const ::testing::TestParamInfo<ReadCase>& param) {
        std::string name;
        for (const char* p = param.param.what; *p; ++p)
            if (isalnum(static_cast<unsigned char>(*p)))
                name += *p;
        return name;
    });

struct MalformedCase {
    std::string file;
    int line;
};

class MalformedRegistryFile : public RegistryFixture,
                              public ::testing::WithParamInterface<MalformedCase> {};

TEST_P(MalformedRegistryFile, IsRefusedWithItsLineAndLeftAlone) {
    // The store in use before keeps working.
    useStore();
    HKEY key = createKey();
    setValue(key, "Kept", REG_SZ, withNul("yes"));
    RegCloseKey(key);

    std::string badPath = dir_ + "/bad.reg";
    writeFile(badPath, GetParam().file);
    std::string error;
    EXPECT_FALSE(portable::useRegistryFile(badPath, &error));
    EXPECT_EQ(badPath + ":" + std::to_string(GetParam().line) + ":",
              error.substr(0, badPath.size() + 2 + std::to_string(GetParam().line).size()))
        << error;
    EXPECT_EQ(GetParam().file, readFile(badPath));

    key = openKey();
    EXPECT_EQ(withNul("yes"), queryValue(key, "Kept").second);
    RegCloseKey(key);
}

const std::string kHead = "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Test]\n";

INSTANTIATE_TEST_SUITE_P(
    Lines, MalformedRegistryFile,
    ::testing::Values(
        MalformedCase{"REGEDIT5\n", 1},
        MalformedCase{"\n; only a comment\n[HKEY_LOCAL_MACHINE\\A]\n", 3},
        MalformedCase{"REGEDIT4\n\"v\"=\"x\"\n", 2},
        MalformedCase{"REGEDIT4\n[HKEY_NOWHERE\\A]\n", 2},
        MalformedCase{"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A\n", 2},
        MalformedCase{"REGEDIT4\n[HKEY_LOCAL_MACHINE\\A\\\\B]\n", 2},
        MalformedCase{"REGEDIT4\n[-HKEY_LOCAL_MACHINE\\A]\n", 2},
        MalformedCase{kHead + "\"v\"=\"unterminated\n", 4},
        MalformedCase{kHead + "\"v\"=\"bad \\q escape\"\n", 4},
        MalformedCase{kHead + "\"v\"=\"x\" trailing\n", 4},
        MalformedCase{kHead + "\"v\" \"x\"\n", 4}, MalformedCase{kHead + "v=\"x\"\n", 4},
        MalformedCase{kHead + "\"v\"=dword:123456789\n", 4},
        MalformedCase{kHead + "\"v\"=dword:xyz\n", 4},
        MalformedCase{kHead + "\"v\"=hex:01,zz\n", 4}, MalformedCase{kHead + "\"v\"=hex:100\n", 4},
        MalformedCase{kHead + "\"v\"=hex(zz):00\n", 4}, MalformedCase{kHead + "\"v\"=-\n", 4},
        MalformedCase{kHead + "\"v\"=word:1\n", 4},
        MalformedCase{kHead + "\"a\"=hex:01,\\\n  02\n\"b\"=hex:01,\\\n  0x\n", 6},
        // Cut short: in the middle of a byte, after a comma, at a continuation, in a character.
        MalformedCase{kHead + "\"v\"=hex:01,0\n", 4}, MalformedCase{kHead + "\"v\"=hex:1\n", 4},
        MalformedCase{kHead + "\"v\"=hex:01,02,\n", 4},
        MalformedCase{kHead + "\"v\"=hex:01,\\\n", 4},
        MalformedCase{"Windows Registry Editor Version 5.00\n[HKEY_LOCAL_MACHINE\\A]\n"
                      "\"v\"=hex(1):41\n",
                      3},
        MalformedCase{utf16File("REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\A]\r\n\"v\"=\"x\"") + "\"", 3}));

// A save writes again only what changed: a changed value where it was, new values at the end of
// their key's section, new keys at the end; the header, comments, blank lines, line ends and
// encoding stay as they were, and what is gone is dropped.
struct FaithfulCase {
    const char* header;
    const char* lineEnd;
    bool utf16;
};

class FaithfulSave : public RegistryFixture, public ::testing::WithParamInterface<FaithfulCase> {
  protected:
    std::string file(const std::vector<std::string>& lines) const {
        std::string text;
        for (const std::string& line : lines)
            text += line + GetParam().lineEnd;
        return GetParam().utf16 ? utf16File(text) : text;
    }
};

TEST_P(FaithfulSave, RewritesOnlyWhatChanged) {
    const std::string header = GetParam().header;
    writeFile(
        storePath_,
        file({header, "; made by hand", "", "[HKEY_LOCAL_MACHINE\\Software\\Test]", "; the speed",
              "\"Speed\"=dword:00000010", "\"Gone\"=\"x\"", "\"Kept\"=hex:01,02,\\", "  03", "",
              "; another key", "[HKEY_LOCAL_MACHINE\\Software\\Other]", "\"a\"=  \"b\"", "",
              "[HKEY_LOCAL_MACHINE\\Software\\Doomed]", "\"z\"=\"z\""}));
    useStore();
    HKEY key = openKey("Software\\Test", HKEY_LOCAL_MACHINE);
    setValue(key, "speed", REG_DWORD, {0x20, 0, 0, 0});
    EXPECT_EQ(ERROR_SUCCESS, RegDeleteValueA(key, "Gone"));
    setValue(key, "New", REG_EXPAND_SZ, withNul("%n%"));
    RegCloseKey(key);
    key = openKey("Software\\Other", HKEY_LOCAL_MACHINE);
    setValue(key, "a", REG_SZ, withNul("b")); // what it holds: its line stays as it is
    RegCloseKey(key);
    EXPECT_EQ(ERROR_SUCCESS, RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\Doomed"));
    key = createKey("Software\\Fresh", HKEY_LOCAL_MACHINE);
    setValue(key, "f", REG_SZ, withNul("g"));
    RegCloseKey(key);
    ASSERT_EQ(ERROR_SUCCESS, RegFlushKey(HKEY_LOCAL_MACHINE));

    const bool unicode = header != "REGEDIT4";
    const std::string expanded = unicode ? "hex(2):25,00,6e,00,25,00,00,00" : "hex(2):25,6e,25,00";
    EXPECT_EQ(
        file({header, "; made by hand", "", "[HKEY_LOCAL_MACHINE\\Software\\Test]", "; the speed",
              "\"Speed\"=dword:00000020", "\"Kept\"=hex:01,02,\\", "  03", "\"New\"=" + expanded,
              "", "; another key", "[HKEY_LOCAL_MACHINE\\Software\\Other]", "\"a\"=  \"b\"", "",
              "[HKEY_LOCAL_MACHINE\\Software\\Fresh]", "\"f\"=\"g\""}),
        readFile(storePath_));

    useStore(); // and it reads back as it was saved
    key = openKey("Software\\Test", HKEY_LOCAL_MACHINE);
    EXPECT_EQ(withNul("%n%"), queryValue(key, "New").second);
    RegCloseKey(key);
}

INSTANTIATE_TEST_SUITE_P(Forms, FaithfulSave,
                         ::testing::Values(FaithfulCase{"REGEDIT4", "\n", false},
                                           FaithfulCase{"Windows Registry Editor Version 5.00",
                                                        "\r\n", true}));

// Nothing recurses per level: a key nested 100,000 deep is read, saved, deleted and freed.
TEST_F(RegistryFile, DeepNestingIsReadSavedAndDeleted) {
    std::string deep = "[HKEY_LOCAL_MACHINE\\Software\\Deep";
    for (int i = 0; i < 100000; ++i)
        deep += "\\k";
    deep += "]";
    writeFile(storePath_, "REGEDIT4\n\n" + deep + "\n\"leaf\"=\"x\"\n");
    useStore();
    HKEY key = createKey();
    setValue(key, "v", REG_SZ, withNul("x"));
    ASSERT_EQ(ERROR_SUCCESS, RegFlushKey(key));
    EXPECT_NE(std::string::npos, readFile(storePath_).find(deep + "\n\"leaf\"=\"x\"\n"));

    EXPECT_EQ(ERROR_SUCCESS, RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\Deep"));
    ASSERT_EQ(ERROR_SUCCESS, RegFlushKey(key));
    RegCloseKey(key);
    EXPECT_EQ(std::string::npos, readFile(storePath_).find("Deep"));
}

TEST_F(RegistryFile, UnreadableFileIsRefused) {
    std::string error;
    EXPECT_FALSE(portable::useRegistryFile(dir_, &error)); // a directory
    EXPECT_EQ(dir_ + ": cannot read:", error.substr(0, dir_.size() + 14)) << error;
}

TEST_F(RegistryFile, MissingFileIsAnEmptyRegistryUntilSaved) {
    useStore();
    HKEY key = nullptr;
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyA(HKEY_LOCAL_MACHINE, kServiceKey, &key));
    EXPECT_FALSE(fileExists(storePath_));
    key = createKey();
    setValue(key, "v", REG_SZ, withNul("x"));
    EXPECT_EQ(ERROR_SUCCESS, RegFlushKey(key));
    RegCloseKey(key);
    EXPECT_TRUE(fileExists(storePath_));
}

} // namespace
