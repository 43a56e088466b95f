// The text a registry was read from, kept so that a save writes again, as they were, the lines
// of everything that did not change: comments, blank lines, the header, line ends, encoding.
#pragma once

#include "platform/portable/advapi32/text_encoding.h"

#include <string>

namespace portable::registry {

struct RegFileSource {
    std::string text; // as UTF-8, the offsets of keys and values point into it
    FileEncoding encoding = FileEncoding::Bytes;
    bool version5 = false;        // "Windows Registry Editor Version 5.00": string data as UTF-16
    std::string lineEnd = "\r\n"; // of its first line, for the lines written anew
    size_t firstKey = std::string::npos; // offset of its first key line; what is before is kept
};

} // namespace portable::registry
