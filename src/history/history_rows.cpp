#include "history/history_rows.h"

namespace sg {
namespace {

constexpr std::size_t kLeadDots = 6;
constexpr std::size_t kTrailDots = 141;
constexpr std::size_t kColumnDots = 47;

bool allDots(std::string_view text)
{
    return text.find_first_not_of('.') == std::string_view::npos;
}

} // namespace

std::ostream& operator<<(std::ostream& out, const HistoryRow& row)
{
    return out << "{\"" << row.title << "\", \"" << row.hits << "\", \"" << row.date << "\", \""
               << row.url << "\"}";
}

std::string_view sortItemText(SortItem item)
{
    return kSortItemTexts[static_cast<std::size_t>(item)];
}

std::optional<SortItem> sortItemFromText(std::string_view text)
{
    for (std::size_t i = 0; i < kSortItemTexts.size(); ++i) {
        if (kSortItemTexts[i] == text)
            return static_cast<SortItem>(i);
    }
    return std::nullopt;
}

bool isTextSearch(SortItem item)
{
    return item == SortItem::TitlesTextSearch || item == SortItem::UrlsTextSearch
        || item == SortItem::BothTextSearch;
}

HistoryRow hostHeaderRow(std::string_view host)
{
    HistoryRow row;
    row.title = std::string(kLeadDots, '.') + std::string(host) + std::string(kTrailDots, '.');
    row.hits = std::string(kColumnDots, '.');
    row.date = row.hits;
    return row;
}

std::optional<std::string> hostOfHeaderRow(const HistoryRow& row)
{
    // Cutting off both known dot runs, rather than cutting at the first "......" after the
    // host, keeps whole a host that ends in a dot or holds six dots in a row.
    const std::string_view t = row.title;
    if (!row.url.empty() || t.size() < kLeadDots + kTrailDots || !allDots(t.substr(0, kLeadDots))
        || !allDots(t.substr(t.size() - kTrailDots)))
        return std::nullopt;
    return std::string(t.substr(kLeadDots, t.size() - kLeadDots - kTrailDots));
}

std::string searchListHeader(std::size_t rows, std::size_t hosts)
{
    if (hosts == 0)
        return std::to_string(rows) + " Page Titles";
    return std::to_string(rows - hosts) + " Page Titles    " + std::to_string(hosts) + " Hosts";
}

std::string todayListHeader(std::size_t rows)
{
    return rows == 0 ? std::string("Page Titles") : std::to_string(rows) + " Page Titles";
}

} // namespace sg
