// Little-endian fields of a hive or a log, read and written only inside the bytes: a log comes
// from a damaged disk, so no offset or length in it is trusted before it is checked.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace portable::hivelog {

// True when [at, at + length) lies inside a buffer of `size` bytes (no overflow on the way).
inline bool fits(size_t size, size_t at, size_t length) {
    return at <= size && length <= size - at;
}

// The 32-bit field at `at`; 0 when it does not fit.
inline uint32_t le32(std::string_view bytes, size_t at) {
    if (!fits(bytes.size(), at, 4))
        return 0;
    auto b = reinterpret_cast<const unsigned char*>(bytes.data() + at);
    return b[0] | b[1] << 8 | b[2] << 16 | static_cast<uint32_t>(b[3]) << 24;
}

inline uint64_t le64(std::string_view bytes, size_t at) {
    return le32(bytes, at) | static_cast<uint64_t>(le32(bytes, at + 4)) << 32;
}

// Writes the 32-bit field at `at` when it fits.
inline void putLe32(std::string* bytes, size_t at, uint32_t value) {
    if (!fits(bytes->size(), at, 4))
        return;
    for (int i = 0; i < 4; ++i)
        (*bytes)[at + i] = static_cast<char>(value >> (8 * i));
}

inline void putLe64(std::string* bytes, size_t at, uint64_t value) {
    putLe32(bytes, at, static_cast<uint32_t>(value));
    putLe32(bytes, at + 4, static_cast<uint32_t>(value >> 32));
}

} // namespace portable::hivelog
