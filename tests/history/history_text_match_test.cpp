#include "common/cp1252.h"
#include "history/history_record.h"
#include "history/history_text_match.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <random>

using namespace sg;
using namespace sgtest;

namespace {

// A record whose Title and Url fields hold these stored bytes, padded with blanks.
Bytes recordWith(const std::string& title, const std::string& url)
{
    return filled(12, 0) + bytesOf(title) + filled(116 - title.size(), ' ') + bytesOf(url)
        + filled(192 - url.size(), ' ') + filled(192, ' ');
}

// The plain way: trim, lower-case byte by byte, look for the lower-cased text.
bool naiveContains(
    const Bytes& record, std::size_t offset, std::size_t width, const std::string& storedText)
{
    std::string field(record.begin() + static_cast<std::ptrdiff_t>(offset),
        record.begin() + static_cast<std::ptrdiff_t>(offset + width));
    field = trimBlanks(field);
    std::string text = storedText;
    for (char& c : field)
        c = static_cast<char>(kCp1252Lower[static_cast<unsigned char>(c)]);
    for (char& c : text)
        c = static_cast<char>(kCp1252Lower[static_cast<unsigned char>(c)]);
    return field.find(text) != std::string::npos;
}

} // namespace

TEST(FieldMatcher, FindsTheTextInTheTrimmedFieldWhateverTheCase)
{
    const Bytes r = recordWith("  Radar Caf\xC9 Loop", "http://www.Radar.example/loop");
    // É Š Ÿ lower; × and ß have no lower case; letters outside the code page are "?".
    EXPECT_EQ(
        foldedCp1252("CAF\xC3\x89\xC5\xA0\xC5\xB8\xC3\x97\xC3\x9F"), "caf\xE9\x9A\xFF\xD7\xDF");
    EXPECT_EQ(foldedCp1252("\xE6\x97\xA5"), "?");
    EXPECT_TRUE(FieldMatcher("CAF\xC3\x89").inTitle(r.data()));
    EXPECT_TRUE(FieldMatcher("R.EXAMPLE/L").inUrl(r.data()));
    EXPECT_TRUE(FieldMatcher("").inTitle(r.data()));

    // Texts longer than the eight bytes looked at together, up to a whole field.
    const Bytes full = recordWith(std::string(116, 'x'), std::string(190, 'u') + "Zz");
    EXPECT_TRUE(FieldMatcher(std::string(116, 'x')).inTitle(full.data()));
    EXPECT_FALSE(FieldMatcher(std::string(117, 'x')).inTitle(full.data()));
    EXPECT_TRUE(FieldMatcher(std::string(20, 'u') + "ZZ").inUrl(full.data()));
}

TEST(FieldMatcher, AgreesWithThePlainSearchOnRandomFields)
{
    // Few distinct bytes, so that near-misses and case pairs are common.
    const std::uint8_t alphabet[]
        = { 'a', 'A', 'b', 'B', ' ', '.', 0x0E, 0xC9, 0xE9, 0x8A, 0x9A, 0x9F, 0xFF, 0xDF };
    std::mt19937 rng(42);
    auto randomText = [&](std::size_t maxLength) {
        std::string s(rng() % (maxLength + 1), ' ');
        for (char& c : s)
            c = static_cast<char>(alphabet[rng() % std::size(alphabet)]);
        return s;
    };
    for (int i = 0; i < 20000; ++i) {
        const Bytes r = recordWith(randomText(116), randomText(192));
        const std::string stored = randomText(1 + rng() % 4);
        if (stored.empty())
            continue;
        const FieldMatcher matcher(fromCp1252(stored));
        ASSERT_EQ(matcher.inTitle(r.data()), naiveContains(r, 12, 116, stored)) << i;
        ASSERT_EQ(matcher.inUrl(r.data()), naiveContains(r, 128, 192, stored)) << i;
    }
}
