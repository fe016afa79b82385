#pragma once

// Record files built by hand from the layout, independently of the program's
// own record writer: each value little-endian at the start of its own 128-byte
// record, the rest zero; a string is a 2-byte length then its bytes, given
// here already in Windows-1252.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tess::testing {

class HandRecords {
  public:
    HandRecords& i16(int v) { return value(std::uint32_t(v), 2); }
    HandRecords& i32(long v) { return value(std::uint32_t(v), 4); }
    HandRecords& u8(int v) { return value(std::uint32_t(v), 1); }
    HandRecords& str(const std::string& cp1252) {
        std::vector<std::uint8_t> r(128, 0);
        r[0] = std::uint8_t(cp1252.size());
        r[1] = std::uint8_t(cp1252.size() >> 8);
        for (std::size_t i = 0; i < cp1252.size(); ++i) r[2 + i] = std::uint8_t(cp1252[i]);
        return append(r);
    }
    // Empty records up to `record` (numbered from 1): the next value lands there.
    HandRecords& at(int record) {
        bytes.resize(std::size_t(record - 1) * 128, 0);
        return *this;
    }
    int records() const { return int(bytes.size() / 128); }
    std::string text() const { return std::string(bytes.begin(), bytes.end()); }
    std::vector<std::uint8_t> bytes;

  private:
    HandRecords& value(std::uint32_t v, int n) {
        std::vector<std::uint8_t> r(128, 0);
        for (int i = 0; i < n; ++i) r[std::size_t(i)] = std::uint8_t(v >> (8 * i));
        return append(r);
    }
    HandRecords& append(const std::vector<std::uint8_t>& r) {
        bytes.insert(bytes.end(), r.begin(), r.end());
        return *this;
    }
};

// The string stored at the start of a record, read back by hand.
inline std::string storedString(const std::vector<std::uint8_t>& bytes, int record) {
    const std::size_t start = std::size_t(record - 1) * 128;
    if (bytes.size() < start + 2) return {};
    const std::size_t length = bytes[start] | bytes[start + 1] << 8;
    return std::string(bytes.begin() + long(start) + 2, bytes.begin() + long(start + 2 + length));
}

// Byte for byte, a failure naming the first record and byte that differ.
inline void expectSameRecords(const std::vector<std::uint8_t>& written,
                              const std::vector<std::uint8_t>& expected) {
    ASSERT_EQ(written.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        ASSERT_EQ(int(written[i]), int(expected[i]))
            << "record " << i / 128 + 1 << ", byte " << i % 128;
}

}  // namespace tess::testing
