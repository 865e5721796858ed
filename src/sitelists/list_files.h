#pragma once
// The category list file CatList.dab and the site list files SitesNNNNN.dab in the
// SiteLists folder of the user data directory, and every read and write of them.
//
// Reading a list file that does not exist creates it empty; a path that is a directory
// has no records and is never deleted or replaced. A file of more records than the format
// allows (kMaxCategoryRecords, kMaxSiteRecords) is an error and is never read whole. Whole-file
// rewrites go through a temporary file renamed over the old one, so a failed write leaves
// the old file. Read-modify-write sequences hold the data folder's lock (data_lock.h); these
// functions do not take it themselves.

#include "sitelists/list_records.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sg {

inline constexpr std::string_view kSiteListsDirName = "SiteLists";
inline constexpr std::string_view kCategoryListFileName = "CatList.dab";

// A category as read from CatList.dab, with the file name of its site list.
struct Category {
    std::string name;
    std::int16_t siteFileNumber = 0;
    std::string siteFileName;

    bool operator==(const Category&) const = default;
};

// A category as the list editor writes it back: its name and its site list file name.
struct CategoryEntry {
    std::string name;
    std::string siteFileName;

    bool operator==(const CategoryEntry&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Category& category);
std::ostream& operator<<(std::ostream& out, const CategoryEntry& entry);

std::filesystem::path siteListsDir(const std::filesystem::path& userDataDir);
std::filesystem::path categoryListPath(const std::filesystem::path& userDataDir);
// Empty path when the name is not a plain file name (empty, ".", ".." or holding "/").
std::filesystem::path siteFilePath(
    const std::filesystem::path& userDataDir, std::string_view siteFileName);

// "00001" .. "09999", then 10000 and up unpadded; a negative number keeps its sign in front
// of the five digits ("-00005").
std::string siteFileNumberText(std::int16_t number);
// "Sites" + siteFileNumberText(number) + ".dab".
std::string SiteFileName(std::int16_t number);
// The number a site list file name carries between "Sites" and ".dab" (the suffix in any
// case); nullopt when that is not a decimal 16-bit number.
std::optional<std::int16_t> siteFileNumberOf(std::string_view siteFileName);

// The categories in file order; nullopt on a file error (error then holds its number, see
// file_io.h).
std::optional<std::vector<Category>> LoadCategories(
    const std::filesystem::path& userDataDir, int* error = nullptr);
// The raw records of CatList.dab; nullopt on a file error.
std::optional<std::vector<CategoryRecord>> loadCategoryRecords(
    const std::filesystem::path& userDataDir, int* error = nullptr);
// The pages of one site list file in file order; nullopt on a file error.
std::optional<std::vector<SiteRecord>> LoadSites(
    const std::filesystem::path& userDataDir, std::string_view siteFileName, int* error = nullptr);

// The five-digit text of the lowest number of 1 or more that no category uses and that
// names no file in SiteLists (a file left over, or one whose category CatList.dab no longer
// lists, keeps its pages); nullopt on a file error or when every 16-bit number is taken.
std::optional<std::string> NextSiteFileNumber(const std::filesystem::path& userDataDir);
// The same number for these records; nullopt also when SiteLists cannot be listed.
std::optional<std::int16_t> freeSiteFileNumber(
    const std::filesystem::path& userDataDir, std::span<const CategoryRecord> records);
// The lowest number of 1 or more that no record uses and no name of existingFiles is for.
std::optional<std::int16_t> lowestFreeSiteFileNumber(
    std::span<const CategoryRecord> records, std::span<const std::string> existingFiles = {});

// CatList.dab holds exactly these categories, each numbered from its file name; no
// categories leaves no CatList.dab. False on a file error, a file name without a number or
// more categories than kMaxCategoryRecords (then nothing is written).
bool SaveCategories(
    const std::filesystem::path& userDataDir, std::span<const CategoryEntry> categories);
// The site list file holds exactly these pages (no pages: a file of 0 bytes); more than
// kMaxSiteRecords are refused.
bool SaveSites(const std::filesystem::path& userDataDir, std::string_view siteFileName,
    std::span<const SiteRecord> sites);
// Adds the page after the last record (the rounding rule decides which that is), in place.
bool AppendSite(const std::filesystem::path& userDataDir, std::string_view siteFileName,
    const SiteRecord& site);
// Adds the pages in order after the last record, in place. A failed write takes the file
// back to its old length; pages that would take the file beyond kMaxSiteRecords are
// refused.
bool AppendSites(const std::filesystem::path& userDataDir, std::string_view siteFileName,
    std::span<const SiteRecord> sites);

// The name, or the name followed by "(k)" for the lowest k of 1 or more, such that the
// name as it is stored (cut to 140 bytes, trimmed) equals none of the names as stored
// (exact, case-sensitive). The name is shortened when needed so that "(k)" still fits.
std::string MakeUniqueSiteName(std::string_view name, std::span<const std::string> names);
// The names of the pages, for MakeUniqueSiteName.
std::vector<std::string> siteNames(std::span<const SiteRecord> sites);

// "Sites" + numberText + ".dab" exists and is empty. It is made new: an existing empty file
// will do, but a file with content is never emptied (false).
bool CreateEmptySiteFile(const std::filesystem::path& userDataDir, std::string_view numberText);
// The site list file is gone (true when it did not exist); a directory is left alone.
bool DeleteSiteFile(const std::filesystem::path& userDataDir, std::string_view siteFileName);

} // namespace sg
