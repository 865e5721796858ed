#pragma once
// The main menu's entries that are not the toolbar's: local files and favourites opened by
// the navigation target rule, the page's own commands (save, select, find, print,
// properties, text size), the list font, the help page, network settings, the slideshow
// and the launchers with their captions.

#include "browser/main_menu.h"
#include "browser/main_window_context.h"
#include "browser/menu_rules.h"
#include "browser/page_navigator.h"
#include "browser/selector_lists.h"
#include "browser/toolbar_controller.h"

namespace sg {

class MenuActions {
public:
    MenuActions(MainWindowContext& context, PageNavigator& navigator, ToolbarController& toolbar,
        SelectorLists& selector)
        : m_c(context)
        , m_navigator(navigator)
        , m_toolbar(toolbar)
        , m_selector(selector)
    {
    }

    // A new window's page takes the last text size chosen, with its check mark, and the
    // launcher captions.
    void load();
    // The launcher entries' captions from the settings (the options window may change them;
    // the menu takes them each time it pops up).
    void showLauncherCaptions();
    // Carries out a command of this part; false for a command it does not know.
    bool run(MenuCommand command);
    int textSize() const { return m_textSize; }

private:
    void openFile();
    void openFavorite();
    void openHelpPage();
    void chooseListFont();
    void setTextSize(int size);
    void startMailChecker();

    MainWindowContext& m_c;
    PageNavigator& m_navigator;
    ToolbarController& m_toolbar;
    SelectorLists& m_selector;
    int m_textSize = kMediumTextSize; // this window's page
};

} // namespace sg
