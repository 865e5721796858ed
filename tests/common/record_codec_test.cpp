#include "common/cp1252.h"
#include "common/date_time.h"
#include "common/record_codec.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace sg;

TEST(Cp1252, EncodesOneBytePerCharacterAndQuestionMarkForTheRest)
{
    EXPECT_EQ(toCp1252("abc"), "abc");
    EXPECT_EQ(toCp1252("caf\xC3\xA9"), "caf\xE9"); // é
    EXPECT_EQ(toCp1252("\xE2\x82\xAC"), "\x80"); // €
    EXPECT_EQ(toCp1252("\xE2\x80\x9Cx"), "\x93x"); // left double quote
    EXPECT_EQ(toCp1252("\xE4\xB8\xAD!"), "?!"); // a CJK character
    EXPECT_EQ(toCp1252("\xF0\x9F\x98\x80"), "?"); // an emoji is one character
    EXPECT_EQ(toCp1252("\xFF"), "\xFF"); // invalid UTF-8 kept as a byte
}

TEST(Cp1252, EveryByteRoundTrips)
{
    for (int b = 0; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(toCp1252(fromCp1252(one)), one) << b;
    }
    EXPECT_EQ(fromCp1252("\x80\xE9"), "\xE2\x82\xAC\xC3\xA9");
}

TEST(RecordCodec, WritesLittleEndianNumbersAndPaddedText)
{
    Bytes rec(24, 0);
    RecordWriter w(rec);
    w.i16(0, -2);
    w.i32(2, 0x01020304);
    w.f32(6, 1.0f);
    w.text(10, 6, "ab\xC3\xA9");
    w.f64(16, 2.5);
    const Bytes expected = { 0xFE, 0xFF, 0x04, 0x03, 0x02, 0x01, 0x00, 0x00, 0x80, 0x3F, 'a', 'b',
        0xE9, ' ', ' ', ' ', 0, 0, 0, 0, 0, 0, 0x04, 0x40 };
    EXPECT_EQ(rec, expected);

    RecordReader r(rec);
    EXPECT_EQ(r.i16(0), -2);
    EXPECT_EQ(r.i32(2), 0x01020304);
    EXPECT_EQ(r.f32(6), 1.0f);
    EXPECT_EQ(r.text(10, 6), "ab\xC3\xA9");
    EXPECT_EQ(r.f64(16), 2.5);
}

TEST(RecordCodec, TextIsCutToWidthAndTrimmedOfBlanksOnly)
{
    Bytes rec(8, 0);
    RecordWriter(rec).text(0, 4, "abcdef");
    EXPECT_EQ(rec, (Bytes { 'a', 'b', 'c', 'd', 0, 0, 0, 0 }));
    Bytes padded = { ' ', ' ', 'x', ' ', 'y', ' ', '\t', ' ' };
    EXPECT_EQ(RecordReader(padded).text(0, 8), "x y \t");
}

TEST(RecordCount, RoundsHalfToEven)
{
    EXPECT_EQ(recordCount(79, 160), 0u);
    EXPECT_EQ(recordCount(80, 160), 0u); // half of one record: to even 0
    EXPECT_EQ(recordCount(81, 160), 1u);
    EXPECT_EQ(recordCount(240, 160), 2u); // one and a half: to even 2
    EXPECT_EQ(recordCount(400, 160), 2u); // two and a half: to even 2
}

TEST(RecordCount, PartialRecordIsCompletedFromTheBlankRecord)
{
    const Bytes blank = { ' ', ' ', 0, 0 };
    const Bytes file = { 'a', 'b', 1, 0, 'c', 'd', 7 };
    const auto records = splitRecords(file, blank);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1], (Bytes { 'c', 'd', 7, 0 }));
    EXPECT_EQ(splitRecords(Bytes { 'a' }, blank).size(), 0u);
}

TEST(OleDate, ConvertsBothWays)
{
    EXPECT_EQ(toOleDate({ 1899, 12, 30, 0, 0, 0 }), 0.0);
    EXPECT_EQ(toOleDate({ 1900, 1, 1, 0, 0, 0 }), 2.0);
    EXPECT_EQ(toOleDate({ 2026, 12, 5, 12, 0, 0 }), 46361.5);
    EXPECT_EQ(toOleDate({ 1899, 12, 29, 6, 0, 0 }), -1.25);
    EXPECT_EQ(fromOleDate(-1.25), (LocalDateTime { 1899, 12, 29, 6, 0, 0 }));
    EXPECT_EQ(fromOleDate(46361.5), (LocalDateTime { 2026, 12, 5, 12, 0, 0 }));
    const LocalDateTime t { 2026, 12, 5, 14, 8, 35 };
    EXPECT_EQ(fromOleDate(toOleDate(t)), t);
    EXPECT_EQ(fromOleDate(toOleDate({ 2026, 12, 5, 23, 59, 59 })),
        (LocalDateTime { 2026, 12, 5, 23, 59, 59 }));
}

TEST(OleDate, UnusableValuesGiveTheEpoch)
{
    EXPECT_EQ(fromOleDate(std::nan("")), LocalDateTime {});
    EXPECT_EQ(fromOleDate(std::numeric_limits<double>::infinity()), LocalDateTime {});
    EXPECT_EQ(fromOleDate(1e300), LocalDateTime {});
}

TEST(DateText, ParsesAndFormatsIso)
{
    EXPECT_EQ(parseIso("2026-02-28 13:05:09"), (LocalDateTime { 2026, 2, 28, 13, 5, 9 }));
    EXPECT_EQ(parseIso("2024-02-29"), (LocalDateTime { 2024, 2, 29, 0, 0, 0 }));
    EXPECT_FALSE(parseIso("2026-02-29 00:00:00"));
    EXPECT_FALSE(parseIso("2026-12-05 24:00:00"));
    EXPECT_FALSE(parseIso("2026-12-05 10:00:00x"));
    EXPECT_EQ(formatIso({ 2026, 1, 2, 3, 4, 5 }), "2026-01-02 03:04:05");
    EXPECT_EQ(weekday({ 2026, 12, 5 }), 6); // a Saturday
    EXPECT_EQ(addDays({ 2026, 12, 31, 1, 2, 3 }, 1), (LocalDateTime { 2027, 1, 1, 1, 2, 3 }));
}
