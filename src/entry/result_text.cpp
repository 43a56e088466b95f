#include "entry/result_text.h"

#include <cstring>

// Zero-filled at load, alive until the module is unloaded.
char ResultText[ResultTextSize];

void setResultText(const char* word) {
    size_t length = strnlen(word, sizeof ResultText - 1);
    std::memcpy(ResultText, word, length);
    ResultText[length] = '\0';
}
