#include "registry_fixture.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace registry_test {

Bytes bytesOf(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

bool fileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

void RegistryFixture::SetUp() {
    char pattern[] = "/tmp/quorlan-registry-XXXXXX";
    ASSERT_NE(nullptr, ::mkdtemp(pattern));
    dir_ = pattern;
    storePath_ = dir_ + "/store.reg";
    portable::setRegistryFaults({});
}

void RegistryFixture::TearDown() {
    portable::setRegistryFaults({});
    portable::useMemoryRegistry();
    std::string command = "rm -rf '" + dir_ + "'";
    ASSERT_EQ(0, std::system(command.c_str()));
}

void RegistryFixture::useStore() {
    std::string error;
    ASSERT_TRUE(portable::useRegistryFile(storePath_, &error)) << error;
}

HKEY RegistryFixture::createKey(const char* path, HKEY root) {
    HKEY key = nullptr;
    EXPECT_EQ(ERROR_SUCCESS, RegCreateKeyA(root, path, &key));
    return key;
}

HKEY RegistryFixture::openKey(const char* path, HKEY root) {
    HKEY key = nullptr;
    EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyExA(root, path, 0, KEY_ALL_ACCESS, &key));
    return key;
}

// The data is followed by a byte that is not NUL: RegSetValueExA looks at the byte after text
// data and counts it as a forgotten terminator when it is one.
void RegistryFixture::setValue(HKEY key, const char* name, DWORD type, const Bytes& data) {
    Bytes buffer = data;
    buffer.push_back('X');
    EXPECT_EQ(ERROR_SUCCESS,
              RegSetValueExA(key, name, 0, type, buffer.data(), static_cast<DWORD>(data.size())));
}

std::pair<DWORD, Bytes> RegistryFixture::queryValue(HKEY key, const char* name) {
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return {};
    Bytes data(size + 1, 0xEE); // one spare byte: a terminator added by the query shows there
    DWORD capacity = size;
    if (RegQueryValueExA(key, name, nullptr, &type, data.data(), &capacity) != ERROR_SUCCESS)
        return {};
    data.resize(capacity);
    return {type, data};
}

} // namespace registry_test
