#include "sitelists/list_editor.h"

#include "common/data_lock.h"
#include "common/file_io.h"
#include "common/program.h"
#include "sitelists/field_text.h"
#include "sitelists/list_editor_messages.h"
#include "sitelists/list_files.h"
#include "sitelists/sitelist_messages.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace sg {

namespace msg = sitelist_messages;
namespace emsg = editor_messages;

namespace {

constexpr double kListAreaMargin = 1545;
constexpr double kMinListHeight = 1260;

} // namespace

ListEditor::ListEditor(ListEditorEnvironment env)
    : m_env(std::move(env))
{
}

std::filesystem::path ListEditor::currentSitePath() const
{
    return m_view.CurrentSiteFile.empty() ? std::filesystem::path()
                                          : siteFilePath(m_env.userDataDir, m_view.CurrentSiteFile);
}

void ListEditor::open()
{
    m_env.ModalWindowOpen = true;
    m_view = {};
    m_view.caption = std::string(emsg::kCaptionPrefix) + std::string(kProgramTitle);
    m_view.favoritesFolder = m_env.FavoritesDir;
    m_view.SplitRatio = 0.5;
    const Settings& s = m_env.settings;
    m_view.font = { s.FontName, s.FontSize, s.FontBold };
    m_view.menuEnabled.fill(true);

    m_view.control(EditorControl::AddPageButton).caption = "Add Page To List";
    m_view.control(EditorControl::DeleteSitesButton).caption = "Delete Selected Site(s)";
    m_view.control(EditorControl::AddCategoryButton).caption = "Enter A New Category >>>";
    m_view.control(EditorControl::DeleteCategoryButton).caption = "Delete Selected Cat";
    m_view.control(EditorControl::AddAddressButton).caption = "Enter A Web Address >>>";
    m_view.control(EditorControl::ImportFavoritesButton).caption = "Import Fav";
    m_view.control(EditorControl::BackupButton).caption = "B.U.";
    m_view.control(EditorControl::RestoreButton).caption = emsg::kRestoreCaption;
    m_view.control(EditorControl::AddHistoryItemsButton).caption = "Add Selected History Item(s)";
    m_view.control(EditorControl::ImportBookmarksButton).caption = emsg::kImportBookmarksCaption;
    m_view.control(EditorControl::ExportBookmarksButton).caption = emsg::kExportBookmarksCaption;
    m_view.control(EditorControl::AddressBox).caption = emsg::kNewAddressText;
    m_view.control(EditorControl::BackupButton).enabled = s.EditorBackupEnabled != 0;
    m_view.control(EditorControl::RestoreButton).enabled = s.EditorBackupEnabled != 0;

    m_view.EditorLoaded = false;
    LoadEditorLists();
    ApplyEditorToolTips();
    const bool fromHistory = m_env.HistoryHandOff;
    m_view.control(EditorControl::AddPageButton).visible = !fromHistory;
    m_view.control(EditorControl::ImportFavoritesButton).visible = !fromHistory;
    m_view.control(EditorControl::AddHistoryItemsButton).visible = fromHistory;
    m_view.EditorLoaded = true;
}

std::array<double, 2> ListEditor::storedWindowSize() const
{
    return { m_env.settings.EditorWidth, m_env.settings.EditorHeight };
}

std::array<int, 4> ListEditor::columnWidthsPx(
    double siteListWidthTwips, double categoryListWidthTwips) const
{
    const auto& stored = m_env.settings.EditorColumnWidths;
    const double siteDefault = (siteListWidthTwips - 300) / 2;
    const std::array<double, 4> twips = {
        stored[0] <= 0 ? siteDefault : stored[0],
        stored[1] <= 0 ? siteDefault : stored[1],
        stored[2] <= 0 ? (categoryListWidthTwips - 300) * 0.666 : stored[2],
        stored[3] < 0 ? (categoryListWidthTwips - 300) * 0.333 : stored[3],
    };
    std::array<int, 4> pixels {};
    for (std::size_t i = 0; i < 4; ++i)
        pixels[i] = std::max(0, static_cast<int>(twips[i] / 15 + 0.5));
    return pixels;
}

