#pragma once
// The records of the category list file (160 bytes) and of a site list file (400 bytes).

#include "common/record_codec.h"

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <vector>

namespace sg {

inline constexpr std::size_t kCategoryRecordLength = 160;
inline constexpr std::size_t kCategoryNameWidth = 158;
inline constexpr std::size_t kSiteRecordLength = 400;
inline constexpr std::size_t kSiteNameWidth = 140;
inline constexpr std::size_t kSiteUrlWidth = 260;
// The most records a list file may hold: a category needs a 16-bit site file number of its
// own, and the selectors and the editor's lists count their rows in 16 bits. A larger file
// is refused whole, so that no read takes more memory than this.
inline constexpr std::size_t kMaxCategoryRecords = 32767;
inline constexpr std::size_t kMaxSiteRecords = 32767;

// One record of CatList.dab: the category's name and the number of its site list file.
struct CategoryRecord {
    std::string CategoryName;
    std::int16_t SiteFileNumber = 0;

    bool operator==(const CategoryRecord&) const = default;
};

// One record of a site list file: a page's name (may be empty) and its address.
struct SiteRecord {
    std::string SiteName;
    std::string SiteUrl;

    bool operator==(const SiteRecord&) const = default;
};

std::ostream& operator<<(std::ostream& out, const CategoryRecord& record);
std::ostream& operator<<(std::ostream& out, const SiteRecord& record);

// Field by field; text is written as Windows-1252, cut to its field and padded with blanks.
Bytes encodeCategoryRecord(const CategoryRecord& record);
Bytes encodeSiteRecord(const SiteRecord& record);

// Decodes one record of exactly the record length; text comes back trimmed of blanks.
CategoryRecord decodeCategoryRecord(std::span<const std::uint8_t> record);
SiteRecord decodeSiteRecord(std::span<const std::uint8_t> record);

// Whole files: the records by the rounding rule, a trailing partial record completed from
// a blank record (blank text, number 0).
std::vector<CategoryRecord> decodeCategoryList(std::span<const std::uint8_t> file);
std::vector<SiteRecord> decodeSiteList(std::span<const std::uint8_t> file);
Bytes encodeCategoryList(std::span<const CategoryRecord> records);
Bytes encodeSiteList(std::span<const SiteRecord> records);

// A blank record: blank text, number 0.
Bytes blankCategoryRecord();
Bytes blankSiteRecord();

} // namespace sg
