// Marvin32, the keyed 64-bit hash with which a log entry of the new format vouches for its
// header and its pages.
#pragma once

#include <cstdint>
#include <string_view>

namespace portable::hivelog {

// The seed the registry's logs are hashed with (written 82 EF 4D 88 7A 4E 55 C5: the number,
// most significant byte first).
constexpr uint64_t kLogEntrySeed = 0x82EF4D887A4E55C5ull;

uint64_t marvin32(std::string_view data, uint64_t seed);

} // namespace portable::hivelog
