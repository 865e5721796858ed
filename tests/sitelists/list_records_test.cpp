#include "sitelists/field_text.h"
#include "sitelists/list_records.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace sg;
using namespace sgtest;

// Whole records are written out by hand in the list file tests, and the record count is the
// record codec's; these cover the edges.
TEST(ListRecords, NumbersAreSignedTextIsWindows1252AndAPartialRecordIsCompleted)
{
    EXPECT_EQ(encodeCategoryRecord({ std::string(170, 'x'), 12345 }),
        filled(158, 'x') + Bytes({ 0x39, 0x30 }));
    EXPECT_EQ(decodeCategoryRecord(bytesOf("A") + filled(157, ' ') + Bytes { 0xFB, 0xFF }),
        (CategoryRecord { "A", -5 }));
    const Bytes caf = bytesOf("  Caf") + Bytes { 0xE9, 0x80 } + filled(133, ' ')
        + bytesOf("  http://x/ ") + filled(248, ' ');
    EXPECT_EQ(decodeSiteRecord(caf), (SiteRecord { "Caf\xC3\xA9\xE2\x82\xAC", "http://x/" }));
    EXPECT_EQ(encodeSiteRecord({ "\xE4\xB8\xAD", "" }), bytesOf("?") + filled(399, ' '));

    // A partial record is completed with blanks and number 0, keeping the bytes that are there.
    const Bytes one = encodeCategoryRecord({ "One", 1 });
    EXPECT_EQ(decodeCategoryList(one + bytesOf("Two") + filled(77, ' ')),
        (std::vector<CategoryRecord> { { "One", 1 }, { "Two", 0 } }));
    EXPECT_EQ(decodeCategoryList(one + bytesOf("T") + filled(157, ' ') + Bytes { 7 }).back(),
        (CategoryRecord { "T", 7 }));
    EXPECT_EQ(decodeSiteList(bytesOf("Name") + filled(200, ' ') + bytesOf("http://p")),
        (std::vector<SiteRecord> { { "Name", "http://p" } }));
}

TEST(FieldText, CutsOnTheWindows1252ByteCountBetweenCharacters)
{
    EXPECT_EQ(encodedLength("caf\xC3\xA9\xF0\x9F\x98\x80"), 5u);
    EXPECT_EQ(cutToEncodedLength("caf\xC3\xA9!", 4), "caf\xC3\xA9");
    EXPECT_EQ(cutToEncodedLength("ab\xF0\x9F\x98\x80z", 3), "ab\xF0\x9F\x98\x80");
    EXPECT_EQ(cutToEncodedLength("a\xFF\x80z", 3), "a\xFF\x80"); // invalid bytes count one each
    EXPECT_EQ(storedFieldText("  ab  cd", 6), "ab");
}
