#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_reading.h"

namespace tess {

// A file of fixed 128-byte records, one value per record, numbered from 1:
// Byte 1 byte, Integer 2 bytes, Long 4 bytes, little-endian; a String is a
// 2-byte length followed by its Windows-1252 bytes (at most 126). The rest of a
// record is zero. Built in memory and written in one piece by the caller, so a
// refused value never leaves a half-written file.
inline constexpr int kRecordLength = 128;
inline constexpr int kMaxRecordString = kRecordLength - 2;

class RecordWriter {
  public:
    // Room for `records` records at once, so that the bytes are not moved
    // each time they outgrow their storage.
    void reserve(std::int32_t records);
    void putByte(std::uint8_t v);
    void putInteger(std::int16_t v);
    void putLong(std::int32_t v);
    // False (and nothing added) when the text is too long or has a character
    // that Windows-1252 cannot hold.
    [[nodiscard]] bool putString(const std::string& utf8);
    // A file path as the system gives it: UTF-8 text goes as putString; bytes
    // that are no UTF-8 (a Latin-1 name from an older disk) are stored as
    // they are, which is what Windows-1252 makes of them. False when too long.
    [[nodiscard]] bool putPath(const std::string& path);
    std::int32_t recordCount() const;
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

  private:
    std::vector<std::uint8_t> bytes_;
};

// Reads records at any number; records past the end (or cut short) read as 0
// or the empty text, so a reader never fails on a truncated file.
class RecordReader {
  public:
    explicit RecordReader(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
    std::uint8_t getByte(std::int32_t record) const;
    std::int16_t getInteger(std::int32_t record) const;
    std::int32_t getLong(std::int32_t record) const;
    std::string getString(std::int32_t record) const;  // UTF-8
    std::int32_t recordCount() const;                  // whole or partial records present

  private:
    // `bytes` little-endian bytes at `offset` in a record; bytes past the end read as 0.
    std::uint32_t littleEndian(std::int32_t record, int offset, int bytes) const;
    std::vector<std::uint8_t> bytes_;
};

// A little-endian byte stream (the ".fmp" fur file and the like).
class ByteWriter {
  public:
    void putByte(std::uint8_t v);
    void putInteger(std::int16_t v);
    void putLong(std::int32_t v);
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

  private:
    std::vector<std::uint8_t> bytes_;
};

class ByteReader {
  public:
    explicit ByteReader(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
    // Empty when the stream ends before the value (the stream is then spent).
    std::optional<std::uint8_t> getByte();
    std::optional<std::int16_t> getInteger();
    std::optional<std::int32_t> getLong();
    std::size_t remaining() const { return bytes_.size() - pos_; }

  private:
    std::optional<std::uint32_t> take(int bytes);
    std::vector<std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

// Whole files are read through platform/file_reading.h (readFileBytes).
// writeFileAtomically writes to a temporary file in the same folder, flushes it
// to the disk and renames it over `path`, so the old file stays whole when
// anything fails; it returns an empty text on success, else the reason (French,
// for the user).
std::string writeFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace tess
