// Reads the registry export format: a "REGEDIT4" (or "Windows Registry Editor Version 5.00",
// UTF-16 or UTF-8) header, then [HKEY_...\path] sections with "name"= or @= values written as
// "text", dword:, hex: or hex(type):, hex lines continued with a trailing backslash. Blank lines
// and ; comments are skipped; keys above a section exist without being written.
#pragma once

#include "RegistryTree.h"

#include <string>
#include <string_view>
#include <vector>

namespace portable::registry {

class RegFileReader {
  public:
    // Fills *tree from the file's text. On a malformed file returns false with the 1-based line
    // and what is wrong with it; *tree is then incomplete and must be dropped.
    bool read(std::string_view text, RegistryTree* tree);

    int errorLine() const { return errorLine_; }
    const std::string& errorMessage() const { return errorMessage_; }

  private:
    bool fail(int line, std::string message);
    bool readHeader(std::string_view line, int number);
    bool readSection(std::string_view line, int number, RegistryTree* tree);
    bool readValue(std::string_view line, int number);
    bool readData(std::string_view text, int number, DWORD* type, std::vector<BYTE>* data);
    bool readHexList(std::string_view text, int number, std::vector<BYTE>* data);
    // The logical line starting at line_ (a hex list may go on over the lines after it).
    std::string joinContinuations(std::string_view first);

    std::vector<std::string> lines_;
    size_t line_ = 0;
    bool unicode_ = false; // version 5 files keep string data as UTF-16LE in hex(1), hex(2), hex(7)
    RegistryKey* section_ = nullptr;
    int errorLine_ = 0;
    std::string errorMessage_;
};

} // namespace portable::registry
