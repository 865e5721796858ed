#pragma once
// The History window's sort or search over the day files of a period. It runs on any
// thread, can be cancelled between files and between chunks of records, and reports its
// progress; text searches match the raw stored bytes and decode only the records they keep.

#include "history/history_periods.h"
#include "history/history_rows.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace sg {

struct SearchQuery {
    SortItem sort = SortItem::HostSort;
    std::string text; // the three text searches: as typed, blanks included
    // Set: the pages of this host alone, in day and record order ("Show Selected Host's
    // Page Items"); sort is then not used.
    std::optional<std::string> host;
    bool dupes = false; // list every record, also addresses already listed
    bool showTime = false; // the Date column with the time
};

// What a finished search puts into the search list.
struct SearchRows {
    std::vector<HistoryRow> rows;
    std::size_t hosts = 0; // host header rows among the rows
    bool sortedByFirstColumn = false; // "Host List Only": the list sorts on its first column
    std::string header; // the first column's header text

    bool operator==(const SearchRows&) const = default;
};

enum class SearchStatus {
    Complete,
    Cancelled, // the caller keeps the rows it had
    Failed, // a day file could not be read; the caller keeps its rows and reports it
};

struct SearchOutcome {
    SearchStatus status = SearchStatus::Complete;
    SearchRows result; // empty unless Complete
};

// Called on the searching thread after each day file.
using SearchProgress = std::function<void(std::size_t filesDone, std::size_t filesTotal)>;

// Collects the rows of the query from the files in the order given (oldest day first). A
// file that is gone or no longer a plain file is skipped; any other failure to read one
// fails the search. cancel is looked at before each file and each chunk of records.
SearchOutcome searchDayFiles(const std::vector<DayFile>& files, const SearchQuery& query,
    const std::atomic<bool>& cancel, const SearchProgress& progress = {});

} // namespace sg
