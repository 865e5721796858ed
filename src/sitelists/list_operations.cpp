#include "sitelists/list_operations.h"

#include "common/data_lock.h"
#include "common/record_codec.h"
#include "sitelists/field_text.h"
#include "sitelists/shortcut_file.h"
#include "sitelists/sitelist_messages.h"

#include <algorithm>

namespace sg {

namespace msg = sitelist_messages;

namespace {

std::vector<CategoryEntry> entriesOf(std::span<const Category> categories)
{
    std::vector<CategoryEntry> entries;
    entries.reserve(categories.size());
    for (const Category& category : categories)
        entries.push_back({ category.name, category.siteFileName });
    return entries;
}

SiteRecord storedSite(const SiteRecord& site)
{
    return { storedFieldText(site.SiteName, kSiteNameWidth),
        storedFieldText(site.SiteUrl, kSiteUrlWidth) };
}

ListResult<SiteRecord> addPageTo(const std::filesystem::path& userDataDir,
    const CategoryRecord& category, std::string_view title, std::string_view url)
{
    using Result = ListResult<SiteRecord>;
    if (category.CategoryName.empty())
        return Result::notDone(ListStatus::Refused, msg::kCategoryNameNull);
    const std::string fileName = SiteFileName(category.SiteFileNumber);
    const auto sites = LoadSites(userDataDir, fileName);
    if (!sites)
        return Result::notDone(ListStatus::Failed, msg::kAddPageFileError);
    const std::string name
        = MakeUniqueSiteName(cutToEncodedLength(title, kSiteNameWidth), siteNames(*sites));
    const SiteRecord page { name, std::string(url) };
    if (!AppendSite(userDataDir, fileName, page))
        return Result::notDone(ListStatus::Failed, msg::kAddPageFileError);
    return Result::done(storedSite(page));
}

// Adds the page to the category that pick finds among the category records (null: none).
template <typename Pick>
ListResult<SiteRecord> addPageToPicked(const std::filesystem::path& userDataDir, Pick pick,
    std::string_view title, std::string_view url)
{
    using Result = ListResult<SiteRecord>;
    const DataLock lock(userDataDir);
    if (!lock)
        return Result::notDone(ListStatus::Failed, lock.message());
    const auto records = loadCategoryRecords(userDataDir);
    if (!records)
        return Result::notDone(ListStatus::Failed, msg::kOpeningCategoriesForPageError);
    if (records->empty())
        return Result::notDone(ListStatus::Refused, msg::kNoCategoriesExist);
    const CategoryRecord* category = pick(*records);
    if (!category)
        return Result::notDone(ListStatus::NotFound);
    return addPageTo(userDataDir, *category, title, url);
}

} // namespace

ListResult<Category> addCategory(const std::filesystem::path& userDataDir, std::string_view name)
{
    using Result = ListResult<Category>;
    const std::string trimmed = trimBlanks(name);
    if (trimmed.empty())
        return Result::notDone(ListStatus::Ignored);
    const DataLock lock(userDataDir);
    if (!lock)
        return Result::notDone(ListStatus::Failed, lock.message());
    auto categories = LoadCategories(userDataDir);
    if (!categories)
        return Result::notDone(ListStatus::Failed, msg::kAddingCategoryError);
    // Compared as the name will read back, so that a cut or trimmed copy is caught too.
    const std::string stored = storedFieldText(trimmed, kCategoryNameWidth);
    const bool taken = std::any_of(categories->begin(), categories->end(),
        [&](const Category& category) { return category.name == stored; });
    if (taken)
        return Result::notDone(
            ListStatus::Refused, std::string(msg::kCategoryExists) + "\n" + trimmed);

    std::vector<CategoryRecord> records;
    for (const Category& category : *categories)
        records.push_back({ category.name, category.siteFileNumber });
    const auto number = freeSiteFileNumber(userDataDir, records);
    if (!number)
        return Result::notDone(ListStatus::Failed, msg::kGettingNewFilenameError);
    const Category added { stored, *number, SiteFileName(*number) };
    // The empty site list comes first, so that the category never points at the pages of
    // a file left over from an earlier category; the number names no file yet.
    if (!CreateEmptySiteFile(userDataDir, siteFileNumberText(*number)))
        return Result::notDone(ListStatus::Failed, msg::kAddingCategoryError);
    auto entries = entriesOf(*categories);
    entries.push_back({ trimmed, added.siteFileName });
    if (!SaveCategories(userDataDir, entries)) {
        DeleteSiteFile(userDataDir, added.siteFileName);
        return Result::notDone(ListStatus::Failed, msg::kLoadingListsError);
    }
    return Result::done(added);
}

ListResult<Category> deleteCategory(const std::filesystem::path& userDataDir, std::string_view name)
{
    using Result = ListResult<Category>;
    const DataLock lock(userDataDir);
    if (!lock)
        return Result::notDone(ListStatus::Failed, lock.message());
    auto categories = LoadCategories(userDataDir);
    if (!categories)
        return Result::notDone(ListStatus::Failed, msg::kLoadingListsError);
    const auto found = std::find_if(categories->begin(), categories->end(),
        [&](const Category& category) { return category.name == name; });
    if (found == categories->end())
        return Result::notDone(ListStatus::NotFound);
    const Category removed = *found;
    categories->erase(found);
    // The list is rewritten before the file goes, so that a failed write never leaves a
    // category whose pages are already gone.
    if (!SaveCategories(userDataDir, entriesOf(*categories)))
        return Result::notDone(ListStatus::Failed, msg::kLoadingListsError);
    const bool fileShared
        = std::any_of(categories->begin(), categories->end(), [&](const Category& category) {
              return category.siteFileNumber == removed.siteFileNumber;
          });
    if (!fileShared)
        DeleteSiteFile(userDataDir, removed.siteFileName);
    return Result::done(removed);
}

ListResult<SiteRecord> addPageToCategoryAt(const std::filesystem::path& userDataDir,
    std::size_t recordNumber, std::string_view title, std::string_view url)
{
    const auto pick = [&](const std::vector<CategoryRecord>& records) {
        const bool inRange = recordNumber >= 1 && recordNumber <= records.size();
        return inRange ? &records[recordNumber - 1] : nullptr;
    };
    return addPageToPicked(userDataDir, pick, title, url);
}

ListResult<SiteRecord> addPageToCategory(const std::filesystem::path& userDataDir,
    std::string_view categoryName, std::string_view title, std::string_view url)
{
    const auto pick = [&](const std::vector<CategoryRecord>& records) -> const CategoryRecord* {
        const auto found = std::find_if(records.begin(), records.end(),
            [&](const CategoryRecord& record) { return record.CategoryName == categoryName; });
        return found == records.end() ? nullptr : &*found;
    };
    return addPageToPicked(userDataDir, pick, title, url);
}

ListResult<std::vector<SiteRecord>> importShortcuts(const std::filesystem::path& userDataDir,
    std::string_view categoryName, std::span<const std::filesystem::path> shortcutFiles)
{
    using Result = ListResult<std::vector<SiteRecord>>;
    const DataLock lock(userDataDir);
    if (!lock)
        return Result::notDone(ListStatus::Failed, lock.message());
    const auto categories = LoadCategories(userDataDir);
    if (!categories)
        return Result::notDone(ListStatus::Failed, msg::kFavoritesError);
    if (categories->empty())
        return Result::notDone(ListStatus::Refused, msg::kCreateCategoryFirst);
    const auto category = std::find_if(categories->begin(), categories->end(),
        [&](const Category& c) { return c.name == categoryName; });
    if (category == categories->end())
        return Result::notDone(ListStatus::NotFound);
    const auto sites = LoadSites(userDataDir, category->siteFileName);
    if (!sites)
        return Result::notDone(ListStatus::Failed, msg::kFavoritesError);

    std::vector<std::string> names = siteNames(*sites);
    std::vector<SiteRecord> added;
    for (const std::filesystem::path& file : shortcutFiles) {
        const auto url = ReadShortcutUrl(file);
        if (!url)
            return Result::notDone(ListStatus::Failed, msg::kFavoritesError);
        if (url->empty())
            continue;
        std::string name = ShortcutName(file.filename().string());
        if (name.empty())
            continue;
        name = MakeUniqueSiteName(name, names);
        names.push_back(name);
        added.push_back({ name, *url });
    }
    if (!AppendSites(userDataDir, category->siteFileName, added))
        return Result::notDone(ListStatus::Failed, msg::kFavoritesError);
    std::vector<SiteRecord> stored;
    for (const SiteRecord& page : added)
        stored.push_back(storedSite(page));
    return Result::done(std::move(stored));
}

} // namespace sg
