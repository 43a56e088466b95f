// A hash index over the positions 0..n-1 of a sequence of named items, with names compared
// without regard to ASCII case: finds a name among a million values at once, while the items
// themselves keep their order.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace portable::registry {

bool sameName(std::string_view a, std::string_view b);
size_t foldedHash(std::string_view name);

class NameIndex {
  public:
    static constexpr uint32_t kNone = UINT32_MAX;

    // The position whose name (nameAt(position)) is `name`, or kNone.
    template <class NameAt> uint32_t find(std::string_view name, NameAt nameAt) const {
        if (slots_.empty())
            return kNone;
        const size_t mask = slots_.size() - 1;
        for (size_t i = foldedHash(name) & mask;; i = (i + 1) & mask) {
            uint32_t position = slots_[i];
            if (position == kNone || sameName(nameAt(position), name))
                return position;
        }
    }

    // Adds position count(), the next one.
    template <class NameAt> void add(NameAt nameAt) {
        if ((count_ + 1) * 4 > slots_.size() * 3) {
            rebuild(count_ + 1, nameAt);
            return;
        }
        place(static_cast<uint32_t>(count_++), nameAt);
    }

    // Indexes positions 0..count-1 afresh.
    template <class NameAt> void rebuild(size_t count, NameAt nameAt) {
        size_t size = 16;
        while (size * 3 < count * 4)
            size *= 2;
        slots_.assign(size, kNone);
        count_ = 0;
        while (count_ < count)
            place(static_cast<uint32_t>(count_++), nameAt);
    }

    void clear() {
        slots_.clear();
        count_ = 0;
    }
    size_t count() const { return count_; }

  private:
    template <class NameAt> void place(uint32_t position, NameAt nameAt) {
        const size_t mask = slots_.size() - 1;
        size_t i = foldedHash(nameAt(position)) & mask;
        while (slots_[i] != kNone)
            i = (i + 1) & mask;
        slots_[i] = position;
    }

    // Positions, kNone where free: a power of two of them, at most three quarters used.
    std::vector<uint32_t> slots_;
    size_t count_ = 0;
};

} // namespace portable::registry
