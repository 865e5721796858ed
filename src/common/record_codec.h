#pragma once
// Field-by-field codec for the fixed-length little-endian records of the data files.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sg {

using Bytes = std::vector<std::uint8_t>;

// Trims blanks (the space character only) from both ends.
std::string trimBlanks(std::string_view text);

// Reads typed fields at byte offsets of one record. Text is decoded from Windows-1252.
class RecordReader {
public:
    explicit RecordReader(std::span<const std::uint8_t> bytes)
        : m_bytes(bytes)
    {
    }
    std::int16_t i16(std::size_t offset) const;
    std::int32_t i32(std::size_t offset) const;
    float f32(std::size_t offset) const;
    double f64(std::size_t offset) const;
    // The field decoded to UTF-8, untouched.
    std::string rawText(std::size_t offset, std::size_t width) const;
    // The field decoded to UTF-8 and trimmed of blanks at both ends.
    std::string text(std::size_t offset, std::size_t width) const;

private:
    std::uint32_t u32(std::size_t offset) const;
    std::span<const std::uint8_t> m_bytes;
};

// Writes typed fields at byte offsets of one record.
class RecordWriter {
public:
    explicit RecordWriter(std::span<std::uint8_t> bytes)
        : m_bytes(bytes)
    {
    }
    void i16(std::size_t offset, std::int16_t value);
    void i32(std::size_t offset, std::int32_t value);
    void f32(std::size_t offset, float value);
    void f64(std::size_t offset, double value);
    // Encodes UTF-8 text as Windows-1252, cut to width bytes and padded with blanks.
    void text(std::size_t offset, std::size_t width, std::string_view utf8);

private:
    void u32(std::size_t offset, std::uint32_t value);
    std::span<std::uint8_t> m_bytes;
};

// The number of records in a file of the given length: length / recordLength rounded to
// the nearest whole number, halves to the even neighbour.
std::size_t recordCount(std::uint64_t length, std::size_t recordLength);

// The records of a file by the rounding rule. A trailing partial record is completed
// from blankRecord (text fields blank, numbers zero), whose size is the record length.
std::vector<Bytes> splitRecords(std::span<const std::uint8_t> file, const Bytes& blankRecord);

} // namespace sg
