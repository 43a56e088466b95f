// The version resource of quorlan.dll, read as Windows tools read it (GetFileVersionInfoA and
// VerQueryValueA) and walked block by block to prove that nothing else is in it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

struct StringEntry {
    const char* key;
    const char* value;
};

// Every key of the one string table, in the order the resource lists them.
const StringEntry expectedStrings[] = {
    {"Comments", ""},
    {"CompanyName", ""},
    {"FileDescription", "quorlan DLL"},
    {"FileVersion", "1, 0, 1, 1"},
    {"InternalName", "quorlan"},
    {"LegalTrademarks", ""},
    {"OriginalFilename", "quorlan.DLL"},
    {"PrivateBuild", ""},
    {"ProductName", "quorlan Dynamic Link Library"},
    {"ProductVersion", "1, 0, 1, 2"},
    {"SpecialBuild", ""},
};

std::string modulePath() {
    HMODULE module = LoadLibraryA("quorlan.dll");
    char path[MAX_PATH] = {};
    if (module != nullptr) {
        GetModuleFileNameA(module, path, sizeof path - 1);
        FreeLibrary(module);
    }
    return path;
}

class VersionResource : public ::testing::Test {
  protected:
    void SetUp() override {
        path_ = modulePath();
        ASSERT_FALSE(path_.empty()) << "quorlan.dll does not load";
        DWORD handle = 0;
        DWORD size = GetFileVersionInfoSizeA(path_.c_str(), &handle);
        ASSERT_NE(0u, size);
        data_.resize(size);
        ASSERT_TRUE(GetFileVersionInfoA(path_.c_str(), 0, size, data_.data()));
    }

    // The value under a VerQueryValueA path, or nullptr.
    const void* query(const char* subBlock, UINT* length) {
        void* value = nullptr;
        *length = 0;
        if (!VerQueryValueA(data_.data(), subBlock, &value, length))
            return nullptr;
        return value;
    }

    std::string path_;
    std::vector<BYTE> data_;
};

TEST_F(VersionResource, FixedPartNamesVersion1011OfA32BitWindowsDll) {
    UINT length = 0;
    auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(query("\\", &length));
    ASSERT_NE(nullptr, fixed);
    ASSERT_EQ(sizeof(VS_FIXEDFILEINFO), length);
    EXPECT_EQ(0xFEEF04BDu, fixed->dwSignature);
    EXPECT_EQ(0x00010000u, fixed->dwFileVersionMS);
    EXPECT_EQ(0x00010001u, fixed->dwFileVersionLS);
    EXPECT_EQ(0x00010000u, fixed->dwProductVersionMS);
    EXPECT_EQ(0x00010001u, fixed->dwProductVersionLS);
    EXPECT_EQ(0u, fixed->dwFileFlags);
    EXPECT_EQ(static_cast<DWORD>(VOS__WINDOWS32), fixed->dwFileOS);
    EXPECT_EQ(static_cast<DWORD>(VFT_DLL), fixed->dwFileType);
    EXPECT_EQ(0u, fixed->dwFileSubtype);
}

TEST_F(VersionResource, OneTranslationUsEnglishUnicode) {
    UINT length = 0;
    auto* translation = static_cast<const WORD*>(query("\\VarFileInfo\\Translation", &length));
    ASSERT_NE(nullptr, translation);
    ASSERT_EQ(2 * sizeof(WORD), length);
    EXPECT_EQ(0x0409, translation[0]);
    EXPECT_EQ(0x04b0, translation[1]);
}

TEST_F(VersionResource, EveryStringHasItsValue) {
    for (const StringEntry& entry : expectedStrings) {
        SCOPED_TRACE(entry.key);
        std::string subBlock = std::string("\\StringFileInfo\\040904b0\\") + entry.key;
        UINT length = 0;
        auto* value = static_cast<const char*>(query(subBlock.c_str(), &length));
        ASSERT_NE(nullptr, value);
        EXPECT_STREQ(entry.value, value);
    }
}

