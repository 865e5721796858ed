#include "sitelists/list_files.h"

#include "common/file_handle.h"
#include "common/file_io.h"
#include "common/folder.h"
#include "sitelists/field_text.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <limits>
#include <set>

namespace sg {
namespace {

// The whole list file of at most maxRecords records; a missing file is created empty, a
// directory reads as empty.
std::optional<Bytes> readListFile(
    const std::filesystem::path& path, std::size_t recordLength, std::size_t maxRecords, int* error)
{
    int failure = ENOENT;
    if (error)
        *error = 0;
    if (path.empty()) {
        if (error)
            *error = EINVAL;
        return std::nullopt;
    }
    if (DirMissing(path) == 0)
        return Bytes {};
    // The largest file whose count, rounded, is still maxRecords.
    const std::size_t maxBytes = maxRecords * recordLength + recordLength / 2;
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (auto data = readWholeFile(path, maxBytes, &failure)) {
            if (recordCount(data->size(), recordLength) <= maxRecords)
                return data;
            failure = kFileTooLarge;
        }
        if (failure != ENOENT)
            break;
        failure = createFileWith(path, {});
        if (failure == 0)
            return Bytes {};
        if (failure != EEXIST)
            break;
    }
    if (error)
        *error = failure;
    return std::nullopt;
}

bool isPlainFileName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos
        && name.find('\0') == std::string::npos;
}

bool endsWithDab(std::string_view name)
{
    if (name.size() < 4)
        return false;
    std::string suffix(name.substr(name.size() - 4));
    std::transform(suffix.begin(), suffix.end(), suffix.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return suffix == ".dab";
}

} // namespace

std::ostream& operator<<(std::ostream& out, const Category& category)
{
    return out << "Category{\"" << category.name << "\", " << category.siteFileNumber << ", \""
               << category.siteFileName << "\"}";
}

std::ostream& operator<<(std::ostream& out, const CategoryEntry& entry)
{
    return out << "CategoryEntry{\"" << entry.name << "\", \"" << entry.siteFileName << "\"}";
}

std::filesystem::path siteListsDir(const std::filesystem::path& userDataDir)
{
    return userDataDir / kSiteListsDirName;
}

std::filesystem::path categoryListPath(const std::filesystem::path& userDataDir)
{
    return siteListsDir(userDataDir) / kCategoryListFileName;
}

std::filesystem::path siteFilePath(
    const std::filesystem::path& userDataDir, std::string_view siteFileName)
{
    if (!isPlainFileName(siteFileName))
        return {};
    return siteListsDir(userDataDir) / siteFileName;
}

std::string siteFileNumberText(std::int16_t number)
{
    const int magnitude = number < 0 ? -static_cast<int>(number) : number;
    std::string digits = std::to_string(magnitude);
    if (digits.size() < 5)
        digits.insert(0, 5 - digits.size(), '0');
    return number < 0 ? "-" + digits : digits;
}

std::string SiteFileName(std::int16_t number)
{
    return "Sites" + siteFileNumberText(number) + ".dab";
}

