// Adding, deleting and renaming categories and pages in the list editor.
#include "common/data_lock.h"
#include "sitelists/field_text.h"
#include "sitelists/list_editor.h"
#include "sitelists/list_editor_messages.h"
#include "sitelists/list_files.h"
#include "sitelists/sitelist_messages.h"

#include <algorithm>
#include <cctype>

namespace sg {

namespace msg = sitelist_messages;
namespace emsg = editor_messages;

namespace {

bool hasName(const std::vector<EditorRow>& rows, std::string_view name)
{
    return std::any_of(
        rows.begin(), rows.end(), [&](const EditorRow& row) { return row.name == name; });
}

std::string upper(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
        [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return result;
}

} // namespace

void ListEditor::addCategory(std::string_view text)
{
    m_view.control(EditorControl::CategoryNameBox).caption = std::string(text);
    const std::string name = trimBlanks(text);
    if (name.empty())
        return;
    // Compared as the name reads back from the file, so a cut or padded twin is caught too.
    const std::string stored = storedFieldText(name, kCategoryNameWidth);
    if (hasName(m_view.categories, stored)) {
        tell(std::string(msg::kCategoryExists) + "\n" + name);
        return;
    }
    if (m_categoriesUnread) {
        tell(std::string(msg::kAddingCategoryError));
        return;
    }
    const DataLock lock(m_env.userDataDir);
    if (!lock) {
        tell(std::string(lock.message()));
        return;
    }
    // Numbered over the rows, which are what CatList.dab is about to hold, and past every
    // file in SiteLists: a file no category lists may still hold someone's pages.
    std::vector<CategoryRecord> records;
    for (const EditorRow& row : m_view.categories)
        records.push_back({ row.name, siteFileNumberOf(row.second).value_or(0) });
    const auto number = freeSiteFileNumber(m_env.userDataDir, records);
    if (!number) {
        tell(std::string(msg::kGettingNewFilenameError));
        return;
    }
    // The empty site list comes before the category that points at it, so a failure never
    // leaves a new category showing the pages of a file left over from an old one.
    if (!CreateEmptySiteFile(m_env.userDataDir, siteFileNumberText(*number))) {
        tell(std::string(msg::kAddingCategoryError));
        return;
    }
    m_view.categories.push_back({ stored, SiteFileName(*number) });
    if (!SyncLists(1)) {
        // CatList.dab does not hold the new category: neither do the rows (unless they were
        // read again), nor its file.
        if (!m_reloadedAfterChange)
            m_view.categories.pop_back();
        DeleteSiteFile(m_env.userDataDir, SiteFileName(*number));
        return;
    }
    selectCategory(m_view.selectedCategory.value_or(0));
    m_view.control(EditorControl::CategoryNameBox).caption.clear();
    UpdateListToolTips();
}

void ListEditor::addAddress(std::string_view text)
{
    const std::string address = trimBlanks(text);
    if (!address.empty() && upper(address) != upper(emsg::kNewAddressText)) {
        const std::string stored = storedFieldText(address, kSiteUrlWidth);
        const auto existing = std::find_if(m_view.sites.begin(), m_view.sites.end(),
            [&](const EditorRow& row) { return row.second == stored; });
        if (m_view.categories.empty()) {
            // Without a category the page would only ever live on the screen.
            tell(std::string(msg::kCreateCategoryFirst));
        } else if (existing != m_view.sites.end()) {
            tell(std::string(emsg::kAddressExists) + "\n" + existing->second);
        } else {
            appendSiteRow({ "", stored });
            SyncLists(2);
        }
    }
    m_view.control(EditorControl::AddressBox).caption = emsg::kNewAddressText;
}

void ListEditor::addMainWindowPage()
{
    if (m_view.categories.empty()) {
        tell(std::string(msg::kCreateCategoryFirst));
        return;
    }
    std::vector<std::string> names;
    for (const EditorRow& row : m_view.sites)
        names.push_back(row.name);
    const std::string name
        = MakeUniqueSiteName(cutToEncodedLength(m_env.ListEditorPageTitle, kSiteNameWidth), names);
    appendSiteRow({ storedFieldText(name, kSiteNameWidth),
        storedFieldText(m_env.ListEditorPageUrl, kSiteUrlWidth) });
    SyncLists(2);
}

void ListEditor::deleteSelectedSites()
{
    if (m_view.sites.empty())
        return;
    if (warningsOn() && !ask(std::string(emsg::kConfirmDeleteSites)))
        return;
    eraseSites(m_view.selectedSites());
    SyncLists(2);
}

void ListEditor::deleteSelectedCategory()
{
    if (m_view.categories.empty() || !m_view.selectedCategory)
        return;
    if (warningsOn() && !ask(std::string(msg::kConfirmDeleteCategory)))
        return;
    const DataLock lock(m_env.userDataDir);
    if (!lock) {
        tell(std::string(lock.message()));
        return;
    }
    const std::size_t row = *m_view.selectedCategory;
    const EditorRow removed = m_view.categories[row];
    auto& rows = m_view.categories;
    rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(row));
    selectCategory(rows.empty() ? std::nullopt : std::optional(std::min(row, rows.size() - 1)));
    // CatList.dab goes first: a failed write must not leave a category whose pages are gone.
    if (!SyncLists(1)) {
        if (!m_reloadedAfterChange) {
            rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(row), removed);
            selectCategory(row);
            UpdateListToolTips();
        }
        return;
    }
    const bool fileShared = std::any_of(
        rows.begin(), rows.end(), [&](const EditorRow& r) { return r.second == removed.second; });
    if (!fileShared)
        DeleteSiteFile(m_env.userDataDir, removed.second);
    SyncLists(8);
}

void ListEditor::deleteSelected()
{
    if (m_view.PopupList == EditorList::Sites)
        deleteSelectedSites();
    else if (m_view.PopupList == EditorList::Categories)
        deleteSelectedCategory();
}

bool ListEditor::renameInPlace(EditorList list, std::string_view newText)
{
    const bool categories = list == EditorList::Categories;
    std::vector<EditorRow>& rows = categories ? m_view.categories : m_view.sites;
    const auto row = categories ? m_view.selectedCategory : m_view.currentSite;
    if (!row || *row >= rows.size())
        return false;
    // The name as the file will hold it, so a padded twin of another row is refused too.
    const std::string name
        = storedFieldText(newText, categories ? kCategoryNameWidth : kSiteNameWidth);
    if (hasName(rows, name)) {
        tell(std::string(emsg::kNameOnList));
        return false;
    }
    if (name.empty())
        return false;
    if (categories)
        m_view.destination = row;
    if (!SyncLists(categories ? 1 : 2, name))
        return false;
    rows[*row].name = name;
    UpdateListToolTips();
    return true;
}

} // namespace sg
