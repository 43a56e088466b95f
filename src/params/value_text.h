// A display or stored value: a NUL-terminated 8-bit text of at most 255 characters held in a
// 256-byte buffer. Every way into the buffer cuts the text at 255 characters.
#pragma once

#include <cstddef>

class ValueText {
  public:
    static constexpr size_t kCapacity = 256;
    static constexpr size_t kMaxLength = kCapacity - 1;

    ValueText() = default;
    explicit ValueText(const char* text) { assign(text); }

    // Copies a NUL-terminated text; null counts as empty.
    void assign(const char* text);
    // Copies raw data up to its first NUL or `length` bytes, whichever comes first.
    void assignData(const char* data, size_t length);
    void clear() { buffer_[0] = '\0'; }

    const char* c_str() const { return buffer_; }
    size_t length() const;
    bool empty() const { return buffer_[0] == '\0'; }
    // Exact, byte-for-byte comparison.
    bool equals(const char* text) const;

    // The raw buffer, for functions that fill a buffer of kCapacity bytes and terminate it.
    char* buffer() { return buffer_; }

  private:
    char buffer_[kCapacity] = {};
};
