#include "fullscreen/add_page.h"

#include "common/file_io.h"
#include "sitelists/list_files.h"
#include "sitelists/list_operations.h"
#include "sitelists/sitelist_messages.h"

#include <charconv>

namespace sg {

namespace msg = sitelist_messages;

std::ostream& operator<<(std::ostream& out, const ChooserItem& item)
{
    return out << "{" << item.key << ", " << item.text << "}";
}

ListResult<std::vector<ChooserItem>> categoryChooserItems(const std::filesystem::path& userDataDir)
{
    using Result = ListResult<std::vector<ChooserItem>>;
    // Checked first: reading a missing list file would create it.
    if (FileMissing(categoryListPath(userDataDir)) != 0)
        return Result::notDone(ListStatus::Refused, msg::kNoCategoriesExist);
    const auto records = loadCategoryRecords(userDataDir);
    if (!records)
        return Result::notDone(ListStatus::Failed, msg::kOpeningCategoriesForPageError);
    if (records->empty())
        return Result::notDone(ListStatus::Refused, msg::kNoCategoriesExist);
    std::vector<ChooserItem> items;
    items.reserve(records->size());
    for (std::size_t i = 0; i < records->size(); ++i)
        items.push_back({ "C" + std::to_string(i + 1), trimBlanks((*records)[i].CategoryName) });
    return Result::done(std::move(items));
}

ListResult<std::size_t> chosenCategoryNumber(
    std::span<const ChooserItem> items, std::size_t selected, bool separateSelectors)
{
    using Result = ListResult<std::size_t>;
    if (items.empty())
        return Result::notDone(ListStatus::Refused, msg::kChooserEmpty);
    if (selected == 0 || selected > items.size())
        return Result::notDone(ListStatus::Refused, msg::kNoCategorySelected);
    const ChooserItem& item = items[selected - 1];
    if (item.text.empty())
        return Result::notDone(ListStatus::Refused, msg::kCategoryNameNull);
    if (separateSelectors)
        return Result::done(selected);
    if (item.key.empty())
        return Result::notDone(ListStatus::Refused, msg::kNoCategorySelected);
    if (item.key.front() != 'C')
        return Result::notDone(ListStatus::Refused, msg::kNotACategory);
    std::size_t number = 0;
    const char* first = item.key.data() + 1;
    const char* last = item.key.data() + item.key.size();
    const auto [end, error] = std::from_chars(first, last, number);
    if (first == last || error != std::errc {} || end != last || number == 0)
        return Result::notDone(ListStatus::Refused, msg::kAddPageError);
    return Result::done(number);
}

ListResult<SiteRecord> addShownPage(const std::filesystem::path& userDataDir,
    std::span<const ChooserItem> items, std::size_t selected, bool separateSelectors,
    std::string_view title, std::string_view url)
{
    using Result = ListResult<SiteRecord>;
    const auto number = chosenCategoryNumber(items, selected, separateSelectors);
    if (!number.ok())
        return Result::notDone(number.status, number.message);
    auto added = addPageToCategoryAt(userDataDir, number.value, title, url);
    // The category list changed since the chooser was filled: the page would land in no
    // category's file, so nothing is written and the failure is reported.
    if (added.status == ListStatus::NotFound)
        return Result::notDone(ListStatus::Refused, msg::kAddPageError);
    return added;
}

} // namespace sg
