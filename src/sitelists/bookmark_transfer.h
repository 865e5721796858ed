#pragma once
// Import of a browser's bookmark file into the list files, and export of the lists as one.

#include "sitelists/list_result.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>

namespace sg {

// The texts the import and export report.
inline constexpr std::string_view kBookmarkReadError
    = "An Error Occurred Reading The Bookmark File.";
inline constexpr std::string_view kNotABookmarkFile = "The File Is Not A Bookmark File.";
inline constexpr std::string_view kBookmarkImportError = "An Error Occurred Importing Bookmarks.";
inline constexpr std::string_view kBookmarkExportError = "An Error Occurred Exporting Bookmarks.";

// A bookmark file larger than this is refused unread.
inline constexpr std::uint64_t kMaxBookmarkFileSize = 64 * 1024 * 1024;

struct BookmarkImportCounts {
    std::size_t categoriesAdded = 0;
    std::size_t categoriesExisting = 0; // folders whose pages went to a category of that name
    std::size_t pagesAdded = 0;
    std::size_t linksSkipped = 0; // javascript:, data:, place: and links without an address

    bool operator==(const BookmarkImportCounts&) const = default;
};

struct BookmarkExportCounts {
    std::size_t categories = 0;
    std::size_t pages = 0;

    bool operator==(const BookmarkExportCounts&) const = default;
};

std::ostream& operator<<(std::ostream& out, const BookmarkImportCounts& counts);

// Every folder of the bookmark file becomes a category (added after the last one, or the
// category of that name as stored receives the pages) and every link a page appended to
// it: names cut to 140 characters and made unique among the category's pages, addresses
// cut to 260. Refused with kNotABookmarkFile when the file lacks the bookmark document
// type; kBookmarkReadError when it cannot be read or is too large; kBookmarkImportError
// when a list file cannot be written (what was written before stays).
ListResult<BookmarkImportCounts> importBookmarks(
    const std::filesystem::path& userDataDir, const std::filesystem::path& bookmarkFile);

// Writes every category, in list order, as a folder of its pages to the file (replaced
// whole). kBookmarkExportError when the lists cannot be read or the file written.
ListResult<BookmarkExportCounts> exportBookmarks(
    const std::filesystem::path& userDataDir, const std::filesystem::path& bookmarkFile);

// What the list editor shows after an import, for example "Imported 12 Pages Into 3
// Categories." and, when links were left out, a line feed and "Skipped 2 Links
// (javascript:, data: Or place: Addresses)."
std::string bookmarkImportSummary(const BookmarkImportCounts& counts);
// What it shows after an export: "Exported 12 Pages In 3 Categories."
std::string bookmarkExportSummary(const BookmarkExportCounts& counts);

} // namespace sg
