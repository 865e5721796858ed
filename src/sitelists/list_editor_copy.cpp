// Copying and moving the selected pages to another category, and adding the rows handed
// over by the History window.
#include "common/data_lock.h"
#include "sitelists/field_text.h"
#include "sitelists/list_editor.h"
#include "sitelists/list_editor_messages.h"
#include "sitelists/list_files.h"

#include <algorithm>

namespace sg {

namespace emsg = editor_messages;

namespace {

// Names each page uniquely among the destination's pages and those named before it.
std::vector<SiteRecord> namedForDestination(
    std::vector<SiteRecord> pages, std::vector<std::string> destinationNames)
{
    for (SiteRecord& page : pages) {
        page.SiteName = MakeUniqueSiteName(page.SiteName, destinationNames);
        destinationNames.push_back(page.SiteName);
    }
    return pages;
}

} // namespace

void ListEditor::copySelectedSites()
{
    transferSites(false);
}

void ListEditor::moveSelectedSites()
{
    transferSites(true);
}

void ListEditor::transferSites(bool removeFromSource)
{
    if (m_view.sites.empty() || m_view.categories.empty())
        return;
    const auto source = m_view.selectedCategory;
    const auto target = m_view.destination;
    if (!source || !target || *target >= m_view.categories.size())
        return;
    const EditorRow& destination = m_view.categories[*target];
    // Two rows naming one file are one category: a move would append and then drop them.
    if (*target == *source || destination.second == m_view.categories[*source].second) {
        tell(std::string(emsg::kSameCategory));
        return;
    }
    const auto question = removeFromSource ? emsg::kConfirmMove : emsg::kConfirmCopy;
    if (warningsOn() && !ask(std::string(question) + "\n" + destination.name))
        return;
    const std::string error(removeFromSource ? emsg::kMoveError : emsg::kCopyError);
    const DataLock lock(m_env.userDataDir);
    if (!lock) {
        tell(std::string(lock.message()));
        return;
    }
    // A move rewrites the source: it must still hold the rows before anything is copied.
    if (removeFromSource && !filesAsSeen(2))
        return;
    const auto existing = LoadSites(m_env.userDataDir, destination.second);
    if (!existing) {
        tell(error);
        return;
    }
    // A move takes the rows from the last to the first, so they arrive in reverse order.
    std::vector<std::size_t> rows = m_view.selectedSites();
    if (removeFromSource)
        std::reverse(rows.begin(), rows.end());
    std::vector<SiteRecord> pages;
    for (std::size_t row : rows)
        pages.push_back({ m_view.sites[row].name, m_view.sites[row].second });
    pages = namedForDestination(std::move(pages), siteNames(*existing));
    // All or nothing: on failure the destination keeps its length and the source its rows.
    if (!AppendSites(m_env.userDataDir, destination.second, pages)) {
        tell(error);
        return;
    }
    if (removeFromSource) {
        eraseSites(m_view.selectedSites());
        SyncLists(2);
    }
}

void ListEditor::addHistoryItems(std::span<const HistoryHandOffRow> selectedRows)
{
    if (m_view.categories.empty() || !m_view.selectedCategory)
        return;
    const EditorRow& category = m_view.categories[*m_view.selectedCategory];
    if (warningsOn() && !ask(std::string(emsg::kConfirmHistoryCopy) + "\n" + category.name))
        return;
    const std::string error(emsg::kHistoryCopyError);
    const DataLock lock(m_env.userDataDir);
    if (!lock) {
        tell(std::string(lock.message()));
        return;
    }
    // Rows of the shown file are added below: they must be what the file holds.
    if (category.second == m_view.CurrentSiteFile && !filesAsSeen(2))
        return;
    const auto existing = LoadSites(m_env.userDataDir, category.second);
    if (!existing) {
        tell(error);
        return;
    }
    std::vector<SiteRecord> pages;
    for (const HistoryHandOffRow& row : selectedRows) {
        if (!row.address.empty())
            pages.push_back({ row.title, row.address });
    }
    pages = namedForDestination(std::move(pages), siteNames(*existing));
    if (!AppendSites(m_env.userDataDir, category.second, pages)) {
        tell(error);
        return;
    }
    if (m_view.CurrentSiteFile.empty())
        m_view.CurrentSiteFile = category.second;
    if (category.second != m_view.CurrentSiteFile)
        return;
    for (const SiteRecord& page : pages) {
        const SiteRecord stored { storedFieldText(page.SiteName, kSiteNameWidth),
            storedFieldText(page.SiteUrl, kSiteUrlWidth) };
        appendSiteRow({ stored.SiteName, stored.SiteUrl });
        m_sitesSeen.push_back(stored);
    }
    UpdateListToolTips();
}

} // namespace sg