bool ListEditor::LoadEditorLists()
{
    m_view.categories.clear();
    selectCategory(std::nullopt);
    m_view.CurrentSiteFile.clear();
    fillSites({});
    const auto categories = LoadCategories(m_env.userDataDir);
    m_categoriesUnread = !categories;
    m_categoriesSeen = categories.value_or(std::vector<Category> {});
    bool ok = categories.has_value();
    if (ok) {
        for (const Category& category : *categories)
            m_view.categories.push_back({ category.name, category.siteFileName });
        if (!m_view.categories.empty())
            selectCategory(0);
        ok = reloadSites();
    }
    UpdateListToolTips();
    if (!ok)
        tell(std::string(msg::kLoadingCategorySelectorError));
    return ok;
}

bool ListEditor::SyncLists(int flags, std::string_view editedName)
{
    m_reloadedAfterChange = false;
    std::optional<DataLock> lock;
    if (flags & 3) {
        lock.emplace(m_env.userDataDir);
        if (!*lock) {
            tell(std::string(lock->message()));
            return false;
        }
        if (!filesAsSeen(flags & 3))
            return false;
    }
    bool ok = true;
    if (flags & 1)
        ok = saveCategoryRows(editedName);
    if (ok && (flags & 2))
        ok = saveSiteRows(editedName);
    if (ok && (flags & 4))
        ok = reloadCategories();
    if (ok && (flags & 8))
        ok = reloadSites();
    UpdateListToolTips();
    if (!ok)
        tell(std::string(msg::kLoadingListsError));
    return ok;
}

bool ListEditor::saveCategoryRows(std::string_view editedName)
{
    // Rows that stand in for a file that could not be read are never written over it.
    if (m_categoriesUnread)
        return false;
    std::vector<CategoryEntry> entries;
    for (const EditorRow& row : m_view.categories)
        entries.push_back({ row.name, row.second });
    if (!editedName.empty() && m_view.selectedCategory)
        entries[*m_view.selectedCategory].name = std::string(editedName);
    if (!SaveCategories(m_env.userDataDir, entries))
        return false;
    m_categoriesSeen.clear();
    for (const CategoryEntry& entry : entries) {
        const std::int16_t number = siteFileNumberOf(entry.siteFileName).value_or(0);
        m_categoriesSeen.push_back(
            { storedFieldText(entry.name, kCategoryNameWidth), number, SiteFileName(number) });
    }
    return true;
}

bool ListEditor::filesAsSeen(int flags)
{
    // A list that cannot be read, or a folder in a list file's place, is left to the write
    // to report.
    const auto comparable
        = [](const std::filesystem::path& path) { return pathKind(path) != PathKind::Directory; };
    bool same = true;
    if ((flags & 1) && !m_categoriesUnread && comparable(categoryListPath(m_env.userDataDir))) {
        const auto categories = LoadCategories(m_env.userDataDir);
        same = !categories || *categories == m_categoriesSeen;
    }
    if (same && (flags & 2) && !m_sitesUnread && !m_view.CurrentSiteFile.empty()
        && comparable(currentSitePath())) {
        const auto sites = LoadSites(m_env.userDataDir, m_view.CurrentSiteFile);
        same = !sites || *sites == m_sitesSeen;
    }
    if (same)
        return true;
    // Rows read before the other program's change would undo it: read everything again.
    reloadCategories();
    reloadSites();
    UpdateListToolTips();
    m_reloadedAfterChange = true;
    tell(std::string(emsg::kListsChangedElsewhere));
    return false;
}

bool ListEditor::saveSiteRows(std::string_view editedName)
{
    if (m_view.CurrentSiteFile.empty()) {
        if (!m_view.selectedCategory)
            return true;
        m_view.CurrentSiteFile = m_view.categories[*m_view.selectedCategory].second;
        m_sitesUnread = false;
    }
    if (m_sitesUnread)
        return false;
    std::vector<SiteRecord> records;
    for (const EditorRow& row : m_view.sites)
        records.push_back({ row.name, row.second });
    if (!editedName.empty() && m_view.currentSite)
        records[*m_view.currentSite].SiteName = std::string(editedName);
    if (!SaveSites(m_env.userDataDir, m_view.CurrentSiteFile, records))
        return false;
    m_sitesSeen.clear();
    for (const SiteRecord& record : records) {
        m_sitesSeen.push_back({ storedFieldText(record.SiteName, kSiteNameWidth),
            storedFieldText(record.SiteUrl, kSiteUrlWidth) });
    }
    return true;
}

