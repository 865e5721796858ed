// The site selector: filling its two lists, fitting their heights, showing and hiding them,
// and opening the page a row names.

#include "browser/main_window_logic.h"
#include "browser/window_layout.h"

namespace sg {

double MainWindowLogic::listTop() const
{
    return selectorListTop(kAddressBoxTop + m_s.addressBoxHeight);
}

void MainWindowLogic::showList(Control list, bool visible)
{
    (list == Control::PageSelector ? m_s.listView1Visible : m_s.listView2Visible) = visible;
    m_view.setVisible(list, visible);
}

void MainWindowLogic::fitListHeight(Control list)
{
    const bool pages = list == Control::PageSelector;
    const std::size_t rows = (pages ? m_s.listView1Rows : m_s.listView2Rows).size();
    const double top = listTop();
    const double height
        = fittedListHeight(rows, m_s.rowHeightUnit, top, m_view.clientSize().height);
    (pages ? m_s.listView1Height : m_s.listView2Height) = height;
    m_view.setGeometry(
        list, { selectorListLeft(m_s.checkBoxesShown), top, kSelectorListWidth, height });
}

void MainWindowLogic::fitSelectorHeights()
{
    fitListHeight(Control::PageSelector);
    fitListHeight(Control::CategorySelector);
}

void MainWindowLogic::fillPageList(std::vector<SelectorRow> rows)
{
    m_s.listView1Rows = std::move(rows);
    m_view.setSelectorRows(Control::PageSelector, m_s.listView1Rows);
}

void MainWindowLogic::loadSiteSelectors()
{
    if (settings().SeparateCategorySelector == 1)
        loadSeparateSelectors();
    else
        loadSingleSelector();
}

void MainWindowLogic::loadSeparateSelectors()
{
    const double left = selectorListLeft(m_s.checkBoxesShown);
    const double top = listTop();
    m_view.setSelectorHeaders(Control::PageSelector, pageListHeaders());
    m_view.setSelectorHeaders(Control::CategorySelector, categoryListHeaders(true));
    fillPageList({});
    m_s.listView2Rows.clear();
    m_view.setSelectorRows(Control::CategorySelector, m_s.listView2Rows);
    m_s.listView1Height = m_s.listView2Height = kMinListHeight;
    m_view.setGeometry(Control::PageSelector, { left, top, kSelectorListWidth, kMinListHeight });
    m_view.setGeometry(
        Control::CategorySelector, { left, top, kSelectorListWidth, kMinListHeight });

    auto categories = categoryRows(m_shared.paths.UserDataDir);
    if (!categories)
        return;
    m_s.listView2Rows = std::move(*categories);
    m_view.setSelectorRows(Control::CategorySelector, m_s.listView2Rows);
    m_shared.SelectorLoading = true;
    fitListHeight(Control::CategorySelector);
    if (!m_s.listView2Rows.empty()) {
        auto pages = pageRowsOfCategory(m_shared.paths.UserDataDir, 0);
        if (!pages.empty()) {
            fillPageList(std::move(pages));
            fitListHeight(Control::PageSelector);
        }
    }
    m_shared.SelectorLoading = false;
}

void MainWindowLogic::loadSingleSelector()
{
    m_view.setSelectorHeaders(Control::CategorySelector, categoryListHeaders(false));
    m_s.listView2Rows = singleSelectorRows(m_shared.paths.UserDataDir);
    m_view.setSelectorRows(Control::CategorySelector, m_s.listView2Rows);
    m_s.listView2Height = kMinListHeight;
    if (m_view.windowState() != WindowState::Minimized)
        fitListHeight(Control::CategorySelector);
    else
        m_view.setGeometry(Control::CategorySelector,
            { selectorListLeft(m_s.checkBoxesShown), listTop(), kSelectorListWidth,
                kMinListHeight });
}

void MainWindowLogic::applyColumnWidths()
{
    Settings& st = settings();
    st.ColumnWidths
        = columnWidthsWithDefaults(st.ColumnWidths, kSelectorListWidth, kSelectorListWidth);
    const auto& w = st.ColumnWidths;
    m_view.setSelectorColumnWidths(
        Control::PageSelector, columnWidthPixels(w[0]), columnWidthPixels(w[1]));
    m_view.setSelectorColumnWidths(
        Control::CategorySelector, columnWidthPixels(w[2]), columnWidthPixels(w[3]));
}

void MainWindowLogic::onSelectorButtonClick()
{
    if (!m_s.listView2Visible) {
        showList(Control::CategorySelector, true);
        m_view.setFocus(Control::CategorySelector);
        m_s.AutoHideSuspended = true;
    } else {
        showList(Control::CategorySelector, false);
        m_s.AutoHideSuspended = false;
    }
    if (m_s.listView1Visible) {
        showList(Control::PageSelector, false);
        showList(Control::CategorySelector, false);
        m_s.AutoHideSuspended = false;
    }
    fitSelectorHeights();
}

void MainWindowLogic::onSelectorButtonDown()
{
    m_s.SelectorButtonDown = true;
}

void MainWindowLogic::onSelectorButtonUp()
{
    m_s.SelectorButtonDown = false;
}

void MainWindowLogic::onSelectorFocusChanged(Control list, bool focused)
{
    if (focused) {
        m_s.AutoHideSuspended = true;
        return;
    }
    if (m_s.SelectorButtonDown)
        return;
    m_s.AutoHideSuspended = false;
    showList(list, false);
}

void MainWindowLogic::onSelectorColumnClick(Control list)
{
    scheduleDeferredAction(list == Control::PageSelector ? DeferredAction::HideListView1
                                                         : DeferredAction::HideListView2,
        kColumnClickHideMs);
    m_s.AutoHideSuspended = false;
}

void MainWindowLogic::onSelectorClick(Control list, std::optional<std::size_t> row)
{
    if (list == Control::PageSelector) {
        const auto& rows = m_s.listView1Rows;
        if (!row || *row >= rows.size() || rows[*row].url.empty())
            return;
        if (openPage(rows[*row].url)) {
            showList(Control::PageSelector, false);
            m_s.AutoHideSuspended = false;
        }
        return;
    }

    m_s.AutoHideSuspended = false;
    if (m_shared.SelectorLoading) {
        m_shared.SelectorLoading = false;
        return;
    }
    const auto& rows = m_s.listView2Rows;
    if (settings().SeparateCategorySelector == 1) {
        if (rows.empty() || !row || *row >= rows.size())
            return;
        fillPageList({});
        m_s.listView1Height = kMinListHeight;
        m_view.setGeometry(Control::PageSelector,
            { selectorListLeft(m_s.checkBoxesShown), listTop(), kSelectorListWidth,
                kMinListHeight });
        auto pages = pageRowsOfCategory(m_shared.paths.UserDataDir, *row);
        if (pages.empty())
            return;
        fillPageList(std::move(pages));
        fitSelectorHeights();
        showList(Control::CategorySelector, false);
        showList(Control::PageSelector, true);
        m_view.setFocus(Control::PageSelector);
        return;
    }
    if (rows.size() < 2 || !row || *row >= rows.size())
        return;
    const SelectorRow& chosen = rows[*row];
    if (chosen.key.starts_with("C") || chosen.url.empty())
        return;
    const std::string url = chosen.url;
    openPage(url);
    showList(Control::CategorySelector, false);
}

} // namespace sg
