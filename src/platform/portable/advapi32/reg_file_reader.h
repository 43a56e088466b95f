// Reads the registry export format: a "REGEDIT4" (or "Windows Registry Editor Version 5.00",
// UTF-16 or UTF-8) header, then [HKEY_...\path] sections with "name"= or @= values written as
// "text", dword:, hex: or hex(type):, hex lines continued with a trailing backslash. Blank lines
// and ; comments are skipped; keys above a section exist without being written. The tree keeps
// the text and where each key and value came from, for a save that rewrites only what changed.
#pragma once

#include "platform/portable/advapi32/reg_file_syntax.h"
#include "platform/portable/advapi32/registry_tree.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace portable::registry {

class RegFileReader {
  public:
    // Fills *tree from the file's bytes. On a malformed file returns false with the 1-based line
    // and what is wrong with it; *tree is then incomplete and must be dropped.
    bool read(std::string_view bytes, RegistryTree* tree);
    // The same, keeping the bytes as the tree's text where they need no decoding.
    bool read(std::string&& bytes, RegistryTree* tree);

    int errorLine() const { return errorLine_; }
    const std::string& errorMessage() const { return errorMessage_; }

  private:
    bool fail(int line, std::string message);
    bool readText(DecodedText decoded, RegistryTree* tree);
    bool readHeader(const RegFileLine& line);
    bool readSection(const RegFileLine& line, RegistryTree* tree);
    bool readValue(const RegFileLine& line, const RegFileLines& lines);
    bool readData(std::string_view text, int number, DWORD* type, std::vector<BYTE>* data);
    bool readHexList(std::string_view text, int number, std::vector<BYTE>* data);

    std::shared_ptr<RegFileSource> source_;
    RegistryKey* section_ = nullptr;
    int errorLine_ = 0;
    std::string errorMessage_;
};

} // namespace portable::registry
