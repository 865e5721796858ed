#pragma once
// The rows of the History window's lists, the host header rows, the sort-or-search items
// and the texts of the first column's header.

#include <array>
#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace sg {

// One row of the Today or search list: the four columns as shown. A host header row has
// dots in Hits and Date and an empty address.
struct HistoryRow {
    std::string title;
    std::string hits; // page rows: the visit count in decimal
    std::string date; // FormatHistoryDate
    std::string url;

    bool operator==(const HistoryRow&) const = default;
};
std::ostream& operator<<(std::ostream& out, const HistoryRow& row);

// The items of the sort-or-search selector, in its order.
enum class SortItem {
    HostSort,
    HostListOnly,
    DateSort,
    TitlesTextSearch,
    UrlsTextSearch,
    BothTextSearch
};
inline constexpr std::array<std::string_view, 6> kSortItemTexts = { "Host Sort", "Host List Only",
    "Date Sort", "Titles Text Search", "Url's Text Search", "Both Text Search" };

std::string_view sortItemText(SortItem item);
// nullopt for a text that is not one of the six items.
std::optional<SortItem> sortItemFromText(std::string_view text);
// The three text searches.
bool isTextSearch(SortItem item);

// "......" + host + 141 dots; Hits and Date 47 dots each; no address.
HistoryRow hostHeaderRow(std::string_view host);
// The host of a host header row: its first column without the six leading dots and the
// 141 trailing ones. nullopt for a page row.
std::optional<std::string> hostOfHeaderRow(const HistoryRow& row);

// The search list's first column header: rows + " Page Titles" without host rows, else
// (rows - hosts) + " Page Titles    " + hosts + " Hosts".
std::string searchListHeader(std::size_t rows, std::size_t hosts);
// The Today list's: rows + " Page Titles", or "Page Titles" when it has none.
std::string todayListHeader(std::size_t rows);

} // namespace sg
