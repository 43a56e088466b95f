// HeapText: a text of any length on the heap, for the few texts that have no bound of their own
// (a service's key path, a module's path and the names made from it).
//
// The C++ library's string is not used in the module: its failure paths throw, and throwing
// brings the whole exception runtime into the DLL. When memory runs out a HeapText keeps what
// it had, stops growing and says so in failed(); callers must not use a text that failed.
#pragma once

#include <cstdlib>
#include <cstring>

class HeapText {
  public:
    HeapText() = default;
    explicit HeapText(const char* text) { append(text); }
    HeapText(const char* text, size_t count) { append(text, count); }
    ~HeapText() { std::free(data_); }

    HeapText(HeapText&& other) noexcept
        : data_(other.data_), size_(other.size_), failed_(other.failed_) {
        other.data_ = nullptr;
        other.size_ = 0;
    }
    HeapText& operator=(HeapText&& other) noexcept {
        if (this != &other) {
            std::free(data_);
            data_ = other.data_;
            size_ = other.size_;
            failed_ = other.failed_;
            other.data_ = nullptr;
            other.size_ = 0;
        }
        return *this;
    }
    HeapText(const HeapText&) = delete;
    HeapText& operator=(const HeapText&) = delete;

    // Appends `count` bytes of `text`; null counts as empty.
    HeapText& append(const char* text, size_t count) {
        if (failed_ || text == nullptr || count == 0)
            return *this;
        char* grown = static_cast<char*>(std::realloc(data_, size_ + count + 1));
        if (grown == nullptr) {
            failed_ = true;
            return *this;
        }
        std::memcpy(grown + size_, text, count);
        data_ = grown;
        size_ += count;
        data_[size_] = '\0';
        return *this;
    }
    HeapText& append(const char* text) { return append(text, text ? std::strlen(text) : 0); }

    const char* c_str() const { return data_ != nullptr ? data_ : ""; }
    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    // True once memory ran out: the text is incomplete.
    bool failed() const { return failed_; }

  private:
    char* data_ = nullptr;
    size_t size_ = 0;
    bool failed_ = false;
};
