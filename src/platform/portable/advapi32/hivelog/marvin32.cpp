#include "platform/portable/advapi32/hivelog/marvin32.h"

#include "platform/portable/advapi32/hivelog/le_bytes.h"

namespace portable::hivelog {

namespace {

uint32_t rotateLeft(uint32_t value, int bits) {
    return value << bits | value >> (32 - bits);
}

// The mixing step after each 32-bit word.
void mix(uint32_t& low, uint32_t& high) {
    high ^= low;
    low = rotateLeft(low, 20);
    low += high;
    high = rotateLeft(high, 9);
    high ^= low;
    low = rotateLeft(low, 27);
    low += high;
    high = rotateLeft(high, 19);
}

} // namespace

uint64_t marvin32(std::string_view data, uint64_t seed) {
    uint32_t low = static_cast<uint32_t>(seed);
    uint32_t high = static_cast<uint32_t>(seed >> 32);
    size_t at = 0;
    for (; data.size() - at >= 4; at += 4) {
        low += le32(data, at);
        mix(low, high);
    }
    // The last 0 to 3 bytes, then a 0x80 byte, make the final word.
    uint32_t last = 0x80u << (8 * (data.size() - at));
    for (size_t i = at; i < data.size(); ++i)
        last |= static_cast<uint32_t>(static_cast<unsigned char>(data[i])) << (8 * (i - at));
    low += last;
    mix(low, high);
    mix(low, high);
    return static_cast<uint64_t>(high) << 32 | low;
}

} // namespace portable::hivelog
