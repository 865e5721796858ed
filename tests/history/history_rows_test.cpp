#include "history/history_rows.h"

#include <gtest/gtest.h>

using namespace sg;

TEST(HostHeaderRow, IsSixDotsTheHostAndDotsToTheEndWithNoAddressAndGivesTheHostBack)
{
    const HistoryRow row = hostHeaderRow("radar.example:8080");
    EXPECT_EQ(row.title, "......radar.example:8080" + std::string(141, '.'));
    EXPECT_EQ(row.hits + row.url, std::string(47, '.'));
    EXPECT_EQ(row.date, std::string(47, '.'));
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
