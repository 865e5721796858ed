#include "history/history_text_match.h"

#include "common/cp1252.h"
#include "history/history_record.h"

#include <bit>
#include <cstring>

namespace sg {
namespace {

constexpr std::array<std::uint8_t, 256> makeLowerTable()
{
    std::array<std::uint8_t, 256> table {};
    for (int b = 0; b < 256; ++b) {
        int lower = b;
        if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7))
            lower = b + 0x20;
        else if (b == 0x8A || b == 0x8C || b == 0x8E) // Š Œ Ž
            lower = b + 0x10;
        else if (b == 0x9F) // Ÿ
            lower = 0xFF;
        table[static_cast<std::size_t>(b)] = static_cast<std::uint8_t>(lower);
    }
    return table;
}

constexpr std::uint64_t kEachByte = 0x0101010101010101ULL;
constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
constexpr std::uint64_t kBlanks = 0x2020202020202020ULL;

// The helpers of the inner loop are inlined even in unoptimised builds, where a call per
// eight bytes would cost more than the work.
[[gnu::always_inline]] inline std::uint64_t load8(const std::uint8_t* p)
{
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

// The high bit of each byte of v that is zero, and no other bit.
[[gnu::always_inline]] inline std::uint64_t zeroBytes(std::uint64_t v)
{
    return ~(((v & kLow7) + kLow7) | v | kLow7);
}

// The position in memory order of the first byte flagged by zeroBytes.
[[gnu::always_inline]] inline unsigned firstFlagged(std::uint64_t flags)
{
    if constexpr (std::endian::native == std::endian::little)
        return static_cast<unsigned>(std::countr_zero(flags)) / 8;
    else
        return static_cast<unsigned>(std::countl_zero(flags)) / 8;
}

[[gnu::always_inline]] inline std::uint64_t withoutFirstFlagged(std::uint64_t flags)
{
    if constexpr (std::endian::native == std::endian::little)
        return flags & (flags - 1);
    else
        return flags & ~(std::uint64_t { 0x8000000000000000ULL } >> std::countl_zero(flags));
}

} // namespace

const std::array<std::uint8_t, 256> kCp1252Lower = makeLowerTable();

std::string foldedCp1252(std::string_view utf8)
{
    std::string bytes = toCp1252(utf8);
    for (char& c : bytes)
        c = static_cast<char>(kCp1252Lower[static_cast<unsigned char>(c)]);
    return bytes;
}

FieldExtent trimmedExtent(const std::uint8_t* field, std::size_t width)
{
    // Fields are mostly padding: step back over it eight blanks at a time.
    std::size_t end = width;
    while (end >= 8 && load8(field + end - 8) == kBlanks)
        end -= 8;
    while (end > 0 && field[end - 1] == ' ')
        --end;
    std::size_t begin = 0;
    while (begin < end && field[begin] == ' ')
        ++begin;
    return { begin, end };
}

FieldMatcher::ByteFilter FieldMatcher::filterFor(std::uint8_t folded)
{
    std::uint64_t mask = 0;
    for (std::size_t b = 0; b < 256; ++b) {
        if (kCp1252Lower[b] == folded)
            mask |= b ^ folded;
    }
    return { mask * kEachByte, (folded | mask) * kEachByte };
}

FieldMatcher::FieldMatcher(std::string_view utf8Text)
    : m_needle(foldedCp1252(utf8Text))
{
    if (m_needle.empty())
        return;
    m_blankAtAnEnd = m_needle.front() == ' ' || m_needle.back() == ' ';
    m_first = filterFor(static_cast<std::uint8_t>(m_needle.front()));
    m_last = filterFor(static_cast<std::uint8_t>(m_needle.back()));
}

bool FieldMatcher::inTitle(const std::uint8_t* record) const
{
    return inField(record + kTitleOffset, kTitleWidth);
}

bool FieldMatcher::inUrl(const std::uint8_t* record) const
{
    return inField(record + kUrlOffset, kUrlWidth);
}

bool FieldMatcher::matchesAt(const std::uint8_t* at) const
{
    const auto* needle = reinterpret_cast<const std::uint8_t*>(m_needle.data());
    const std::size_t m = m_needle.size();
    const std::uint8_t* lower = kCp1252Lower.data();
    for (std::size_t k = 0; k < m; ++k) {
        if (lower[at[k]] != needle[k])
            return false;
    }
    return true;
}

bool FieldMatcher::inField(const std::uint8_t* field, std::size_t width) const
{
    const std::size_t m = m_needle.size();
    if (m == 0)
        return true;
    // A text with no blank at either end cannot match in the padding, so only the end of
    // the field's content is needed.
    std::size_t begin = 0;
    std::size_t end = width;
    while (end >= 8 && load8(field + end - 8) == kBlanks)
        end -= 8;
    if (m_blankAtAnEnd) {
        const FieldExtent extent = trimmedExtent(field, end);
        begin = extent.begin;
        end = extent.end;
    }
    if (end < begin + m)
        return false;
    // Eight start positions at a time: their first bytes against the text's first byte and
    // the bytes m - 1 further on against its last byte; the few that pass both are compared.
    const std::uint8_t* const last = field + end - m;
    for (const std::uint8_t* p = field + begin; p <= last; p += 8) {
        std::uint64_t flags = zeroBytes((load8(p) | m_first.mask) ^ m_first.value)
            & zeroBytes((load8(p + m - 1) | m_last.mask) ^ m_last.value);
        while (flags != 0) {
            const std::uint8_t* at = p + firstFlagged(flags);
            if (at > last)
                break;
            if (matchesAt(at))
                return true;
            flags = withoutFirstFlagged(flags);
        }
    }
    return false;
}

} // namespace sg
