// Writes the registry in the REGEDIT4 export format, so that reading it back gives every value
// byte for byte: text values that are not plain terminated text are written as hex(1):.
#pragma once

#include "RegistryTree.h"

#include <string>

namespace portable::registry {

class RegFileWriter {
  public:
    std::string write(const RegistryTree& tree);

  private:
    void writeKey(const RegistryKey& key, const std::string& path);
    void writeValue(const RegistryValue& value);
    void writeHex(std::string line, const std::vector<BYTE>& data);

    std::string out_;
};

} // namespace portable::registry
