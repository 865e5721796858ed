#pragma once
// The site selector's contents: the rows of its two lists read from the list files, their
// headers, their column widths and the height that fits their rows.

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace sg {

// One row of a site selector list: a category (key "C" + its record number, single mode)
// or a page (text = its name, url = its address).
struct SelectorRow {
    std::string text;
    std::string url;
    std::string key;
    bool categoryRow = false;

    bool operator==(const SelectorRow&) const = default;
};

std::ostream& operator<<(std::ostream& out, const SelectorRow& row);

struct SelectorHeaders {
    std::string first;
    std::string second;

    bool operator==(const SelectorHeaders&) const = default;
};

// The page selector: "Web Page Names", "URL Addresses".
SelectorHeaders pageListHeaders();
// The category selector: "   Categories And Web Page Names" and "URL Addresses" in single mode,
// "   Categories" and "" in separate mode.
SelectorHeaders categoryListHeaders(bool separateMode);

// Single mode: each category row followed by its pages. Empty when CatList.dab is not an
// existing readable file. Nothing is created or changed on disk.
std::vector<SelectorRow> singleSelectorRows(const std::filesystem::path& userDataDir);
// Separate mode: the category rows; nullopt when CatList.dab is not an existing file.
std::optional<std::vector<SelectorRow>> categoryRows(const std::filesystem::path& userDataDir);
// The page rows of the category in record index (0-based) of CatList.dab; empty when there
// is no such category or its site list file is missing or empty.
std::vector<SelectorRow> pageRowsOfCategory(
    const std::filesystem::path& userDataDir, std::size_t categoryIndex);

inline constexpr double kMinListHeight = 1560;

// A list's top: the address box's bottom, at most 435.
double selectorListTop(double addressBoxBottom);
// rows x row unit x factor (2.0 under 6 rows, 1.7 for 6 to 8, 1.4 over 8), at least 1560,
// at most client height - list top - 600 (and never below 0).
double fittedListHeight(
    std::size_t rows, double rowHeightUnit, double listTop, double clientHeight);

// The saved widths (twips; the page selector's first and second, then the category selector's) with
// every width of 0 or less replaced by its default: the page list's columns share the list
// width - 300 in halves, the category list's in 0.666 and 0.333.
std::array<float, 4> columnWidthsWithDefaults(
    std::array<float, 4> saved, double pageListWidth, double categoryListWidth);
// A width in twips as the list applies it: whole pixels, cut.
int columnWidthPixels(float twips);

} // namespace sg