bool ListEditor::reloadCategories()
{
    const std::size_t remembered = m_view.selectedCategory.value_or(0);
    const auto categories = LoadCategories(m_env.userDataDir);
    m_categoriesUnread = !categories;
    m_categoriesSeen = categories.value_or(std::vector<Category> {});
    m_view.categories.clear();
    selectCategory(std::nullopt);
    if (!categories) {
        // No categories, no page list: rows kept from before could otherwise be written
        // over a page file that has changed since (a restore, another program).
        fillSites({});
        m_view.CurrentSiteFile.clear();
        return false;
    }
    for (const Category& category : *categories)
        m_view.categories.push_back({ category.name, category.siteFileName });
    if (remembered < m_view.categories.size())
        selectCategory(remembered);
    else if (!m_view.categories.empty())
        selectCategory(0);
    return true;
}

bool ListEditor::reloadSites()
{
    fillSites({});
    m_sitesUnread = false;
    m_sitesSeen.clear();
    if (!m_view.selectedCategory) {
        m_view.CurrentSiteFile.clear();
        return true;
    }
    m_view.CurrentSiteFile = m_view.categories[*m_view.selectedCategory].second;
    const auto sites = LoadSites(m_env.userDataDir, m_view.CurrentSiteFile);
    if (!sites) {
        m_sitesUnread = true;
        return false;
    }
    m_sitesSeen = *sites;
    std::vector<EditorRow> rows;
    for (const SiteRecord& site : *sites)
        rows.push_back({ site.SiteName, site.SiteUrl });
    fillSites(std::move(rows));
    return true;
}

void ListEditor::fillSites(std::vector<EditorRow> rows)
{
    m_view.sites = std::move(rows);
    m_view.siteSelected.assign(m_view.sites.size(), false);
    m_view.currentSite.reset();
    if (!m_view.sites.empty()) {
        m_view.siteSelected[0] = true;
        m_view.currentSite = 0;
    }
}

void ListEditor::appendSiteRow(EditorRow row)
{
    m_view.sites.push_back(std::move(row));
    m_view.siteSelected.push_back(false);
    if (!m_view.currentSite) {
        m_view.currentSite = m_view.sites.size() - 1;
        m_view.siteSelected.back() = true;
    }
}

void ListEditor::eraseSites(const std::vector<std::size_t>& rows)
{
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        m_view.sites.erase(m_view.sites.begin() + static_cast<std::ptrdiff_t>(*it));
        m_view.siteSelected.erase(m_view.siteSelected.begin() + static_cast<std::ptrdiff_t>(*it));
    }
    std::fill(m_view.siteSelected.begin(), m_view.siteSelected.end(), false);
    m_view.currentSite.reset();
    if (!m_view.sites.empty()) {
        const std::size_t next = rows.empty() ? 0 : std::min(rows.front(), m_view.sites.size() - 1);
        m_view.currentSite = next;
        m_view.siteSelected[next] = true;
    }
}

void ListEditor::selectCategory(std::optional<std::size_t> row)
{
    m_view.selectedCategory = row;
    m_view.destination = row;
}

std::string ListEditor::toolTip(ToolTip entry) const
{
    return toolTipsOn() ? m_env.toolTips[entry] : std::string();
}

void ListEditor::UpdateListToolTips()
{
    const bool on = toolTipsOn();
    m_view.control(EditorControl::CategoryList).toolTip = on && m_view.selectedCategory
        ? m_view.categories[*m_view.selectedCategory].name
        : std::string();
    m_view.control(EditorControl::SiteList).toolTip
        = on && m_view.currentSite ? m_view.sites[*m_view.currentSite].name : std::string();
}

