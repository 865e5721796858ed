#include "browser/site_selector.h"

#include "common/file_io.h"
#include "sitelists/list_files.h"

#include <algorithm>
#include <cmath>

namespace sg {
namespace {

std::optional<std::vector<Category>> existingCategories(const std::filesystem::path& userDataDir)
{
    // LoadCategories makes a missing file; the selector only reads.
    if (FileMissing(categoryListPath(userDataDir)) != 0)
        return std::nullopt;
    return LoadCategories(userDataDir);
}

std::vector<SelectorRow> pageRowsOf(
    const std::filesystem::path& userDataDir, const std::string& siteFileName)
{
    std::vector<SelectorRow> rows;
    const std::filesystem::path path = siteFilePath(userDataDir, siteFileName);
    if (path.empty() || FileMissing(path) != 0)
        return rows;
    const auto sites = LoadSites(userDataDir, siteFileName);
    if (!sites)
        return rows;
    for (const SiteRecord& site : *sites)
        rows.push_back({ site.SiteName, site.SiteUrl, {}, false });
    return rows;
}

} // namespace

std::ostream& operator<<(std::ostream& out, const SelectorRow& row)
{
    return out << "{" << row.text << " | " << row.url << " | " << row.key
               << (row.categoryRow ? " | category}" : "}");
}

SelectorHeaders pageListHeaders()
{
    return { "Web Page Names", "URL Addresses" };
}

SelectorHeaders categoryListHeaders(bool separateMode)
{
    if (separateMode)
        return { "   Categories", "" };
    return { "   Categories And Web Page Names", "URL Addresses" };
}

std::vector<SelectorRow> singleSelectorRows(const std::filesystem::path& userDataDir)
{
    std::vector<SelectorRow> rows;
    const auto categories = existingCategories(userDataDir);
    if (!categories)
        return rows;
    for (std::size_t i = 0; i < categories->size(); ++i) {
        const Category& category = (*categories)[i];
        rows.push_back({ category.name, {}, "C" + std::to_string(i + 1), true });
        const auto pages = pageRowsOf(userDataDir, category.siteFileName);
        rows.insert(rows.end(), pages.begin(), pages.end());
    }
    return rows;
}

std::optional<std::vector<SelectorRow>> categoryRows(const std::filesystem::path& userDataDir)
{
    const auto categories = existingCategories(userDataDir);
    if (!categories)
        return std::nullopt;
    std::vector<SelectorRow> rows;
    for (const Category& category : *categories)
        rows.push_back({ category.name, {}, {}, true });
    return rows;
}

std::vector<SelectorRow> pageRowsOfCategory(
    const std::filesystem::path& userDataDir, std::size_t categoryIndex)
{
    const auto categories = existingCategories(userDataDir);
    if (!categories || categoryIndex >= categories->size())
        return {};
    return pageRowsOf(userDataDir, (*categories)[categoryIndex].siteFileName);
}

double selectorListTop(double addressBoxBottom)
{
    return std::min(addressBoxBottom, 435.0);
}

double fittedListHeight(std::size_t rows, double rowHeightUnit, double listTop, double clientHeight)
{
    const double factor = rows < 6 ? 2.0 : rows <= 8 ? 1.7 : 1.4;
    double height = std::max(rowHeightUnit * factor * static_cast<double>(rows), kMinListHeight);
    const double room = clientHeight - listTop - 600;
    if (height > room)
        height = room;
    return std::max(height, 0.0);
}

std::array<float, 4> columnWidthsWithDefaults(
    std::array<float, 4> saved, double pageListWidth, double categoryListWidth)
{
    const double pageShare = (pageListWidth - 300) / 2;
    const double categoryRoom = categoryListWidth - 300;
    const std::array<double, 4> defaults { pageShare, pageShare, categoryRoom * 0.666,
        categoryRoom * 0.333 };
    for (std::size_t i = 0; i < saved.size(); ++i) {
        if (!(saved[i] > 0))
            saved[i] = static_cast<float>(defaults[i]);
    }
    return saved;
}

int columnWidthPixels(float twips)
{
    const double pixels = std::trunc(twips / 15.0);
    if (!(pixels > 0))
        return 0;
    return pixels < 1e6 ? static_cast<int>(pixels) : 1000000;
}

} // namespace sg
