#include "entry/result_text.h"

#include <cstdio>

// Zero-filled at load, alive until the module is unloaded.
char ResultText[ResultTextSize];

void setResultText(const char* word) {
    std::snprintf(ResultText, sizeof ResultText, "%s", word);
}
