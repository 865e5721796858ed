#pragma once
// Filing the full-screen window's page under a category: the category chooser's items and
// the add-page rules with their messages.

#include "sitelists/list_records.h"
#include "sitelists/list_result.h"

#include <cstddef>
#include <filesystem>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sg {

// One item of the category chooser: key "C" + record number, trimmed name.
struct ChooserItem {
    std::string key;
    std::string text;

    bool operator==(const ChooserItem&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ChooserItem& item);

// One item per record of CatList.dab, in file order. Refused with kNoCategoriesExist when
// the file is missing or holds no record (the file is not created); Failed with
// kOpeningCategoriesForPageError when it cannot be read.
ListResult<std::vector<ChooserItem>> categoryChooserItems(const std::filesystem::path& userDataDir);

// The category number of the chosen item; selected counts items from 1 (0: none chosen).
// Refused with the message that stops the add: an empty chooser, no item chosen, an empty
// name, and in the single-selector mode an empty key, a key without the leading "C" or a
// key whose number is unusable. In the separate mode the number is the item's index.
ListResult<std::size_t> chosenCategoryNumber(
    std::span<const ChooserItem> items, std::size_t selected, bool separateSelectors);

// Appends the page (title cut to 140 characters and made unique in the category, the
// address) to the chosen category's site list file. Returns the page as stored, or the
// message to show; nothing is written when a message is returned, except after a file
// error while appending.
ListResult<SiteRecord> addShownPage(const std::filesystem::path& userDataDir,
    std::span<const ChooserItem> items, std::size_t selected, bool separateSelectors,
    std::string_view title, std::string_view url);

} // namespace sg
