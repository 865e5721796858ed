#pragma once
// The site selector over the page: its two drop-down lists filled from the list files, their
// heights, showing and hiding them, and the page a chosen row opens.

#include "browser/main_window_context.h"
#include "browser/toolbar_controller.h"

#include <cstddef>
#include <optional>
#include <string>

namespace sg {

class SelectorLists {
public:
    SelectorLists(MainWindowContext& context, ToolbarController& toolbar)
        : m_c(context)
        , m_toolbar(toolbar)
    {
    }

    bool visible(Control list) const { return m_c.view[list].visible; }

    // Both lists filled anew, in the mode the settings name.
    void load();
    // The column widths from the settings, defaults for the unset ones.
    void applyColumnWidths();
    // Both lists' heights for their rows and the room below them.
    void fitHeights();
    void hide(Control list);

    // A Show/Hide Site Selector button: the category list drops down or folds away.
    void onButtonClick();
    void onButtonDown() { m_buttonDown = true; }
    void onButtonUp() { m_buttonDown = false; }
    void onFocusChanged(Control list, bool focused);
    // A click on a row (if one is selected): the address of the page to open, if any.
    std::optional<std::string> onClick(Control list, std::optional<std::size_t> row);
    // The page of a clicked row opened, here or in another window: the category list (single
    // mode) folds away either way, the page list only when the page opened here.
    void onPageOpened(Control list, bool here);

private:
    void loadSeparate();
    void loadSingle();
    void show(Control list);
    void setRows(Control list, std::vector<SelectorRow> rows);
    void placeAtMinimumHeight(Control list);
    void fitHeight(Control list);
    double listLeft() const;
    double listTop() const;

    MainWindowContext& m_c;
    ToolbarController& m_toolbar;
    bool m_buttonDown = false; // a mouse button is held on a Show/Hide Site Selector button
};

} // namespace sg
