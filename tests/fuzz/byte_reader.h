// Reads a fuzzer's input from its front: bytes, small numbers and byte strings. Once the input
// is used up every read gives zero or nothing, so any input decodes to something.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class ByteReader {
  public:
    ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool empty() const { return next_ >= size_; }
    uint8_t byte();
    // A number from 0 to limit, from one byte (limit < 256) or two.
    size_t number(size_t limit);
    // Up to count bytes; fewer when the input ends first.
    std::string bytes(size_t count);

  private:
    const uint8_t* data_;
    size_t size_;
    size_t next_ = 0;
};