std::optional<std::int16_t> siteFileNumberOf(std::string_view siteFileName)
{
    if (siteFileName.substr(0, 5) != "Sites")
        return std::nullopt;
    std::string_view digits = siteFileName.substr(5);
    if (endsWithDab(digits))
        digits.remove_suffix(4);
    if (digits.empty() || digits.front() == '+')
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size()
        || value < std::numeric_limits<std::int16_t>::min()
        || value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

std::optional<std::vector<CategoryRecord>> loadCategoryRecords(
    const std::filesystem::path& userDataDir, int* error)
{
    const auto file = readListFile(
        categoryListPath(userDataDir), kCategoryRecordLength, kMaxCategoryRecords, error);
    if (!file)
        return std::nullopt;
    return decodeCategoryList(*file);
}

std::optional<std::vector<Category>> LoadCategories(
    const std::filesystem::path& userDataDir, int* error)
{
    const auto records = loadCategoryRecords(userDataDir, error);
    if (!records)
        return std::nullopt;
    std::vector<Category> categories;
    categories.reserve(records->size());
    for (const CategoryRecord& record : *records) {
        categories.push_back(
            { record.CategoryName, record.SiteFileNumber, SiteFileName(record.SiteFileNumber) });
    }
    return categories;
}

std::optional<std::vector<SiteRecord>> LoadSites(
    const std::filesystem::path& userDataDir, std::string_view siteFileName, int* error)
{
    const auto file = readListFile(
        siteFilePath(userDataDir, siteFileName), kSiteRecordLength, kMaxSiteRecords, error);
    if (!file)
        return std::nullopt;
    return decodeSiteList(*file);
}

std::optional<std::int16_t> lowestFreeSiteFileNumber(
    std::span<const CategoryRecord> records, std::span<const std::string> existingFiles)
{
    std::set<std::int16_t> used;
    for (const CategoryRecord& record : records)
        used.insert(record.SiteFileNumber);
    for (const std::string& name : existingFiles) {
        // Only the exact name SiteFileName gives would be written to.
        if (const auto number = siteFileNumberOf(name); number && SiteFileName(*number) == name)
            used.insert(*number);
    }
    for (int candidate = 1; candidate <= std::numeric_limits<std::int16_t>::max(); ++candidate) {
        if (!used.contains(static_cast<std::int16_t>(candidate)))
            return static_cast<std::int16_t>(candidate);
    }
    return std::nullopt;
}

std::optional<std::int16_t> freeSiteFileNumber(
    const std::filesystem::path& userDataDir, std::span<const CategoryRecord> records)
{
    const FolderListing listing = listFolder(siteListsDir(userDataDir));
    if (!listing.ok())
        return std::nullopt;
    std::vector<std::string> names;
    names.reserve(listing.entries.size());
    for (const FolderEntry& entry : listing.entries)
        names.push_back(entry.name);
    return lowestFreeSiteFileNumber(records, names);
}

std::optional<std::string> NextSiteFileNumber(const std::filesystem::path& userDataDir)
{
    const auto records = loadCategoryRecords(userDataDir);
    if (!records)
        return std::nullopt;
    const auto number = freeSiteFileNumber(userDataDir, *records);
    if (!number)
        return std::nullopt;
    return siteFileNumberText(*number);
}

bool SaveCategories(
    const std::filesystem::path& userDataDir, std::span<const CategoryEntry> categories)
{
    if (categories.size() > kMaxCategoryRecords)
        return false;
    std::vector<CategoryRecord> records;
    records.reserve(categories.size());
    for (const CategoryEntry& entry : categories) {
        const auto number = siteFileNumberOf(entry.siteFileName);
        if (!number)
            return false;
        records.push_back({ entry.name, *number });
    }
    const auto path = categoryListPath(userDataDir);
    if (!records.empty())
        return writeFileAtomically(path, encodeCategoryList(records));
    if (DirMissing(path) == 0)
        return true;
    return removeFile(path);
}

bool SaveSites(const std::filesystem::path& userDataDir, std::string_view siteFileName,
    std::span<const SiteRecord> sites)
{
    const auto path = siteFilePath(userDataDir, siteFileName);
    return !path.empty() && sites.size() <= kMaxSiteRecords
        && writeFileAtomically(path, encodeSiteList(sites));
}

bool AppendSite(
    const std::filesystem::path& userDataDir, std::string_view siteFileName, const SiteRecord& site)
{
    return AppendSites(userDataDir, siteFileName, std::span(&site, 1));
}

bool AppendSites(const std::filesystem::path& userDataDir, std::string_view siteFileName,
    std::span<const SiteRecord> sites)
{
    const auto path = siteFilePath(userDataDir, siteFileName);
    if (path.empty() || DirMissing(path) == 0)
        return false;
    if (sites.empty())
        return true;
    File file = File::open(path, File::Mode::ReadWriteCreate);
    const auto status = file.isOpen() ? file.status() : std::nullopt;
    if (!status || !status->regular)
        return false;
    const std::uint64_t oldLength = status->size;
    const std::size_t count = recordCount(oldLength, kSiteRecordLength);
    if (count > kMaxSiteRecords || sites.size() > kMaxSiteRecords - count)
        return false;
    const std::uint64_t end = static_cast<std::uint64_t>(count) * kSiteRecordLength;
    // A partial last record that counts as a record is completed with blanks, so that it
    // reads the same after the append as before.
    Bytes bytes(end > oldLength ? end - oldLength : 0, ' ');
    const Bytes added = encodeSiteList(sites);
    bytes.insert(bytes.end(), added.begin(), added.end());
    const bool written = file.writeAt(std::min(end, oldLength), bytes) && file.sync();
    if (!written && !file.truncate(oldLength)) {
        // Nothing more can be done: the failed append stays as far as it got.
    }
    return file.close() && written;
}

std::vector<std::string> siteNames(std::span<const SiteRecord> sites)
{
    std::vector<std::string> names;
    names.reserve(sites.size());
    for (const SiteRecord& site : sites)
        names.push_back(site.SiteName);
    return names;
}

std::string MakeUniqueSiteName(std::string_view name, std::span<const std::string> names)
{
    std::set<std::string> taken;
    for (const std::string& existing : names)
        taken.insert(storedFieldText(existing, kSiteNameWidth));
    if (!taken.contains(storedFieldText(name, kSiteNameWidth)))
        return std::string(name);
    for (std::size_t k = 1;; ++k) {
        const std::string suffix = "(" + std::to_string(k) + ")";
        std::string candidate = std::string(name) + suffix;
        // A candidate longer than the field would be cut back to a taken name when stored.
        if (encodedLength(candidate) > kSiteNameWidth)
            candidate = cutToEncodedLength(name, kSiteNameWidth - suffix.size()) + suffix;
        if (!taken.contains(storedFieldText(candidate, kSiteNameWidth)))
            return candidate;
    }
}

bool CreateEmptySiteFile(const std::filesystem::path& userDataDir, std::string_view numberText)
{
    const auto path = siteFilePath(userDataDir, "Sites" + std::string(numberText) + ".dab");
    if (path.empty())
        return false;
    const int made = createFileWith(path, {});
    if (made == 0)
        return true;
    // An empty file of that name will do; one with pages is never emptied.
    int error = 0;
    const auto existing = readWholeFile(path, 0, &error);
    return made == EEXIST && existing && pathKind(path) == PathKind::File;
}

bool DeleteSiteFile(const std::filesystem::path& userDataDir, std::string_view siteFileName)
{
    const auto path = siteFilePath(userDataDir, siteFileName);
    if (path.empty())
        return false;
    if (DirMissing(path) == 0)
        return true;
    return removeFile(path);
}

} // namespace sg
