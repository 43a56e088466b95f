#include "empty_hive.h"

#include <cstdint>

namespace test_support {

namespace {

constexpr uint32_t kBaseBlockSize = 0x1000;
constexpr uint32_t kBinSize = 0x1000;
constexpr uint32_t kBinHeaderSize = 0x20;
// Cell offsets count from the first bin.
constexpr uint32_t kRootCell = kBinHeaderSize;

void put16(std::string* bytes, size_t at, uint32_t value) {
    (*bytes)[at] = static_cast<char>(value & 0xFF);
    (*bytes)[at + 1] = static_cast<char>(value >> 8 & 0xFF);
}

void put32(std::string* bytes, size_t at, uint32_t value) {
    put16(bytes, at, value & 0xFFFF);
    put16(bytes, at + 2, value >> 16);
}

uint32_t get32(const std::string& bytes, size_t at) {
    auto byte = [&](size_t i) {
        return static_cast<uint32_t>(static_cast<unsigned char>(bytes[i]));
    };
    return byte(at) | byte(at + 1) << 8 | byte(at + 2) << 16 | byte(at + 3) << 24;
}

uint32_t aligned(uint32_t size) {
    return (size + 7) & ~7u;
}

// A cell: its size, negative while in use, then its contents.
void putCellSize(std::string* bytes, uint32_t cell, uint32_t size, bool used) {
    put32(bytes, kBaseBlockSize + cell,
          used ? static_cast<uint32_t>(-static_cast<int32_t>(size)) : size);
}

void writeBaseBlock(std::string* bytes) {
    bytes->replace(0, 4, "regf");
    put32(bytes, 0x04, 1);         // primary sequence number
    put32(bytes, 0x08, 1);         // secondary sequence number: equal, the hive is clean
    put32(bytes, 0x14, 1);         // major version
    put32(bytes, 0x18, 3);         // minor version
    put32(bytes, 0x1C, 0);         // a primary file
    put32(bytes, 0x20, 1);         // the direct memory load format
    put32(bytes, 0x24, kRootCell); // the root key's cell
    put32(bytes, 0x28, kBinSize);  // bytes of bins
    put32(bytes, 0x2C, 1);         // clustering factor
    uint32_t sum = 0;
    for (size_t at = 0; at < 0x1FC; at += 4)
        sum ^= get32(*bytes, at);
    put32(bytes, 0x1FC, sum == 0 ? 1 : sum == 0xFFFFFFFF ? 0xFFFFFFFE : sum);
}

void writeBinHeader(std::string* bytes) {
    bytes->replace(kBaseBlockSize, 4, "hbin");
    put32(bytes, kBaseBlockSize + 0x04, 0);        // its offset among the bins
    put32(bytes, kBaseBlockSize + 0x08, kBinSize); // its size
}

// The root key: no subkeys, no values, no class; returns the cell's size.
uint32_t writeRootKey(std::string* bytes, const std::string& name, uint32_t securityCell) {
    const uint32_t nk = kBaseBlockSize + kRootCell + 4;
    bytes->replace(nk, 2, "nk");
    put16(bytes, nk + 0x02, 0x2C);       // hive entry, not deletable, name in ASCII
    put32(bytes, nk + 0x10, 0);          // parent: none
    put32(bytes, nk + 0x1C, 0xFFFFFFFF); // subkey list
    put32(bytes, nk + 0x20, 0xFFFFFFFF); // volatile subkey list
    put32(bytes, nk + 0x28, 0xFFFFFFFF); // value list
    put32(bytes, nk + 0x2C, securityCell);
    put32(bytes, nk + 0x30, 0xFFFFFFFF); // class name
    put16(bytes, nk + 0x48, static_cast<uint32_t>(name.size()));
    bytes->replace(nk + 0x4C, name.size(), name);
    uint32_t size = aligned(4 + 0x4C + static_cast<uint32_t>(name.size()));
    putCellSize(bytes, kRootCell, size, true);
    return size;
}

// The security cell of every key: a list of one, referred to once, holding a self-relative
// security descriptor with neither owner nor lists (everyone may do anything).
uint32_t writeSecurity(std::string* bytes, uint32_t cell) {
    const uint32_t sk = kBaseBlockSize + cell + 4;
    const uint32_t descriptorSize = 20;
    bytes->replace(sk, 2, "sk");
    put32(bytes, sk + 0x04, cell); // next in the list: itself
    put32(bytes, sk + 0x08, cell); // previous: itself
    put32(bytes, sk + 0x0C, 1);    // keys referring to it
    put32(bytes, sk + 0x10, descriptorSize);
    (*bytes)[sk + 0x14] = 1;         // descriptor revision
    put16(bytes, sk + 0x16, 0x8000); // self-relative
    uint32_t size = aligned(4 + 0x14 + descriptorSize);
    putCellSize(bytes, cell, size, true);
    return size;
}

} // namespace

std::string emptyHive(const std::string& rootName) {
    std::string bytes(kBaseBlockSize + kBinSize, '\0');
    writeBinHeader(&bytes);
    const uint32_t securityCell =
        kRootCell + aligned(4 + 0x4C + static_cast<uint32_t>(rootName.size()));
    writeRootKey(&bytes, rootName, securityCell);
    uint32_t freeCell = securityCell + writeSecurity(&bytes, securityCell);
    putCellSize(&bytes, freeCell, kBinSize - freeCell, false);
    writeBaseBlock(&bytes);
    return bytes;
}

} // namespace test_support
