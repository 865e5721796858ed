#include "common/record_codec.h"

#include "common/cp1252.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace sg {

std::string trimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::uint32_t RecordReader::u32(std::size_t offset) const
{
    return static_cast<std::uint32_t>(m_bytes[offset])
        | static_cast<std::uint32_t>(m_bytes[offset + 1]) << 8
        | static_cast<std::uint32_t>(m_bytes[offset + 2]) << 16
        | static_cast<std::uint32_t>(m_bytes[offset + 3]) << 24;
}

std::int16_t RecordReader::i16(std::size_t offset) const
{
    const auto v = static_cast<std::uint16_t>(m_bytes[offset] | (m_bytes[offset + 1] << 8));
    return static_cast<std::int16_t>(v);
}

std::int32_t RecordReader::i32(std::size_t offset) const
{
    return static_cast<std::int32_t>(u32(offset));
}

float RecordReader::f32(std::size_t offset) const
{
    return std::bit_cast<float>(u32(offset));
}

double RecordReader::f64(std::size_t offset) const
{
    const std::uint64_t low = u32(offset);
    const std::uint64_t high = u32(offset + 4);
    return std::bit_cast<double>(low | (high << 32));
}

std::string RecordReader::rawText(std::size_t offset, std::size_t width) const
{
    const auto* start = reinterpret_cast<const char*>(m_bytes.data() + offset);
    return fromCp1252(std::string_view(start, width));
}

std::string RecordReader::text(std::size_t offset, std::size_t width) const
{
    return trimBlanks(rawText(offset, width));
}

void RecordWriter::u32(std::size_t offset, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        m_bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void RecordWriter::i16(std::size_t offset, std::int16_t value)
{
    const auto v = static_cast<std::uint16_t>(value);
    m_bytes[offset] = static_cast<std::uint8_t>(v & 0xFF);
    m_bytes[offset + 1] = static_cast<std::uint8_t>(v >> 8);
}

void RecordWriter::i32(std::size_t offset, std::int32_t value)
{
    u32(offset, static_cast<std::uint32_t>(value));
}

void RecordWriter::f32(std::size_t offset, float value)
{
    u32(offset, std::bit_cast<std::uint32_t>(value));
}

void RecordWriter::f64(std::size_t offset, double value)
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    u32(offset, static_cast<std::uint32_t>(bits));
    u32(offset + 4, static_cast<std::uint32_t>(bits >> 32));
}

void RecordWriter::text(std::size_t offset, std::size_t width, std::string_view utf8)
{
    const std::string encoded = toCp1252(utf8);
    const std::size_t n = std::min(width, encoded.size());
    std::memcpy(m_bytes.data() + offset, encoded.data(), n);
    std::fill(m_bytes.begin() + offset + n, m_bytes.begin() + offset + width, ' ');
}

std::size_t recordCount(std::uint64_t length, std::size_t recordLength)
{
    const std::uint64_t whole = length / recordLength;
    const std::uint64_t rest = length % recordLength;
    const std::uint64_t twice = rest * 2;
    if (twice > recordLength || (twice == recordLength && whole % 2 == 1))
        return static_cast<std::size_t>(whole + 1);
    return static_cast<std::size_t>(whole);
}

std::vector<Bytes> splitRecords(std::span<const std::uint8_t> file, const Bytes& blankRecord)
{
    const std::size_t len = blankRecord.size();
    const std::size_t count = recordCount(file.size(), len);
    std::vector<Bytes> records;
    records.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        Bytes record = blankRecord;
        const std::size_t start = i * len;
        const std::size_t available = std::min(len, file.size() - start);
        std::memcpy(record.data(), file.data() + start, available);
        records.push_back(std::move(record));
    }
    return records;
}

} // namespace sg
