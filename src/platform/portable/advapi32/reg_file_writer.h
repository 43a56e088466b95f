// Writes the registry in the export format, so that reading it back gives every value byte for
// byte: text values that are not plain terminated text are written as hex(1):.
//
// A tree read from a file is written as that file with only what changed written anew: the
// lines of keys and values that are gone are dropped, a changed value's lines are replaced where
// they were, new values go at the end of their key's last section, new keys at the end of the
// file; everything else (comments, blank lines, header, line ends, encoding) is kept as it was.
// A tree of no file is written as REGEDIT4 with CRLF line ends.
#pragma once

#include "platform/portable/advapi32/registry_tree.h"

#include <string>
#include <string_view>

namespace portable::registry {

class RegFileWriter {
  public:
    std::string write(const RegistryTree& tree);

  private:
    void writeSections(const RegistryTree& tree, const RegFileSource& source);
    void writeSection(const RegistryKey& key, SourceOffset offset, const RegFileSource& source);
    void writeNewKeys(const RegistryTree& tree);
    void startLine();
    bool endsWithBlankLine() const;
    void writeValue(const RegistryValue& value);
    void writeHex(std::string line, const std::vector<BYTE>& data);

    std::string out_;
    std::string_view lineEnd_ = "\r\n";
    bool version5_ = false; // string data written as UTF-16LE
};

} // namespace portable::registry
