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

    // Hits are signed; blanks around a field are not read back.
    HistoryRecord odd = r;
    odd.Hits = -2;
    odd.Host = "  host  ";
    const Bytes bytes = encodeHistoryRecord(odd);
    EXPECT_EQ(Bytes(bytes.begin() + 8, bytes.begin() + 12), (Bytes { 0xFE, 0xFF, 0xFF, 0xFF }));
    EXPECT_EQ(decodeHistoryRecord(bytes).Host, "host");
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
        { "https://wwwx.example.com/", "wwwx.example.com" },
        { "http://www.example.com/", "example.com" },
    };
    for (const auto& [url, host] : secure)
        EXPECT_EQ(historyHost(url, true), host) << url;
}

TEST(FormatHistoryDate, ShowsEnglishNamesWithOrWithoutTheTime)
{
    EXPECT_EQ(FormatHistoryDate(kToday, false), "Sat Dec 05 26");
    EXPECT_EQ(FormatHistoryDate({ 2000, 2, 29, 0, 0, 0 }, true), "Tue Feb 29 00 00:00:00");
    EXPECT_EQ(FormatHistoryDate({ 2009, 1, 4, 23, 59, 9 }, true), "Sun Jan 04 09 23:59:09");
}
