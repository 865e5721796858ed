#pragma once
// The HTML bookmark file that browsers import and export (<!DOCTYPE NETSCAPE-Bookmark-file-1>):
// folders (<H3> followed by a <DL> list) holding links (<A HREF>).

#include "sitelists/list_records.h"

#include <cstddef>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sg {

// One folder as a category: its name (a nested folder's name joined to its parents' with
// " / ") and its links in file order, as page names and addresses.
struct BookmarkFolder {
    std::string name;
    std::vector<SiteRecord> pages;

    bool operator==(const BookmarkFolder&) const = default;
};

std::ostream& operator<<(std::ostream& out, const BookmarkFolder& folder);

struct BookmarkFile {
    // In the order their headings appear; links outside every folder come in a folder named
    // after the file's <H1> heading ("Bookmarks" without one), placed where the first such
    // link is.
    std::vector<BookmarkFolder> folders;
    // Links left out: javascript:, data: and place: addresses, and links without an address.
    std::size_t skippedLinks = 0;
};

inline constexpr std::string_view kBookmarkFileDoctype = "NETSCAPE-Bookmark-file-1";
// The name of a folder whose heading is empty.
inline constexpr std::string_view kUnnamedBookmarkFolder = "(no name)";

// True when the text carries the bookmark file's document type (any case).
bool isBookmarkFile(std::string_view html);

// Reads the file's text (UTF-8) as browsers do, leniently: tags and attribute names in any
// case, attribute values quoted or not, character references (&amp; &#233; &#xE9; ...)
// decoded, runs of white space in names made one blank, names trimmed, separators (<HR>),
// descriptions (<DD>) and comments ignored, an unclosed tag or list ended by the file's end.
// Addresses keep their text, with characters beyond ASCII percent-encoded as UTF-8.
BookmarkFile parseBookmarkFile(std::string_view html);

// The file as browsers write it, UTF-8 with LF line ends: every folder a top-level <H3>
// folder in the order given, its pages as links; names and addresses escaped.
std::string formatBookmarkFile(std::span<const BookmarkFolder> folders);

} // namespace sg
