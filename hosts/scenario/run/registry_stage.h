// The service's registry key before and after a call: the setup of a scenario written with the
// Win32 registry functions, and the values under Parameters read back for the checks.
#pragma once

#include "scenario/language/scenario.h"
#include "platform/win32.h"

#include <string>
#include <vector>

namespace scenario {

struct RegistryValue {
    std::string name;
    DWORD type = 0;
    std::vector<unsigned char> data;
};

// Everything under Parameters: whether the key opens, and its values in enumeration order.
struct ParametersSnapshot {
    bool exists = false;
    std::vector<RegistryValue> values;
};

std::string serviceKeyPath(const std::string& service);
std::string parametersKeyPath(const std::string& service);

class RegistryStage {
  public:
    // rebuild: the service key is deleted with all it holds before the setup is written, so
    // every scenario starts from its own setup. Otherwise the setup goes on top of what is there.
    explicit RegistryStage(bool rebuild) : rebuild_(rebuild) {}

    // False with *error set when the setup cannot be written.
    bool prepare(const Scenario& scenario, std::string* error) const;

    static ParametersSnapshot snapshot(const std::string& service);
    // False when the value does not read.
    static bool readValue(const std::string& service, const std::string& name,
                          RegistryValue* value);

  private:
    bool rebuild_;
};

// "sz \"64\"", "dword 5", "binary 36 34", ... for messages.
std::string describeValue(const RegistryValue& value);

} // namespace scenario
