#pragma once
// Hand-written record bytes for the settings tests.

#include "common/record_codec.h"
#include "support/temp_dir.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace settingstest {

using sgtest::operator+;

inline sg::Bytes le16(std::uint16_t v)
{
    return { static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8) };
}

inline sg::Bytes le32(std::uint32_t v)
{
    return { static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
        static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24) };
}

inline sg::Bytes le64(std::uint64_t v)
{
    return le32(static_cast<std::uint32_t>(v)) + le32(static_cast<std::uint32_t>(v >> 32));
}

// Text padded with blanks to width.
inline sg::Bytes padded(const std::string& text, std::size_t width)
{
    sg::Bytes b(text.begin(), text.end());
    b.resize(width, ' ');
    return b;
}

inline void place(sg::Bytes& record, std::size_t offset, const sg::Bytes& bytes)
{
    for (std::size_t i = 0; i < bytes.size(); ++i)
        record.at(offset + i) = bytes[i];
}

// A record of 1670 blank-record bytes: text fields blank, all else 0.
inline sg::Bytes blankRecordBytes()
{
    sg::Bytes r(1670, 0);
    place(r, 30, padded("", 300));
    place(r, 336, padded("", 128));
    place(r, 518, padded("", 248));
    place(r, 822, padded("", 256));
    place(r, 1078, padded("", 256));
    place(r, 1334, padded("", 32));
    place(r, 1366, padded("", 256));
    return r;
}

// Float bit patterns used below.
inline constexpr std::uint32_t kF0 = 0x00000000;
inline constexpr std::uint32_t kF1500 = 0x44BB8000;
inline constexpr std::uint32_t kF6000 = 0x45BB8000;
inline constexpr std::uint32_t kF7095 = 0x45DDB800;
inline constexpr std::uint32_t kF19200 = 0x46960000;
inline constexpr std::uint32_t kF30000 = 0x46EA6000;
inline constexpr std::uint32_t kF2000 = 0x44FA0000;
inline constexpr std::uint32_t kFNaN = 0x7FC00000;
inline constexpr std::uint32_t kFPlusInf = 0x7F800000;
inline constexpr std::uint32_t kFMinusInf = 0xFF800000;

} // namespace settingstest
