#pragma once

// Documents built byte by byte from the record layout, independently of the
// program's own record writer: each value at the start of its 128-byte record,
// little-endian, strings as a 2-byte length and Windows-1252 bytes.

#include <cstdint>
#include <string>
#include <vector>

namespace tess::testing {

class HandRecords {
  public:
    HandRecords& integer(int record, std::int16_t v) { return put(record, {lo(v), hi(v)}); }
    HandRecords& longValue(int record, std::int32_t v) {
        const auto u = std::uint32_t(v);
        return put(record, {std::uint8_t(u), std::uint8_t(u >> 8), std::uint8_t(u >> 16),
                            std::uint8_t(u >> 24)});
    }
    HandRecords& byte(int record, std::uint8_t v) { return put(record, {v}); }
    // `latin` holds the bytes as stored (Windows-1252).
    HandRecords& string(int record, const std::string& latin) {
        std::vector<std::uint8_t> bytes = {std::uint8_t(latin.size()),
                                           std::uint8_t(latin.size() >> 8)};
        bytes.insert(bytes.end(), latin.begin(), latin.end());
        return put(record, bytes);
    }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

  private:
    static std::uint8_t lo(std::int16_t v) { return std::uint8_t(std::uint16_t(v)); }
    static std::uint8_t hi(std::int16_t v) { return std::uint8_t(std::uint16_t(v) >> 8); }
    HandRecords& put(int record, const std::vector<std::uint8_t>& value) {
        const std::size_t start = std::size_t(record - 1) * 128;
        if (bytes_.size() < start + 128) bytes_.resize(start + 128, 0);
        for (std::size_t i = 0; i < value.size(); ++i) bytes_[start + i] = value[i];
        return *this;
    }
    std::vector<std::uint8_t> bytes_;
};

// The value stored at the start of a record, read back by hand.
inline std::string storedString(const std::vector<std::uint8_t>& bytes, int record) {
    const std::size_t start = std::size_t(record - 1) * 128;
    if (bytes.size() < start + 2) return {};
    const std::size_t length = bytes[start] | bytes[start + 1] << 8;
    return std::string(bytes.begin() + long(start) + 2, bytes.begin() + long(start + 2 + length));
}
inline std::int32_t storedLong(const std::vector<std::uint8_t>& bytes, int record) {
    const std::size_t s = std::size_t(record - 1) * 128;
    return std::int32_t(std::uint32_t(bytes[s]) | std::uint32_t(bytes[s + 1]) << 8 |
                        std::uint32_t(bytes[s + 2]) << 16 | std::uint32_t(bytes[s + 3]) << 24);
}
inline std::int16_t storedInteger(const std::vector<std::uint8_t>& bytes, int record) {
    const std::size_t s = std::size_t(record - 1) * 128;
    return std::int16_t(std::uint16_t(bytes[s] | bytes[s + 1] << 8));
}

}  // namespace tess::testing
