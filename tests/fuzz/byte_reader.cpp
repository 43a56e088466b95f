#include "byte_reader.h"

uint8_t ByteReader::byte() {
    return empty() ? 0 : data_[next_++];
}

size_t ByteReader::number(size_t limit) {
    size_t raw = byte();
    if (limit >= 256)
        raw = raw << 8 | byte();
    return raw % (limit + 1);
}

std::string ByteReader::bytes(size_t count) {
    size_t available = empty() ? 0 : size_ - next_;
    size_t taken = count < available ? count : available;
    std::string text(reinterpret_cast<const char*>(data_ + next_), taken);
    next_ += taken;
    return text;
}
