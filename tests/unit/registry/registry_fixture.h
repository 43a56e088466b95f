// A registry test starts with a fresh store file in a directory of its own, no faults, and helpers
// that read and write values through the Win32 functions.
#pragma once

#include "platform/portable/portable_registry.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace registry_test {

using Bytes = std::vector<BYTE>;

Bytes bytesOf(const std::string& text);
std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& text);
bool fileExists(const std::string& path);

constexpr const char* kServiceKey = "System\\CurrentControlSet\\Services\\Veloxa\\Parameters";

class RegistryFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Chooses the store file, failing the test when it is refused.
    void useStore();
    HKEY createKey(const char* path = kServiceKey, HKEY root = HKEY_LOCAL_MACHINE);
    HKEY openKey(const char* path = kServiceKey, HKEY root = HKEY_LOCAL_MACHINE);
    void setValue(HKEY key, const char* name, DWORD type, const Bytes& data);
    // The value's type and bytes; type REG_NONE and no bytes when it cannot be read.
    std::pair<DWORD, Bytes> queryValue(HKEY key, const char* name);
    // Makes the registry fail as `arrange` sets its faults, until they are set again.
    template <class Arrange> static void injectFaults(Arrange arrange) {
        portable::RegistryFaults faults;
        arrange(faults);
        portable::setRegistryFaults(faults);
    }

    std::string dir_;
    std::string storePath_;
};

} // namespace registry_test
