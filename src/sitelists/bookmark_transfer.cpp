#include "sitelists/bookmark_transfer.h"

#include "common/file_io.h"
#include "sitelists/bookmark_file.h"
#include "sitelists/field_text.h"
#include "sitelists/list_files.h"
#include "sitelists/list_operations.h"

#include <algorithm>
#include <system_error>

namespace sg {
namespace {

std::string plural(std::size_t n, std::string_view one, std::string_view many)
{
    return std::to_string(n) + " " + std::string(n == 1 ? one : many);
}

// The category of this name as stored, added when there is none; Failed on a file error.
ListResult<Category> categoryNamed(
    const std::filesystem::path& userDataDir, const std::string& name, bool& added)
{
    using Result = ListResult<Category>;
    const auto categories = LoadCategories(userDataDir);
    if (!categories)
        return Result::notDone(ListStatus::Failed, kBookmarkImportError);
    const std::string stored = storedFieldText(name, kCategoryNameWidth);
    const auto found = std::find_if(categories->begin(), categories->end(),
        [&](const Category& category) { return category.name == stored; });
    if (found != categories->end()) {
        added = false;
        return Result::done(*found);
    }
    auto result = addCategory(userDataDir, name);
    if (!result.ok())
        return Result::notDone(ListStatus::Failed, kBookmarkImportError);
    added = true;
    return result;
}

} // namespace

std::ostream& operator<<(std::ostream& out, const BookmarkImportCounts& c)
{
    return out << "BookmarkImportCounts{added " << c.categoriesAdded << ", existing "
               << c.categoriesExisting << ", pages " << c.pagesAdded << ", skipped "
               << c.linksSkipped << "}";
}

ListResult<BookmarkImportCounts> importBookmarks(
    const std::filesystem::path& userDataDir, const std::filesystem::path& bookmarkFile)
{
    using Result = ListResult<BookmarkImportCounts>;
    const auto bytes = readWholeFile(bookmarkFile, kMaxBookmarkFileSize);
    if (!bytes)
        return Result::notDone(ListStatus::Failed, kBookmarkReadError);
    const std::string_view html(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    if (!isBookmarkFile(html))
        return Result::notDone(ListStatus::Refused, kNotABookmarkFile);

    const BookmarkFile file = parseBookmarkFile(html);
    BookmarkImportCounts counts;
    counts.linksSkipped = file.skippedLinks;
    for (const BookmarkFolder& folder : file.folders) {
        bool added = false;
        const auto category = categoryNamed(userDataDir, folder.name, added);
        if (!category.ok())
            return Result::notDone(category.status, category.message);
        ++(added ? counts.categoriesAdded : counts.categoriesExisting);
        const auto sites = LoadSites(userDataDir, category.value.siteFileName);
        if (!sites)
            return Result::notDone(ListStatus::Failed, kBookmarkImportError);
        std::vector<std::string> names = siteNames(*sites);
        std::vector<SiteRecord> pages;
        pages.reserve(folder.pages.size());
        for (const SiteRecord& page : folder.pages) {
            const std::string name
                = MakeUniqueSiteName(cutToEncodedLength(page.SiteName, kSiteNameWidth), names);
            names.push_back(name);
            pages.push_back({ name, page.SiteUrl });
        }
        if (!AppendSites(userDataDir, category.value.siteFileName, pages))
            return Result::notDone(ListStatus::Failed, kBookmarkImportError);
        counts.pagesAdded += pages.size();
    }
    return Result::done(counts);
}

ListResult<BookmarkExportCounts> exportBookmarks(
    const std::filesystem::path& userDataDir, const std::filesystem::path& bookmarkFile)
{
    using Result = ListResult<BookmarkExportCounts>;
    const auto categories = LoadCategories(userDataDir);
    if (!categories)
        return Result::notDone(ListStatus::Failed, kBookmarkExportError);
    std::vector<BookmarkFolder> folders;
    BookmarkExportCounts counts;
    for (const Category& category : *categories) {
        auto sites = LoadSites(userDataDir, category.siteFileName);
        if (!sites)
            return Result::notDone(ListStatus::Failed, kBookmarkExportError);
        counts.pages += sites->size();
        folders.push_back({ category.name, std::move(*sites) });
    }
    counts.categories = folders.size();
    const std::string html = formatBookmarkFile(folders);
    if (!writeFileAtomically(bookmarkFile,
            std::span(reinterpret_cast<const std::uint8_t*>(html.data()), html.size())))
        return Result::notDone(ListStatus::Failed, kBookmarkExportError);
    return Result::done(counts);
}

std::string bookmarkImportSummary(const BookmarkImportCounts& counts)
{
    const std::size_t categories = counts.categoriesAdded + counts.categoriesExisting;
    std::string text = "Imported " + plural(counts.pagesAdded, "Page", "Pages") + " Into "
        + plural(categories, "Category", "Categories") + ".";
    if (counts.linksSkipped > 0)
        text += "\nSkipped " + plural(counts.linksSkipped, "Link", "Links")
            + " (javascript:, data: Or place: Addresses).";
    return text;
}

std::string bookmarkExportSummary(const BookmarkExportCounts& counts)
{
    return "Exported " + plural(counts.pages, "Page", "Pages") + " In "
        + plural(counts.categories, "Category", "Categories") + ".";
}

} // namespace sg
