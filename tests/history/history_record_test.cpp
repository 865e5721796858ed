#include "history_test_files.h"

#include <gtest/gtest.h>

using namespace sg;
using namespace sgtest;

TEST(HistoryRecord, EncodesFieldByFieldIntoGoldenBytes)
{
    const HistoryRecord r
        = visit(kToday, 1, "Radar caf\xC3\xA9", "http://www.Example.com:8080/radar");
    const Bytes expected = kTodayOle + Bytes { 0x01, 0x00, 0x00, 0x00 }
        + padded("Radar caf\xE9", 116) + padded("http://www.Example.com:8080/radar", 192)
        + padded("example.com:8080", 192);
    ASSERT_EQ(expected.size(), 512u);
    EXPECT_EQ(encodeHistoryRecord(r), expected);
    EXPECT_EQ(decodeHistoryRecord(expected), r);
    EXPECT_EQ(decodeHistoryRecord(expected).visitDateTime(), kToday);
}

TEST(HistoryRecord, CutsTextToFieldWidthsAndTrimsBlanksWhenRead)
{
    HistoryRecord r;
    r.Hits = -2;
    r.Title = std::string(120, 'T');
    r.Url = std::string(200, 'u');
    r.Host = "  host  ";
    const Bytes bytes = encodeHistoryRecord(r);
    EXPECT_EQ(Bytes(bytes.begin() + 8, bytes.begin() + 12), (Bytes { 0xFE, 0xFF, 0xFF, 0xFF }));
    const HistoryRecord back = decodeHistoryRecord(bytes);
    EXPECT_EQ(back.Title, std::string(116, 'T'));
    EXPECT_EQ(back.Url, std::string(192, 'u'));
    EXPECT_EQ(back.Host, "host");
}

// How records are counted is the record codec's; a day file completes a partial record.
TEST(HistoryDayFile, CompletesAPartialRecordAndRefusesWhatIsNotAFile)
{
    TempDir dir;
    const HistoryRecord r = visit(kToday, 7, "A", "http://a/");
    const Bytes one = encodeHistoryRecord(r);
    // 300 bytes of a record: the Url field is cut short, the Host field missing.
    writeBytes(dir / "SG_12052026.hiz", one + Bytes(one.begin(), one.begin() + 300));
    const auto records = readDayFile(dir / "SG_12052026.hiz");
    ASSERT_TRUE(records);
    ASSERT_EQ(records->size(), 2u);
    EXPECT_EQ(records->front(), r);
    EXPECT_EQ(records->back().Url, "http://a/");
    EXPECT_EQ(records->back().Host, "");
    EXPECT_FALSE(readDayFile(dir / "SG_12062026.hiz"));
    EXPECT_FALSE(readDayFile(dir.path()));
}

TEST(HistoryDayFileName, IsSgMonthDayYearHizAndOnlyExactNamesWithRealDatesParse)
{
    EXPECT_EQ(dayFilePath("/h", kToday), std::filesystem::path("/h/SG_12052026.hiz"));
    EXPECT_EQ(dayFileName({ 2027, 1, 9, 0, 0, 0 }), "SG_01092027.hiz");
    EXPECT_EQ(parseDayFileName("SG_12052026.hiz"), (LocalDateTime { 2026, 12, 5, 0, 0, 0 }));
    EXPECT_EQ(parseDayFileName("SG_02292024.hiz"), (LocalDateTime { 2024, 2, 29, 0, 0, 0 }));
    for (const char* name :
        { "SG_02292026.hiz", "SG_13012026.hiz", "SG_12002026.hiz", "SG_1205202.hiz",
            "SG_120520266.hiz", "sg_12052026.hiz", "SG_12052026.HIZ", "SG_12052026_hiz",
            "SG_1205202x.hiz", "SG_+1052026.hiz", "SG_ 1052026.hiz", "SG_12050000.hiz", "" })
        EXPECT_FALSE(parseDayFileName(name)) << name;
}

TEST(HistoryHost, FollowsTheSchemeRules)
{
    const std::pair<const char*, const char*> cases[] = {
        { "http://www.Example.com:8080/path", "example.com:8080" },
        { "HTTP://WWW.EXAMPLE.COM/", "example.com" },
        { "http://example.com?q=1/x", "example.com?q=1" },
        { "http://wwwx.example.com/", "wwwx.example.com" }, { "http://www.", "" },
        { "http:///path", "" }, { "ftp://Files.Example.org/pub/a.txt", "files.example.org" },
        { "ftp://www.example.org/", "www.example.org" },
        { "file:///home/me/page.html", "my computer" }, { "FILE:///C:/x", "my computer" },
        { "file://server/share", "" }, { "https://www.example.com/", "" }, { "about:blank", "" },
        { "http://Caf\xC3\x89.fr/", "caf\xC3\xA9.fr" }, // É lower-cased to é
    };
    for (const auto& [url, host] : cases)
        EXPECT_EQ(historyHost(url), host) << url;

    // With secure pages logged, https addresses follow the http rule; the others do not move.
    const std::pair<const char*, const char*> secure[] = {
        { "https://www.Example.com:8443/path", "example.com:8443" },
        { "HTTPS://Bank.Example.com?x=1/y", "bank.example.com?x=1" },
        { "https://www.", "" },
        { "https://wwwx.example.com/", "wwwx.example.com" },
        { "http://www.example.com/", "example.com" },
        { "about:blank", "" },
    };
    for (const auto& [url, host] : secure)
        EXPECT_EQ(historyHost(url, true), host) << url;
}

TEST(FormatHistoryDate, ShowsEnglishNamesWithOrWithoutTheTime)
{
    EXPECT_EQ(FormatHistoryDate(kToday, false), "Sat Dec 05 26");
    EXPECT_EQ(FormatHistoryDate(kToday, true), "Sat Dec 05 26 14:08:35");
    EXPECT_EQ(FormatHistoryDate({ 2000, 2, 29, 0, 0, 0 }, true), "Tue Feb 29 00 00:00:00");
    EXPECT_EQ(FormatHistoryDate({ 2009, 1, 4, 23, 59, 9 }, true), "Sun Jan 04 09 23:59:09");
}
