#include "params/value_text.h"

#include <cstring>

void ValueText::assign(const char* text) {
    if (text == nullptr) {
        clear();
        return;
    }
    assignData(text, std::strlen(text));
}

void ValueText::assignData(const char* data, size_t length) {
    if (data == nullptr) {
        clear();
        return;
    }
    const void* nul = std::memchr(data, '\0', length);
    size_t count = nul ? static_cast<size_t>(static_cast<const char*>(nul) - data) : length;
    if (count > kMaxLength)
        count = kMaxLength;
    // memmove: the source may be this very buffer.
    std::memmove(buffer_, data, count);
    buffer_[count] = '\0';
}

size_t ValueText::length() const {
    return std::strlen(buffer_);
}

bool ValueText::equals(const char* text) const {
    return text != nullptr && std::strcmp(buffer_, text) == 0;
}
