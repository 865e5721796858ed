#include "history/history_rows.h"

#include <gtest/gtest.h>

using namespace sg;

TEST(HostHeaderRow, IsSixDotsTheHostAndDotsToTheEndWithNoAddressAndGivesTheHostBack)
{
    const HistoryRow row = hostHeaderRow("radar.example:8080");
    EXPECT_EQ(row.title, "......radar.example:8080" + std::string(141, '.'));
    EXPECT_EQ(row.hits, std::string(47, '.'));
    EXPECT_EQ(row.date, std::string(47, '.'));
    EXPECT_EQ(row.url, "");
    EXPECT_EQ(hostOfHeaderRow(row), "radar.example:8080");
    // Hosts with dots at the end or in a row come back whole; page rows have no host.
    for (const char* host : { "example.com.", "a......b", "my computer", "" })
        EXPECT_EQ(hostOfHeaderRow(hostHeaderRow(host)), host);
    HistoryRow page = hostHeaderRow("radar.example");
    page.url = "http://radar.example/";
    EXPECT_EQ(hostOfHeaderRow(page), std::nullopt);
    EXPECT_EQ(hostOfHeaderRow({ "Radar", "1", "Sat Dec 05 26", "" }), std::nullopt);
    EXPECT_EQ(hostOfHeaderRow({ "......" + std::string(140, '.'), "", "", "" }), std::nullopt);
}

TEST(ListHeaders, CountPageRowsAndHostRows)
{
    EXPECT_EQ(searchListHeader(12, 0), "12 Page Titles");
    EXPECT_EQ(searchListHeader(9, 4), "5 Page Titles    4 Hosts");
    EXPECT_EQ(searchListHeader(3, 3), "0 Page Titles    3 Hosts");
    EXPECT_EQ(todayListHeader(0), "Page Titles");
    EXPECT_EQ(todayListHeader(1), "1 Page Titles");
}

TEST(SortItems, ReadBackTheirOwnTextsOnly)
{
    for (int i = 0; i < 6; ++i) {
        const auto item = static_cast<SortItem>(i);
        EXPECT_EQ(sortItemFromText(sortItemText(item)), item);
        EXPECT_EQ(isTextSearch(item), i >= 3);
    }
    EXPECT_EQ(sortItemFromText("host sort"), std::nullopt);
}