void ListEditor::ApplyEditorToolTips()
{
    static constexpr std::pair<EditorControl, ToolTip> entries[] = {
        { EditorControl::AddCategoryButton, ToolTip::EditorAddCategory },
        { EditorControl::CategoryNameBox, ToolTip::EditorCategoryName },
        { EditorControl::DeleteCategoryButton, ToolTip::EditorDeleteCategory },
        { EditorControl::AddPageButton, ToolTip::EditorAddPage },
        { EditorControl::DestinationChooser, ToolTip::EditorDestination },
        { EditorControl::DeleteSitesButton, ToolTip::EditorDeleteSites },
        { EditorControl::AddAddressButton, ToolTip::EditorAddAddress },
        { EditorControl::AddressBox, ToolTip::EditorAddress },
        { EditorControl::SplitUpButton, ToolTip::EditorSplitUp },
        { EditorControl::SplitDownButton, ToolTip::EditorSplitDown },
        { EditorControl::ImportFavoritesButton, ToolTip::EditorImportFavorites },
        { EditorControl::AddHistoryItemsButton, ToolTip::HistoryAddToCategory },
    };
    for (const auto& [control, entry] : entries)
        m_view.control(control).toolTip = toolTip(entry);
    const auto tip = [this](std::string_view text) {
        return toolTipsOn() ? std::string(text) : std::string();
    };
    m_view.control(EditorControl::ImportBookmarksButton).toolTip
        = tip(emsg::kImportBookmarksToolTip);
    m_view.control(EditorControl::ExportBookmarksButton).toolTip
        = tip(emsg::kExportBookmarksToolTip);
    setBackupToolTips();
    UpdateListToolTips();
}

void ListEditor::clickCategory(std::size_t row)
{
    if (row >= m_view.categories.size())
        return;
    selectCategory(row);
    SyncLists(8);
}

void ListEditor::selectSites(
    const std::vector<std::size_t>& rows, std::optional<std::size_t> current)
{
    std::fill(m_view.siteSelected.begin(), m_view.siteSelected.end(), false);
    for (std::size_t row : rows) {
        if (row < m_view.sites.size())
            m_view.siteSelected[row] = true;
    }
    if (current && *current < m_view.sites.size())
        m_view.currentSite = current;
    UpdateListToolTips();
}

void ListEditor::selectDestination(std::optional<std::size_t> row)
{
    if (!row || *row < m_view.categories.size())
        m_view.destination = row;
}

void ListEditor::selectAll()
{
    std::fill(m_view.siteSelected.begin(), m_view.siteSelected.end(), true);
}

void ListEditor::openPopupMenu(EditorList list)
{
    m_view.PopupList = list;
    const bool sites = list == EditorList::Sites;
    for (EditorMenuItem item : { EditorMenuItem::MoveToCategory, EditorMenuItem::CopyToCategory,
             EditorMenuItem::SelectAll })
        m_view.menuEnabled[static_cast<std::size_t>(item)] = sites;
}

void ListEditor::lowerSplit()
{
    m_view.SplitRatio = std::clamp(m_view.SplitRatio - 0.1, 0.2, 0.8);
}

void ListEditor::raiseSplit()
{
    m_view.SplitRatio = std::clamp(m_view.SplitRatio + 0.1, 0.2, 0.8);
}

EditorListHeights ListEditor::layoutLists(double innerHeightTwips)
{
    const double area = innerHeightTwips - kListAreaMargin;
    if (area <= 0)
        return {};
    if (area * m_view.SplitRatio < kMinListHeight)
        m_view.SplitRatio = kMinListHeight / area;
    else if (area * (1 - m_view.SplitRatio) < kMinListHeight)
        m_view.SplitRatio = (area - kMinListHeight) / area;
    const double upper = area * m_view.SplitRatio;
    return { upper, area - upper };
}

std::array<double, 2> ListEditor::onResize(
    EditorWindowState state, double widthTwips, double heightTwips)
{
    if (state == EditorWindowState::Minimized)
        return { widthTwips, heightTwips };
    const std::array<double, 2> size
        = { std::max(widthTwips, kEditorMinWidth), std::max(heightTwips, kEditorMinHeight) };
    if (state == EditorWindowState::Normal && m_view.EditorLoaded) {
        m_env.settings.EditorWidth = static_cast<float>(size[0]);
        m_env.settings.EditorHeight = static_cast<float>(size[1]);
    }
    return size;
}

void ListEditor::close(const EditorClosing& closing)
{
    m_env.HistoryHandOff = false;
    RemoveUndoCopy();
    Settings& s = m_env.settings;
    if (closing.state == EditorWindowState::Normal) {
        s.EditorWidth = static_cast<float>(closing.widthTwips);
        s.EditorHeight = static_cast<float>(closing.heightTwips);
    }
    if (closing.state != EditorWindowState::Minimized) {
        for (std::size_t i = 0; i < 4; ++i)
            s.EditorColumnWidths[i] = static_cast<float>(closing.columnWidthsPx[i] * 15);
    }
    m_env.ModalWindowOpen = false;
}

} // namespace sg
