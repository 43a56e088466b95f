// TemplateReader: reads the binary DLGTEMPLATE of a resource (the classic format, WORD
// aligned records, DWORD aligned items) into a description of the dialog and its controls.
#pragma once

#include "platform/portable/windows.h"

#include <string>
#include <vector>

namespace portable {

struct ItemDescription {
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT rect{}; // dialog units
    int id = 0;
    std::string className;
    std::string text;
};

struct DialogDescription {
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT rect{}; // dialog units
    std::string caption;
    std::vector<ItemDescription> items;
};

// False when the bytes are not a template this reader knows, or run past `size`.
bool readTemplate(const void* data, size_t size, DialogDescription& out);

} // namespace portable
