#pragma once
// The list changes the data tool makes and the list editor and the full-screen window
// make through their buttons, each writing the list files at once.

#include "sitelists/list_files.h"
#include "sitelists/list_result.h"

#include <cstddef>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

namespace sg {

// Adds a category named by the trimmed text after the last one, numbered by
// NextSiteFileNumber, with an empty site list file. An empty name is Ignored; a name that
// a category has exactly is Refused with kCategoryExists, a line feed and the name.
ListResult<Category> addCategory(const std::filesystem::path& userDataDir, std::string_view name);

// Removes the first category with exactly this name and deletes its site list file
// (unless another category still uses that file). Returns the removed category.
ListResult<Category> deleteCategory(
    const std::filesystem::path& userDataDir, std::string_view name);

// Files a page under the category of this record number (counted from 1) as the
// full-screen window's add page does: the title cut to 140 characters and made unique
// among the category's pages, appended. Returns the page as it is stored.
ListResult<SiteRecord> addPageToCategoryAt(const std::filesystem::path& userDataDir,
    std::size_t recordNumber, std::string_view title, std::string_view url);
// The same for the first category with exactly this name.
ListResult<SiteRecord> addPageToCategory(const std::filesystem::path& userDataDir,
    std::string_view categoryName, std::string_view title, std::string_view url);

// Appends a page for each usable shortcut file, in the order given, to the first category
// with exactly this name; unusable files are skipped. Nothing is written when a file
// cannot be read. Returns the added pages as stored.
ListResult<std::vector<SiteRecord>> importShortcuts(const std::filesystem::path& userDataDir,
    std::string_view categoryName, std::span<const std::filesystem::path> shortcutFiles);

} // namespace sg
