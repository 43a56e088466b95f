// The data of one value: up to 20 bytes are kept in place, longer data on the heap. Most values
// are short (numbers, small texts), and a million of them then cost no allocation each.
#pragma once

#include "platform/portable/win32_types.h"

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

    const BYTE* data() const { return onHeap() ? heap() : bytes_; }
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
    // Longer data lives on the heap, its address kept in the first bytes of bytes_.
    BYTE* heap() const {
        BYTE* address;
        std::memcpy(&address, bytes_, sizeof address);
        return address;
    }
    void assign(const BYTE* bytes, size_t size) {
        size_ = static_cast<uint32_t>(size);
        BYTE* target = bytes_;
        if (onHeap()) {
            target = new BYTE[size];
            std::memcpy(bytes_, &target, sizeof target);
        }
        if (size)
            std::memcpy(target, bytes, size);
    }
    void take(ValueBytes& other) {
        size_ = other.size_;
        std::memcpy(bytes_, other.bytes_, kInline);
        other.size_ = 0;
    }
    void release() {
        if (onHeap())
            delete[] heap();
        size_ = 0;
    }

    // No pointer member, so that the data and its size take 24 bytes, not 32.
    BYTE bytes_[kInline] = {};
    uint32_t size_ = 0;
};

} // namespace portable::registry
