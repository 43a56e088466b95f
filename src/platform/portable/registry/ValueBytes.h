// The data of one value: up to 20 bytes are kept in place, longer data on the heap. Most values
// are short (numbers, small texts), and a million of them then cost no allocation each.
#pragma once

#include "../win32_types.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace portable::registry {

class ValueBytes {
  public:
    ValueBytes() = default;
    explicit ValueBytes(const std::vector<BYTE>& bytes) { assign(bytes.data(), bytes.size()); }
    ValueBytes(const ValueBytes& other) { assign(other.data(), other.size()); }
    ValueBytes(ValueBytes&& other) noexcept { take(other); }
    ValueBytes& operator=(const ValueBytes& other) {
        if (this != &other) {
            release();
            assign(other.data(), other.size());
        }
        return *this;
    }
    ValueBytes& operator=(ValueBytes&& other) noexcept {
        if (this != &other) {
            release();
            take(other);
        }
        return *this;
    }
    ~ValueBytes() { release(); }

    const BYTE* data() const { return onHeap() ? heap_ : inline_; }
    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    BYTE back() const { return data()[size_ - 1]; }
    BYTE operator[](size_t i) const { return data()[i]; }
    const BYTE* begin() const { return data(); }
    const BYTE* end() const { return data() + size_; }
    std::vector<BYTE> toVector() const { return std::vector<BYTE>(begin(), end()); }

    bool operator==(const ValueBytes& other) const {
        return size_ == other.size_ && std::memcmp(data(), other.data(), size_) == 0;
    }
    bool operator!=(const ValueBytes& other) const { return !(*this == other); }

  private:
    static constexpr size_t kInline = 20;

    bool onHeap() const { return size_ > kInline; }
    void assign(const BYTE* bytes, size_t size) {
        size_ = static_cast<uint32_t>(size);
        BYTE* target = inline_;
        if (onHeap())
            target = heap_ = new BYTE[size];
        if (size)
            std::memcpy(target, bytes, size);
    }
    void take(ValueBytes& other) {
        size_ = other.size_;
        if (onHeap())
            heap_ = other.heap_;
        else
            std::memcpy(inline_, other.inline_, size_);
        other.size_ = 0;
    }
    void release() {
        if (onHeap())
            delete[] heap_;
        size_ = 0;
    }

    union {
        BYTE inline_[kInline];
        BYTE* heap_;
    };
    uint32_t size_ = 0;
};

} // namespace portable::registry
