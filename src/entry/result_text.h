// ResultText: the module's result buffer. After each call it holds "OK", "Cancel" or "Error";
// the host reads it through the pointer the call hands back.
#pragma once

#include <cstddef>

constexpr size_t ResultTextSize = 256;
extern char ResultText[ResultTextSize];

void setResultText(const char* word);
