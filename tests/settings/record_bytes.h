#pragma once
// Hand-written record bytes for the settings tests.

#include "common/record_codec.h"
#include "support/temp_dir.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

namespace settingstest {

using sgtest::operator+;
using sgtest::padded;

inline sg::Bytes le16(std::uint16_t v)
{
    return { static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8) };
}

inline sg::Bytes le32(std::uint32_t v)
{
    return le16(static_cast<std::uint16_t>(v)) + le16(static_cast<std::uint16_t>(v >> 16));
}

inline sg::Bytes le64(std::uint64_t v)
{
    return le32(static_cast<std::uint32_t>(v)) + le32(static_cast<std::uint32_t>(v >> 32));
}

inline void place(sg::Bytes& record, std::size_t offset, const sg::Bytes& bytes)
{
    for (std::size_t i = 0; i < bytes.size(); ++i)
        record.at(offset + i) = bytes[i];
}

// A record of 1670 blank-record bytes: text fields (offset, width) blank, all else 0.
inline sg::Bytes blankRecordBytes()
{
    sg::Bytes r(1670, 0);
    for (const auto& [at, width] : { std::pair<std::size_t, std::size_t> { 30, 300 }, { 336, 128 },
             { 518, 248 }, { 822, 256 }, { 1078, 256 }, { 1334, 32 }, { 1366, 256 } })
        place(r, at, padded("", width));
    return r;
}

// Float bit patterns.
inline constexpr std::uint32_t kF0 = 0x00000000;
inline constexpr std::uint32_t kF1500 = 0x44BB8000;
inline constexpr std::uint32_t kF2000 = 0x44FA0000;
inline constexpr std::uint32_t kF6000 = 0x45BB8000;
inline constexpr std::uint32_t kFNaN = 0x7FC00000;
inline constexpr std::uint32_t kFPlusInf = 0x7F800000;
inline constexpr std::uint32_t kFMinusInf = 0xFF800000;

} // namespace settingstest
