// Moving the selected row of either list and sorting a list once by name.
#include "sitelists/list_editor.h"

#include <algorithm>
#include <cctype>
#include <numeric>

namespace sg {
namespace {

// Letter case first ignored, then deciding between names that differ only in it.
bool nameBefore(const std::string& a, const std::string& b)
{
    const auto lowerLess
        = [](unsigned char x, unsigned char y) { return std::tolower(x) < std::tolower(y); };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), lowerLess))
        return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), lowerLess))
        return false;
    return a < b;
}

template <typename T> void moveItem(std::vector<T>& items, std::size_t from, std::size_t to)
{
    T item = items[from];
    items.erase(items.begin() + static_cast<std::ptrdiff_t>(from));
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(to), item);
}

template <typename T> void permute(std::vector<T>& items, const std::vector<std::size_t>& order)
{
    std::vector<T> result;
    for (std::size_t i : order)
        result.push_back(items[i]);
    items = std::move(result);
}

} // namespace

void ListEditor::moveUp()
{
    move(Place::Up);
}

void ListEditor::moveDown()
{
    move(Place::Down);
}

void ListEditor::moveToTop()
{
    move(Place::Top);
}

void ListEditor::moveToBottom()
{
    move(Place::Bottom);
}

void ListEditor::sortAscending()
{
    sort(Order::Ascending);
}

void ListEditor::sortDescending()
{
    sort(Order::Descending);
}

void ListEditor::move(Place place)
{
    const bool categories = m_view.PopupList == EditorList::Categories;
    if (!categories && m_view.PopupList != EditorList::Sites)
        return;
    std::vector<EditorRow>& rows = categories ? m_view.categories : m_view.sites;
    const auto selected = categories ? m_view.selectedCategory : m_view.currentSite;
    if (rows.empty() || !selected)
        return;
    const std::size_t from = *selected;
    const std::size_t last = rows.size() - 1;
    const bool towardsTop = place == Place::Up || place == Place::Top;
    if ((towardsTop && from == 0) || (!towardsTop && from == last))
        return;
    const std::size_t to = place == Place::Up ? from - 1
        : place == Place::Down                ? from + 1
        : place == Place::Top                 ? 0
                                              : last;
    moveItem(rows, from, to);
    if (categories) {
        selectCategory(to);
        SyncLists(1);
    } else {
        moveItem(m_view.siteSelected, from, to);
        m_view.siteSelected[to] = true;
        m_view.currentSite = to;
        SyncLists(2);
    }
}

void ListEditor::sort(Order order)
{
    const bool categories = m_view.PopupList == EditorList::Categories;
    if (!categories && m_view.PopupList != EditorList::Sites)
        return;
    std::vector<EditorRow>& rows = categories ? m_view.categories : m_view.sites;
    if (rows.empty())
        return;
    std::vector<std::size_t> indexes(rows.size());
    std::iota(indexes.begin(), indexes.end(), 0);
    std::stable_sort(indexes.begin(), indexes.end(), [&](std::size_t a, std::size_t b) {
        return order == Order::Ascending ? nameBefore(rows[a].name, rows[b].name)
                                         : nameBefore(rows[b].name, rows[a].name);
    });
    permute(rows, indexes);
    // The selected row stays selected wherever it lands.
    const auto newPlace = [&](std::optional<std::size_t> old) -> std::optional<std::size_t> {
        if (!old)
            return std::nullopt;
        return static_cast<std::size_t>(
            std::find(indexes.begin(), indexes.end(), *old) - indexes.begin());
    };
    if (categories) {
        selectCategory(newPlace(m_view.selectedCategory));
        SyncLists(1);
    } else {
        permute(m_view.siteSelected, indexes);
        m_view.currentSite = newPlace(m_view.currentSite);
        SyncLists(2);
    }
    m_view.SortedList = m_view.PopupList;
    m_view.sortTimerRunning = true;
}

void ListEditor::onSortTimer()
{
    m_view.sortTimerRunning = false;
}

} // namespace sg