TEST_F(VersionResource, ProductVersionTextDiffersFromTheFixedProductVersion) {
    UINT length = 0;
    auto* text =
        static_cast<const char*>(query("\\StringFileInfo\\040904b0\\ProductVersion", &length));
    ASSERT_NE(nullptr, text);
    EXPECT_STREQ("1, 0, 1, 2", text);
    auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(query("\\", &length));
    ASSERT_NE(nullptr, fixed);
    EXPECT_EQ(1u, LOWORD(fixed->dwProductVersionLS));
}

TEST_F(VersionResource, OtherLanguagesAndKeysAreAbsent) {
    const char* absent[] = {
        "\\StringFileInfo\\040904e4\\FileDescription",
        "\\StringFileInfo\\000004b0\\FileDescription",
        "\\StringFileInfo\\040904b0\\LegalCopyright",
    };
    for (const char* subBlock : absent) {
        SCOPED_TRACE(subBlock);
        UINT length = 0;
        EXPECT_EQ(nullptr, query(subBlock, &length));
    }
}

// ---- the raw resource, block by block -------------------------------------------------------

// One block of a version resource: a key, a value and child blocks, each on a 4-byte boundary.
struct Block {
    std::string key;
    WORD type = 0; // 1: the value is text
    std::string text;
    std::vector<Block> children;
};

WORD wordAt(const BYTE* p) {
    WORD value = 0;
    std::memcpy(&value, p, sizeof value);
    return value;
}

size_t aligned(size_t offset) {
    return (offset + 3) & ~size_t(3);
}

// The UTF-16 text at p, up to its NUL or `limit` characters, as ASCII.
std::string textAt(const BYTE* p, size_t limit, size_t* characters) {
    std::string out;
    size_t n = 0;
    for (; n < limit && wordAt(p + 2 * n) != 0; ++n)
        out += static_cast<char>(wordAt(p + 2 * n));
    *characters = n;
    return out;
}

Block readBlock(const BYTE* start, size_t available) {
    Block block;
    WORD length = wordAt(start);
    WORD valueLength = wordAt(start + 2);
    block.type = wordAt(start + 4);
    size_t keyCharacters = 0;
    block.key = textAt(start + 6, (available - 6) / 2, &keyCharacters);
    size_t offset = aligned(6 + 2 * (keyCharacters + 1));
    size_t ignored = 0;
    if (block.type == 1)
        block.text = textAt(start + offset, valueLength, &ignored);
    offset = aligned(offset + (block.type == 1 ? 2u * valueLength : valueLength));
    while (offset + 6 <= length && offset < available) {
        Block child = readBlock(start + offset, length - offset);
        WORD childLength = wordAt(start + offset);
        block.children.push_back(child);
        if (childLength == 0)
            break;
        offset = aligned(offset + childLength);
    }
    return block;
}

TEST(VersionResourceBlocks, OneStringTableWithExactlyTheseKeys) {
    HMODULE module = LoadLibraryExA("quorlan.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, module);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(VS_VERSION_INFO), RT_VERSION);
    ASSERT_NE(nullptr, found);
    auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
    ASSERT_NE(nullptr, bytes);
    Block root = readBlock(bytes, SizeofResource(module, found));
    FreeLibrary(module);

    EXPECT_EQ("VS_VERSION_INFO", root.key);
    ASSERT_EQ(2u, root.children.size());
    const Block& strings = root.children[0];
    EXPECT_EQ("StringFileInfo", strings.key);
    ASSERT_EQ(1u, strings.children.size());
    const Block& table = strings.children[0];
    EXPECT_EQ("040904b0", table.key);
    ASSERT_EQ(std::size(expectedStrings), table.children.size());
    for (size_t i = 0; i < table.children.size(); ++i) {
        EXPECT_EQ(expectedStrings[i].key, table.children[i].key);
        EXPECT_EQ(expectedStrings[i].value, table.children[i].text) << table.children[i].key;
        EXPECT_EQ(1, table.children[i].type) << table.children[i].key;
    }
    EXPECT_EQ("VarFileInfo", root.children[1].key);
    ASSERT_EQ(1u, root.children[1].children.size());
    EXPECT_EQ("Translation", root.children[1].children[0].key);
}

} // namespace
