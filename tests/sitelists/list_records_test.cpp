#include "sitelists/field_text.h"
#include "sitelists/list_records.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace sg;
using namespace sgtest;

// Whole records are written out by hand in the list file tests; these cover the edges.
TEST(CategoryRecordCodec, NumberIsSignedLittleEndianAndLongNamesAreCut)
{
    const std::string longName(170, 'x');
    const Bytes expected = filled(158, 'x') + Bytes { 0x39, 0x30 }; // 12345
    EXPECT_EQ(encodeCategoryRecord({ longName, 12345 }), expected);
    EXPECT_EQ(decodeCategoryRecord(bytesOf("A") + filled(157, ' ') + Bytes { 0xFB, 0xFF }),
        (CategoryRecord { "A", -5 }));
}

TEST(SiteRecordCodec, TextIsWindows1252AndTrimmedOfBlanksOnRead)
{
    const Bytes caf = bytesOf("  Caf") + Bytes { 0xE9, 0x80 } + filled(133, ' ')
        + bytesOf("  http://x/ ") + filled(248, ' ');
    EXPECT_EQ(decodeSiteRecord(caf), (SiteRecord { "Caf\xC3\xA9\xE2\x82\xAC", "http://x/" }));
    EXPECT_EQ(encodeSiteRecord({ "\xE4\xB8\xAD", "" }), bytesOf("?") + filled(399, ' '));
}

TEST(ListCodec, RecordCountRoundsHalvesToEvenAndCompletesThePartialRecord)
{
    const Bytes one = encodeCategoryRecord({ "One", 1 });
    EXPECT_TRUE(decodeCategoryList(Bytes(80, 'x')).empty()); // half a record: to even 0
    // One and a half records: to even 2, the second completed with blanks and number 0.
    const auto two = decodeCategoryList(one + bytesOf("Two") + filled(77, ' '));
    EXPECT_EQ(two, (std::vector<CategoryRecord> { { "One", 1 }, { "Two", 0 } }));
    // The number of a partial record keeps the bytes that are there.
    const auto cut = decodeCategoryList(one + bytesOf("T") + filled(157, ' ') + Bytes { 7 });
    EXPECT_EQ(cut.back(), (CategoryRecord { "T", 7 }));

    const auto sites = decodeSiteList(bytesOf("Name") + filled(200, ' ') + bytesOf("http://p"));
    EXPECT_EQ(sites, (std::vector<SiteRecord> { { "Name", "http://p" } }));
    EXPECT_TRUE(decodeSiteList(filled(200, ' ')).empty()); // exactly half: to even 0
}

TEST(FieldText, CutsOnTheWindows1252ByteCountBetweenCharacters)
{
    EXPECT_EQ(encodedLength("caf\xC3\xA9\xF0\x9F\x98\x80"), 5u);
    EXPECT_EQ(cutToEncodedLength("caf\xC3\xA9!", 4), "caf\xC3\xA9");
    EXPECT_EQ(cutToEncodedLength("ab\xF0\x9F\x98\x80z", 3), "ab\xF0\x9F\x98\x80");
    EXPECT_EQ(cutToEncodedLength("a\xFF\x80z", 3), "a\xFF\x80"); // invalid bytes count one each
    EXPECT_EQ(storedFieldText("  ab  cd", 6), "ab");
}
