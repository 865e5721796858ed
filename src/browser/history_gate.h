#pragma once
// Which finished pages the main window hands to the history writer.

#include <string>
#include <string_view>

namespace sg {

// 22 characters: the address of the automatic search service (a typed phrase goes to
// http://www.google.com/search?q=...) up to its path; pages under it are not logged.
inline constexpr std::string_view kAutoSearchPrefix = "http://www.google.com/";
static_assert(kAutoSearchPrefix.size() == 22);

// The program's own pages, which are never logged.
struct HistoryExclusions {
    std::string StartPage;
    std::string StartPageUrl;
    std::string KillPopUpsPath;
    std::string KillPopUpsUrl;
    std::string DefPagePath;
    std::string DefPageUrl;
};

// True for the server-not-found and offline error titles (the whole title, any case), an
// address under the search prefix, and the start page, kill page and blank page by path
// or by file URL (compared without regard to case: file URLs keep the path's case here).
bool isExcludedFromHistory(
    std::string_view title, std::string_view locationUrl, const HistoryExclusions& excluded);

} // namespace sg
