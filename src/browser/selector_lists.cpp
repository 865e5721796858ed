#include "browser/selector_lists.h"

#include "browser/window_layout.h"

#include <algorithm>

namespace sg {
namespace {

constexpr int kMinAddressColumnPx = 100;

} // namespace

double SelectorLists::listLeft() const
{
    return selectorListLeft(m_toolbar.state().checkBoxesShown);
}

double SelectorLists::listTop() const
{
    return selectorListTop(kAddressBoxTop + m_toolbar.state().addressBoxHeight);
}

void SelectorLists::show(Control list)
{
    m_c.view[list].visible = true;
}

void SelectorLists::hide(Control list)
{
    m_c.view[list].visible = false;
}

void SelectorLists::setRows(Control list, std::vector<SelectorRow> rows)
{
    m_c.view.selector(list).rows = std::move(rows);
}

void SelectorLists::placeAtMinimumHeight(Control list)
{
    m_c.view[list].geometry = Rect { listLeft(), listTop(), kSelectorListWidth, kMinListHeight };
}

void SelectorLists::fitHeight(Control list)
{
    const double top = listTop();
    const double height = fittedListHeight(m_c.view.selector(list).rows.size(),
        m_toolbar.state().rowHeightUnit, top, m_c.host.clientSize().height);
    m_c.view[list].geometry = Rect { listLeft(), top, kSelectorListWidth, height };
}

void SelectorLists::fitHeights()
{
    fitHeight(Control::PageSelector);
    fitHeight(Control::CategorySelector);
}

void SelectorLists::load()
{
    if (m_c.settings().SeparateCategorySelector == 1)
        loadSeparate();
    else
        loadSingle();
}

void SelectorLists::loadSeparate()
{
    m_c.view.pageSelector.headers = pageListHeaders();
    m_c.view.categorySelector.headers = categoryListHeaders(true);
    setRows(Control::PageSelector, {});
    setRows(Control::CategorySelector, {});
    placeAtMinimumHeight(Control::PageSelector);
    placeAtMinimumHeight(Control::CategorySelector);

    auto categories = categoryRows(m_c.shared.paths.UserDataDir);
    if (!categories)
        return;
    setRows(Control::CategorySelector, std::move(*categories));
    m_c.shared.SelectorLoading = true;
    fitHeight(Control::CategorySelector);
    if (!m_c.view.categorySelector.rows.empty()) {
        auto pages = pageRowsOfCategory(m_c.shared.paths.UserDataDir, 0);
        if (!pages.empty()) {
            setRows(Control::PageSelector, std::move(pages));
            fitHeight(Control::PageSelector);
        }
    }
    m_c.shared.SelectorLoading = false;
}

void SelectorLists::loadSingle()
{
    m_c.view.categorySelector.headers = categoryListHeaders(false);
    setRows(Control::CategorySelector, singleSelectorRows(m_c.shared.paths.UserDataDir));
    if (m_c.host.windowState() != WindowState::Minimized)
        fitHeight(Control::CategorySelector);
    else
        placeAtMinimumHeight(Control::CategorySelector);
}

void SelectorLists::applyColumnWidths()
{
    Settings& st = m_c.settings();
    st.ColumnWidths
        = columnWidthsWithDefaults(st.ColumnWidths, kSelectorListWidth, kSelectorListWidth);
    const auto& w = st.ColumnWidths;
    for (const Control list : { Control::PageSelector, Control::CategorySelector }) {
        SelectorListView& selector = m_c.view.selector(list);
        const std::size_t first = list == Control::PageSelector ? 0 : 2;
        // The name column leaves room for the addresses within the list.
        const int listPx = columnWidthPixels(static_cast<float>(kSelectorListWidth));
        const int name = std::min(columnWidthPixels(w[first]), listPx - kMinAddressColumnPx);
        selector.columnWidthsPx = { name, columnWidthPixels(w[first + 1]) };
        ++selector.columnWidthsRevision;
    }
}

void SelectorLists::onButtonClick()
{
    if (!visible(Control::CategorySelector)) {
        show(Control::CategorySelector);
        m_c.view.requestFocus(Control::CategorySelector);
        m_toolbar.setAutoHideSuspended(true);
    } else {
        hide(Control::CategorySelector);
        m_toolbar.setAutoHideSuspended(false);
    }
    if (visible(Control::PageSelector)) {
        hide(Control::PageSelector);
        hide(Control::CategorySelector);
        m_toolbar.setAutoHideSuspended(false);
    }
    fitHeights();
}

void SelectorLists::onFocusChanged(Control list, bool focused)
{
    if (focused) {
        m_toolbar.setAutoHideSuspended(true);
        return;
    }
    if (m_buttonDown)
        return;
    m_toolbar.setAutoHideSuspended(false);
    hide(list);
}

std::optional<std::string> SelectorLists::onClick(Control list, std::optional<std::size_t> row)
{
    const auto& rows = m_c.view.selector(list).rows;
    if (list == Control::PageSelector) {
        if (!row || *row >= rows.size() || rows[*row].url.empty())
            return std::nullopt;
        return rows[*row].url;
    }

    m_toolbar.setAutoHideSuspended(false);
    if (m_c.shared.SelectorLoading) {
        m_c.shared.SelectorLoading = false;
        return std::nullopt;
    }
    if (m_c.settings().SeparateCategorySelector == 1) {
        if (rows.empty() || !row || *row >= rows.size())
            return std::nullopt;
        setRows(Control::PageSelector, {});
        placeAtMinimumHeight(Control::PageSelector);
        auto pages = pageRowsOfCategory(m_c.shared.paths.UserDataDir, *row);
        if (pages.empty())
            return std::nullopt;
        setRows(Control::PageSelector, std::move(pages));
        fitHeights();
        hide(Control::CategorySelector);
        show(Control::PageSelector);
        m_c.view.requestFocus(Control::PageSelector);
        return std::nullopt;
    }
    if (rows.size() < 2 || !row || *row >= rows.size())
        return std::nullopt;
    const SelectorRow& chosen = rows[*row];
    if (chosen.key.starts_with("C") || chosen.url.empty())
        return std::nullopt;
    return chosen.url;
}

void SelectorLists::onPageOpened(Control list, bool here)
{
    if (list == Control::CategorySelector) {
        hide(list);
    } else if (here) {
        hide(list);
        m_toolbar.setAutoHideSuspended(false);
    }
}

} // namespace sg
